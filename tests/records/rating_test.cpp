#include "records/rating.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct RatingCase {
  double rating;
  const char* stored;
  const char* shown;
};

class RatingTextTest : public testing::TestWithParam<RatingCase> {};

TEST_P(RatingTextTest, StoredAndShownForms) {
  const RatingCase& c = GetParam();
  EXPECT_EQ(RatingText(c.rating), c.stored);
  EXPECT_EQ(ScreenRatingText(c.rating), c.shown);
  // The stored form reads back to the value it was written from, to six decimals.
  const std::optional<double> back = ParseRatingText(RatingText(c.rating));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(RatingText(*back), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RatingTextTest,
    testing::Values(RatingCase{0.0, "  0,000000", "  0,00"}, RatingCase{0.5, "  0,500000", "  0,50"},
                    RatingCase{12.345678, " 12,345678", " 12,35"}, RatingCase{-0.5, " -0,500000", " -0,50"},
                    RatingCase{-12.5, "-12,500000", "-12,50"}, RatingCase{0.0000004, "  0,000000", "  0,00"},
                    RatingCase{-0.0000004, "  0,000000", "  0,00"}, RatingCase{-12.3456789, "-12,345679", "-12,35"},
                    RatingCase{99.99, " 99,990000", " 99,99"}, RatingCase{-99.99, "-99,990000", "-99,99"},
                    RatingCase{-0.2, " -0,200000", " -0,20"},
                    // Hundredths: halves go to the even neighbour.
                    RatingCase{0.005, "  0,005000", "  0,00"}, RatingCase{0.015, "  0,015000", "  0,02"},
                    RatingCase{-3.505, " -3,505000", " -3,50"}, RatingCase{-0.004, " -0,004000", "  0,00"}));

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(-2.5001), -3);
}

TEST(ParseRatingTextTest, AnySeparatorAndRejects) {
  EXPECT_DOUBLE_EQ(ParseRatingText(" 12,345678").value(), 12.345678);
  EXPECT_DOUBLE_EQ(ParseRatingText(" 12.345678").value(), 12.345678);
  EXPECT_DOUBLE_EQ(ParseRatingText(" -0,500000").value(), -0.5);
  EXPECT_DOUBLE_EQ(ParseRatingText("         7").value(), 7.0);
  EXPECT_FALSE(ParseRatingText("##########").has_value());
  EXPECT_FALSE(ParseRatingText("          ").has_value());
  EXPECT_FALSE(ParseRatingText(" 1,2,3    ").has_value());
  EXPECT_FALSE(ParseRatingText("  1-2,0000").has_value());
}

struct ComputeCase {
  std::int32_t kon;
  std::int32_t result;
  double oldRating;
  std::int32_t konBefore;
  const char* stored;
};

class ComputeRatingTest : public testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeRatingTest, AverageOfDealResultsOverFive) {
  const ComputeCase& c = GetParam();
  EXPECT_EQ(RatingText(ComputeRating(c.kon, c.result, c.oldRating, c.konBefore)), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Examples, ComputeRatingTest,
                         testing::Values(ComputeCase{1, 600, 0.0, 0, " 99,990000"},   // 120 is clamped
                                         ComputeCase{1, -600, 0.0, 0, "-99,990000"},  // -120 is clamped
                                         ComputeCase{1, -1, 0.0, 0, " -0,200000"},
                                         ComputeCase{8, 30, 2.5, 4, "  2,000000"},  // (4 x 2.5 + 6) / 8
                                         ComputeCase{3, 1, 0.0, 0, "  0,066667"},   // 0.2 / 3
                                         ComputeCase{41, -20, 1.25, 40, "  1,121951"},
                                         ComputeCase{0, 50, 3.0, 0, "  3,000000"}));  // no deals: the rating stays

}  // namespace
}  // namespace tavlo
