#pragma once

#include <string_view>

namespace tavlo::lan {

// What a program is doing when a message arrives.
struct DeliveryContext {
  bool Busy = false;       // a blocking pause, a card flight or the computer's thinking
  bool SheetOpen = false;  // the score sheet is on the screen
  bool GameShown = false;  // the table is open
  int Turn = 0;
};

// Whether a received message may be acted on now. Messages that may not wait, in order, until
// they may: nothing while the program is busy; game messages only at an open table; while a deal
// waits for its score sheet (Turn 25) only chat, and once the sheet is open only its closing and
// chat (an "abort" waits until the sheet is closed).
bool MayDeliver(std::string_view message, const DeliveryContext& now);

}  // namespace tavlo::lan
