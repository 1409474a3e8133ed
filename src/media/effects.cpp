#include "media/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tavlo {
namespace {

constexpr int kRate = 22050;

// A float mix buffer; sounds are added at a start time and turned to 16 bits at the end.
class Mix {
 public:
  explicit Mix(double seconds) : buf_(static_cast<std::size_t>(seconds * kRate), 0.0f) {}

  // A tone with a few harmonics (amplitudes relative to the fundamental), a short attack and an
  // exponential decay (time constant `decay` seconds). `glide` bends the pitch linearly to
  // freq * glide over the note.
  void Tone(double start, double length, double freq, double level, double attack, double decay,
            std::initializer_list<double> harmonics = {1.0}, double glide = 1.0) {
    double phase = 0.0;
    const auto n = static_cast<std::size_t>(length * kRate);
    const auto first = static_cast<std::size_t>(start * kRate);
    for (std::size_t i = 0; i < n && first + i < buf_.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double f = freq * (1.0 + (glide - 1.0) * t / length);
      phase += 2.0 * std::numbers::pi * f / kRate;
      double v = 0.0;
      int h = 1;
      for (double a : harmonics) v += a * std::sin(phase * h++);
      buf_[first + i] += static_cast<float>(level * v * Envelope(t, length, attack, decay));
    }
  }

  // A burst of noise through a one-pole low-pass (cutoff as 0..1 of the smoothing), for the
  // snap and rustle of cards.
  void Noise(double start, double length, double level, double decay, double smoothing) {
    const auto n = static_cast<std::size_t>(length * kRate);
    const auto first = static_cast<std::size_t>(start * kRate);
    double low = 0.0;
    for (std::size_t i = 0; i < n && first + i < buf_.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      low += (NextNoise() - low) * smoothing;
      buf_[first + i] += static_cast<float>(level * low * Envelope(t, length, 0.001, decay));
    }
  }

  Pcm Finish() const {
    Pcm pcm{kRate, 1, {}};
    pcm.Samples.reserve(buf_.size());
    for (float v : buf_) {
      pcm.Samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32000.0f)));
    }
    return pcm;
  }

 private:
  static double Envelope(double t, double length, double attack, double decay) {
    const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = std::exp(-t / decay);
    const double tail = std::min(1.0, (length - t) / 0.01);  // no click at the end
    return rise * fall * std::max(0.0, tail);
  }
  double NextNoise() {
    seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(static_cast<std::int64_t>(seed_ >> 11) - (1LL << 52)) / static_cast<double>(1LL << 52);
  }

  std::vector<float> buf_;
  std::uint64_t seed_ = 0x5EED5EEDULL;  // the same noise every time: effects are identical on every run
};

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Soft bell and brass colours.
constexpr std::initializer_list<double> kBell = {1.0, 0.0, 0.35, 0.0, 0.12};
constexpr std::initializer_list<double> kBrass = {1.0, 0.6, 0.4, 0.25, 0.12, 0.06};
constexpr std::initializer_list<double> kWarm = {1.0, 0.3, 0.1};

Pcm OpenWindow() {  // a quick upward swish ending in a light pop
  Mix m(0.22);
  m.Noise(0.0, 0.12, 0.35, 0.05, 0.25);
  m.Tone(0.02, 0.18, Note(3), 0.35, 0.005, 0.06, kBell, 1.5);
  return m.Finish();
}

Pcm Shuffle() {  // a riffle: many small card flicks, then the squared deck knocked on the table
  Mix m(0.75);
  for (int k = 0; k < 26; ++k) {
    const double at = 0.02 + k * 0.021 + (k % 3) * 0.003;
    m.Noise(at, 0.02, 0.45 - k * 0.008, 0.004, 0.45);
  }
  m.Noise(0.62, 0.1, 0.7, 0.02, 0.12);
  m.Tone(0.62, 0.1, 110.0, 0.35, 0.001, 0.025);
  return m.Finish();
}

Pcm CardSnap() {  // a card laid on the cloth: a crisp snap with a soft thump under it
  Mix m(0.12);
  m.Noise(0.0, 0.06, 0.8, 0.009, 0.55);
  m.Tone(0.0, 0.08, 150.0, 0.4, 0.001, 0.02);
  return m.Finish();
}

Pcm Ding() {  // a small soft ding
  Mix m(0.3);
  m.Tone(0.0, 0.3, Note(15), 0.4, 0.003, 0.09, kBell);
  return m.Finish();
}

// Notes (semitones from A4), one after another, each `step` seconds apart and ringing `ring`.
Pcm Phrase(std::initializer_list<int> notes, double step, double ring, double lastRing,
           std::initializer_list<double> colour, double level) {
  const double total = step * static_cast<double>(notes.size() - 1) + lastRing + 0.05;
  Mix m(total);
  double at = 0.0;
  std::size_t k = 0;
  for (int n : notes) {
    const bool last = ++k == notes.size();
    m.Tone(at, last ? lastRing : ring, Note(n), level, 0.015, last ? lastRing / 3.0 : ring / 2.0, colour);
    at += step;
  }
  return m.Finish();
}

Pcm Chord(Pcm phrase, double start, std::initializer_list<int> notes, double length, double level,
          std::initializer_list<double> colour) {  // a held chord over the end of a phrase
  Mix m(std::max(phrase.Seconds(), start + length));
  for (int n : notes) m.Tone(start, length, Note(n), level, 0.02, length / 2.5, colour);
  Pcm chord = m.Finish();
  for (std::size_t i = 0; i < phrase.Samples.size() && i < chord.Samples.size(); ++i) {
    chord.Samples[i] =
        static_cast<std::int16_t>(std::clamp(static_cast<int>(chord.Samples[i]) + phrase.Samples[i], -32000, 32000));
  }
  return chord;
}

Pcm ErrorTone() {  // a low, short double buzz
  Mix m(0.32);
  m.Tone(0.0, 0.13, 146.8, 0.35, 0.005, 0.2, {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14});
  m.Tone(0.16, 0.15, 138.6, 0.35, 0.005, 0.2, {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14});
  return m.Finish();
}

Pcm Tick(double freq, double length, double level) {
  Mix m(length);
  m.Tone(0.0, length, freq, level, 0.001, length / 3.0, kWarm);
  return m.Finish();
}

}  // namespace

const std::vector<std::string_view>& EffectNames() {
  static const std::vector<std::string_view> names = {"WOpenFo", "WTasoKo", "WHodsDo", "WDing_1", "WKoGutX",
                                                      "WKoBadX", "WKoGood", "WKoBads", "WFiBest", "WFiGood",
                                                      "WFiBads", "WToMenK", "WWrongs", "STimerA", "STimerB"};
  return names;
}

bool EffectIsSynchronous(std::string_view name) { return name == "WHodsDo" || name == "WDing_1"; }

std::optional<Pcm> SynthesiseEffect(std::string_view name) {
  // Notes: 0 = A4, 3 = C5, 7 = E5, 10 = G5, 15 = C6; negative numbers lie below A4.
  if (name == "WOpenFo") return OpenWindow();
  if (name == "WTasoKo") return Shuffle();
  if (name == "WHodsDo") return CardSnap();
  if (name == "WDing_1") return Ding();
  if (name == "WKoGutX")
    return Chord(Phrase({-9, -5, -2, 3}, 0.12, 0.14, 0.5, kBrass, 0.22), 0.36, {-9, -5, -2}, 0.5, 0.1, kBrass);
  if (name == "WKoBadX") return Phrase({-2, -6, -9, -14}, 0.16, 0.2, 0.45, kWarm, 0.3);
  if (name == "WKoGood") return Phrase({3, 10}, 0.12, 0.15, 0.3, kBell, 0.3);
  if (name == "WKoBads") return Phrase({3, -4}, 0.14, 0.18, 0.35, kWarm, 0.3);
  if (name == "WFiBest") {
    return Chord(Phrase({-9, -9, -9, -5, -2, 3, -2, 3}, 0.11, 0.12, 0.6, kBrass, 0.2), 0.77, {-9, -5, -2, 3}, 0.7, 0.08,
                 kBrass);
  }
  if (name == "WFiGood") return Phrase({-9, -5, -2, 3, 7}, 0.1, 0.16, 0.45, kBell, 0.28);
  if (name == "WFiBads") return Phrase({-2, -3, -4, -5}, 0.22, 0.26, 0.6, kWarm, 0.3);
  if (name == "WToMenK") return Phrase({7, 12}, 0.09, 0.12, 0.3, kBell, 0.3);
  if (name == "WWrongs") return ErrorTone();
  if (name == "STimerA") return Tick(1046.5, 0.04, 0.3);
  if (name == "STimerB") return Tick(1568.0, 0.09, 0.4);
  return std::nullopt;
}

}  // namespace tavlo
