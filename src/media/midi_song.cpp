#include "media/midi_song.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tavlo {
namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kBeatsPerMinute = 132;

struct Event {
  int Tick;
  int Order;  // note-offs before note-ons at the same tick
  std::vector<std::uint8_t> Bytes;
};

struct MelodyNote {
  int Pitch;
  int Beats;
};

constexpr int Am = 0, Dm = 1, E = 2, F = 3, C = 4, G = 5;  // chords: bass note, three guitar notes
constexpr std::array<std::pair<int, std::array<int, 3>>, 6> kChords = {{
    {45, {57, 60, 64}},
    {50, {57, 62, 65}},
    {40, {56, 59, 64}},
    {41, {57, 60, 65}},
    {48, {55, 60, 64}},
    {43, {55, 59, 62}},
}};
// Sixteen bars, three beats each; the tune plays them twice.
struct Line {
  std::array<MelodyNote, 3> Melody;
  int Chord;
};
constexpr std::array<Line, 16> kTune = {{
    {{{{76, 2}, {69, 1}, {0, 0}}}, Am},
    {{{{72, 1}, {71, 1}, {69, 1}}}, Am},
    {{{{77, 2}, {74, 1}, {0, 0}}}, Dm},
    {{{{76, 3}, {0, 0}, {0, 0}}}, E},
    {{{{81, 2}, {79, 1}, {0, 0}}}, F},
    {{{{76, 1}, {74, 1}, {72, 1}}}, C},
    {{{{74, 1}, {76, 1}, {77, 1}}}, Dm},
    {{{{76, 2}, {68, 1}, {0, 0}}}, E},
    {{{{69, 1}, {72, 1}, {76, 1}}}, Am},
    {{{{74, 2}, {71, 1}, {0, 0}}}, G},
    {{{{72, 1}, {76, 1}, {79, 1}}}, C},
    {{{{81, 2}, {77, 1}, {0, 0}}}, F},
    {{{{74, 1}, {77, 1}, {81, 1}}}, Dm},
    {{{{80, 2}, {71, 1}, {0, 0}}}, E},
    {{{{81, 2}, {76, 1}, {0, 0}}}, Am},
    {{{{69, 3}, {0, 0}, {0, 0}}}, Am},
}};

void Note(std::vector<Event>& events, int channel, int pitch, int velocity, int start, int length) {
  events.push_back({start,
                    1,
                    {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(pitch),
                     static_cast<std::uint8_t>(velocity)}});
  events.push_back(
      {start + length, 0, {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(pitch), 0}});
}

void PutVariable(std::string& out, std::uint32_t value) {
  std::array<std::uint8_t, 5> bytes{};
  int n = 0;
  do {
    bytes[static_cast<std::size_t>(n++)] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (n-- > 0) out.push_back(static_cast<char>(bytes[static_cast<std::size_t>(n)] | (n > 0 ? 0x80 : 0)));
}

void PutU32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

std::string MidiSong() {
  constexpr int melody = 0, guitar = 1, bass = 2;
  std::vector<Event> events;
  constexpr std::uint32_t micros = 60'000'000 / kBeatsPerMinute;
  events.push_back({0, 0, {0xFF, 0x51, 0x03, (micros >> 16) & 0xFF, (micros >> 8) & 0xFF, micros & 0xFF}});
  events.push_back({0, 0, {0xC0 | melody, 73}});  // flute
  events.push_back({0, 0, {0xC0 | guitar, 24}});  // nylon guitar
  events.push_back({0, 0, {0xC0 | bass, 32}});    // acoustic bass

  int tick = 0;
  for (int round = 0; round < 2; ++round) {
    for (const Line& bar : kTune) {
      int at = tick;
      for (const MelodyNote& n : bar.Melody) {
        if (n.Beats == 0) continue;
        // The second round is a little louder, so the repeat does not sound like an echo.
        Note(events, melody, n.Pitch, round == 0 ? 84 : 96, at, n.Beats * kTicksPerBeat - 30);
        at += n.Beats * kTicksPerBeat;
      }
      const auto& [root, chord] = kChords[static_cast<std::size_t>(bar.Chord)];
      Note(events, bass, root, 90, tick, kTicksPerBeat - 40);
      for (int beat = 1; beat <= 2; ++beat) {
        for (int pitch : chord) Note(events, guitar, pitch, 60, tick + beat * kTicksPerBeat, kTicksPerBeat - 60);
      }
      tick += 3 * kTicksPerBeat;
    }
  }
  for (int pitch : {45, 57, 60, 64}) Note(events, pitch == 45 ? bass : guitar, pitch, 70, tick, 2 * kTicksPerBeat);
  const int end = tick + 3 * kTicksPerBeat;

  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.Tick != b.Tick ? a.Tick < b.Tick : a.Order < b.Order;
  });
  std::string track;
  int last = 0;
  for (const Event& e : events) {
    PutVariable(track, static_cast<std::uint32_t>(e.Tick - last));
    last = e.Tick;
    track.append(e.Bytes.begin(), e.Bytes.end());
  }
  PutVariable(track, static_cast<std::uint32_t>(end - last));
  track += std::string("\xFF\x2F\x00", 3);

  std::string file = "MThd";
  PutU32(file, 6);
  file += std::string("\x00\x00\x00\x01", 4);  // format 0, one track
  file.push_back(static_cast<char>(kTicksPerBeat >> 8));
  file.push_back(static_cast<char>(kTicksPerBeat & 0xFF));
  file += "MTrk";
  PutU32(file, static_cast<std::uint32_t>(track.size()));
  return file + track;
}

}  // namespace tavlo
