#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_state.h"

namespace tavlo {

// The LAN server's deal: "b", the 52 card codes of the deck, then the 52 rank values
// as two decimal digits each; 209 bytes.
inline constexpr std::size_t kDealMessageLength = 1 + 52 * 2 + 52 * 2;
std::string DealMessage(const DeckCards& deck, const OneBased<std::uint8_t, 52>& ranks);
// Reads a deal message; false (and nothing written) unless it is 209 bytes of 52
// distinct valid cards whose rank digits agree with the cards.
bool ParseDealMessage(std::string_view message, DeckCards& deck, OneBased<std::uint8_t, 52>& ranks);

// A played card for the network partners: "hhd", the slot as two digits, the sender's
// LAN role digit. Slot 7 played on the server gives "hhd071".
std::string MoveMessage(int slot, int netRole);

}  // namespace tavlo
