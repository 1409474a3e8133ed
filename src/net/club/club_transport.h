#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <optional>
#include <string>

#include "net/club/club_request.h"

namespace tavlo {

// The HTTP side of the club requests. A request is synchronous for its caller, as the program
// expects, but waits in a local event loop: the window keeps painting, user input waits, the mouse
// shows a busy cursor, and no request outlives its deadline. Every failure (no address, refused,
// time-out, HTTP error, an answer too large) comes back as nothing.
class ClubTransport {
 public:
  // The deadline of requests that name none.
  explicit ClubTransport(int defaultTimeoutMs = 10000);

  // POST of the request's body with the club's User-Agent; the answer's bytes.
  std::optional<std::string> Post(const std::string& address, const ClubRequest& request);
  // GET with Qt's own User-Agent (configuration, news, own address, photos).
  std::optional<std::string> Get(const std::string& address, int timeoutMs = 0);

  // A pause that keeps the window painting (the rated game's save retries).
  static void Pause(int milliseconds);

 private:
  std::optional<std::string> Wait(class QNetworkReply* reply, int timeoutMs);

  QNetworkAccessManager manager_;
  int defaultTimeoutMs_;
};

}  // namespace tavlo
