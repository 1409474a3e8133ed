#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tavlo {

// What the radio keeps between runs in "ZanRadio.ini": seven lines, in this order.
struct RadioState {
  std::string Name = "Avtoradio";
  std::string Url = "http://ic7.101.ru:8000/v3_1";
  std::string Country = "Russian Federation";
  std::string Resurs = "RRADIO_LOGO_AVTORADIO";
  bool Enabled = false;
  int Volume = 30;      // 0..100
  int KakStations = 0;  // the country filter, 0..27

  friend bool operator==(const RadioState&, const RadioState&) = default;
};

inline constexpr std::string_view kRadioStateFile = "ZanRadio.ini";

// Reads the file's text over the defaults: every line that is there and makes sense replaces its
// default; a volume outside 0..100 or a filter outside 0..27 keeps the default.
RadioState ParseRadioState(std::string_view text);
// The seven lines (CR LF, Windows-1251); the built-in default station, off, volume 30 and
// filter 0 when any of name, address, country or logo is empty.
std::string FormatRadioState(const RadioState& state);

// The file in `folder`: a missing or unreadable file gives the defaults.
RadioState ReadRadioState(const std::filesystem::path& folder);
std::error_code WriteRadioState(const std::filesystem::path& folder, const RadioState& state);

// One step of the radio window's "+" (up) or "-" button: 10 at a time, within 0..100.
int RadioVolumeStep(int volume, bool up);
// The volume picture: "RRADIO_VOLUME00" at 0, "01" for 1..10, ..., "10" for 91..100.
std::string RadioVolumePicture(int volume);

}  // namespace tavlo
