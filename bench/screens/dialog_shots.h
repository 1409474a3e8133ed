#pragma once

#include <QString>

namespace tavlo {

// Review pictures of the options dialog (its general and game tabs), the top ten, the
// end-of-cycle window for place 1, place 5 and no place, the general score and the history,
// all in the default dialog design. Returns the number of files written.
int WriteDialogShots(const QString& folder);

}  // namespace tavlo
