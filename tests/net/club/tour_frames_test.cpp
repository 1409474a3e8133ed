#include "net/club/tour_frames.h"

#include <gtest/gtest.h>

#include <random>

#include "game/deal_message.h"

namespace tavlo::tour {
namespace {

std::string DealOfOrderedDeck() {
  DeckCards deck;
  OneBased<std::uint8_t, 52> ranks;
  for (int i = 1; i <= 52; ++i) {
    deck[i] = CardFromNumber(i);
    ranks[i] = RankValueOf(deck[i]);
  }
  return DealMessage(deck, ranks);
}

TEST(TourFrameTest, TextsArePaddedToFiftyBytesWithTheSendersPlaceLast) {
  struct Case {
    std::string text;
    int place;
    std::string expected;
  };
  const std::string fortyNine(49, 'x');
  const std::string sixty(60, 'y');
  const Case cases[] = {
      {"bnext", 1, "bnext" + std::string(44, '#') + "1"},
      {"", 3, std::string(49, '#') + "3"},
      {fortyNine, 2, fortyNine + "2"},
      // 50 bytes or more: nothing is padded, the 50th byte still becomes the place.
      {fortyNine + "z", 4, fortyNine + "4"},
      {sixty, 2, std::string(49, 'y') + "2" + std::string(10, 'y')},
  };
  for (const Case& c : cases) EXPECT_EQ(SendTourFrame(c.text, c.place), c.expected) << c.text;
}

TEST(TourFrameTest, ResultFrameHoldsTheResultTwiceAndItsNegationTwice) {
  EXPECT_EQ(ResultFrame(125).substr(0, 29), "o    125    125   -125   -125");
  EXPECT_EQ(ResultFrame(-40).substr(0, 29), "o    -40    -40     40     40");
  // Beyond seven characters the layout would break: held at the bound.
  EXPECT_EQ(ResultFrame(123456789).substr(0, 29), "o 999999 999999-999999-999999");
  const auto parsed = ParsePlayerFrame(ResultFrame(-40));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Is, PlayerFrameData::Result);
  EXPECT_EQ(parsed->PlaceOneResult, -40);
  EXPECT_EQ(parsed->Place, 1);
}

TEST(TourFrameTest, ChatDropsPaddingBytesAndIsCutToTheChatBox) {
  const std::string frame = ChatFrame(2, "a#b\x01 c-0123456789abcdef");
  EXPECT_EQ(frame.substr(0, 16), "sab c-0123456789");
  EXPECT_EQ(frame[16], '#') << "the line ends after 15 characters";
  const auto received = ParseServerFrame(frame);
  ASSERT_TRUE(received);
  EXPECT_EQ(received->Text, "ab c-0123456789");
  EXPECT_EQ(received->Place, 2);
}

TEST(TourFrameTest, EveryPlayerFrameReadsBackAsSent) {
  struct Case {
    std::string frame;
    PlayerFrameData::Kind kind;
    int place;
  };
  const Case cases[] = {
      {ConnectFrame(3), PlayerFrameData::Connect, 3},
      {ChatFrame(4, "hi"), PlayerFrameData::Chat, 4},
      {MoveFrame(2, {lan::FrameKind::Card, 11, 2}), PlayerFrameData::Move, 2},
      {MoveFrame(1, {lan::FrameKind::Gather, 0, 1}), PlayerFrameData::Move, 1},
      {NextDealFrame(), PlayerFrameData::NextDeal, 1},
      {TimeOutFrame(3), PlayerFrameData::TimeOut, 3},
      {LeaveSeatFrame(2), PlayerFrameData::LeaveSeat, 2},
      {ResultFrame(0), PlayerFrameData::Result, 1},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.frame.size(), kTourFrameLength) << c.frame;
    const auto parsed = ParsePlayerFrame(c.frame);
    ASSERT_TRUE(parsed) << c.frame;
    EXPECT_EQ(parsed->Is, c.kind) << c.frame;
    EXPECT_EQ(parsed->Place, c.place) << c.frame;
  }
  const auto card = ParsePlayerFrame(MoveFrame(2, {lan::FrameKind::Card, 11, 2}));
  EXPECT_EQ(card->Moved.Kind, lan::FrameKind::Card);
  EXPECT_EQ(card->Moved.Slot, 11);
}

TEST(TourFrameTest, TheServerRefusesGarbageAndFramesThatLieAboutTheirPlace) {
  const std::string cases[] = {
      "",
      "bnext",                                             // not a whole frame
      SendTourFrame("bnext", 1) + "#",                     // too long
      SendTourFrame("bnext", 5),                           // no such place
      SendTourFrame("connect2", 3),                        // names another place
      SendTourFrame("hhd141", 1),                          // no such slot
      SendTourFrame("hhd051", 1).replace(20, 1, "x"),     // garbage inside the padding
      SendTourFrame("hello", 1),                           // no such frame
      SendTourFrame("o      1      1     -1      2", 1),   // results that do not add up
      SendTourFrame("o      1      1     -1     -x", 1),
      SendTourFrame(std::string("s\x07") + "bell", 2),     // control byte in a chat line
      SendTourFrame("s" + std::string(16, 'a'), 2),        // longer than the chat box
      DealOfOrderedDeck(),                                 // only the server deals
  };
  for (const std::string& frame : cases) EXPECT_FALSE(ParsePlayerFrame(frame)) << frame;
}

TEST(TourFrameTest, ServerFramesReadAsTheProgramExpects) {
  const auto abort = ParseServerFrame(AbortFrame(3));
  ASSERT_TRUE(abort);
  EXPECT_EQ(abort->Is, ServerFrameData::Abort);
  EXPECT_EQ(abort->Place, 3) << "the place of an abort is its 6th byte";
  const auto timeOut = ParseServerFrame(TimeOutFrame(2));
  ASSERT_TRUE(timeOut);
  EXPECT_EQ(timeOut->Is, ServerFrameData::TimeOut);
  EXPECT_EQ(timeOut->Place, 2) << "the place of a time-out is its 50th byte";
  const auto end = ParseServerFrame(EndFrame());
  ASSERT_TRUE(end);
  EXPECT_EQ(end->Is, ServerFrameData::End);
  const auto deal = ParseServerFrame(DealOfOrderedDeck());
  ASSERT_TRUE(deal);
  EXPECT_EQ(deal->Is, ServerFrameData::Deal);
  EXPECT_EQ(deal->Deck[52], CardFromNumber(52));

  std::string badDeal = DealOfOrderedDeck();
  badDeal[3] = badDeal[1];  // the first card twice
  badDeal[4] = badDeal[2];
  EXPECT_FALSE(ParseServerFrame(badDeal));
  EXPECT_FALSE(ParseServerFrame(ServerFrame("abortX")));
  EXPECT_FALSE(ParseServerFrame(ServerFrame("zzz")));
}

// Cuts a received stream as the program's connection does, naming each frame read.
std::vector<std::string> ReadStream(const std::vector<std::string>& arrivals) {
  lan::MessageCutter cutter(ServerStreamLayout, kTourBufferLimit);
  std::vector<std::string> out;
  std::string frame;
  for (const std::string& piece : arrivals) {
    cutter.Append(piece);
    while (cutter.Next(frame) == lan::MessageCutter::Result::Message) {
      const auto data = ParseServerFrame(frame);
      if (!data) {
        out.push_back("dropped");
      } else if (data->Is == ServerFrameData::Move) {
        out.push_back("move " + std::to_string(static_cast<int>(data->Moved.Kind)) + " " +
                      std::to_string(data->Moved.Slot));
      } else {
        out.push_back(std::to_string(static_cast<int>(data->Is)) + " " + std::to_string(data->Place) + " " +
                      data->Text);
      }
    }
  }
  return out;
}

TEST(TourStreamTest, TwoFramesInOneArrivalAreTwoFrames) {
  const std::string two = MoveFrame(1, {lan::FrameKind::Show, 0, 1}) + MoveFrame(3, {lan::FrameKind::Card, 4, 3});
  ASSERT_EQ(two.size(), 100u);
  const std::vector<std::string> expected = {"move 0 0", "move 3 4"};
  EXPECT_EQ(ReadStream({two}), expected);
}

TEST(TourStreamTest, TheDealIsReadWholeAndWhatFollowsItIsKept) {
  // The deal is 209 bytes, not a multiple of 50: a frame arriving behind it in the same
  // piece must still be read from its first byte.
  const std::string arrival = DealOfOrderedDeck() + ChatFrame(2, "gl") + EndFrame();
  const std::vector<std::string> expected = {"1 0 ", "0 2 gl", "3 0 "};
  EXPECT_EQ(ReadStream({arrival}), expected);
}

TEST(TourStreamTest, AnyCuttingOfTheStreamGivesTheSameFrames) {
  const std::string stream = ChatFrame(3, "hello") + DealOfOrderedDeck() + MoveFrame(1, {lan::FrameKind::Show, 0, 1}) +
                             MoveFrame(2, {lan::FrameKind::Card, 13, 2}) + DealOfOrderedDeck() +
                             ServerFrame("garbage") + TimeOutFrame(4) + AbortFrame(2) + EndFrame();
  const std::vector<std::string> whole = ReadStream({stream});
  const std::vector<std::string> expected = {"0 3 hello", "1 0 ",    "move 0 0", "move 3 13", "1 0 ",
                                             "dropped",   "5 4 ",    "4 2 ",     "3 0 "};
  ASSERT_EQ(whole, expected);
  std::vector<std::string> bytes;
  for (const char c : stream) bytes.emplace_back(1, c);
  EXPECT_EQ(ReadStream(bytes), expected) << "one byte per arrival";
  std::mt19937 rng(11);
  for (int run = 0; run < 300; ++run) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < stream.size();) {
      const std::size_t n = std::uniform_int_distribution<std::size_t>(1, 120)(rng);
      pieces.push_back(stream.substr(at, n));
      at += n;
    }
    ASSERT_EQ(ReadStream(pieces), expected) << "run " << run;
  }
}

}  // namespace
}  // namespace tavlo::tour
