#include "game/deal_message.h"

#include <array>

namespace tavlo {
namespace {

void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

int ReadTwoDigits(std::string_view text, std::size_t at) {
  const char a = text[at];
  const char b = text[at + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
  return (a - '0') * 10 + (b - '0');
}

}  // namespace

std::string DealMessage(const DeckCards& deck, const OneBased<std::uint8_t, 52>& ranks) {
  std::string out;
  out.reserve(kDealMessageLength);
  out += 'b';
  for (const TCardCode& c : deck) {
    out += c.rank;
    out += c.suit;
  }
  for (const std::uint8_t r : ranks) AppendTwoDigits(out, r);
  return out;
}

bool ParseDealMessage(std::string_view message, DeckCards& deck, OneBased<std::uint8_t, 52>& ranks) {
  if (message.size() != kDealMessageLength || message[0] != 'b') return false;
  DeckCards cards;
  OneBased<std::uint8_t, 52> values;
  std::array<bool, 53> seen{};
  for (int i = 1; i <= 52; ++i) {
    const std::size_t at = 1 + static_cast<std::size_t>(i - 1) * 2;
    const TCardCode c{message[at], message[at + 1]};
    if (!IsValidCard(c) || seen[static_cast<std::size_t>(NumberOfCard(c))]) return false;
    seen[static_cast<std::size_t>(NumberOfCard(c))] = true;
    const int rank = ReadTwoDigits(message, 105 + static_cast<std::size_t>(i - 1) * 2);
    if (rank != RankValueOf(c)) return false;
    cards[i] = c;
    values[i] = static_cast<std::uint8_t>(rank);
  }
  deck = cards;
  ranks = values;
  return true;
}

std::string MoveMessage(int slot, int netRole) {
  std::string out = "hhd";
  AppendTwoDigits(out, slot);
  out += static_cast<char>('0' + netRole);
  return out;
}

}  // namespace tavlo
