#include <gtest/gtest.h>

#include "ui/layout/text_fit.h"

namespace tavlo {
namespace {

// A fixed-pitch font of 10 pixels a character.
int Width(const std::string& text) {
  int characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80 ? 1 : 0;
  return characters * 10;
}

TEST(NoticeWidthTest, WidestLineDecides) {
  EXPECT_EQ(NoticeClientWidth(200), 400);
  EXPECT_EQ(NoticeClientWidth(290), 400);  // 349
  EXPECT_EQ(NoticeClientWidth(291), 400);  // exactly 350: a + 109
  EXPECT_EQ(NoticeClientWidth(400), 509);
}

TEST(ShortenRowTest, CutsAtTheNameEnd) {
  struct Case {
    const char* name;
    std::string row;
    int limit;
    std::string expected;
  };
  const Case cases[] = {
      {"narrow enough stays", "Ann                   40       12", 400, "Ann                   40       12"},
      {"only blanks cut: no dots", "Ann                   40       12", 300, "Ann               40       12"},
      {"a long name ends in dots", "Alexandra Konstantin  1234567   0,50", 300, "Alexandra ...  1234567   0,50"},
      {"never below position 5", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 50, "A...UVWXYZ"},
      {"characters, not bytes", "\u0410\u043b\u0435\u043a\u0441\u0430\u043d\u0434\u0440\u0430 \u041a\u043e\u043d\u0441\u0442\u0430\u043d\u0442\u0438\u043d 12345", 240,
       "\u0410\u043b\u0435\u043a\u0441\u0430\u043d\u0434\u0440\u0430 \u041a\u043e...\u043d 12345"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = ShortenRow(c.row, c.limit, Width);
    EXPECT_EQ(out, c.expected);
  }
}

}  // namespace
}  // namespace tavlo
