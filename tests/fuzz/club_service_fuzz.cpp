// The club's scripts as a whole: any request body to any script is answered or refused without
// harm, and whatever it did, the club's books still balance: no balance below zero and no second
// account under one nick.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "fuzz/fuzz_check.h"
#include "server/club_service.h"
#include "server/club_store.h"
#include "server/password_hash.h"

namespace {

using tavlo::fuzzing::Require;

struct Club {
  Club() {
    Require(folder.isValid(), "a folder for the club");
    tavlo::StoreOptions options;
    options.SqliteFile = folder.filePath("club.sqlite");
    QString error;
    Require(store.Open(options, &error), "the club database opens");
    tavlo::ServiceOptions serviceOptions;
    serviceOptions.FilesFolder = folder.filePath("files");
    service = std::make_unique<tavlo::ClubService>(store, hasher, serviceOptions);
    // One member to sign in as ("Ann", "pass1"), with a game record.
    Post("/acc.php",
         "nick=Ann&pw=pass1&city=Oslo&country1=Norway&country2=1-035&sex=W&email=a%40b.c&dater=10.12.2026"
         "&R01=x&R02=x&R03=x");
    Post("/acc.php",
         "nick=Ann&pw=pass1&crdtavlokon=40&crdtavlobest=1&crdtavlorating=2.5&crdtavloses=1&crdtavlokonl=0"
         "&crdtavloscore=1&crdtavloR1=0&crdtavloR2=x");
  }

  tavlo::ClubReply Post(const QString& path, const QByteArray& body) {
    tavlo::ClubCall call;
    call.Method = "POST";
    call.Path = path;
    call.Body = body;
    call.RemoteAddress = "127.0.0.1";
    return service->Handle(call);
  }

  QTemporaryDir folder;
  tavlo::ClubStore store;
  tavlo::PasswordHasher hasher;
  std::unique_ptr<tavlo::ClubService> service;
};

Club& TheClub() {
  static int argc = 1;
  static char name[] = "club_service_fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static Club club;
  return club;
}

// Reads the books straight from the club's file.
void CheckBooks(const QString& file) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fuzz-books");
    db.setDatabaseName(file);
    Require(db.open(), "the club database can be read");
    QSqlQuery q(db);
    Require(q.exec("SELECT COUNT(*) FROM accounts WHERE balance < 0") && q.next(), "balances can be read");
    Require(q.value(0).toInt() == 0, "no balance is below zero");
    Require(q.exec("SELECT COUNT(*) - COUNT(DISTINCT lower(nick)) FROM accounts") && q.next(), "nicks can be read");
    Require(q.value(0).toInt() == 0, "no two accounts share a nick");
  }
  QSqlDatabase::removeDatabase("fuzz-books");
}

}  // namespace

// The first byte chooses the script, the rest is the body.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kScripts[] = {"/acc.php", "/wtgames.php", "/tour.php", "/stat.php", "/photo.php"};
  Club& club = TheClub();
  const QString path = kScripts[data[0] % std::size(kScripts)];
  const QByteArray body(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const tavlo::ClubReply reply = club.Post(path, body);
  Require(reply.Status == 200 || reply.Status == 400 || reply.Status == 413, "a script answers or refuses");
  CheckBooks(club.folder.filePath("club.sqlite"));
  return 0;
}
