#include <charconv>
#include <optional>
#include <vector>

#include "lang/cp1251.h"
#include "settings/settings_file.h"

namespace tavlo {
namespace {

// Lines end with CR LF as written, or LF after hand editing; only the first 35 matter.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty() && lines.size() < kSettingsLineCount) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
  }
  return lines;
}

// A decimal number as the program always wrote it: optional leading blanks, an optional sign, digits.
std::optional<int> ToNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Numbers outside a setting's range are ignored so that a hand-edited file cannot push a setting
// where the windows would index past their lists.
void SetInRange(int& setting, int value, int low, int high) {
  if (value >= low && value <= high) setting = value;
}

struct Stop {
  SettingsLoadStatus status;
  int line;
};

class Reader {
 public:
  Reader(const std::vector<std::string_view>& lines, Settings& settings) : lines_(lines), s_(settings) {}

  std::string_view Line(int number) const { return lines_[number - 1]; }
  // A carriage return inside a value would be saved as a blank (a line break there would shift
  // every later line), so it is read as one: the value loads the same after a save.
  std::string Text(int number, std::size_t maximum = std::string_view::npos) const {
    std::string text = Cp1251ToUtf8(Line(number).substr(0, maximum));
    for (char& c : text) {
      if (c == '\r') c = ' ';
    }
    return text;
  }

  // Each reader returns the reason reading ended, or nothing to go on.
  std::optional<Stop> GeneralFlags();
  std::optional<Stop> Cards();
  std::optional<Stop> Chain(ServiceConfiguration& services);

 private:
  std::optional<Stop> Number(int line, std::string_view text, int& into, int low, int high) const {
    const auto value = ToNumber(text);
    if (!value) return Stop{SettingsLoadStatus::ConversionError, line};
    SetInRange(into, *value, low, high);
    return std::nullopt;
  }

  const std::vector<std::string_view>& lines_;
  Settings& s_;
};

std::optional<Stop> Reader::GeneralFlags() {
  const std::string_view f = Line(2);
  auto at = [&](std::size_t pos) { return f[pos]; };
  auto has = [&](std::size_t pos) { return pos < f.size(); };
  if (has(0)) {
    if (at(0) >= '0' && at(0) <= '9') s_.LanguageIndex = at(0) - '0';
    if (at(0) >= 'a' && at(0) <= 'k') s_.LanguageIndex = at(0) - 'a' + 10;
  }
  if (has(1)) {
    switch (at(1)) {
      case '0':
        s_.SoundOn = false, s_.MusicOn = false;
        break;
      case '1':
        s_.SoundOn = true, s_.MusicOn = true;
        break;
      case '2':
        s_.SoundOn = true, s_.MusicOn = false;
        break;
      case '3':
        s_.SoundOn = false, s_.MusicOn = true;
        break;
      default:
        break;
    }
  }
  if (has(2) && at(2) == '0') s_.GifAnimationOn = false;
  if (has(3) && at(3) == '0') s_.FlyCardsOn = false;
  if (has(4) && at(4) == '2') s_.ClubListMode = 2;
  if (has(5) && at(5) == '1') s_.NetGame = true;
  if (has(6) && at(6) == '0') s_.OwnCursor = false;
  if (has(7) && at(7) >= '1' && at(7) <= '6') s_.FlySpeed = at(7) - '0';
  if (has(8) && at(8) >= '1' && at(8) <= '5') s_.WindowSizeMode = at(8) - '0';
  if (has(9)) s_.StartCounted = at(9) == 'R';
  if (has(10)) s_.VoteSent = at(10) == 'L';
  if (has(11)) s_.RadioListFromServer = at(11) == '0';
  if (has(12)) {
    if (auto stop = Number(2, f.substr(12, 1), s_.CaptionVariant, 1, 7)) return stop;
  }
  if (has(13)) s_.NewButtons = at(13) == '1';
  if (has(15)) {
    if (at(15) == '1') s_.DialogDesign = 1;
    if (at(15) == '2') s_.DialogDesign = 0;
    if (at(15) == '3') s_.DialogDesign = 2;
  }
  if (has(14) && at(14) == '1') s_.DialogDesign = 3;
  if (has(16) && (at(16) == '0' || at(16) == '1')) s_.MenuDesign = at(16) - '0';
  if (has(17) && (at(17) == '0' || at(17) == '1')) s_.TableDesign = at(17) - '0';
  if (has(18) && (at(18) == '0' || at(18) == '1')) s_.SaluteButtons = at(18) == '1';
  if (has(19) && (at(19) == '0' || at(19) == '1')) s_.SaluteCards = at(19) == '1';
  return std::nullopt;
}

std::optional<Stop> Reader::Cards() {
  if (auto stop = Number(4, Line(4), s_.DeckNumber, 0, 47)) return stop;
  const std::string_view backs = Line(6);
  if (backs.size() <= 2) return Stop{SettingsLoadStatus::Stopped, 6};
  if (auto stop = Number(6, backs.substr(0, 2), s_.BackSet, 0, 12)) return stop;
  s_.BackChange = backs[2] == '1' ? 1 : 0;
  // The program writes six characters here; a shorter hand-edited line sets what it holds.
  const std::string_view game = Line(8);
  if (game.size() > 0 && game[0] == '0') s_.Rules.ShowCardsAtEnd = false;
  if (game.size() > 1 && game[1] == '0') s_.Rules.IgnoreFirstSix = false;
  if (game.size() > 2 && game[2] >= '0' && game[2] <= '2') s_.Rules.KoronkiMode = game[2] - '0';
  s_.ExpertComputer = game.size() > 3 && game[3] == '1';
  s_.TurnMark = !(game.size() > 4 && game[4] == '0');
  s_.DimUnplayable = !(game.size() > 5 && game[5] == '0');
  return std::nullopt;
}

// From line 10 on each value is taken only while every earlier step succeeded.
std::optional<Stop> Reader::Chain(ServiceConfiguration& services) {
  auto stopAt = [](int line) { return Stop{SettingsLoadStatus::Stopped, line}; };

  for (int role = 0; role < kFontRoleCount; ++role) {
    if (Line(10 + role).size() <= 1) return stopAt(10 + role);
    s_.FontFace[role] = Text(10 + role);
  }
  for (int role = 0; role < kFontRoleCount; ++role) {
    if (Line(14 + role).empty()) return stopAt(14 + role);
    if (auto stop = Number(14 + role, Line(14 + role), s_.FontScale[role], 50, 150)) return stop;
  }
  if (Line(18).empty()) return stopAt(18);
  s_.ServerAddress = Text(19);
  if (Line(20).empty()) return stopAt(20);
  s_.ServerPort = Text(20);
  if (Line(21).empty() || Line(22).empty()) return stopAt(Line(21).empty() ? 21 : 22);
  const std::string_view background = Line(22);
  if (auto stop = Number(22, background.substr(0, 2), s_.BackgroundNumber, 1, 10)) return stop;
  const std::string_view colour = background.size() > 2 ? background.substr(2, 1) : std::string_view{};
  if (auto stop = Number(22, colour, s_.BackgroundColour, 0, 6)) return stop;
  if (Line(23).empty() || Line(24).empty()) return stopAt(Line(23).empty() ? 23 : 24);
  s_.PlayerName = Text(24);
  ApplyWorldDefaults(s_, services);
  if (Line(26).empty()) return stopAt(26);
  s_.WorldTopTenAddress = Line(26) == kNoAddress ? std::string{} : Text(26);
  if (Line(27).empty()) return stopAt(27);
  s_.WorldName = Text(27, 12);
  if (Line(28).size() != 5) return stopAt(28);
  if (IsValidWorldCountry(std::string(Line(28)))) s_.WorldCountry = Text(28);
  if (Line(29).empty()) return stopAt(29);
  s_.WorldCity = Text(29, 15);
  if (Line(30).empty()) return stopAt(30);
  s_.WorldSex = std::string(1, Line(30)[0] == 'W' ? 'W' : 'M');
  s_.StatisticsAddress = Line(31) == kNoAddress ? std::string{} : Text(31);
  s_.SaveGamesAsGif = Line(33) == "\xE8";
  if (auto stop = Number(34, Line(34), s_.GifArea, 1, 2)) return stop;
  if (auto stop = Number(35, Line(35), s_.GifDelay, 10, 5000)) return stop;
  services.FetchServiceConfiguration(s_);
  return std::nullopt;
}

}  // namespace

SettingsLoad ParseSettings(std::string_view bytes, ServiceConfiguration& services) {
  SettingsLoad load{DefaultSettings(), SettingsLoadStatus::Defaults, 0};
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.size() < kSettingsLineCount) return load;

  Reader reader(lines, load.Values);
  std::optional<Stop> stop = reader.GeneralFlags();
  if (!stop) stop = reader.Cards();
  if (!stop) stop = reader.Chain(services);
  if (stop) {
    load.Status = stop->status;
    load.Line = stop->line;
  } else {
    load.Status = SettingsLoadStatus::Complete;
  }
  return load;
}

}  // namespace tavlo
