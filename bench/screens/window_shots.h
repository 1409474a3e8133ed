#pragma once

#include <QString>

namespace tavlo {

// Review pictures of the window: the title, the menu at every size, the speed dialog in
// every design (the card style from a small design bundle painted here), a notice, and
// the table through a whole deal at scale 1.0 and 2.0. Returns the number of files.
int WriteWindowShots(const QString& folder);

}  // namespace tavlo
