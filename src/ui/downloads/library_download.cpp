#include "ui/downloads/library_download.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <system_error>

#include "ui/pictures/library_files.h"
#include "ui/pictures/picture_library.h"

namespace tavlo {

namespace fs = std::filesystem;

namespace {

constexpr int kTransferTimeoutMs = 60000;

bool IsBundle(const QString& file) { return file.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive); }

// A station list is a text file: some bytes and no NUL among them.
QString CheckTextFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read the download");
  const QByteArray bytes = file.readAll();
  if (bytes.isEmpty()) return QStringLiteral("the download is empty");
  if (bytes.contains('\0')) return QStringLiteral("the download is not a text file");
  return {};
}

}  // namespace

QString DownloadFileName(int n) {
  static const char* files[10] = {"",
                                  "ZanCards06A.dll",
                                  "ZanCards06B.dll",
                                  "ZanBackG03.dll",
                                  "ZanCalendar01.dll",
                                  "ZanRadio.rad",
                                  "ZanRadio02.dll",
                                  "ZanCVoice3.dll",
                                  "ZanCards06C.dll",
                                  "ZanCGraph1.dll"};
  return n >= 1 && n <= 9 ? QString::fromLatin1(files[n]) : QString();
}

QString KeptFileName(int n) {
  const QString file = DownloadFileName(n);
  return IsBundle(file) ? QFileInfo(file).completeBaseName() + ".rcc" : file;
}

bool DownloadedFilePresent(int n, const fs::path& programFolder, const fs::path& parentFolder) {
  const QString file = DownloadFileName(n);
  if (file.isEmpty()) return false;
  if (IsBundle(file)) return FindLibraryBundle({programFolder, parentFolder}, file).has_value();
  std::error_code error;
  const std::string kept = KeptFileName(n).toStdString();
  return fs::is_regular_file(programFolder / kept, error) || fs::is_regular_file(parentFolder / kept, error);
}

LibraryDownloader::LibraryDownloader(fs::path programFolder, fs::path parentFolder, QObject* parent)
    : QObject(parent),
      programFolder_(std::move(programFolder)),
      parentFolder_(std::move(parentFolder)),
      network_(new QNetworkAccessManager(this)) {}

LibraryDownloader::~LibraryDownloader() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
    QGuiApplication::restoreOverrideCursor();
  }
}

bool LibraryDownloader::Start(int n) {
  if (reply_ || DownloadFileName(n).isEmpty()) return false;
  n_ = n;
  received_ = 0;
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  std::error_code error;
  fs::create_directories(parentFolder_, error);
  // Named like the atomic writes' temporaries, so a download cut short by a crash is removed at the next start.
  part_ = std::make_unique<QTemporaryFile>(QString::fromStdString(parentFolder_.string()) + QStringLiteral("/.") +
                                           KeptFileName(n) + QStringLiteral(".XXXXXX"));
  if (!server_.isValid() || server_.isEmpty() || !part_->open()) {
    // Reported from the event loop, as every other ending is.
    QMetaObject::invokeMethod(
        this,
        [this, noServer = !server_.isValid() || server_.isEmpty()] {
          reply_ = nullptr;
          Fail(noServer ? QStringLiteral("no download server") : QStringLiteral("cannot write into the parent folder"));
        },
        Qt::QueuedConnection);
    return true;
  }
  QUrl url = server_;
  url.setPath(QStringLiteral("/downloads/progr/cards/") + DownloadFileName(n));
  QNetworkRequest request(url);
  request.setTransferTimeout(kTransferTimeoutMs);
  reply_ = network_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, &LibraryDownloader::OnReadyRead);
  connect(reply_, &QNetworkReply::finished, this, &LibraryDownloader::OnFinished);
  return true;
}

void LibraryDownloader::OnReadyRead() {
  if (!reply_ || !part_) return;
  const QByteArray bytes = reply_->readAll();
  received_ += bytes.size();
  if (received_ > kMaximumSize || part_->write(bytes) != bytes.size()) {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    Fail(received_ > kMaximumSize ? QStringLiteral("the download is too large")
                                  : QStringLiteral("cannot write the download"));
  }
}

void LibraryDownloader::OnFinished() {
  QNetworkReply* reply = reply_;
  if (!reply) return;
  OnReadyRead();
  if (!reply_) return;  // refused while reading
  reply_ = nullptr;
  reply->deleteLater();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (reply->error() != QNetworkReply::NoError || status != 200) {
    Fail(reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                  : QStringLiteral("HTTP status %1").arg(status));
    return;
  }
  if (!part_->flush()) {
    Fail(QStringLiteral("cannot write the download"));
    return;
  }
  const QString file = DownloadFileName(n_);
  const QString problem =
      IsBundle(file) ? CheckLibraryBundle(part_->fileName().toStdString(), file) : CheckTextFile(part_->fileName());
  if (!problem.isEmpty()) {
    Fail(problem);
    return;
  }
  part_->close();
  std::error_code error;
  fs::rename(part_->fileName().toStdString(), parentFolder_ / KeptFileName(n_).toStdString(), error);
  if (error) {
    Fail(QStringLiteral("cannot put the download in place"));
    return;
  }
  part_->setAutoRemove(false);  // renamed: nothing left to remove
  part_.reset();
  QGuiApplication::restoreOverrideCursor();
  if (Sound) Sound("WToMenK");
  emit Finished(n_, true, QString());
}

void LibraryDownloader::Fail(const QString& problem) {
  part_.reset();  // removes the temporary file
  QGuiApplication::restoreOverrideCursor();
  if (Sound) Sound("WWrongs");
  emit Finished(n_, false, problem);
}

}  // namespace tavlo
