#include "net/club/account_text.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct JudgeCase {
  const char* text;  // Windows-1251 bytes
  AccountTextKind kind;
  int judged;
};

TEST(AccountText, JudgesByKind) {
  using K = AccountTextKind;
  const JudgeCase cases[] = {
      {"", K::Nick, 1},
      {"A", K::Nick, 1},
      {"Ab", K::Nick, 3},
      {"Ab\xE4", K::Nick, 1},  // Cyrillic is refused in a nick
      {"A b", K::Nick, 1},
      {"abcdefghijkl", K::Nick, 3},
      {"abcdefghijklm", K::Nick, 1},
      {"\xCC\xEE\xF1\xEA\xE2\xE0", K::City, 2},
      {"abcdefghijklmno", K::City, 3},
      {"abcdefghijklmnop", K::City, 1},
      {"abc", K::Password, 1},
      {"abcd", K::Password, 3},
      {"a@b", K::EMail, 3},
      {"@ab", K::EMail, 1},
      {"ab@", K::EMail, 1},
      {"ab", K::EMail, 1},
      {"$", K::Character, 1},
      {"\xE4", K::Character, 2},
      {"x", K::Character, 3},
  };
  for (const JudgeCase& c : cases) {
    EXPECT_EQ(JudgeAccountText(c.text, c.kind), c.judged) << c.text << " kind " << static_cast<int>(c.kind);
  }
}

TEST(AccountText, PassportAllowsCyrillicInTheNick) {
  EXPECT_EQ(JudgeWorldText("\xC0\xED\xFF", 12), 2);
  EXPECT_EQ(JudgeWorldText("Ab", 12), 3);
  EXPECT_EQ(JudgeWorldText("A", 12), 1);
  EXPECT_EQ(JudgeWorldText("a b", 12), 1);
  EXPECT_EQ(JudgeWorldText(std::string(16, 'c'), 15), 1);
}

}  // namespace
}  // namespace tavlo
