#include <gtest/gtest.h>

#include "ui/layout/table_layout.h"

namespace tavlo {
namespace {

TEST(LayOutHandTest, CentredWhenTheyFitOverlappingOtherwise) {
  struct Case {
    const char* name;
    int width, cardWidth, n;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"13 cards in West's 230 pixels overlap by step 13", 230, 71, 13,
       {0, 13, 26, 39, 52, 65, 78, 91, 104, 117, 130, 143, 156}},
      {"3 cards in North's 330 pixels are centred", 330, 71, 3, {54, 128, 202}},
      {"one card is centred", 230, 71, 1, {78}},
      {"no cards", 230, 71, 0, {}},
      {"large cards, 13 in 660", 660, 146, 13, {0, 42, 84, 126, 168, 210, 252, 294, 336, 378, 420, 462, 504}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LayOutHand(c.width, c.cardWidth, c.n), c.expected);
  }
  // The last of 13 overlapping cards ends 3 pixels inside West's hand.
  EXPECT_EQ(LayOutHand(230, 71, 13).back() + 71, 227);
}

TEST(HitTestHandTest, VisibleStripsAndTheWholeLastCard) {
  const std::vector<int> left = LayOutHand(230, 71, 13);  // steps of 13
  struct Case {
    int x, slot;
  };
  for (const Case& c : {Case{0, 1}, Case{12, 1}, Case{13, 2}, Case{155, 12}, Case{156, 13}, Case{226, 13},
                        Case{227, 0}, Case{-1, 0}}) {
    EXPECT_EQ(HitTestHand(left, 71, c.x), c.slot) << c.x;
  }
  const std::vector<int> centred = LayOutHand(330, 71, 3);  // 54, 128, 202
  for (const Case& c : {Case{53, 0}, Case{54, 1}, Case{127, 1}, Case{128, 2}, Case{272, 3}, Case{273, 0}}) {
    EXPECT_EQ(HitTestHand(centred, 71, c.x), c.slot) << c.x;
  }
  EXPECT_EQ(HitTestHand({}, 71, 10), 0);
}

}  // namespace
}  // namespace tavlo
