#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "media/pcm.h"

namespace tavlo {

// A RIFF WAVE image of 16-bit PCM, as a sound file on disk would hold it.
std::string EncodeWave(const Pcm& pcm);

// Reads a RIFF WAVE image of 16-bit PCM (1 or 2 channels, 8000..96000 Hz). Every size field is
// checked against the bytes there are; anything else (other sample formats, cut-off or
// inconsistent chunks) gives nullopt.
std::optional<Pcm> DecodeWave(std::string_view bytes);

}  // namespace tavlo
