#pragma once

#include <QString>

namespace tavlo {

// Contact sheets of the picture libraries this build painted: every deck (ace of spades, queen
// of hearts and ten of diamonds at the large size), every back set and every background, read
// through the program's own loaders. Returns the number of files written.
int WriteLibrarySheets(const QString& folder);

}  // namespace tavlo
