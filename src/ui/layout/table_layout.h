#pragma once

#include <array>
#include <vector>

namespace tavlo {

// Design rectangles of the table (left, top, right, bottom in the 760 x 500 layout).
struct DesignRect {
  int Left, Top, Right, Bottom;
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
};

inline constexpr DesignRect kHandRects[5] = {
    {0, 0, 0, 0}, {10, 178, 240, 274}, {215, 8, 545, 104}, {520, 178, 750, 274}, {215, 395, 545, 491}};
inline constexpr DesignRect kPlateRects[5] = {
    {0, 0, 0, 0}, {45, 278, 205, 298}, {299, 108, 459, 128}, {555, 278, 715, 298}, {299, 372, 459, 392}};
inline constexpr DesignRect kBoardRects[3] = {{0, 0, 0, 0}, {48, 80, 203, 175}, {48, 301, 203, 396}};
inline constexpr DesignRect kTableCentre{269, 150, 491, 350};
inline constexpr DesignRect kInfoBoard{570, 10, 690, 160};
inline constexpr DesignRect kChatPanel{570, 373, 700, 463};

struct DesignPoint {
  int X, Y;
};
// Where each seat's card lies inside the table centre (design, before scaling).
inline constexpr DesignPoint kTrickSpots[5] = {{0, 0}, {0, 52}, {74, 0}, {148, 52}, {74, 104}};

// Left edges of the n cards of a hand `width` pixels wide: centred with 3-pixel gaps
// when they fit, otherwise overlapping evenly so the last card ends 3 pixels before
// the right edge.
std::vector<int> LayOutHand(int width, int cardWidth, int n);

// The slot (1..n) under x in a hand laid out by LayOutHand: every card is hit on its
// visible strip, the last one over its full width; 0 when no card is there.
int HitTestHand(const std::vector<int>& cardLeft, int cardWidth, int x);

}  // namespace tavlo
