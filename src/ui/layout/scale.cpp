#include "ui/layout/scale.h"

#include <algorithm>

namespace tavlo {
namespace {

struct FixedMode {
  WindowSizeMode mode;
  int width, height;
  double scale;
  int minScreenWidth, minScreenHeight;
};

constexpr FixedMode kFixedModes[] = {
    {WindowSizeMode::Small, 760, 500, 1.0, 0, 0},
    {WindowSizeMode::Average1, 990, 650, 1.3, 990, 670},
    {WindowSizeMode::Average2, 1290, 850, 1.7, 1290, 870},
    {WindowSizeMode::Large, 1520, 1000, 2.0, 1520, 1020},
};

}  // namespace

Layout LayoutFor(WindowSizeMode mode, int fullScreenWidth, int fullScreenHeight) {
  Layout layout;
  if (mode == WindowSizeMode::FullScreen && fullScreenWidth > 0 && fullScreenHeight > 0) {
    layout.Width = fullScreenWidth;
    layout.Height = fullScreenHeight;
    layout.ScaleX = static_cast<double>(fullScreenWidth) / kDesignWidth;
    layout.ScaleY = static_cast<double>(fullScreenHeight) / kDesignHeight;
    layout.Scale = std::min(layout.ScaleX, layout.ScaleY);
    return layout;
  }
  for (const FixedMode& m : kFixedModes) {
    if (m.mode == mode) {
      layout.Width = m.width;
      layout.Height = m.height;
      layout.ScaleX = layout.ScaleY = layout.Scale = m.scale;
    }
  }
  return layout;
}

bool ModeFitsScreen(WindowSizeMode mode, int screenWidth, int screenHeight) {
  for (const FixedMode& m : kFixedModes) {
    if (m.mode == mode) return screenWidth >= m.minScreenWidth && screenHeight >= m.minScreenHeight;
  }
  return true;
}

WindowSizeMode LargestFittingMode(int screenWidth, int screenHeight) {
  WindowSizeMode best = WindowSizeMode::Small;
  for (const FixedMode& m : kFixedModes) {
    if (screenWidth >= m.minScreenWidth && screenHeight >= m.minScreenHeight) best = m.mode;
  }
  return best;
}

ScreenRect FullScreenClient(const ScreenRect& workArea, const FrameMargins& frame) {
  ScreenRect client;
  client.X = workArea.X + frame.Left;
  client.Y = workArea.Y + frame.Top;
  client.Width = std::max(1, workArea.Width - frame.Left - frame.Right);
  client.Height = std::max(1, workArea.Height - frame.Top - frame.Bottom);
  return client;
}

CardSize CardSizeFor(const Layout& layout, bool narrowCards) {
  CardSize size;
  if (layout.Scale >= 2.0) {
    size = {narrowCards ? 126 : 146, 198, 2};
  } else if (layout.Scale >= 1.3) {
    size = {layout.ScaleLen(narrowCards ? 61 : 71), layout.ScaleLen(96), 0};
  }
  return size;
}

}  // namespace tavlo
