#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>

#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

QImage OnePixel(QRgb colour) {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, colour);
  return image;
}

struct RecolourCase {
  int variant;
  QRgb in;
  QRgb out;
};

class PictureRecolourTest : public ::testing::TestWithParam<RecolourCase> {};

TEST_P(PictureRecolourTest, MovesChannelsOfEveryPixel) {
  const RecolourCase& c = GetParam();
  EXPECT_EQ(Recolour(OnePixel(c.in), c.variant).pixel(0, 0), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, PictureRecolourTest,
    ::testing::Values(RecolourCase{1, qRgba(200, 40, 10, 255), qRgba(200, 40, 10, 255)},
                      // Orange: B = round(min(10, 40) x 0.7) = 7, G = 7 + round(193 x 0.4) = 7 + 77.
                      RecolourCase{2, qRgba(200, 40, 10, 255), qRgba(200, 84, 7, 255)},
                      // Ties round to even: min(B, G) = 5 -> 3.5 -> 4; |R - B| = 245 -> 98.
                      RecolourCase{2, qRgba(249, 5, 5, 255), qRgba(249, 102, 4, 255)},
                      // A pixel that is not reddish keeps its colours.
                      RecolourCase{2, qRgba(100, 120, 10, 255), qRgba(100, 120, 10, 255)},
                      RecolourCase{3, qRgba(200, 40, 10, 255), qRgba(200, 200, 10, 255)},
                      RecolourCase{4, qRgba(200, 40, 10, 255), qRgba(40, 200, 10, 255)},
                      RecolourCase{5, qRgba(200, 40, 10, 255), qRgba(10, 200, 200, 255)},
                      RecolourCase{6, qRgba(200, 40, 10, 255), qRgba(10, 40, 200, 255)},
                      RecolourCase{7, qRgba(200, 40, 10, 128), qRgba(200, 40, 200, 128)}));

TEST(PictureResizeTest, InterpolatesColourAndAlphaBetweenNeighbours) {
  QImage source(2, 1, QImage::Format_ARGB32);
  source.setPixel(0, 0, qRgba(0, 0, 0, 0));
  source.setPixel(1, 0, qRgba(200, 100, 40, 255));
  // Target x maps to source x * (2 - 1) / 4: 0, 0.25, 0.5, 0.75.
  const QImage out = ResizePng(source, 4, 2);
  ASSERT_EQ(out.size(), QSize(4, 2));
  EXPECT_EQ(out.pixel(0, 0), qRgba(0, 0, 0, 0));
  EXPECT_EQ(out.pixel(1, 0), qRgba(50, 25, 10, 64));    // 63.75 -> 64
  EXPECT_EQ(out.pixel(2, 1), qRgba(100, 50, 20, 128));  // 127.5 -> 128 (ties to even)
  EXPECT_EQ(out.pixel(3, 0), qRgba(150, 75, 30, 191));  // 191.25 -> 191
}

TEST(PictureResizeTest, KeepsThePictureWhenASizeIsOneOrLess) {
  QImage source(3, 3, QImage::Format_RGB32);
  source.fill(qRgb(1, 2, 3));
  EXPECT_EQ(ResizePng(source, 1, 10).size(), QSize(3, 3));
  EXPECT_EQ(ResizePng(source, 10, 0).size(), QSize(3, 3));
}

TEST(PictureResizeTest, RefusesPicturesThatAreNotRgb) {
  QImage grey(4, 4, QImage::Format_Grayscale8);
  grey.fill(0);
  try {
    ResizePng(grey, 8, 8);
    FAIL() << "a grey picture was resized";
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
  }
}

}  // namespace
}  // namespace tavlo
