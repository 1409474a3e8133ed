#include <string>

#include "lang/cp1251.h"
#include "settings/settings_file.h"

namespace tavlo {
namespace {

char Flag(bool on) { return on ? '1' : '0'; }

char LanguageChar(int index) {
  if (index >= 0 && index <= 9) return static_cast<char>('0' + index);
  if (index >= 10 && index <= 20) return static_cast<char>('a' + index - 10);
  return '0';
}

char SoundMusicChar(bool sound, bool music) {
  if (sound && music) return '1';
  if (sound) return '2';
  if (music) return '3';
  return '0';
}

// Design 3 has its own flag; 0..2 are coded out of order in the next position.
char DialogDesignChar(int design) {
  switch (design) {
    case 0:
      return '2';
    case 1:
      return '1';
    case 2:
      return '3';
    default:
      return '#';
  }
}

std::string GeneralFlags(const Settings& s) {
  std::string flags(20, '#');
  flags[0] = LanguageChar(s.LanguageIndex);
  flags[1] = SoundMusicChar(s.SoundOn, s.MusicOn);
  flags[2] = Flag(s.GifAnimationOn);
  flags[3] = Flag(s.FlyCardsOn);
  flags[4] = s.ClubListMode == 2 ? '2' : '1';
  flags[5] = Flag(s.NetGame);
  flags[6] = Flag(s.OwnCursor);
  flags[7] = static_cast<char>('0' + (s.FlySpeed >= 1 && s.FlySpeed <= 6 ? s.FlySpeed : 4));
  flags[8] = static_cast<char>('0' + (s.WindowSizeMode >= 1 && s.WindowSizeMode <= 5 ? s.WindowSizeMode : 1));
  flags[9] = s.StartCounted ? 'R' : '#';
  flags[10] = s.VoteSent ? 'L' : '#';
  flags[11] = s.RadioListFromServer ? '0' : '1';
  flags[12] = static_cast<char>('0' + (s.CaptionVariant >= 1 && s.CaptionVariant <= 7 ? s.CaptionVariant : 1));
  flags[13] = Flag(s.NewButtons);
  flags[14] = Flag(s.DialogDesign == 3);
  flags[15] = DialogDesignChar(s.DialogDesign);
  flags[16] = Flag(s.MenuDesign == 1);
  flags[17] = Flag(s.TableDesign == 1);
  flags[18] = Flag(s.SaluteButtons);
  flags[19] = Flag(s.SaluteCards);
  return flags;
}

std::string GameFlags(const Settings& s) {
  const RuleOptions& rules = s.Rules;
  std::string flags(6, '#');
  if (s.ExpertComputer) flags[3] = '1';
  // On is the default and stays "#", so a default file is the same as before these existed.
  if (!s.TurnMark) flags[4] = '0';
  if (!s.DimUnplayable) flags[5] = '0';
  flags[0] = Flag(rules.ShowCardsAtEnd);
  flags[1] = Flag(rules.IgnoreFirstSix);
  flags[2] = static_cast<char>('0' + (rules.KoronkiMode >= 0 && rules.KoronkiMode <= 2 ? rules.KoronkiMode : 1));
  return flags;
}

std::string TwoDigits(int value) { return (value >= 0 && value <= 9 ? "0" : "") + std::to_string(value); }

std::string BackgroundText(int number, int colour) {
  std::string text = std::to_string(number) + std::to_string(colour);
  return text.size() == 2 ? "0" + text : text;
}

// A text value on one line: a line break inside it would shift every later line.
std::string TextLine(const std::string& utf8) {
  std::string bytes = Utf8ToCp1251(utf8);
  for (char& c : bytes) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return bytes;
}

// Reading stops at the first empty value of the chain, which would silently drop every setting
// after it; such values are written as their defaults. Lengths count file characters.
std::string ChainLine(const std::string& value, const std::string& fallback, std::size_t minimumLength = 1) {
  std::string bytes = TextLine(value);
  return bytes.size() >= minimumLength ? bytes : TextLine(fallback);
}

// Without a club there is no address at all; "#" stands for it, as for any empty field, so that
// the line does not end the chain of values after it.
std::string AddressLine(const std::string& value, const std::string& fallback) {
  const std::string line = ChainLine(value, fallback);
  return line.empty() ? kNoAddress : line;
}

}  // namespace

Settings DefaultSettings() { return Settings{}; }

void ApplyWorldDefaults(Settings& settings, const ServiceConfiguration& services) {
  settings.WorldTopTenAddress = services.BuiltInWorldTopTenAddress();
  settings.WorldName = kDefaultWorldName;
  settings.WorldCountry = kDefaultWorldCountry;
  settings.WorldCity = kDefaultWorldCity;
  settings.WorldSex = kDefaultWorldSex;
  settings.StatisticsAddress = services.BuiltInStatisticsAddress();
}

std::string FormatSettings(const Settings& s, const ServiceConfiguration& services) {
  const Settings defaults = DefaultSettings();
  Settings world = defaults;
  ApplyWorldDefaults(world, services);

  std::string lines[kSettingsLineCount + 1];
  lines[1] = "<# General>";
  lines[2] = GeneralFlags(s);
  lines[3] = "<# Cards>";
  lines[4] = std::to_string(s.DeckNumber);
  lines[5] = "<# Decks>";
  lines[6] = TwoDigits(s.BackSet) + (s.BackChange == 1 ? "1" : "0");
  lines[7] = "<# Individual>";
  lines[8] = GameFlags(s);
  lines[9] = "<# Fonts>";
  for (int role = 0; role < kFontRoleCount; ++role) {
    lines[10 + role] = ChainLine(s.FontFace[role], defaults.FontFace[role], 2);
    lines[14 + role] = std::to_string(s.FontScale[role]);
  }
  lines[18] = "<# IP & Port>";
  lines[19] = TextLine(s.ServerAddress);
  lines[20] = ChainLine(s.ServerPort, defaults.ServerPort);
  lines[21] = "<# Background>";
  lines[22] = BackgroundText(s.BackgroundNumber, s.BackgroundColour);
  lines[23] = "<# Name Of Player>";
  lines[24] = ChainLine(s.PlayerName, defaults.PlayerName);
  lines[25] = "<# World Top Ten>";
  lines[26] = AddressLine(s.WorldTopTenAddress, world.WorldTopTenAddress);
  lines[27] = ChainLine(s.WorldName, world.WorldName);
  lines[28] = TextLine(Utf8ToCp1251(s.WorldCountry).size() == 5 ? s.WorldCountry : world.WorldCountry);
  lines[29] = ChainLine(s.WorldCity, world.WorldCity);
  lines[30] = ChainLine(s.WorldSex, world.WorldSex);
  // Reading takes line 31 as it stands, empty or not, so it is written as it stands; only values
  // that never got their world defaults (a file read short of the player name) get them here.
  lines[31] = TextLine(s.WorldName.empty() ? world.StatisticsAddress : s.StatisticsAddress);
  lines[32] = "<# Save Games as GIF>";
  lines[33] = s.SaveGamesAsGif ? "\xE8" : "\xEB";
  lines[34] = std::to_string(s.GifArea);
  lines[35] = std::to_string(s.GifDelay);

  std::string text;
  for (int line = 1; line <= kSettingsLineCount; ++line) text += lines[line] + "\r\n";
  return text;
}

}  // namespace tavlo
