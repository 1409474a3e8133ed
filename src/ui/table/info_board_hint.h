#pragma once

#include <QString>
#include <functional>
#include <utility>

#include "game/game.h"
#include "lang/word_ids.h"

namespace tavlo {

// The hover hint of the information board: "Current game" and the deal counters of the
// series (the number of the deal, its round in the cycle of 40 and, for rated, LAN and
// tournament play, in the session of 4). Empty while a LAN client waits for its first deal.
std::pair<QString, QString> InfoBoardHint(const GameState& state, const TableMode& mode,
                                          const std::function<QString(WordId)>& word);

}  // namespace tavlo
