#pragma once

#include <QString>

namespace tavlo {

class PictureRegistry;

// Writes the built-in deck (every face and back at 71 x 96 as the table shows it, and at
// 146 x 198), one deck sheet per size, a close-up of classic cards, and contact sheets of every
// built-in picture (48 to a page) into `folder`. Returns the number of files written; prints a line per file.
int WritePictureSheets(PictureRegistry& registry, const QString& folder);

}  // namespace tavlo
