#include <gtest/gtest.h>

#include "ui/layout/colour_sets.h"

namespace tavlo {
namespace {

TEST(RecolourForSetTest, ChannelMovesLightAndNata) {
  struct Case {
    const char* name;
    std::uint32_t in;
    TColorSB set;
    int light;
    bool nata;
    std::uint32_t out;
  };
  // Colours are 0xBBGGRR.
  const Case cases[] = {
      {"red set, no light: unchanged", 0x2050EE, TColorSB::DRed, 0, false, 0x2050EE},
      {"light 50 goes halfway to white, ties to even", 0x0000EE, TColorSB::DRed, 50, false, 0x8080F6},
      {"green swaps red and green", 0x2050EE, TColorSB::DGreen, 0, false, 0x20EE50},
      {"blue: (B, R, R)", 0x2050EE, TColorSB::DBlue, 0, false, 0xEEEE20},
      {"navy swaps red and blue", 0x2050EE, TColorSB::DNavy, 0, false, 0xEE5020},
      {"yellow: green takes red", 0x2050EE, TColorSB::DYellow, 0, false, 0x20EEEE},
      {"violet: blue takes red", 0x2050EE, TColorSB::DViolet, 0, false, 0xEE50EE},
      {"orange moves a reddish pixel", 0x1420C8, TColorSB::DOrang, 0, false, 0x0E58C8},
      {"orange leaves green >= red", 0x10C8C8, TColorSB::DOrang, 0, false, 0x10C8C8},
      {"orange leaves blue >= red", 0xC810C8, TColorSB::DOrang, 0, false, 0xC810C8},
      {"cards: (0.7 R, 0, R)", 0x3030C8, TColorSB::DCards, 0, false, 0xC8008C},
      {"cards with nata: near red moves", 0x1010F0, TColorSB::DCards, 0, true, 0xF00B90},
      {"cards with nata: far from red stays", 0xFFFFFF, TColorSB::DCards, 0, true, 0xFFFFFF},
      {"nata light spares far colours", 0x808080, TColorSB::DRed, 50, true, 0x808080},
      {"nata light lightens near red", 0x0000FF, TColorSB::DRed, 50, true, 0x8080FF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToBgr(RecolourForSet(FromBgr(c.in), c.set, c.light, c.nata)), c.out);
  }
}

TEST(RecolourForSetTest, CaptionVariantsAndShadow) {
  const Rgb red{200, 40, 20};
  EXPECT_EQ(RecolourVariant(red, 1), red);
  EXPECT_EQ(RecolourVariant(red, 2), (Rgb{200, 14 + 74, 14}));  // B = round(20 x 0.7), G = B + round(186 x 0.4)
  EXPECT_EQ(RecolourVariant(red, 3), (Rgb{200, 200, 20}));
  EXPECT_EQ(RecolourVariant(red, 4), (Rgb{40, 200, 20}));
  EXPECT_EQ(RecolourVariant(red, 5), (Rgb{20, 200, 200}));
  EXPECT_EQ(RecolourVariant(red, 6), (Rgb{20, 40, 200}));
  EXPECT_EQ(RecolourVariant(red, 7), (Rgb{200, 40, 200}));
  EXPECT_EQ(ShadowOf(Rgb{255, 5, 0}), (Rgb{128, 2, 0}));  // 127.5 -> 128, 2.5 -> 2
  EXPECT_EQ(FocusOutlineColour(TColorSB::DOrang), 0x4080FFu);
  EXPECT_EQ(FocusDotColour(TColorSB::DCards), 0xFFB4DCu);
}

}  // namespace
}  // namespace tavlo

#include "ui/layout/button_rows.h"

namespace tavlo {
namespace {

TEST(ButtonRowColoursTest, FollowsTheStripPattern) {
  const std::vector<std::uint32_t> rows30 = ButtonRowColours(30);
  ASSERT_EQ(rows30.size(), 29u);
  const std::uint32_t top[] = {0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(rows30[i], top[i]) << i;
  EXPECT_EQ(rows30[12], 0x5050B0u);
  EXPECT_EQ(rows30[13], 0x242498u);
  EXPECT_EQ(rows30[14], 0x000088u);
  EXPECT_EQ(rows30[15], 0x000090u);
  EXPECT_EQ(rows30[27], 0x0000EEu);
  EXPECT_EQ(rows30[28], 0x000080u);
  for (int height : {45, 60}) {
    const std::vector<std::uint32_t> rows = ButtonRowColours(height);
    ASSERT_EQ(static_cast<int>(rows.size()), height - 1);
    EXPECT_EQ(rows[0], 0x000080u);
    EXPECT_EQ(rows[1], 0x000011u);
    EXPECT_EQ(rows[3], 0xADADE8u);
    EXPECT_EQ(rows.back(), 0x000080u);
    EXPECT_EQ(rows[rows.size() - 2], 0x0000EEu);
    // The band, the divider and the reds appear in this order.
    std::size_t divider = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] == 0x242498u) divider = i;
    }
    ASSERT_GT(divider, 3u);
    for (std::size_t i = divider + 2; i + 1 < rows.size(); ++i) EXPECT_LE(rows[i - 1] & 0xFF, rows[i] & 0xFF);
  }
}

}  // namespace
}  // namespace tavlo
