#include "ui/account/country_flags.h"

#include <gtest/gtest.h>

#include <QSet>

#include "net/club/countries.h"

namespace tavlo {
namespace {

int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

TEST(CountryFlags, EveryCountryOfEveryRegionHasAFlagOfFourteenByTwelve) {
  for (int region = 1; region <= 6; ++region) {
    const auto countries = CountriesOf(region);
    EXPECT_TRUE(CountryFlag(QString::fromLatin1(countries[0].Iso)).isNull()) << "\"Unknown\" has no flag";
    for (std::size_t k = 1; k < countries.size(); ++k) {
      const QImage flag = CountryFlag(QString::fromLatin1(countries[k].Iso));
      ASSERT_FALSE(flag.isNull()) << countries[k].Name;
      EXPECT_EQ(flag.size(), QSize(14, 12)) << countries[k].Name;
      EXPECT_GE(ColourCount(flag), 2) << countries[k].Name << " is a plain rectangle";
    }
  }
}

TEST(CountryFlags, TheCrownDependenciesAreDrawnAndTellApart) {
  // These three are absent from the system's icon set and come from our own drawing.
  const QImage guernsey = CountryFlag("gg");
  const QImage jersey = CountryFlag("je");
  const QImage man = CountryFlag("im");
  const QRgb red = qRgb(0xE8, 0x11, 0x2D);
  const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
  // Guernsey: white corners, the cross red at its ends and golden in the middle.
  EXPECT_EQ(guernsey.pixel(0, 0), white);
  EXPECT_EQ(guernsey.pixel(6, 0), red);
  EXPECT_EQ(guernsey.pixel(0, 5), red);
  EXPECT_EQ(guernsey.pixel(6, 5), qRgb(0xF9, 0xDD, 0x16));
  // Jersey: the saltire reaches the lower corners over a white field.
  EXPECT_EQ(qRed(jersey.pixel(0, 11)), 0xE8);
  EXPECT_LT(qGreen(jersey.pixel(0, 11)), 0x80);
  EXPECT_EQ(jersey.pixel(0, 5), white);
  // Isle of Man: red field, white legs near the middle.
  EXPECT_EQ(man.pixel(0, 0), red);
  EXPECT_EQ(man.pixel(13, 11), red);
  int light = 0;
  for (int y = 2; y < 10; ++y) {
    for (int x = 3; x < 11; ++x) light += qGreen(man.pixel(x, y)) > 0xA0 ? 1 : 0;
  }
  EXPECT_GE(light, 6);
  EXPECT_NE(guernsey, jersey);
}

TEST(CountryFlags, MalformedCodesHaveNoFlag) {
  for (const char* code : {"", "g", "GG", "../x", "zz"}) EXPECT_TRUE(CountryFlag(code).isNull()) << code;
}

}  // namespace
}  // namespace tavlo
