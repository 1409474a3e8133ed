#include <gtest/gtest.h>

#include "records/member_line.h"
#include "records/password.h"
#include "ui/menu/club_list.h"

namespace tavlo {
namespace {

TEST(ClubListTest, RowsInBothModes) {
  const std::string digits = EncodePassword("abc");
  struct Case {
    const char* name;
    std::string line;
    int mode;
    std::string row;
  };
  const Case cases[] = {
      {"cycle deals and score", MakeMemberLine("Anna", 0.5, 57, -12, digits), 1,
       "Anna                     17       -12"},
      {"a full cycle shows 0 deals", MakeMemberLine("Boris", 1.25, 40, 0, digits), 1,
       "Boris                     0         0"},
      {"all deals and the rating", MakeMemberLine("Anna", 0.5, 57, -12, digits), 2,
       "Anna                       57    0,50"},
      {"negative rating", MakeMemberLine("Vera", -3.5, 1234, 8, digits), 2,
       "Vera                     1234   -3,50"},
      {"a free place", EmptyMemberLine(), 1, "####################    ###    ######"},
      {"a free place, ratings", EmptyMemberLine(), 2, "####################  #######  ######"},
      {"a Cyrillic name", MakeMemberLine("\u0418\u0432\u0430\u043d", 0, 3, 5, digits), 1,
       "\u0418\u0432\u0430\u043d                      3         5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ClubListRow(c.line, c.mode), c.row);
  }
  EXPECT_TRUE(IsEmptyClubRow(EmptyMemberLine()));
  EXPECT_TRUE(IsEmptyClubRow(""));
  EXPECT_FALSE(IsEmptyClubRow(MakeMemberLine("Anna", 0, 1, 0, digits)));
}

}  // namespace
}  // namespace tavlo
