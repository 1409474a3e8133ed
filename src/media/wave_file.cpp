#include "media/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tavlo {
namespace {

void PutU32(std::string& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}
void PutU16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}
std::uint32_t GetU32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(k)]);
  return v;
}
std::uint16_t GetU16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

}  // namespace

double PeakLevel(const Pcm& pcm) {
  int peak = 0;
  for (std::int16_t s : pcm.Samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak / 32768.0;
}

double RmsLevel(const Pcm& pcm) {
  if (pcm.Samples.empty()) return 0.0;
  double sum = 0.0;
  for (std::int16_t s : pcm.Samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(pcm.Samples.size())) / 32768.0;
}

std::string EncodeWave(const Pcm& pcm) {
  const auto dataBytes = static_cast<std::uint32_t>(pcm.Samples.size() * 2);
  const auto channels = static_cast<std::uint16_t>(pcm.Channels);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutU32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, channels);
  PutU32(out, static_cast<std::uint32_t>(pcm.SampleRate));
  PutU32(out, static_cast<std::uint32_t>(pcm.SampleRate) * channels * 2);
  PutU16(out, static_cast<std::uint16_t>(channels * 2));
  PutU16(out, 16);
  out += "data";
  PutU32(out, dataBytes);
  for (std::int16_t s : pcm.Samples) PutU16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::optional<Pcm> DecodeWave(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<Pcm> format;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string_view id = b.substr(at, 4);
    const std::uint32_t size = GetU32(b, at + 4);
    at += 8;
    if (size > b.size() - at) return std::nullopt;  // a chunk that runs past the end
    if (id == "fmt ") {
      if (size < 16) return std::nullopt;
      const std::uint16_t tag = GetU16(b, at), channels = GetU16(b, at + 2), bits = GetU16(b, at + 14);
      const std::uint32_t rate = GetU32(b, at + 4);
      if (tag != 1 || bits != 16 || channels < 1 || channels > 2 || rate < 8000 || rate > 96000) return std::nullopt;
      format = Pcm{static_cast<int>(rate), channels, {}};
    } else if (id == "data") {
      if (!format || size % (2u * static_cast<unsigned>(format->Channels)) != 0) return std::nullopt;
      format->Samples.resize(size / 2);
      for (std::size_t k = 0; k < format->Samples.size(); ++k) {
        format->Samples[k] = static_cast<std::int16_t>(GetU16(b, at + 2 * k));
      }
      return format;
    }
    at += size + (size & 1u);  // chunks are padded to an even length
  }
  return std::nullopt;
}

}  // namespace tavlo
