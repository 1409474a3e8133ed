#include "server/static_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavlo {
namespace {

constexpr qint64 kMaxStaticFile = 256 * 1024 * 1024;

ClubReply NotFound() {
  ClubReply reply;
  reply.Status = 404;
  reply.Body = "not found";
  return reply;
}

}  // namespace

QByteArray ContentTypeFor(const QString& fileName) {
  static const std::pair<const char*, const char*> kTypes[] = {
      {"html", "text/html; charset=utf-8"},
      {"htm", "text/html; charset=utf-8"},
      {"txt", "text/plain; charset=utf-8"},
      {"css", "text/css"},
      {"js", "text/javascript"},
      {"json", "application/json"},
      {"png", "image/png"},
      {"jpg", "image/jpeg"},
      {"jpeg", "image/jpeg"},
      {"gif", "image/gif"},
      {"svg", "image/svg+xml"},
      {"ico", "image/x-icon"},
      {"mp3", "audio/mpeg"},
      {"ogg", "audio/ogg"},
      {"wav", "audio/wav"},
      {"mid", "audio/midi"},
      {"midi", "audio/midi"},
      {"zip", "application/zip"},
      {"pdf", "application/pdf"},
  };
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  for (const auto& [extension, type] : kTypes) {
    if (suffix == QLatin1String(extension)) return type;
  }
  return "application/octet-stream";
}

ClubReply ServeStaticFile(const QString& folder, const QString& urlPath) {
  if (folder.isEmpty() || !urlPath.startsWith('/')) return NotFound();
  const QString relative = urlPath.mid(1);
  if (relative.isEmpty() || relative.startsWith('/') || relative.contains('\\') || relative.contains(QChar(0))) {
    return NotFound();
  }
  for (const QString& part : relative.split('/')) {
    if (part == ".." || part == ".") return NotFound();
  }
  const QString root = QFileInfo(folder).canonicalFilePath();
  if (root.isEmpty()) return NotFound();
  const QFileInfo file(QDir(root).filePath(relative));
  const QString real = file.canonicalFilePath();
  if (real.isEmpty() || !real.startsWith(root + '/') || !QFileInfo(real).isFile() || file.size() > kMaxStaticFile) {
    return NotFound();
  }
  QFile in(real);
  if (!in.open(QIODevice::ReadOnly)) return NotFound();
  ClubReply reply;
  reply.ContentType = ContentTypeFor(real);
  reply.Body = in.readAll();
  return reply;
}

}  // namespace tavlo
