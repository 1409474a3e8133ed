#pragma once

#include <string>

namespace tavlo {

// The built-in menu tune "MidiSong": a standard MIDI file (format 0) of our own composition, a
// waltz in A minor for flute, nylon guitar and bass, about 44 seconds long; it loops.
std::string MidiSong();

}  // namespace tavlo
