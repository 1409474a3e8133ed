#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "gui_app.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

class PictureRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureGuiApp(); }
  PictureRegistry registry{{}};
};

int OpaquePixels(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) count += qAlpha(argb.pixel(x, y)) > 0;
  }
  return count;
}

// The pictures the window, the table, the dialogs and the records windows ask for by name.
QStringList NamedPictures() {
  QStringList names = {
      "GTitle",     "Logo",          "GifMenu1",      "GifMenu2",      "PngMenu1",      "PngMenu2",     "GClockBG",
      "GBClockP",   "GWest",         "GNorth",        "GEast",         "GSouth",        "SPYellow",     "SPYellowB",
      "Hand_Right", "Circle",        "ZvezdaBSm",     "GTimerY",       "GTimerR",       "RamkaERSm",    "RamkaERBg",
      "RamkaBBSm",  "RamkaBBBg",     "TabloSm",       "TabloBg",       "VCard",         "VKrest",       "VItog",
      "AdvBar3",    "GIFBackGr",     "GFree",         "FonG",          "LampG24",       "LampR24",      "LampY24",
      "StarG0",     "StarR0",        "StarY0",        "Earth48",       "Stats",         "Account48",    "GAcNoM",
      "GAcNoF",     "GNew",          "GPolkaNw",      "GRadioA",       "GRadioB",       "GRadioG",      "GRadioR",
      "GSirenaB",   "GSirenaR",      "GTourOn",       "GTourOff",      "MP_Play",       "MP_Pause",     "MP_Next",
      "MP_Volume",  "GMedal",        "GZans128",      "GZansT128",     "GEndBest",      "GEndGood",     "GEndBads",
      "FlagOJap",   "FlagOKor",      "GCap150",       "GCap280",       "GCap300",       "GCap430",      "GCap550",
      "GCap610",    "GLenta200x100", "GLenta280x090", "GLenta360x100", "GLenta380x120", "GLenta590x116"};
  for (const char* h : {"29", "44", "59"}) {
    for (const char* set : {"R", "Q"}) {
      for (const char* part : {"_L", "_R", "_2"}) names << QString("%1%2%3").arg(set, h, part);
    }
  }
  for (const char* suffix : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"}) {
    names << QString("Cap%1").arg(suffix) << QString("Elite%1").arg(suffix) << QString("Net__%1").arg(suffix)
          << QString("FlagO%1").arg(suffix);
  }
  for (int d = 0; d <= 9; ++d) {
    for (const char* set : {"GB", "GR", "GA", "GG", "GY", "GV", "GL", "GN"})
      names << QString("%1Clock%2").arg(set).arg(d);
  }
  for (const char* set : {"GR", "GA", "GG", "GY", "GV", "GL", "GN"}) names << QString("%1ClockM").arg(set);
  for (int place = 1; place <= 10; ++place) names << QString("GPlace%1").arg(place, 2, 10, QLatin1Char('0'));
  return names;
}

TEST_F(PictureRegistryTest, EveryNamedPictureIsBuiltInAndPaintsSomething) {
  for (const QString& name : NamedPictures()) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(registry.HasPicture(name));
    const QImage picture = registry.Picture(name);
    EXPECT_EQ(picture.size(), registry.DesignSize(name));
    if (name != "GFree") {
      EXPECT_GT(OpaquePixels(picture), 0);
    }
  }
}

TEST_F(PictureRegistryTest, EveryCataloguedPictureHonoursTheRequestedSize) {
  for (const QString& name : registry.PictureNames()) {
    SCOPED_TRACE(name.toStdString());
    const QSize design = registry.DesignSize(name);
    ASSERT_FALSE(design.isEmpty());
    const QImage large = registry.Picture(name, design * 2);
    EXPECT_EQ(large.size(), design * 2);
  }
}

TEST_F(PictureRegistryTest, NamesIgnoreCaseAndUnknownNamesGiveNothing) {
  EXPECT_TRUE(registry.HasPicture("r29_l"));
  EXPECT_EQ(registry.Picture("TABLOSM").size(), QSize(155, 95));
  EXPECT_FALSE(registry.HasPicture("NoSuchPicture"));
  EXPECT_TRUE(registry.Picture("NoSuchPicture").isNull());
  EXPECT_EQ(registry.FrameCount("NoSuchPicture"), 0);
}

TEST_F(PictureRegistryTest, PaintedPicturesAreCachedPerSize) {
  const QImage first = registry.Picture("GTitle", QSize(390, 117));
  const QImage again = registry.Picture("gtitle", QSize(390, 117));
  EXPECT_EQ(first.cacheKey(), again.cacheKey());
  EXPECT_NE(registry.Picture("GTitle").cacheKey(), first.cacheKey());
}

TEST_F(PictureRegistryTest, AnimationsHaveDistinctFrames) {
  for (const char* name : {"GifMenu1", "GifMenu2", "GEndBest", "GSirenaB", "CandleFlame", "CURWAIT"}) {
    SCOPED_TRACE(name);
    const int frames = registry.FrameCount(name);
    ASSERT_GT(frames, 1);
    EXPECT_GT(registry.FrameDelay(name), 0);
    const QSize size = registry.DesignSize(name);
    EXPECT_NE(registry.Frame(name, 0, size), registry.Frame(name, frames / 2, size));
    EXPECT_TRUE(registry.Frame(name, frames, size).isNull());
  }
}

double RedShare(const QImage& image, bool nearRedOnly) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int opaque = 0, red = 0;
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      ++opaque;
      const int r = qRed(p), g = qGreen(p), b = qBlue(p);
      if (nearRedOnly) {
        red += std::sqrt((r - 255.0) * (r - 255.0) + g * g + b * b) < 180;
      } else {
        red += r >= g && r >= b;
      }
    }
  }
  return opaque ? static_cast<double>(red) / opaque : 0;
}

// The button code recolours by moving channels, which only works on red pictures; the alternative
// pieces keep parts that the near-red rule leaves alone.
TEST_F(PictureRegistryTest, ClassicButtonPiecesAreRedAndAlternativePiecesAreNot) {
  for (const char* h : {"29", "44", "59"}) {
    for (const char* part : {"_L", "_R", "_2"}) {
      const QString classic = QString("R%1%2").arg(h, part);
      const QString alternative = QString("Q%1%2").arg(h, part);
      SCOPED_TRACE(classic.toStdString());
      EXPECT_GT(RedShare(registry.Picture(classic), false), 0.97);
      const double nearRed = RedShare(registry.Picture(alternative), true);
      EXPECT_GT(nearRed, 0.2);
      EXPECT_LT(nearRed, 0.95);
    }
  }
}

TEST_F(PictureRegistryTest, ButtonPiecesHaveALightHighlightBandAboveTheRed) {
  const QImage middle = registry.Picture("R29_2").convertToFormat(QImage::Format_ARGB32);
  const int x = middle.width() / 2;
  int brightest = 0, brightestRow = -1;
  for (int y = 0; y < middle.height(); ++y) {
    const QRgb p = middle.pixel(x, y);
    const int level = qGreen(p) + qBlue(p);
    if (level > brightest) brightest = level, brightestRow = y;
  }
  EXPECT_GT(brightest, 250);
  EXPECT_LT(brightestRow, middle.height() / 2);
}

}  // namespace
}  // namespace tavlo
