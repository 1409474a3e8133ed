#pragma once

#include <array>
#include <string>

#include "game/rule_options.h"
#include "lang/languages.h"
#include "lang/word_table.h"

namespace tavlo {

inline constexpr int kFontRoleCount = 4;  // "decor", "serif", "fixed", "conew", in this order

// All user preferences, as they live in the settings file. Texts are UTF-8 here; the file holds
// them in Windows-1251, so a character without a Windows-1251 form is saved as "?".
struct Settings {
  int LanguageIndex = 0;  // 0..20; only 0..9 exist, the rest show English
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimationOn = true;
  bool FlyCardsOn = true;
  int ClubListMode = 1;  // 1 scores, 2 ratings
  bool NetGame = false;
  bool OwnCursor = true;
  int FlySpeed = 4;        // 1..6
  int WindowSizeMode = 1;  // 1..5
  // A fresh installation has neither reported its first start nor sent a like.
  bool StartCounted = false;
  bool VoteSent = false;
  bool RadioListFromServer = true;
  int CaptionVariant = 1;  // 1..7
  bool NewButtons = false;
  int DialogDesign = 0;  // 0 "Gray aristocratic", 1 "Gray concise", 2 "Gray with red ribbons", 3 "Purple"
  int MenuDesign = 0;    // 0..1
  int TableDesign = 0;   // 0..1
  bool SaluteButtons = false;
  bool SaluteCards = false;
  int DeckNumber = 0;  // 0..47
  int BackSet = 0;     // 0..12
  int BackChange = 0;  // 0 change by weekday, 1 always one
  RuleOptions Rules;   // ShowCardsAtEnd, IgnoreFirstSix, KoronkiMode
  // The expert computer player in games against the computer; stored as "1" in position 3
  // of the game flags, which the standard player leaves "#".
  bool ExpertComputer = false;
  // The table's cues for a newcomer: the mark on the plate of the seat to play and the
  // dimming of cards that may not be played. Stored in positions 4 and 5 of the game flags
  // as "0" when off; "#" (and anything else) is on, so older files get them on.
  bool TurnMark = true;
  bool DimUnplayable = true;
  std::array<std::string, kFontRoleCount> FontFace = {"Comic Sans MS", "Comic Sans MS", "FixedSys", "Courier New"};
  std::array<int, kFontRoleCount> FontScale = {100, 100, 100, 100};  // per cent, 50..150
  std::string ServerAddress = "127.0.0.1";
  std::string ServerPort = "25666";
  int BackgroundNumber = 2;                                           // 1..10
  int BackgroundColour = 0;                                           // 0..6
  std::string PlayerName = std::string(Word(WordId::MrX, kEnglish));  // the language before loading
  // The world top ten values stay empty until a settings file is read as far as the player name;
  // only then do they get their defaults (see ApplyWorldDefaults).
  std::string WorldTopTenAddress;
  std::string WorldName;
  std::string WorldCountry;  // digit, hyphen, three digits: "1-001"
  std::string WorldCity;
  std::string WorldSex;  // "M" or "W"
  std::string StatisticsAddress;
  bool SaveGamesAsGif = false;
  int GifArea = 1;      // 1 the main window only, 2 the whole screen
  int GifDelay = 1000;  // milliseconds between frames, 10..5000

  friend bool operator==(const Settings&, const Settings&) = default;
};

// The rule options the game plays by.
inline RuleOptions GameRules(const Settings& settings) { return settings.Rules; }

// The file's stand-in for "no address" (the program then sends nothing to the club).
inline constexpr const char* kNoAddress = "#";

// World top ten defaults other than the two built-in addresses.
inline constexpr const char* kDefaultWorldName = "Incognito";
inline constexpr const char* kDefaultWorldCountry = "1-001";
inline constexpr const char* kDefaultWorldCity = "Moscow";
inline constexpr const char* kDefaultWorldSex = "M";

// A country code as the world top ten accepts it: continent digit 1..6, a hyphen and the number
// of a country of that continent.
bool IsValidWorldCountry(const std::string& code);

}  // namespace tavlo
