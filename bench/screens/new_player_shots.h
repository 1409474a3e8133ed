#pragma once

#include <QString>

namespace tavlo {

// Review pictures of what a newcomer meets, in English, Russian, German and Chinese: the table
// at every size at the player's move (the turn mark, the dimmed cards and the hint), the score
// sheet with its side labels and the help window. Returns the number of files.
int WriteNewPlayerShots(const QString& folder);

}  // namespace tavlo
