#include "net/lan/lan_messages.h"

#include <gtest/gtest.h>

namespace tavlo::lan {
namespace {

LanNames Names(const char* a, const char* b, const char* c, const char* d) {
  LanNames names;
  names[1] = a;
  names[2] = b;
  names[3] = c;
  names[4] = d;
  return names;
}

TEST(LanMessagesTest, EveryMessageHasTheBytesAndLengthOfItsLayout) {
  const LanNames names = Names("Anna", "Bo  ", "PC  ", "PC  ");
  struct Case {
    const char* what;
    std::string built;
    std::string bytes;
  } cases[] = {
      {"join", JoinRequest("Bo"), "zan5925connect1Bo  "},
      {"join cuts the name", JoinRequest("Boris"), "zan5925connect1Bori"},
      {"seat reply", SeatReply(2, names), "connect2+2AnnaBo  PC  PC  "},
      {"seat news of seat 3", SeatNews(3, names), "connect3+AnnaBo  PC  PC  "},
      {"seat news of seat 4", SeatNews(4, names), "connect4+AnnaBo  PC  PC  "},
      {"start", ShowFrame(1), "hshow1"},
      {"gather", GatherFrame(1), "hslit1"},
      {"close sheet", CloseSheetFrame(1), "hclos1"},
      {"card below ten", CardFrame(5, 2), "hhd052"},
      {"card thirteen", CardFrame(13, 4), "hhd134"},
      {"chat", ChatMessage(3, "hi"), "s3hi\n"},
      {"chat drops control characters", ChatMessage(1, "a\nb\rc\td"), "s1abcd\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.built, c.bytes) << c.what;
  EXPECT_EQ(JoinRequest("x").size(), kJoinLength);
  EXPECT_EQ(SeatReply(3, names).size(), kSeatReplyLength);
  EXPECT_EQ(SeatNews(4, names).size(), kSeatNewsLength);
  EXPECT_EQ(ChatMessage(2, std::string(200, 'x')).size(), 2 + kMaxChatText + 1);
}

TEST(LanMessagesTest, JoinRequestsOfOtherGamesOrProtocolsAreNotJoins) {
  EXPECT_EQ(ParseJoinRequest("zan5925connect1Anna"), std::optional<std::string>("Anna"));
  for (const char* text : {"zan5825connect1Anna", "zan5926connect1Anna", "zan5925connect2Anna", "zan5925connect1Ann",
                           "zan5925connect1Annaa", "zap5925connect1Anna", "zan5x25connect1Anna"}) {
    EXPECT_FALSE(ParseJoinRequest(text)) << text;
  }
}

TEST(LanMessagesTest, SeatRepliesAndNewsGiveTheSeatAndTheFourNames) {
  const auto reply = ParseSeatReply("connect2+3AnnaBo  Cy  PC  ");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->Seat, 3);
  EXPECT_EQ(reply->Names, Names("Anna", "Bo  ", "Cy  ", "PC  "));
  // Any digit but 3 and 4 leaves the client at seat 2.
  EXPECT_EQ(ParseSeatReply("connect2+7AnnaBo  Cy  PC  ")->Seat, 2);
  EXPECT_FALSE(ParseSeatReply("connect2+3AnnaBo  Cy  PC "));
  EXPECT_FALSE(ParseSeatReply("connect3+AnnaBo  Cy  PC  "));

  const auto news = ParseSeatNews("connect4+AnnaBo  Cy  Dan ");
  ASSERT_TRUE(news);
  EXPECT_EQ(news->Seat, 4);
  EXPECT_EQ(news->Names[4], "Dan ");
  EXPECT_FALSE(ParseSeatNews("connect2+AnnaBo  Cy  Dan "));
  EXPECT_FALSE(ParseSeatNews("connect4-AnnaBo  Cy  Dan "));
}

TEST(LanMessagesTest, FramesNameTheirKindSlotAndSender) {
  struct Case {
    const char* text;
    bool valid;
    FrameKind kind;
    int slot;
    int sender;
  } cases[] = {
      {"hshow1", true, FrameKind::Show, 0, 1},       {"hslit1", true, FrameKind::Gather, 0, 1},
      {"hclos1", true, FrameKind::CloseSheet, 0, 1}, {"hhd052", true, FrameKind::Card, 5, 2},
      {"hhd134", true, FrameKind::Card, 13, 4},      {"hhd003", false, FrameKind::Card, 0, 0},
      {"hhd143", false, FrameKind::Card, 0, 0},      {"hhd0x3", false, FrameKind::Card, 0, 0},
      {"hhd055", false, FrameKind::Card, 0, 0},      {"hshow0", false, FrameKind::Show, 0, 0},
      {"hjump1", false, FrameKind::Show, 0, 0},      {"hshow", false, FrameKind::Show, 0, 0},
      {"hshow12", false, FrameKind::Show, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<Frame> f = ParseFrame(c.text);
    ASSERT_EQ(f.has_value(), c.valid) << c.text;
    if (!f) continue;
    EXPECT_EQ(f->Kind, c.kind) << c.text;
    EXPECT_EQ(f->Slot, c.slot) << c.text;
    EXPECT_EQ(f->Sender, c.sender) << c.text;
  }
}

TEST(LanMessagesTest, ChatLinesKeepTheirTextWhateverItLooksLike) {
  for (const std::string text : {"hhd052", "b", "abort", "connect2+", "\xCF\xF0\xE8\xE2\xE5\xF2"}) {
    const std::optional<ChatLine> line = ParseChat(ChatMessage(2, text));
    ASSERT_TRUE(line) << text;
    EXPECT_EQ(line->Sender, 2);
    EXPECT_EQ(line->Text, text);
  }
  EXPECT_FALSE(ParseChat("s2hello"));  // no end
  EXPECT_FALSE(ParseChat("s9hello\n"));
}

TEST(LanMessagesTest, ChatColoursFollowTheSeat) {
  EXPECT_EQ(ChatColour(1), 0x800000u);  // maroon
  EXPECT_EQ(ChatColour(2), 0x000080u);  // navy
  EXPECT_EQ(ChatColour(3), 0x008000u);  // green
  EXPECT_EQ(ChatColour(4), 0x808000u);  // olive
}

}  // namespace
}  // namespace tavlo::lan
