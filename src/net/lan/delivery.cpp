#include "net/lan/delivery.h"

#include "game/game_state.h"

namespace tavlo::lan {

bool MayDeliver(std::string_view message, const DeliveryContext& now) {
  if (now.Busy) return false;
  if (message.empty()) return true;
  const char kind = message[0];
  if (kind == 'a') return !now.SheetOpen;
  if (kind != 'b' && kind != 'h') return true;  // seating, chat
  if (!now.GameShown) return false;
  const bool closesSheet = message.substr(0, 5) == "hclos";
  if (now.SheetOpen) return closesSheet;
  return now.Turn != turn::kDealOver;
}

}  // namespace tavlo::lan
