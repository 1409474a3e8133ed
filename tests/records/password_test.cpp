#include "records/password.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct PasswordCase {
  const char* typed;
  const char* digits;
  const char* padded;
};

class PasswordTest : public testing::TestWithParam<PasswordCase> {};

TEST_P(PasswordTest, EncodesAndDecodesThePaddedForm) {
  const PasswordCase& c = GetParam();
  const std::string digits = EncodePassword(c.typed);
  EXPECT_EQ(digits, c.digits);
  EXPECT_EQ(DecodePassword(digits).value(), c.padded);
  EXPECT_EQ(PaddedPassword(c.typed), c.padded);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PasswordTest,
    testing::Values(PasswordCase{"", "266266266266266", "     "},  // blanks are 32 + 234
                    PasswordCase{"abc", "331332333266266", "abc  "}, PasswordCase{"12345", "283284285286287", "12345"},
                    PasswordCase{"toolong", "350345345342345", "toolo"},             // cut to five
                    PasswordCase{"Пароль", "441458474472469", "Парол"},              // code page 1251 bytes
                    PasswordCase{"\xc2\xa0x", "394354266266266", "\xc2\xa0x   "}));  // no-break space 0xA0

TEST(PasswordMatchesTest, ComparesPaddedForms) {
  EXPECT_TRUE(PasswordMatches(EncodePassword(""), ""));
  EXPECT_TRUE(PasswordMatches(EncodePassword(""), "   "));  // trailing blanks are padding
  EXPECT_TRUE(PasswordMatches(EncodePassword("ab"), "ab"));
  EXPECT_FALSE(PasswordMatches(EncodePassword("ab"), "Ab"));
  EXPECT_FALSE(PasswordMatches(EncodePassword("ab"), " ab"));
  EXPECT_TRUE(PasswordMatches(EncodePassword("пароль"), "пароль"));  // both cut to five
  EXPECT_FALSE(PasswordMatches("###############", ""));
}

TEST(DecodePasswordTest, RejectsMalformedFields) {
  EXPECT_FALSE(DecodePassword("26626626626626").has_value());   // 14 digits
  EXPECT_FALSE(DecodePassword("233266266266266").has_value());  // below 234
  EXPECT_FALSE(DecodePassword("490266266266266").has_value());  // above 489
  EXPECT_FALSE(DecodePassword("26626626626626#").has_value());
  EXPECT_FALSE(DecodePassword("###############").has_value());
}

TEST(DecodePasswordTest, EveryByteSurvivesTheRoundTrip) {
  for (int b = 0; b < 256; ++b) {
    const std::string digits = std::to_string(b + 234) + "266266266266";
    const std::optional<std::string> plain = DecodePassword(digits);
    ASSERT_TRUE(plain.has_value()) << b;
    EXPECT_EQ(EncodePassword(*plain), digits) << b;
  }
}

}  // namespace
}  // namespace tavlo
