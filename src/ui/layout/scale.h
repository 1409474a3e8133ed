#pragma once

#include <cmath>
#include <cstdint>

namespace tavlo {

// Every position and size of the window is designed for a 760 x 500 client area and
// multiplied by these factors at run time.
inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

// Rounds to the nearest whole number, halves to the even neighbour.
inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

enum class WindowSizeMode : int { Small = 1, FullScreen = 2, Average1 = 3, Average2 = 4, Large = 5 };

struct Layout {
  int Width = kDesignWidth;
  int Height = kDesignHeight;
  double ScaleX = 1.0;
  double ScaleY = 1.0;
  double Scale = 1.0;

  int ScaleLen(double a) const { return RoundHalfEven(a * Scale); }
  // Left edge of an element of design width w at design x = a: scaled uniformly and
  // centred in its horizontally stretched slot.
  int PlaceX(double a, double w) const { return RoundHalfEven(ScaleX * a) + RoundHalfEven((ScaleX - Scale) * w / 2); }
  int PlaceY(double a, double h) const { return RoundHalfEven(ScaleY * a) + RoundHalfEven((ScaleY - Scale) * h / 2); }
  int X(double a) const { return RoundHalfEven(ScaleX * a); }
  int Y(double a) const { return RoundHalfEven(ScaleY * a); }
};

// The layout of a window size mode; full screen takes the client size it was given.
Layout LayoutFor(WindowSizeMode mode, int fullScreenWidth = 0, int fullScreenHeight = 0);

// The smallest screen (work area) a mode needs; full screen and the small window fit any.
bool ModeFitsScreen(WindowSizeMode mode, int screenWidth, int screenHeight);

// The largest of the fixed window sizes (average 1, average 2, large) that fits the screen;
// the small window when none does. A first start opens at it.
WindowSizeMode LargestFittingMode(int screenWidth, int screenHeight);

// A rectangle of the screen in pixels, and the frame the window manager draws around a window.
struct ScreenRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
struct FrameMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// The client area of the full-screen window: the work area less the frame, so that the frame
// and the whole client (the menu's "Exit", South's hand) stay on the screen.
ScreenRect FullScreenClient(const ScreenRect& workArea, const FrameMargins& frame);

// Card picture size for a scale: class 1 classic 71 x 96, class 0 scaled, class 2 large.
struct CardSize {
  int Width = 71;
  int Height = 96;
  int SizeClass = 1;
};
CardSize CardSizeFor(const Layout& layout, bool narrowCards);

// A font role's size: round(n x percentage / 100).
inline int RoleSize(double n, int percentage) { return RoundHalfEven(n * percentage / 100.0); }

}  // namespace tavlo
