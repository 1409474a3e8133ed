#pragma once

#include <QString>

namespace tavlo {

// Review pictures of what a newcomer meets, in English, Russian, German and Chinese: the table
// at every size at the player's move (the turn mark, the dimmed cards and the hint), the score
// sheet with its side labels and the help window. Returns the number of files.
int WriteNewPlayerShots(const QString& folder);

// The pictures the AppStream description names, in English at the 990 x 650 size: table.png (the
// player's move with its cues and the hint), menu.png, score-sheet.png and help.png. Returns the
// number of files.
int WriteAppStreamShots(const QString& folder);

}  // namespace tavlo
