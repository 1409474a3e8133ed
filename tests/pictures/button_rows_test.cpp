#include "ui/pictures/button_rows.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

// Colours in the program's 0xBBGGRR notation.
QColor Bgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

TEST(PictureButtonRowTest, ThirtyPixelButtonFollowsTheGivenRows) {
  const std::pair<int, unsigned> known[] = {{0, 0x000080},  {1, 0x000011},  {2, 0x5B5B87},  {3, 0xADADE8},
                                            {4, 0xA3A3DF},  {5, 0x9999D7},  {12, 0x5050B0}, {13, 0x242498},
                                            {14, 0x000088}, {15, 0x000090}, {27, 0x0000EE}, {28, 0x000080}};
  for (const auto& [row, bgr] : known) EXPECT_EQ(ButtonRowColour(30, row), Bgr(bgr)) << "row " << row;
}

TEST(PictureButtonRowTest, TallerButtonsStretchTheSamePattern) {
  for (const int height : {45, 60}) {
    SCOPED_TRACE(height);
    const int rows = height - 1;
    EXPECT_EQ(ButtonRowColour(height, 0), Bgr(0x000080));
    EXPECT_EQ(ButtonRowColour(height, 3), Bgr(0xADADE8));
    EXPECT_EQ(ButtonRowColour(height, rows - 1), Bgr(0x000080));
    EXPECT_EQ(ButtonRowColour(height, rows - 2), Bgr(0x0000EE));
    int dividers = 0;
    int previousRed = 0;
    bool inReds = false;
    for (int row = 3; row < rows - 1; ++row) {
      const QColor c = ButtonRowColour(height, row);
      if (c == Bgr(0x242498)) {
        ++dividers;
        inReds = true;
        continue;
      }
      if (inReds) {
        EXPECT_EQ(c.green(), 0);
        EXPECT_GE(c.red(), previousRed);
        previousRed = c.red();
      } else {
        EXPECT_GT(c.green(), 0x40) << "row " << row;  // the light band
      }
    }
    EXPECT_EQ(dividers, 1);
  }
}

}  // namespace
}  // namespace tavlo
