#include "club_server_fixture.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>

namespace tavlo::testing {
namespace {

QString PostgresUrl() { return qEnvironmentVariable("TAVLO_TEST_POSTGRES"); }

// Each test starts from an empty PostgreSQL schema, as it does from an empty SQLite folder.
bool ResetPostgres(const QString& address) {
  const QUrl url(address);
  bool ok = false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "fixture-reset");
    if (!url.host().isEmpty()) db.setHostName(url.host());
    if (url.port() > 0) db.setPort(url.port());
    if (!url.userName().isEmpty()) db.setUserName(url.userName());
    if (!url.password().isEmpty()) db.setPassword(url.password());
    if (url.path().size() > 1) db.setDatabaseName(url.path().mid(1));
    if (db.open()) {
      QSqlQuery q(db);
      ok = q.exec("DROP SCHEMA IF EXISTS public CASCADE") && q.exec("CREATE SCHEMA public");
      if (!ok) ADD_FAILURE() << q.lastError().text().toStdString();
    } else {
      ADD_FAILURE() << "PostgreSQL: " << db.lastError().text().toStdString();
    }
    db.close();
  }
  QSqlDatabase::removeDatabase("fixture-reset");
  return ok;
}

}  // namespace

void ClubServerTest::SetUp() {
  ASSERT_TRUE(data_.isValid());
  ASSERT_TRUE(StartServer());
}

void ClubServerTest::TearDown() { StopServer(); }

bool ClubServerTest::StartServer(const QStringList& extra) {
  StopServer();
  if (!PostgresUrl().isEmpty() && !ResetPostgres(PostgresUrl())) return false;
  server_ = LaunchServer(extra, &port_);
  if (!server_) return false;
  client_ = std::make_unique<ClubClient>(ClubAddressesFor(Base()), 10000);
  return true;
}

std::unique_ptr<QProcess> ClubServerTest::LaunchServer(const QStringList& extra, int* port) {
  QStringList arguments = {"--listen", "127.0.0.1:0", "--data", data_.path()};
  if (!PostgresUrl().isEmpty()) arguments << "--database" << PostgresUrl();
  auto server = std::make_unique<QProcess>();
  server->setProcessChannelMode(QProcess::SeparateChannels);
  server->start(TAVLO_CLUB_BINARY, arguments + extra);
  if (!server->waitForStarted(10000)) {
    ADD_FAILURE() << "tavlo-club did not start";
    return nullptr;
  }
  // The first line tells the port; wait for it with a deadline.
  QDeadlineTimer deadline(20000);
  QByteArray out;
  while (!out.contains('\n') && !deadline.hasExpired()) {
    if (!server->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    out += server->readAllStandardOutput();
  }
  const QByteArray line = out.left(out.indexOf('\n')).trimmed();
  if (!line.startsWith("listening on 127.0.0.1:")) {
    ADD_FAILURE() << "tavlo-club said: " << line.toStdString() << server->readAllStandardError().toStdString();
    server->kill();
    server->waitForFinished(5000);
    return nullptr;
  }
  *port = line.mid(line.lastIndexOf(':') + 1).toInt();
  return server;
}

void ClubServerTest::Stop(QProcess& server) {
  server.terminate();
  if (!server.waitForFinished(10000)) {
    server.kill();
    server.waitForFinished(5000);
  }
}

void ClubServerTest::StopServer() {
  if (!server_) return;
  Stop(*server_);
  server_.reset();
}

namespace {

ClubServerTest::Raw Exchange(QNetworkReply* reply) {
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  deadline.start(20000);
  if (!reply->isFinished()) loop.exec();
  ClubServerTest::Raw raw;
  raw.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  raw.Body = reply->readAll();
  raw.ContentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
  reply->deleteLater();
  return raw;
}

}  // namespace

ClubServerTest::Raw ClubServerTest::Post(const QString& path, const QByteArray& body) {
  QNetworkAccessManager manager;
  QNetworkRequest request(QUrl(QString::fromStdString(Base()) + path));
  request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
  return Exchange(manager.post(request, body));
}

ClubServerTest::Raw ClubServerTest::Get(const QString& path) {
  QNetworkAccessManager manager;
  QUrl url(QString::fromStdString(Base()));
  url.setPath(path);
  return Exchange(manager.get(QNetworkRequest(url)));
}

int ClubServerTest::Operator(const QStringList& arguments, QString* output) {
  QProcess tool;
  QStringList all = {"--data", data_.path()};
  if (!PostgresUrl().isEmpty()) all << "--database" << PostgresUrl();
  tool.start(TAVLO_CLUB_BINARY, all + arguments);
  if (!tool.waitForFinished(30000)) {
    tool.kill();
    tool.waitForFinished(5000);
    return -1;
  }
  if (output) *output = QString::fromUtf8(tool.readAllStandardOutput());
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

TZanUser ClubServerTest::NewUser(const std::string& nick, const std::string& pw) {
  TZanUser user;
  user.Nick = nick;
  user.Pw = pw;
  user.City = "Moscow";
  user.Country1 = "Russia";
  user.Country2 = "1-001";
  user.Sex = 'W';
  user.EMail = "a@b.org";
  user.DateR = "10.12.2026";
  user.R01 = user.R02 = user.R03 = "xxx";
  return user;
}

void ClubServerTest::CreateUser(const std::string& nick, const std::string& pw) {
  ASSERT_EQ(Client().CreateAccount(NewUser(nick, pw)), 0) << nick;
}

QByteArray TestJpeg(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes;
}

}  // namespace tavlo::testing
