#include "game/card_chooser.h"

#include "game/trick.h"

namespace tavlo {

int RandomCardChooser::ChooseCard(const GameState& state, int seat) {
  int legal[kHandSlots];
  int n = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (IsLegalPlay(state, seat, slot)) legal[n++] = slot;
  }
  return n == 0 ? 0 : legal[rng_.Below(static_cast<std::uint32_t>(n))];
}

}  // namespace tavlo
