#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

namespace tavlo {

// The files the options dialog offers to download, n = 1..9: "ZanCards06A.dll",
// "ZanCards06B.dll", "ZanBackG03.dll", "ZanCalendar01.dll", "ZanRadio.rad", "ZanRadio02.dll",
// "ZanCVoice3.dll", "ZanCards06C.dll", "ZanCGraph1.dll". Empty outside 1..9.
QString DownloadFileName(int n);
// The name the file is kept under: libraries are resource bundles ("ZanCards06A.rcc").
QString KeptFileName(int n);
// The file is present in the program folder or its parent folder (library names ignore case).
bool DownloadedFilePresent(int n, const std::filesystem::path& programFolder,
                           const std::filesystem::path& parentFolder);

// Fetches one missing file from the download server at "/downloads/progr/cards/" + file name
// into the parent folder. The answer is written to a temporary file beside its final place and
// checked (a library must be a resource bundle holding that library's pictures) before it is
// renamed into place, so a broken or foreign download never replaces anything.
class LibraryDownloader : public QObject {
  Q_OBJECT

 public:
  LibraryDownloader(std::filesystem::path programFolder, std::filesystem::path parentFolder, QObject* parent = nullptr);
  ~LibraryDownloader() override;

  // The server's address ("http://host:port"); downloads fail while none is set.
  void SetServer(const QUrl& server) { server_ = server; }
  const QUrl& Server() const { return server_; }
  bool Busy() const { return reply_ != nullptr; }

  // Starts a download; false when one is running already or n names no file.
  bool Start(int n);

  // Plays "WToMenK" after a download that succeeded and "WWrongs" after one that failed.
  std::function<void(std::string_view)> Sound;

  // Bigger answers are refused: no library comes near this.
  static constexpr qint64 kMaximumSize = 512LL * 1024 * 1024;

 signals:
  // ok: the file is in place. problem says what went wrong otherwise.
  void Finished(int n, bool ok, const QString& problem);

 private:
  void OnReadyRead();
  void OnFinished();
  void Fail(const QString& problem);

  std::filesystem::path programFolder_;
  std::filesystem::path parentFolder_;
  QUrl server_;
  QNetworkAccessManager* network_;
  QNetworkReply* reply_ = nullptr;
  std::unique_ptr<QTemporaryFile> part_;
  int n_ = 0;
  qint64 received_ = 0;
};

}  // namespace tavlo
