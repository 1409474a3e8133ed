#include "records/club_list.h"

#include <gtest/gtest.h>

#include "lang/cp1251.h"
#include "records/member_line.h"
#include "records/password.h"

namespace tavlo {
namespace {

// Ten pixels for every character, as a fixed-pitch font would measure.
int FixedPitch(const std::string& utf8) {
  int characters = 0;
  for (const char c : utf8) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return 10 * characters;
}

struct RowCase {
  const char* name;
  std::string line;
  int mode;
  const char* row;
};

class ClubListRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ClubListRowTest, Columns) {
  EXPECT_EQ(Cp1251ToUtf8(ClubListRow(GetParam().line, GetParam().mode)), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClubListRowTest,
    testing::Values(RowCase{"ScoresMidCycle", MakeMemberLine("Ann", 1.234, 57, -12, ""), 1,
                            "Ann                      17       -12"},
                    // Kon 40 is the end of a cycle: no deal of the next one yet.
                    RowCase{"ScoresCycleComplete", MakeMemberLine("Ann", 1.234, 40, 0, ""), 1,
                            "Ann                       0         0"},
                    RowCase{"Ratings", MakeMemberLine("Ольга", -3.505, 57, -12, ""), 2,
                            "Ольга                      57   -3,50"},
                    RowCase{"FreeScores", EmptyMemberLine(), 1, "####################    ###    ######"},
                    RowCase{"FreeRatings", EmptyMemberLine(), 2, "####################  #######  ######"}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

TEST(ClubListRowTest, TopTenRow) {
  EXPECT_EQ(TopTenRow(MakeTopTenLine("Marina", 367)), "Marina                   367");
}

TEST(ShortenClubRowTest, CutsNamesToFitAndMarksLostText) {
  const std::string longName = ClubListRow(MakeMemberLine("Abcdefghijklmnopqrst", 1.0, 57, 0, ""), 2);
  ASSERT_EQ(FixedPitch(longName), 370);
  EXPECT_EQ(ShortenClubRow(longName, 361, FixedPitch), "Abcdefghijklmnop...       57    1,00");

  // Only blanks go: no "...".
  const std::string shortName = ClubListRow(MakeMemberLine("Ann", 1.0, 57, 0, ""), 2);
  EXPECT_EQ(ShortenClubRow(shortName, 340, FixedPitch), "Ann                    57    1,00");

  // A row that fits stays as it is.
  EXPECT_EQ(ShortenClubRow(shortName, 371, FixedPitch), Cp1251ToUtf8(shortName));

  // Never below position 5, however narrow the limit.
  EXPECT_EQ(ShortenClubRow(longName, 10, FixedPitch), "A...       57    1,00");
}

}  // namespace
}  // namespace tavlo
