#include "ui/table/info_board_hint.h"

#include <QStringList>

namespace tavlo {
namespace {

// The round within a cycle of `length`: 1 .. length, the last one instead of 0.
int RoundIn(int konNo, int length) {
  const int r = konNo % length;
  return r == 0 ? length : r;
}

}  // namespace

std::pair<QString, QString> InfoBoardHint(const GameState& state, const TableMode& mode,
                                          const std::function<QString(WordId)>& word) {
  if (mode.NetGame && mode.AwaitingDeal && !mode.Tournament) return {};
  const int kon = static_cast<int>(state.KonNo);
  QStringList lines;
  lines << word(WordId::GeneralNumberOfGame) + " " + QString::number(kon);
  if (!mode.Tournament) lines << word(WordId::RoundInCycle) + " " + QString::number(RoundIn(kon, 40)) + " / 40";
  if (mode.Tournament || mode.NetGame || mode.AccountState == 3) {
    lines << word(WordId::RoundInSession) + " " + QString::number(RoundIn(kon, 4)) + " / 4";
  }
  return {word(WordId::CurrentGame), lines.join("\n")};
}

}  // namespace tavlo
