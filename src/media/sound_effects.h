#pragma once

#include <string_view>

#include "game/card.h"

namespace tavlo {

// What the window asks of the sound subsystem. The window checks `SoundOn` before it asks;
// the sound subsystem plays (or, without a sound device, stays silent).
class SoundEffects {
 public:
  virtual ~SoundEffects() = default;
  // A built-in effect by name ("WHodsDo", ...); the pacing effects return when they have ended.
  virtual void Play(std::string_view name) = 0;
  // Speaks a card's name in the language; false when no voice can speak it.
  virtual bool SayCard(TCardCode /*card*/, int /*languageIndex*/) { return false; }
};

}  // namespace tavlo
