// tavlo-club: the club web service of the game, one process without a window.
//
//   tavlo-club --listen 127.0.0.1:8080 --data DIR [--database postgresql://...] [--threads N]
//              [--payment-page URL] [--help-page URL]
//
// The operator's commands work on the same data and end at once, without serving:
//
//   tavlo-club --data DIR --credit NICK AMOUNT      Zans paid for outside the program
//   tavlo-club --data DIR --members                 one member a line: nick, balance, date, city, country
//   tavlo-club --data DIR --reset-password NICK PW  for a member who lost the password
//
// DIR holds the SQLite database club.sqlite (unless --database names a PostgreSQL one) and the
// folder files/ whose contents are served as they are (GET /<path>). Port 0 takes a free port;
// the line "listening on HOST:PORT" on standard output tells which.

#include <sys/socket.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <memory>
#include <cstdio>

#include "net/club/account_text.h"
#include "net/club/service_config.h"
#include "server/club_service.h"
#include "server/club_store.h"
#include "server/password_hash.h"
#include "server/serving_threads.h"
#include "server/tour_tables.h"

namespace {

// SIGTERM and SIGINT end the event loop through a socket pair: a signal handler may only write.
int quitPipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(quitPipe[0], &byte, 1);
}

// The serving threads' HTTP servers are bound to sockets that never listen (connections are handed
// to them); Qt warns about that once per thread, which is expected here and not worth a line.
QtMessageHandler defaultHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (context.category && qstrcmp(context.category, "qt.httpserver") == 0 && message.endsWith("is not listening.")) {
    return;
  }
  defaultHandler(type, context, message);
}

int Fail(const QString& message) {
  QTextStream(stderr) << "tavlo-club: " << message << "\n";
  return 2;
}

// The operator's commands: one change or listing, a line on standard output, exit code 0 on success.
int RunOperatorCommand(const QCommandLineParser& parser, tavlo::ClubStore& store) {
  QTextStream out(stdout);
  const QStringList values = parser.positionalArguments();
  if (parser.isSet("members")) {
    const auto members = store.Members();
    if (!members) return Fail("cannot read the members");
    for (const tavlo::TZanUser& u : *members) {
      out << QString::fromStdString(u.Nick) << "\t" << u.R04 << "\t" << QString::fromStdString(u.DateR) << "\t"
          << QString::fromStdString(u.City) << "\t" << QString::fromStdString(u.Country1) << "\n";
    }
    out << members->size() << " members\n";
    return 0;
  }
  if (values.size() != 1) return Fail("give exactly one value after the nick");
  if (parser.isSet("credit")) {
    const std::string nick = parser.value("credit").toStdString();
    bool ok = false;
    const qint64 amount = values[0].toLongLong(&ok);
    if (!ok || amount <= 0) return Fail("the amount must be a whole number above 0");
    const auto balance = store.CreditZans(nick, amount);
    if (!balance) return Fail("no member " + parser.value("credit") + ", or the balance would grow too large");
    out << "credited " << amount << " Zans to " << parser.value("credit") << ", balance " << *balance << "\n";
    return 0;
  }
  const std::string nick = parser.value("reset-password").toStdString();
  const std::string password = values[0].toStdString();
  if (tavlo::JudgeAccountText(password, tavlo::AccountTextKind::Password) != 3) {
    return Fail("a password has 4 to 12 Latin letters, digits or !(),-.@_");
  }
  tavlo::PasswordHasher hasher;
  if (!store.SetPasswordHash(nick, hasher.Hash(password))) return Fail("no member " + parser.value("reset-password"));
  out << "new password set for " << parser.value("reset-password") << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  defaultHandler = qInstallMessageHandler(FilterMessages);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("tavlo-club");

  QCommandLineParser parser;
  parser.setApplicationDescription("The club web service of Tavlo.");
  parser.addHelpOption();
  parser.addOption({"listen", "Address and port to listen on (port 0: any free port).", "host:port", "127.0.0.1:8080"});
  parser.addOption({"data", "Folder of the club's SQLite database and of files/.", "dir"});
  parser.addOption({"database", "A PostgreSQL database instead of SQLite.", "postgresql://..."});
  parser.addOption({"public-url", "The address players reach this club at (default: http://<listen>).", "url"});
  parser.addOption({"tour-host", "Host of the tournament tables in the lobby.", "host", "0.0.0.0"});
  parser.addOption({"tour-base-port", "Table k of the tournament is served on this port + k.", "port", "0"});
  parser.addOption({"tour-tables",
                    "Serve the ten tournament tables in this process (with --tour-base-port 0: ten free ports in a row)."});
  parser.addOption({"tour-seed", "Shuffle the tournament decks from this seed (tests and tools; default: the clock).",
                    "n", "0"});
  parser.addOption({"tour-move-seconds", "Seconds the tables wait for a move (1..600).", "s", "32"});
  parser.addOption({"pause-chat", "Tell the programs that the chat is paused."});
  parser.addOption({"pause-world", "Tell the programs that the world top ten is paused."});
  parser.addOption({"idle-seconds", "Close a connection silent this long (1..3600).", "s", "60"});
  parser.addOption({"threads", "Serving threads, each with its own database connection (1..64).", "n", "4"});
  parser.addOption({"help-page", "The program's online help page, opened by the menu's help icon.", "url"});
  parser.addOption({"payment-page", "The page where members pay for Zans (the program adds the amount).", "url"});
  parser.addOption({"credit", "Operator: credit Zans to a member, then exit (arguments NICK AMOUNT).", "nick"});
  parser.addOption({"members", "Operator: list the members, then exit."});
  parser.addOption({"reset-password", "Operator: give a member a new password, then exit (arguments NICK PASSWORD).",
                    "nick"});
  parser.addPositionalArgument("value", "The AMOUNT of --credit or the PASSWORD of --reset-password.");
  parser.process(app);

  const QString listen = parser.value("listen");
  const int colon = listen.lastIndexOf(':');
  bool portOk = false;
  const int port = colon > 0 ? listen.mid(colon + 1).toInt(&portOk) : -1;
  const QHostAddress host(listen.left(colon));
  if (colon <= 0 || !portOk || port < 0 || port > 65535 || host.isNull()) {
    return Fail("--listen needs HOST:PORT with a numeric address, for example 127.0.0.1:8080");
  }
  if (!parser.isSet("data")) return Fail("--data DIR is required");
  const QString data = QDir(parser.value("data")).absolutePath();
  if (!QDir().mkpath(data) || !QDir().mkpath(data + "/files")) return Fail("cannot create the folder " + data);

  bool threadsOk = false;
  const int threads = parser.value("threads").toInt(&threadsOk);
  if (!threadsOk || threads < 1 || threads > 64) return Fail("--threads needs a number from 1 to 64");

  tavlo::StoreOptions storeOptions;
  storeOptions.SqliteFile = data + "/club.sqlite";
  storeOptions.PostgresUrl = parser.value("database");
  QString error;
  {
    // Creates or migrates the database once, before the serving threads open it.
    tavlo::ClubStore store;
    if (!store.Open(storeOptions, &error)) return Fail("cannot open the club database: " + error);
    if (parser.isSet("credit") || parser.isSet("members") || parser.isSet("reset-password")) {
      return RunOperatorCommand(parser, store);
    }
  }

  tavlo::ServiceOptions options;
  options.FilesFolder = data + "/files";
  options.TourHost = parser.value("tour-host");
  options.TourBasePort = parser.value("tour-base-port").toInt();
  options.ChatPaused = parser.isSet("pause-chat");
  options.WorldPaused = parser.isSet("pause-world");
  bool idleOk = false;
  options.IdleSeconds = parser.value("idle-seconds").toInt(&idleOk);
  if (!idleOk || options.IdleSeconds < 1 || options.IdleSeconds > 3600) {
    return Fail("--idle-seconds needs a number from 1 to 3600");
  }
  options.PaymentPage = parser.value("payment-page");
  if (!options.PaymentPage.isEmpty() && !options.PaymentPage.startsWith("http://") &&
      !options.PaymentPage.startsWith("https://")) {
    return Fail("--payment-page needs an http:// or https:// address");
  }
  options.HelpPage = parser.value("help-page");
  if (!options.HelpPage.isEmpty() && !tavlo::IsBrowserAddress(options.HelpPage.toStdString())) {
    return Fail("--help-page needs an http:// or https:// address without blanks");
  }
  // The tournament tables run on this thread with their own database connection.
  tavlo::ClubStore tourStore;
  std::unique_ptr<tavlo::TourTables> tourTables;
  if (parser.isSet("tour-tables")) {
    bool secondsOk = false;
    tavlo::TourTableOptions tourOptions;
    tourOptions.MoveSeconds = parser.value("tour-move-seconds").toInt(&secondsOk);
    if (!secondsOk || tourOptions.MoveSeconds < 1 || tourOptions.MoveSeconds > 600) {
      return Fail("--tour-move-seconds needs a number from 1 to 600");
    }
    bool seedOk = false;
    tourOptions.Seed = parser.value("tour-seed").toULongLong(&seedOk);
    if (!seedOk) return Fail("--tour-seed needs a whole number");
    const QHostAddress tourHost(options.TourHost);
    if (tourHost.isNull()) return Fail("--tour-host needs a numeric address to serve the tables on");
    if (!tourStore.Open(storeOptions, &error)) return Fail("cannot open the club database: " + error);
    tourTables = std::make_unique<tavlo::TourTables>(tourStore, tourOptions);
    if (!tourTables->Listen(tourHost, options.TourBasePort)) return Fail("cannot listen for the tournament tables");
    options.TourBasePort = tourTables->BasePort();
    options.TourTablesRunning = true;
  }
  tavlo::ClubListener listener(storeOptions, threads);
  listener.setListenBacklogSize(1024);
  if (!listener.listen(host, static_cast<quint16>(port))) return Fail("cannot listen on " + listen);
  const QString where =
      (host.protocol() == QAbstractSocket::IPv6Protocol ? "[" + host.toString() + "]" : host.toString()) + ":" +
      QString::number(listener.serverPort());
  // The configuration text names the scripts by the address players use.
  options.PublicBase = parser.isSet("public-url") ? parser.value("public-url") : "http://" + where;
  // Connections wait in the listening queue until the event loop runs, after the threads started.
  if (!listener.StartThreads(options, &error)) return Fail("cannot open the club database: " + error);

  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, quitPipe) != 0) return Fail("cannot watch for signals");
  QSocketNotifier quitNotifier(quitPipe[1], QSocketNotifier::Read);
  QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGINT, OnSignal);
  // Told once the event loop runs, so whoever reads the line may send requests and signals at once.
  QTimer::singleShot(0, &app, [where, base = options.TourBasePort, tables = options.TourTablesRunning] {
    QTextStream(stdout) << "listening on " << where << Qt::endl;
    if (tables) QTextStream(stdout) << "tournament tables on base port " << base << Qt::endl;
  });
  const int status = app.exec();
  listener.StopThreads();
  return status;
}
