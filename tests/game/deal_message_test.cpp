#include <gtest/gtest.h>

#include "game/deal_message.h"

namespace tavlo {
namespace {

DeckCards OrderedDeck() {
  DeckCards deck;
  for (int i = 1; i <= 52; ++i) deck[i] = CardFromNumber(i);
  return deck;
}

OneBased<std::uint8_t, 52> RanksOf(const DeckCards& deck) {
  OneBased<std::uint8_t, 52> ranks;
  for (int i = 1; i <= 52; ++i) ranks[i] = RankValueOf(deck[i]);
  return ranks;
}

TEST(DealMessageTest, RoundTripsAndHasTheWireLayout) {
  const DeckCards deck = OrderedDeck();
  const std::string message = DealMessage(deck, RanksOf(deck));
  ASSERT_EQ(message.size(), 209u);
  EXPECT_EQ(message.substr(0, 5), std::string("b2\xF7" "2\xE1"));
  EXPECT_EQ(message.substr(105, 4), "0101");  // two digits, leading zero
  EXPECT_EQ(message.substr(205, 4), "1313");

  DeckCards back;
  OneBased<std::uint8_t, 52> ranks;
  ASSERT_TRUE(ParseDealMessage(message, back, ranks));
  EXPECT_EQ(back, deck);
  EXPECT_EQ(ranks, RanksOf(deck));
}

TEST(DealMessageTest, RejectsDamagedMessagesWithoutWriting) {
  const DeckCards deck = OrderedDeck();
  const std::string good = DealMessage(deck, RanksOf(deck));
  std::string duplicate = good;
  duplicate[3] = duplicate[1];
  duplicate[4] = duplicate[2];
  std::string wrongRank = good;
  wrongRank[106] = '2';
  std::string notDigit = good;
  notDigit[107] = 'x';
  std::string badSuit = good;
  badSuit[2] = 'h';
  const std::string cases[] = {"", good.substr(0, 208), good + "0", "c" + good.substr(1), duplicate,
                               wrongRank, notDigit, badSuit};
  for (const std::string& message : cases) {
    DeckCards out;
    out.fill(kNoCard);
    OneBased<std::uint8_t, 52> ranks;
    ranks.fill(0);
    EXPECT_FALSE(ParseDealMessage(message, out, ranks));
    EXPECT_TRUE(out[1].IsEmpty());
  }
}

TEST(DealMessageTest, MoveMessages) {
  EXPECT_EQ(MoveMessage(7, 1), "hhd071");
  EXPECT_EQ(MoveMessage(12, 3), "hhd123");
}

}  // namespace
}  // namespace tavlo
