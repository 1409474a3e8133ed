#include "ui/recording/gif_animation.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdlib>
#include <set>
#include <vector>

#include "pictures/gui_app.h"

namespace tavlo {
namespace {

PixelView ViewOf(const QImage& image) {
  return {reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
          static_cast<int>(image.bytesPerLine() / 4)};
}

QImage Plain(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A picture of far more than 256 colours, as the table shows them: a lit felt (a smooth gradient
// with a fine weave) under antialiased round shapes and text in several colours.
QImage ManyColours(int w, int h, int seed) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int weave = ((x + seed) % 3 == 0) + (y % 4 == 0);
      image.setPixel(x, y, qRgb(10 + x * 40 / w + weave, 70 + (x + y) * 90 / (w + h) + 2 * weave, 40 + y * 30 / h));
    }
  }
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colours[] = {Qt::white, QColor(200, 20, 30), QColor(250, 210, 60), QColor(20, 40, 160), Qt::black};
  for (int k = 0; k < 5; ++k) {
    p.setBrush(colours[k]);
    p.setPen(QPen(colours[(k + 1) % 5], 2));
    p.drawEllipse(QRectF(w * k / 6.0 + seed, h / 4.0, w / 7.0, h / 2.5));
    QFont font;
    font.setPixelSize(14 + k);
    p.setFont(font);
    p.drawText(QPointF(w * k / 6.0, h - 8.0), "Koronki");
  }
  return image;
}

struct ReadBack {
  int frames = 0;
  QSize size;
  std::vector<int> delays;
  std::vector<QImage> pictures;
  int loops = 0;
};

ReadBack Read(const std::string& gif) {
  QByteArray bytes(gif.data(), static_cast<qsizetype>(gif.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  ReadBack out;
  out.frames = reader.imageCount();
  out.size = reader.size();
  out.loops = reader.loopCount();
  for (int i = 0; i < out.frames; ++i) {
    QImage frame = reader.read();
    if (frame.isNull()) break;
    out.delays.push_back(reader.nextImageDelay());
    out.pictures.push_back(frame.convertToFormat(QImage::Format_RGB32));
  }
  return out;
}

// The largest and the mean difference of any colour channel between two pictures of one size.
std::pair<int, double> Difference(const QImage& a, const QImage& b) {
  int largest = 0;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
        largest = std::max(largest, std::abs(d));
        sum += std::abs(d);
      }
    }
  }
  return {largest, sum / (3.0 * a.width() * a.height())};
}

class GifAnimationTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureGuiApp(); }
};

TEST(GifDelayTest, MillisecondsBecomeHundredths) {
  const struct {
    int ms, hundredths;
  } cases[] = {{10, 2},          {20, 2},     {24, 2},
               {25, 3},          {1000, 100}, {5000, 500},
               {0, 2},           {-20, 2},    {GifAnimation::kMaxFrameDelayMs, 65535},
               {10000000, 65535}};
  for (const auto& c : cases) EXPECT_EQ(GifDelayHundredths(c.ms), c.hundredths) << c.ms;
}

// A card moving over a plain table: each frame changes only a small part, which the file stores
// as a rectangle of its own; Qt puts the frames back together exactly.
TEST_F(GifAnimationTest, FewColourFramesComeBackExactlyWithTheirDelays) {
  GifAnimation gif(120, 80);
  std::vector<QImage> shown;
  for (int step = 0; step < 6; ++step) {
    QImage frame = Plain(120, 80, QColor(0, 120, 60));
    QPainter p(&frame);
    p.fillRect(10 + step * 15, 20, 20, 30, Qt::white);
    p.fillRect(12 + step * 15, 22, 5, 5, Qt::red);
    p.end();
    ASSERT_EQ(gif.AddFrame(ViewOf(frame), 200), GifAnimation::Added::Frame) << gif.Error();
    shown.push_back(frame);
  }
  gif.SetLastDelay(5000);
  const std::string bytes = gif.Finish();
  ASSERT_FALSE(bytes.empty()) << gif.Error();
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");

  const ReadBack back = Read(bytes);
  EXPECT_EQ(back.frames, 6);
  EXPECT_EQ(back.size, QSize(120, 80));
  EXPECT_EQ(back.delays, (std::vector<int>{200, 200, 200, 200, 200, 5000}));
  EXPECT_EQ(back.loops, -1);  // for ever
  ASSERT_EQ(back.pictures.size(), shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(back.pictures[i], shown[i]) << "frame " << i;
  // Only the moving card is stored after the first frame: the file stays far below six full pictures.
  EXPECT_LT(bytes.size(), 2000u);
}

TEST_F(GifAnimationTest, ManyColoursKeepCloseToTheOriginal) {
  GifAnimation gif(200, 150);
  const QImage first = ManyColours(200, 150, 1);
  ASSERT_GT(std::set<QRgb>(reinterpret_cast<const QRgb*>(first.constBits()),
                           reinterpret_cast<const QRgb*>(first.constBits()) + 200 * 150)
                .size(),
            1000u);
  QImage second = first;
  QPainter(&second).drawImage(QPoint(40, 30), ManyColours(80, 60, 7));
  ASSERT_EQ(gif.AddFrame(ViewOf(first), 100), GifAnimation::Added::Frame);
  ASSERT_EQ(gif.AddFrame(ViewOf(second), 100), GifAnimation::Added::Frame);
  const ReadBack back = Read(gif.Finish());
  ASSERT_EQ(back.pictures.size(), 2u);
  for (const auto& [read, original] : {std::pair{back.pictures[0], first}, std::pair{back.pictures[1], second}}) {
    const auto [largest, mean] = Difference(read, original);
    // Measured 0.86 and 26 here; a plain 5-bit median cut gives 5.3 and 54 on the same picture.
    EXPECT_LT(mean, 1.5);
    EXPECT_LE(largest, 32);
  }
}

// Noise of tens of thousands of colours (a photograph over the window, with "Save screen
// contents") is reduced to 5 bits a channel before the cut, and still comes back close.
TEST_F(GifAnimationTest, NoiseOfVeryManyColoursStaysRecognisable) {
  QImage noise(300, 200, QImage::Format_RGB32);
  std::srand(3);
  for (int y = 0; y < noise.height(); ++y) {
    for (int x = 0; x < noise.width(); ++x)
      noise.setPixel(x, y, qRgb(std::rand() % 256, std::rand() % 256, std::rand() % 256));
  }
  GifAnimation gif(300, 200);
  ASSERT_EQ(gif.AddFrame(ViewOf(noise), 100), GifAnimation::Added::Frame);
  const ReadBack back = Read(gif.Finish());
  ASSERT_EQ(back.pictures.size(), 1u);
  // 256 colours for a cube full of them: about a 6 x 6 x 6 grid, so errors near 256 / 6 / 4.
  EXPECT_LT(Difference(back.pictures[0], noise).second, 16.0);
}

TEST_F(GifAnimationTest, RepeatedAndMisfitPicturesAddNoFrame) {
  GifAnimation gif(40, 30);
  const QImage a = Plain(40, 30, Qt::blue);
  QImage b = a;
  b.setPixel(39, 29, qRgb(255, 255, 0));  // one corner pixel is enough to make a new frame
  EXPECT_EQ(gif.AddFrame(ViewOf(a), 100), GifAnimation::Added::Frame);
  EXPECT_EQ(gif.AddFrame(ViewOf(a), 100), GifAnimation::Added::Same);
  EXPECT_EQ(gif.AddFrame(ViewOf(b), 100), GifAnimation::Added::Frame);
  EXPECT_EQ(gif.AddFrame(ViewOf(b), 100), GifAnimation::Added::Same);
  EXPECT_EQ(gif.FrameCount(), 2);

  const QImage wrong = Plain(41, 30, Qt::blue);
  EXPECT_EQ(gif.AddFrame(ViewOf(wrong), 100), GifAnimation::Added::Failed);
  EXPECT_NE(gif.Error().find("41 x 30"), std::string::npos) << gif.Error();
}

TEST_F(GifAnimationTest, AnEmptyAnimationGivesNoFileAndAFinishedOneTakesNoMore) {
  GifAnimation empty(10, 10);
  EXPECT_TRUE(empty.Finish().empty());

  GifAnimation gif(10, 10);
  const QImage a = Plain(10, 10, Qt::black);
  ASSERT_EQ(gif.AddFrame(ViewOf(a), 100), GifAnimation::Added::Frame);
  EXPECT_FALSE(gif.Finish().empty());
  EXPECT_EQ(gif.AddFrame(ViewOf(Plain(10, 10, Qt::white)), 100), GifAnimation::Added::Failed);
  EXPECT_TRUE(gif.Finish().empty());
}

}  // namespace
}  // namespace tavlo
