#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "media/pcm.h"

namespace tavlo {

// The program's built-in sound effects, by their resource names ("WOpenFo", "WHodsDo", ...).
// Every one is synthesised by our own code; nothing is recorded or borrowed.
const std::vector<std::string_view>& EffectNames();

// The game waits for these to end: they pace the play of the cards.
bool EffectIsSynchronous(std::string_view name);

// The effect as 22050 Hz mono PCM; nullopt for a name that is not an effect.
std::optional<Pcm> SynthesiseEffect(std::string_view name);

}  // namespace tavlo
