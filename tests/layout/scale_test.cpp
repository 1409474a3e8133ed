#include <gtest/gtest.h>

#include "ui/layout/scale.h"

namespace tavlo {
namespace {

TEST(LayoutTest, FixedModesScaleUniformly) {
  struct Case {
    WindowSizeMode mode;
    int width, height;
    double scale;
  };
  for (const Case& c : {Case{WindowSizeMode::Small, 760, 500, 1.0}, Case{WindowSizeMode::Average1, 990, 650, 1.3},
                        Case{WindowSizeMode::Average2, 1290, 850, 1.7}, Case{WindowSizeMode::Large, 1520, 1000, 2.0}}) {
    const Layout l = LayoutFor(c.mode);
    EXPECT_EQ(l.Width, c.width);
    EXPECT_EQ(l.Height, c.height);
    EXPECT_DOUBLE_EQ(l.ScaleX, c.scale);
    EXPECT_DOUBLE_EQ(l.ScaleY, c.scale);
    EXPECT_DOUBLE_EQ(l.Scale, c.scale);
  }
}

TEST(LayoutTest, ScaleLenAndPlaceRoundHalvesToEven) {
  const Layout small = LayoutFor(WindowSizeMode::Small);
  for (int a : {0, 1, 17, 380, 759}) {
    EXPECT_EQ(small.ScaleLen(a), a);
    EXPECT_EQ(small.PlaceX(a, 120), a);
    EXPECT_EQ(small.PlaceY(a, 33), a);
  }
  const Layout large = LayoutFor(WindowSizeMode::Average1);  // 1.3
  EXPECT_EQ(large.ScaleLen(5), 6);    // 6.5 -> 6
  EXPECT_EQ(large.ScaleLen(15), 20);  // 19.5 -> 20
  EXPECT_EQ(large.ScaleLen(96), 125);  // 124.8

  // Full screen on a 1920 x 1040 client: uniform 2.08, stretched slots.
  const Layout full = LayoutFor(WindowSizeMode::FullScreen, 1920, 1040);
  EXPECT_NEAR(full.ScaleX, 2.526315, 1e-6);
  EXPECT_DOUBLE_EQ(full.ScaleY, 2.08);
  EXPECT_DOUBLE_EQ(full.Scale, 2.08);
  EXPECT_EQ(full.ScaleLen(30), 62);  // 62.4
  // round(2.5263 x 180) + round(0.4463 x 400 / 2) = 455 + 89
  EXPECT_EQ(full.PlaceX(180, 400), 455 + 89);
  EXPECT_EQ(full.PlaceY(12, 70), 25);  // ScaleY = Scale: no centring shift
}

TEST(LayoutTest, CardSizesAndWhichModesFitTheScreen) {
  struct Case {
    WindowSizeMode mode;
    bool narrow;
    int width, height, sizeClass;
  };
  for (const Case& c : {Case{WindowSizeMode::Small, false, 71, 96, 1}, Case{WindowSizeMode::Small, true, 71, 96, 1},
                        Case{WindowSizeMode::Average1, false, 92, 125, 0}, Case{WindowSizeMode::Average1, true, 79, 125, 0},
                        Case{WindowSizeMode::Average2, false, 121, 163, 0}, Case{WindowSizeMode::Large, false, 146, 198, 2},
                        Case{WindowSizeMode::Large, true, 126, 198, 2}}) {
    const CardSize size = CardSizeFor(LayoutFor(c.mode), c.narrow);
    EXPECT_EQ(size.Width, c.width);
    EXPECT_EQ(size.Height, c.height);
    EXPECT_EQ(size.SizeClass, c.sizeClass);
  }
  EXPECT_EQ(CardSizeFor(LayoutFor(WindowSizeMode::FullScreen, 1920, 1040), true).Width, 126);

  EXPECT_TRUE(ModeFitsScreen(WindowSizeMode::Small, 800, 600));
  EXPECT_TRUE(ModeFitsScreen(WindowSizeMode::FullScreen, 800, 600));
  EXPECT_FALSE(ModeFitsScreen(WindowSizeMode::Average1, 989, 670));
  EXPECT_FALSE(ModeFitsScreen(WindowSizeMode::Average1, 990, 669));
  EXPECT_TRUE(ModeFitsScreen(WindowSizeMode::Average1, 990, 670));
  EXPECT_FALSE(ModeFitsScreen(WindowSizeMode::Large, 1920, 1019));
  EXPECT_TRUE(ModeFitsScreen(WindowSizeMode::Large, 1920, 1080));
}

TEST(LayoutTest, FirstStartTakesTheLargestSizeTheScreenHolds) {
  struct Case {
    int width, height;
    WindowSizeMode expected;
  };
  for (const Case& c : {Case{800, 600, WindowSizeMode::Small}, Case{1024, 669, WindowSizeMode::Small},
                        Case{1024, 738, WindowSizeMode::Average1}, Case{1280, 1024, WindowSizeMode::Average1},
                        Case{1366, 738, WindowSizeMode::Average1}, Case{1440, 870, WindowSizeMode::Average2},
                        Case{1920, 1019, WindowSizeMode::Average2}, Case{1920, 1020, WindowSizeMode::Large},
                        Case{3840, 2100, WindowSizeMode::Large}}) {
    EXPECT_EQ(LargestFittingMode(c.width, c.height), c.expected) << c.width << " x " << c.height;
  }
}

TEST(LayoutTest, FullScreenClientLeavesRoomForTheFrame) {
  struct Case {
    ScreenRect work;
    FrameMargins frame;
    ScreenRect client;
  };
  for (const Case& c : {
           // No frame (offscreen, or a frameless window manager): the client is the work area.
           Case{{0, 0, 1920, 1040}, {0, 0, 0, 0}, {0, 0, 1920, 1040}},
           // A title bar and borders: the client shrinks so that the frame's bottom edge is the
           // work area's, not 34 pixels below it.
           Case{{0, 0, 1920, 1040}, {4, 30, 4, 4}, {4, 30, 1912, 1006}},
           // A panel at the top moves the work area down; the client follows.
           Case{{0, 32, 1366, 736}, {1, 24, 1, 1}, {1, 56, 1364, 711}},
       }) {
    const ScreenRect client = FullScreenClient(c.work, c.frame);
    EXPECT_EQ(client, c.client);
    EXPECT_EQ(client.Y + client.Height + c.frame.Bottom, c.work.Y + c.work.Height);
    EXPECT_EQ(client.X + client.Width + c.frame.Right, c.work.X + c.work.Width);
  }
}

}  // namespace
}  // namespace tavlo
