// tavlo-club: the club web service of the game, one process without a window.
//
//   tavlo-club --listen 127.0.0.1:8080 --data DIR [--database postgresql://...] [--threads N]
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
#include <cstdio>

#include "server/club_service.h"
#include "server/club_store.h"
#include "server/serving_threads.h"

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
  parser.addOption({"pause-chat", "Tell the programs that the chat is paused."});
  parser.addOption({"pause-world", "Tell the programs that the world top ten is paused."});
  parser.addOption({"idle-seconds", "Close a connection silent this long (1..3600).", "s", "60"});
  parser.addOption({"threads", "Serving threads, each with its own database connection (1..64).", "n", "4"});
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
  QTimer::singleShot(0, &app, [where] { QTextStream(stdout) << "listening on " << where << Qt::endl; });
  const int status = app.exec();
  listener.StopThreads();
  return status;
}
