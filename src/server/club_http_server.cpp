#include "server/club_http_server.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

#include "server/serving_threads.h"

namespace tavlo {
namespace {

QByteArray MethodName(QHttpServerRequest::Method method) {
  switch (method) {
    case QHttpServerRequest::Method::Get:
      return "GET";
    case QHttpServerRequest::Method::Post:
      return "POST";
    case QHttpServerRequest::Method::Head:
      return "HEAD";
    default:
      return "OTHER";
  }
}

}  // namespace

bool ClubHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
  ClubCall call;
  call.Method = MethodName(request.method());
  call.Path = request.url().path(QUrl::FullyDecoded);
  call.Body = request.body();
  call.RemoteAddress = request.remoteAddress().toString();
  const ClubReply reply = service_.Handle(call);
  QHttpServerResponder responder = makeResponder(request, socket);
  responder.write(reply.Body, reply.ContentType, static_cast<QHttpServerResponder::StatusCode>(reply.Status));
  NoteAnswered(socket);
  return true;
}

void ClubHttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
  makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
  NoteAnswered(socket);
}

}  // namespace tavlo
