#include "ui/tour/tour_photos.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tavlo {
namespace {

constexpr int kLongestNick = 64;       // characters kept as they are in a file name
constexpr int kLargestPhotoSide = 2000; // pixels; the club's photos are a few hundred

bool OrdinaryNick(const QString& nick) {
  if (nick.isEmpty() || nick.size() > kLongestNick || nick.contains("..") || nick == ".") return false;
  for (const QChar c : nick) {
    if (c == '/' || c == '\\' || c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control ||
        c.isSurrogate() || c == QChar::ReplacementCharacter) {
      return false;
    }
  }
  return true;
}

}  // namespace

QString TourPhotoFileName(const std::string& nickUtf8) {
  const QString nick = QString::fromUtf8(nickUtf8.data(), static_cast<qsizetype>(nickUtf8.size()));
  // Bytes that are not UTF-8 do not come back the same way, so they take the digest too.
  if (OrdinaryNick(nick) && nick.toUtf8().toStdString() == nickUtf8) return nick + ".bmp";
  const QByteArray digest = QCryptographicHash::hash(
      QByteArray(nickUtf8.data(), static_cast<qsizetype>(nickUtf8.size())), QCryptographicHash::Sha1);
  return "_nick_" + QString::fromLatin1(digest.toHex()) + ".bmp";
}

std::optional<QImage> SensiblePhoto(const std::optional<QImage>& photo) {
  if (!photo || photo->isNull()) return std::nullopt;
  if (photo->width() < 1 || photo->height() < 1 || photo->width() > kLargestPhotoSide ||
      photo->height() > kLargestPhotoSide) {
    return std::nullopt;
  }
  return photo;
}

std::optional<std::filesystem::path> StoreTourPhoto(const std::filesystem::path& folder, const std::string& nickUtf8,
                                                    const std::optional<QImage>& photo, const QImage& fallback) {
  const std::optional<QImage> kept = SensiblePhoto(photo);
  const QImage& picture = kept ? *kept : fallback;
  if (picture.isNull()) return std::nullopt;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return std::nullopt;
  const std::filesystem::path file = folder / TourPhotoFileName(nickUtf8).toStdString();
  QSaveFile out(QString::fromStdString(file.string()));
  if (!out.open(QIODevice::WriteOnly)) return std::nullopt;
  if (!picture.convertToFormat(QImage::Format_RGB32).save(&out, "BMP") || !out.commit()) return std::nullopt;
  return file;
}

QImage StoredTourPhoto(const std::filesystem::path& folder, const std::string& nickUtf8, int size) {
  const std::filesystem::path file = folder / TourPhotoFileName(nickUtf8).toStdString();
  QImage picture;
  if (!picture.load(QString::fromStdString(file.string()), "BMP")) return {};
  return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tavlo
