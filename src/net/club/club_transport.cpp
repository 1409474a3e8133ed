#include "net/club/club_transport.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace tavlo {
namespace {

// Answers of the scripts are short; photos and pages stay well below this.
constexpr qint64 kMaxAnswer = 4 * 1024 * 1024;

std::optional<QUrl> ClubUrl(const std::string& address) {
  if (address.empty()) return std::nullopt;
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty()) {
    return std::nullopt;
  }
  return url;
}

// The busy cursor while a request of the window's own thread waits, where there is a screen.
// Requests of the background polls leave the cursor alone.
class BusyCursor {
 public:
  BusyCursor()
      : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
               QThread::currentThread() == QCoreApplication::instance()->thread()) {
    if (shown_) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  }
  ~BusyCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool shown_;
};

}  // namespace

ClubTransport::ClubTransport(int defaultTimeoutMs) : defaultTimeoutMs_(defaultTimeoutMs) {
  manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

std::optional<std::string> ClubTransport::Post(const std::string& address, const ClubRequest& request) {
  const auto url = ClubUrl(address);
  if (!url) return std::nullopt;
  QNetworkRequest http(*url);
  http.setHeader(QNetworkRequest::UserAgentHeader, kClubUserAgent);
  http.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
  const std::string body = request.Body();
  return Wait(manager_.post(http, QByteArray(body.data(), static_cast<qsizetype>(body.size()))), request.TimeoutMs);
}

std::optional<std::string> ClubTransport::Get(const std::string& address, int timeoutMs) {
  const auto url = ClubUrl(address);
  if (!url) return std::nullopt;
  return Wait(manager_.get(QNetworkRequest(*url)), timeoutMs);
}

std::optional<std::string> ClubTransport::Wait(QNetworkReply* reply, int timeoutMs) {
  BusyCursor busy;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
    if (received > kMaxAnswer) reply->abort();
  });
  deadline.start(timeoutMs > 0 ? timeoutMs : defaultTimeoutMs_);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  deadline.stop();

  std::optional<std::string> answer;
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
    const QByteArray bytes = reply->readAll();
    if (bytes.size() <= kMaxAnswer) answer.emplace(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  reply->deleteLater();
  return answer;
}

void ClubTransport::Pause(int milliseconds) {
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tavlo
