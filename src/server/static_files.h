#pragma once

#include <QString>

#include "server/club_service.h"

namespace tavlo {

// GET /<path> serves the file <folder>/<path> byte for byte: the music play-list and songs, the
// library downloads, the news and help pages. Refused: "..", absolute or backslashed paths, and
// anything whose real location (symbolic links followed) lies outside the folder.
ClubReply ServeStaticFile(const QString& folder, const QString& urlPath);

// The content type by file extension ("application/octet-stream" when unknown).
QByteArray ContentTypeFor(const QString& fileName);

}  // namespace tavlo
