#include "net/lan/message_cutter.h"

#include <gtest/gtest.h>

#include <random>

#include "game/deal_message.h"
#include "net/lan/lan_messages.h"

namespace tavlo::lan {
namespace {

DeckCards OrderedDeck(OneBased<std::uint8_t, 52>& ranks) {
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) {
    deck[i] = CardFromNumber(i);
    ranks[i] = RankValueOf(deck[i]);
  }
  return deck;
}

// Every message of a game, in both directions, one after another.
std::vector<std::string> AllMessages() {
  LanNames names;
  names.fill("PC  ");
  names[1] = "Anna";
  OneBased<std::uint8_t, 52> ranks;
  const DeckCards deck = OrderedDeck(ranks);
  return {JoinRequest("Bo"),        SeatReply(2, names), SeatNews(3, names), SeatNews(4, names),
          DealMessage(deck, ranks), ShowFrame(1),        CardFrame(5, 2),    GatherFrame(1),
          ChatMessage(2, "hhd052"), ChatMessage(1, "b"), CloseSheetFrame(1), ChatMessage(3, ""),
          std::string(kAbort)};
}

std::vector<std::string> CutAll(const std::vector<std::string>& pieces) {
  MessageCutter cutter(LanLayout, kLanBufferLimit);
  std::vector<std::string> out;
  std::string message;
  for (const std::string& piece : pieces) {
    cutter.Append(piece);
    for (;;) {
      const MessageCutter::Result r = cutter.Next(message);
      if (r == MessageCutter::Result::Broken) {
        out.push_back("<broken>");
        return out;
      }
      if (r == MessageCutter::Result::NeedMore) break;
      out.push_back(message);
    }
  }
  return out;
}

TEST(MessageCutterTest, AnySplitOrMergeOfTheStreamGivesTheSameMessages) {
  const std::vector<std::string> messages = AllMessages();
  std::string stream;
  for (const std::string& m : messages) stream += m;

  EXPECT_EQ(CutAll({stream}), messages) << "all merged";
  EXPECT_EQ(CutAll(messages), messages) << "one message per arrival";
  std::vector<std::string> bytes;
  for (const char c : stream) bytes.emplace_back(1, c);
  EXPECT_EQ(CutAll(bytes), messages) << "one byte per arrival";
  // Two pieces at every boundary, then random cuts.
  for (std::size_t at = 1; at < stream.size(); ++at) {
    ASSERT_EQ(CutAll({stream.substr(0, at), stream.substr(at)}), messages) << "split at " << at;
  }
  std::mt19937 rng(7);
  for (int run = 0; run < 200; ++run) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < stream.size();) {
      const std::size_t n = std::uniform_int_distribution<std::size_t>(1, 40)(rng);
      pieces.push_back(stream.substr(at, n));
      at += n;
    }
    ASSERT_EQ(CutAll(pieces), messages) << "run " << run;
  }
}

TEST(MessageCutterTest, UnreadableHeadsBreakTheStream) {
  struct Case {
    const char* what;
    std::string stream;
    std::vector<std::string> expected;
  } cases[] = {
      {"unknown first byte", "xhshow1", {"<broken>"}},
      {"a frame, then garbage", "hshow1?", {"hshow1", "<broken>"}},
      {"not a join", "zap5925connect1Anna", {"<broken>"}},
      {"not a seat message", "connectX+", {"<broken>"}},
      {"seat message without its plus", "connect2-3AnnaBo  Cy  PC  ", {"<broken>"}},
      {"not an abort", "abxrt", {"<broken>"}},
      {"an abort, then garbage", "abortion", {"abort", "<broken>"}},
      {"a chat line that never ends", "s1" + std::string(kMaxChatText + 1, 'x'), {"<broken>"}},
      // Arriving in one piece, a too long line must break the stream just as it does when split.
      {"a too long chat line, whole", "s1" + std::string(kMaxChatText + 1, 'x') + "\n", {"<broken>"}},
      {"the longest chat line", "s1" + std::string(kMaxChatText, 'x') + "\n", {"s1" + std::string(kMaxChatText, 'x') + "\n"}},
  };
  for (const Case& c : cases) EXPECT_EQ(CutAll({c.stream}), c.expected) << c.what;
  // A head that is still too short to judge waits.
  EXPECT_TRUE(CutAll({"conn"}).empty());
  EXPECT_TRUE(CutAll({"s1" + std::string(kMaxChatText, 'x')}).empty());
}

TEST(MessageCutterTest, ABrokenStreamStaysBroken) {
  MessageCutter cutter(LanLayout, kLanBufferLimit);
  std::string message;
  cutter.Append("?");
  EXPECT_EQ(cutter.Next(message), MessageCutter::Result::Broken);
  cutter.Append("hshow1");
  EXPECT_EQ(cutter.Next(message), MessageCutter::Result::Broken);
}

TEST(MessageCutterTest, TheLimitBoundsBytesWaitingForOneMessage) {
  // A layout that never finds the end of its message.
  MessageCutter cutter([](std::string_view) { return Measure{}; }, 16);
  std::string message;
  cutter.Append(std::string(16, 'q'));
  EXPECT_EQ(cutter.Next(message), MessageCutter::Result::NeedMore);
  cutter.Append("q");
  EXPECT_EQ(cutter.Next(message), MessageCutter::Result::Broken);
}

}  // namespace
}  // namespace tavlo::lan
