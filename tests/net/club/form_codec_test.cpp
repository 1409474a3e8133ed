#include "net/club/form_codec.h"

#include <gtest/gtest.h>

#include "net/club/club_request.h"

namespace tavlo {
namespace {

TEST(FormCodec, ValuesWithSeparatorsAndCyrillicSurviveTheRoundTrip) {
  const std::vector<FormField> fields = {{"nick", "a&b=c"},
                                         {"city", "\xCC\xEE\xF1\xEA\xE2\xE0"},
                                         {"about", "50% + 1"},
                                         {"empty", ""},
                                         {"bytes", std::string("\0\x01\xFF\x98", 4)}};
  const std::string body = EncodeForm(fields);
  EXPECT_EQ(body.find_first_of(" +\x80\xFF"), std::string::npos) << body;
  const auto back = DecodeForm(body);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, fields);
}

TEST(FormCodec, ReadsUnencodedRawBodiesAndRefusesBrokenEscapes) {
  struct Case {
    const char* body;
    std::optional<std::vector<FormField>> fields;
  };
  const Case cases[] = {
      {"nick=Ann&pw=1234&R8=5.7f", std::vector<FormField>{{"nick", "Ann"}, {"pw", "1234"}, {"R8", "5.7f"}}},
      {"label1=0", std::vector<FormField>{{"label1", "0"}}},
      {"a=1&&b&c=x+y", std::vector<FormField>{{"a", "1"}, {"b", ""}, {"c", "x y"}}},
      {"R10=hi*", std::vector<FormField>{{"R10", "hi*"}}},
      {"a=%4", std::nullopt},
      {"a=%zz", std::nullopt},
      {"%=1", std::nullopt},
      {"", std::vector<FormField>{}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeForm(c.body), c.fields) << c.body;
}

TEST(FormCodec, RequestBodiesAreWindows1251) {
  const ClubRequest request{BodyStyle::Raw, {{"city", "Москва"}, {"R8", "5.7f"}}};
  EXPECT_EQ(request.Body(), "city=%CC%EE%F1%EA%E2%E0&R8=5.7f");
}

}  // namespace
}  // namespace tavlo
