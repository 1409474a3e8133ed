#pragma once

#include <cstdint>
#include <vector>

namespace tavlo {

// Sound as the program keeps it in memory: signed 16-bit samples, channels interleaved.
struct Pcm {
  int SampleRate = 22050;
  int Channels = 1;
  std::vector<std::int16_t> Samples;

  std::size_t Frames() const { return Channels > 0 ? Samples.size() / static_cast<std::size_t>(Channels) : 0; }
  double Seconds() const { return SampleRate > 0 ? static_cast<double>(Frames()) / SampleRate : 0.0; }
};

// The loudest sample as a fraction of full scale (0 for silence).
double PeakLevel(const Pcm& pcm);
// Root mean square level as a fraction of full scale.
double RmsLevel(const Pcm& pcm);

}  // namespace tavlo
