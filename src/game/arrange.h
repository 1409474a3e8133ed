#pragma once

#include <array>

#include "game/game_state.h"

namespace tavlo {

// The display order of suits for a trump character: the trump suit last, colours
// alternating. "#" (no trump yet) orders as spades.
std::array<char, 4> SuitDisplayOrder(char trump);

// Puts a card list into display order (suits by SuitDisplayOrder, ranks ascending),
// packs the cards into the first slots and returns their count; the rest become "##"/99.
template <std::size_t N>
int ArrangeCards(OneBased<TCardCode, N>& cards, OneBased<std::uint8_t, N>& ranks, char trump);

}  // namespace tavlo
