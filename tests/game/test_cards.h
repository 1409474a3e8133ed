#pragma once

// Helpers for writing cards in tests the way a player reads them: "10h", "Qs", "Ad".

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/card.h"
#include "game/game_state.h"

namespace tavlo::testing {

inline TCardCode C(const std::string& text) {
  const std::string rank = text.substr(0, text.size() - 1);
  const char suitLetter = text.back();
  static const std::string kRanks[14] = {"", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  int value = 0;
  for (int r = 1; r <= 13; ++r) {
    if (kRanks[r] == rank) value = r;
  }
  const char suit = suitLetter == 'h' ? kHearts
                    : suitLetter == 'd' ? kDiamonds
                    : suitLetter == 'c' ? kClubs
                    : suitLetter == 's' ? kSpades
                                        : '?';
  if (value == 0 || suit == '?') throw std::invalid_argument("bad test card " + text);
  return MakeCard(value, suit);
}

inline std::vector<TCardCode> Cards(const std::string& text) {
  std::vector<TCardCode> out;
  std::istringstream in(text);
  std::string word;
  while (in >> word) out.push_back(C(word));
  return out;
}

template <std::size_t N>
OneBased<TCardCode, N> List(const std::string& text) {
  OneBased<TCardCode, N> list;
  list.fill(kNoCard);
  int i = 1;
  for (const TCardCode& c : Cards(text)) list[i++] = c;
  return list;
}

template <std::size_t N>
std::string Text(const OneBased<TCardCode, N>& list) {
  std::string out;
  for (const TCardCode& c : list) {
    if (c.IsEmpty()) continue;
    if (!out.empty()) out += ' ';
    out += CardLabel(c);
  }
  return out;
}

// Converts "10h Qs" into the labels CardLabel prints ("10♥ Q♠"), for comparing.
inline std::string Labels(const std::string& text) {
  std::string out;
  for (const TCardCode& c : Cards(text)) {
    if (!out.empty()) out += ' ';
    out += CardLabel(c);
  }
  return out;
}

}  // namespace tavlo::testing
