#include "literal_search.h"

#include "ai/knowledge.h"
#include "game/scoring.h"

namespace tavlo::literal {
namespace {

constexpr char kSuits[4] = {kHearts, kDiamonds, kClubs, kSpades};

bool HasTrumpSuit(char trump) { return trump == kHearts || trump == kDiamonds || trump == kClubs || trump == kSpades; }

void AppendCard(CardList52& list, TCardCode card) {
  for (int i = 1; i <= 52; ++i) {
    if (list[i].IsEmpty()) {
      list[i] = card;
      return;
    }
  }
}

int FirstSlotOfSuit(const SearchHand& hand, char suit) {
  for (int i = 1; i <= 13; ++i) {
    if (!hand.Cards[i].IsEmpty() && hand.Cards[i].suit == suit) return i;
  }
  return 0;
}

std::int64_t Key(const SearchHand& hand) {
  std::int64_t key = 0;
  std::int64_t power = 1;
  for (int c = 1; c <= 13; ++c) {
    if (hand.Cards[c].IsEmpty()) {
      key += (c - 1) * power;
      power *= 13;
    }
  }
  return key;
}

int PrevLabel(int label, int steps) {
  for (int i = 0; i < steps; ++i) label = label == 1 ? 4 : label - 1;
  return label;
}

}  // namespace

SlotSet EquivalentCards(const SearchHand& mover, const SearchHand& h2, const SearchHand& h3, const SearchHand& h4,
                        const TrickCards& trick, int koronkiMode) {
  if (koronkiMode != 0) return 0;
  SlotSet marked = 0;
  int p = 0;
  for (int i = 1; i <= 13; ++i) {
    if (mover.Cards[i].IsEmpty()) continue;
    if (p != 0 && mover.Cards[i].suit == mover.Cards[p].suit) {
      const char suit = mover.Cards[i].suit;
      bool adjacent = i == p + 1 && mover.Ranks[i] == mover.Ranks[p] + 1;
      bool outstandingBetween = false;
      for (int r = mover.Ranks[p] + 1; r < mover.Ranks[i]; ++r) {
        const TCardCode card = MakeCard(r, suit);
        if (HasCard(h2.Cards, card) || HasCard(h3.Cards, card) || HasCard(h4.Cards, card) ||
            HasCard(trick.Cards, card)) {
          outstandingBetween = true;
        }
      }
      if (adjacent || !outstandingBetween) marked = static_cast<SlotSet>(marked | (1 << i));
    }
    p = i;
  }
  return marked;
}

std::int32_t EstimateDeal(const OneBased<SearchHand, 4>& hands, char trump, int moverTricks, int otherTricks,
                          const CardList52& moverWon, const CardList52& otherWon, const RuleOptions& options) {
  OneBased<SearchHand, 4> h = hands;
  CardList52 w1 = moverWon;
  CardList52 w2 = otherWon;
  int c = moverTricks;
  int b = otherTricks;
  const char playOut[4] = {kSpades, kClubs, kDiamonds, kHearts};
  for (const char suit : playOut) {
    for (;;) {
      bool canPlay;
      if (suit == trump) {
        canPlay = HasSuit(h[1], suit) || HasSuit(h[2], suit) || HasSuit(h[3], suit) || HasSuit(h[4], suit);
      } else {
        canPlay = HasSuit(h[1], suit) && HasSuit(h[2], suit) && HasSuit(h[3], suit) && HasSuit(h[4], suit);
      }
      if (!canPlay) break;
      int high[5];
      int low[5];
      for (int k = 1; k <= 4; ++k) {
        high[k] = HighestRank(h[k], suit);
        low[k] = LowestRank(h[k], suit);
      }
      int winner = 0;
      for (int k = 1; k <= 4; ++k) {
        bool above = true;
        for (int j = 1; j <= 4; ++j) {
          if (j != k && !(high[k] > high[j])) above = false;
        }
        if (above) winner = k;
      }
      for (int k = 1; k <= 4; ++k) {
        if (!HasSuit(h[k], suit)) continue;
        const TCardCode card = MakeCard(k == winner ? high[k] : low[k], suit);
        const int slot = CardIndex(card, h[k]);
        h[k].Cards[slot] = kNoCard;
        h[k].Ranks[slot] = kNoRank;
        AppendCard(winner == 1 || winner == 3 ? w1 : w2, card);
      }
      if (winner == 1 || winner == 3) {
        ++c;
      } else {
        ++b;
      }
    }
  }
  if (c + b < 13) {
    const int f = 13 - c - b;
    if (f % 2 == 0) {
      c += f / 2;
      b += f / 2;
    } else {
      c += (f - 1) / 2 + 1;
      b += (f - 1) / 2;
    }
  }
  if (options.IgnoreFirstSix) {
    if (c >= 3) {
      c -= 3;
      b -= 3;
    } else if (c == 2) {
      c -= 2;
      b -= 4;
    } else if (c == 1) {
      c -= 1;
      b -= 5;
    } else {
      b -= 6;
    }
  }
  const DealScore score = ScoreDeal(w1, w2, c, b, trump, options);
  return score.Sides[1].All() - score.Sides[2].All();
}

void LiteralSearcher::ResetCache() {
  for (int n = 3; n <= 12; ++n) {
    tables_[n].assign(1, Record{});
    counter_[n] = 0;
  }
}

SearchScores LiteralSearcher::SearchPosition(const SearchRoot& root) {
  trump_ = root.Trump;
  t_ = root.TrickNo;
  rules_ = root.RuleSwitch;
  cacheOn_ = root.CacheSwitch;
  depthLimit_ = root.DepthLimit;
  Node node{root.Hands, root.MoverWon, root.OtherWon, root.Label, root.Position,
            1,          root.Tricks1,  root.Tricks2,  root.Trick};
  SearchScores out;
  const Values v = Search(node, &out.Scores);
  out.VzGlav = v.VzGlav;
  out.VzHelp = v.VzHelp;
  return out;
}

LiteralSearcher::Values LiteralSearcher::Search(const Node& node, OneBased<std::int32_t, 13>* out) {
  const SearchHand& hand1 = node.hands[1];
  const SearchHand& hand2 = node.hands[2];
  const SearchHand& hand3 = node.hands[3];
  const SearchHand& hand4 = node.hands[4];
  const bool oddLabel = node.label % 2 == 1;
  const int p = node.p;
  const int d = node.d;
  const bool trumpSuit = HasTrumpSuit(trump_);
  const int moverTricks = oddLabel ? node.tricks1 : node.tricks2;
  const int otherTricks = oddLabel ? node.tricks2 : node.tricks1;

  // 1. Leaf.
  if (d >= depthLimit_ && p == 1) {
    const std::int32_t e =
        literal::EstimateDeal(node.hands, trump_, moverTricks, otherTricks, node.won1, node.won2, options_);
    return oddLabel ? Values{e, -e} : Values{-e, e};
  }

  // 2.
  std::int32_t glav[14];
  std::int32_t help[14];
  for (int i = 1; i <= 13; ++i) glav[i] = help[i] = 100000;
  const SlotSet eq = literal::EquivalentCards(hand1, hand2, hand3, hand4, node.trick, options_.KoronkiMode);
  bool allowed[14];
  for (int i = 1; i <= 13; ++i) allowed[i] = true;
  const auto allowOnly = [&](int slot) {
    for (int i = 1; i <= 13; ++i) allowed[i] = i == slot;
  };
  const auto isEq = [&](int i) { return ((eq >> i) & 1) != 0; };

  const char led = node.trick.Cards[1].suit;
  const bool holdsLed = p >= 2 && HasSuit(hand1, led);

  // 3. Following rules.
  if (rules_ && p >= 2) {
    const int top = TrickHighRank(node.trick);
    const int topTrump = trumpSuit ? TrickHighTrump(node.trick, trump_) : 0;
    const int myTop = HighestRank(hand1, led);
    const int myTopTrump = trumpSuit ? HighestRank(hand1, trump_) : 0;
    const int lowestLed = FirstSlotOfSuit(hand1, led);
    const int lowestTrump = trumpSuit ? FirstSlotOfSuit(hand1, trump_) : 0;
    if (HasSuit(hand1, led)) {
      if (myTop < top || (led != trump_ && topTrump > 0)) {
        allowOnly(lowestLed);
      } else if (d != 1) {
        if ((p == 3 && myTop < LowestRank(hand2, led)) || (p == 2 && myTop < LowestRank(hand2, led)) ||
            (p == 2 && myTop < LowestRank(hand3, led))) {
          allowOnly(lowestLed);
        } else {
          bool firstBelow = true;
          for (int i = 1; i <= 13; ++i) {
            if (hand1.Cards[i].IsEmpty() || hand1.Cards[i].suit != led || hand1.Ranks[i] >= top) continue;
            if (!firstBelow) allowed[i] = false;
            firstBelow = false;
          }
        }
        if (p == 3 && node.trick.Ranks[1] == top && HighestRank(hand2, led) < top && HasSuit(hand2, led)) {
          allowOnly(lowestLed);
        }
        if (p == 4 && node.trick.Cards[2].suit == led && node.trick.Ranks[2] == top) allowOnly(lowestLed);
      }
    } else {
      for (const char suit : kSuits) {
        if (suit == trump_) continue;
        const int first = FirstSlotOfSuit(hand1, suit);
        for (int i = 1; i <= 13; ++i) {
          if (!hand1.Cards[i].IsEmpty() && hand1.Cards[i].suit == suit && i != first) allowed[i] = false;
        }
      }
      const int cards = CountCards(hand1);
      const int trumps = trumpSuit ? SuitCount(hand1, trump_) : 0;
      const bool allTrumps = trumpSuit && trumps == cards;
      if (topTrump > 0 && myTopTrump < topTrump) {
        // Slot 1 may already be empty inside the search: the first card left stands for it.
        if (allTrumps) {
          int first = 1;
          while (hand1.Cards[first].IsEmpty()) ++first;
          allowOnly(first);
        }
        if (trumps < cards) {
          for (int i = 1; i <= 13; ++i) {
            if (!hand1.Cards[i].IsEmpty() && hand1.Cards[i].suit == trump_) allowed[i] = false;
          }
        }
      } else {
        if (d != 1 && p == 2 && led != trump_ && HasSuit(hand2, led) && HasSuit(hand3, led) && trumps > 0) {
          allowOnly(lowestTrump);
        } else if (d != 1 && p == 3 && led != trump_ && node.trick.Cards[2].suit != trump_ && HasSuit(hand2, led) &&
                   trumps > 0) {
          allowOnly(lowestTrump);
        }
        if (p == 4) {
          bool partnerWins;
          if (topTrump == 0) {
            partnerWins = node.trick.Cards[2].suit == led && node.trick.Ranks[2] == top;
          } else {
            partnerWins = node.trick.Cards[2].suit == trump_ && node.trick.Ranks[2] == topTrump;
          }
          if (partnerWins && !allTrumps) {
            for (int i = 1; i <= 13; ++i) {
              if (!hand1.Cards[i].IsEmpty() && hand1.Cards[i].suit == trump_) allowed[i] = false;
            }
          } else if (myTopTrump > topTrump && trumps > 0 && trumpSuit) {
            for (int i = 1; i <= 13; ++i) {
              if (!hand1.Cards[i].IsEmpty() && hand1.Cards[i].suit == trump_ && hand1.Ranks[i] > topTrump) {
                allowOnly(i);
                break;
              }
            }
          }
        }
      }
    }
  }

  // 4. Leading rules.
  if (rules_ && p == 1 && d != 1) {
    bool control = !trumpSuit;
    if (trumpSuit) {
      control = SuitCount(hand2, trump_) <= SuitCount(hand1, trump_) &&
                SuitCount(hand3, trump_) <= SuitCount(hand1, trump_) &&
                SuitCount(hand4, trump_) <= SuitCount(hand1, trump_);
    }
    if (control) {
      bool holds = true;
      for (const char suit : kSuits) {
        for (int h = 2; h <= 4; ++h) {
          const int k = std::min(SuitCount(hand1, suit), SuitCount(node.hands[h], suit));
          if (k > 0 && !(KthHighestRank(hand1, suit, k) >= HighestRank(node.hands[h], suit))) holds = false;
        }
      }
      if (holds) {
        CardList52 mine = node.won1;
        for (int h = 1; h <= 4; ++h) {
          for (int i = 1; i <= 13; ++i) {
            if (!node.hands[h].Cards[i].IsEmpty()) AppendCard(mine, node.hands[h].Cards[i]);
          }
        }
        const DealScore s = ScoreDeal(mine, node.won2, moverTricks + CountCards(hand1), otherTricks, trump_, options_);
        const std::int32_t diff = s.Sides[1].All() - s.Sides[2].All();
        return oddLabel ? Values{diff, -diff} : Values{-diff, diff};
      }
    }
    for (int i = 1; i <= 13; ++i) allowed[i] = false;
    for (const char suit : kSuits) {
      if (!HasSuit(hand1, suit)) continue;
      allowed[CardIndex(MakeCard(LowestRank(hand1, suit), suit), hand1)] = true;
      for (int r = 13; r >= 1; --r) {
        const int slot = CardIndex(MakeCard(r, suit), hand1);
        if (slot != 0 && !isEq(slot)) {
          allowed[slot] = true;
          break;
        }
      }
    }
  }

  const auto legal = [&](int i) {
    return !hand1.Cards[i].IsEmpty() && (p == 1 || !holdsLed || hand1.Cards[i].suit == led);
  };

  // 5. Root shortcut.
  if (d == 1) {
    int count = 0;
    int only = 0;
    for (int i = 1; i <= 13; ++i) {
      if (legal(i) && !isEq(i)) {
        ++count;
        only = i;
      }
    }
    if (count == 1) {
      for (int i = 1; i <= 13; ++i) (*out)[i] = 100000;
      (*out)[only] = 50000;
      return Values{100000, 100000};
    }
  }

  // 6. Cache lookup.
  const int n = CountCards(hand1);
  const bool useCache = cacheOn_ && p == 1 && d != 1 && n >= 3 && n <= 12;
  Record key{Key(hand1), Key(hand2), Key(hand3), Key(hand4), static_cast<std::uint8_t>(node.label), 0, 0};
  if (useCache) {
    for (int r = 1; r <= counter_[n]; ++r) {
      const Record& rec = tables_[n][static_cast<std::size_t>(r)];
      if (rec.St1 == key.St1 && rec.St2 == key.St2 && rec.St3 == key.St3 && rec.St4 == key.St4 && rec.St5 == key.St5) {
        return Values{rec.VzGlav, rec.VzHelp};
      }
    }
  }

  // 7. Children.
  bool searched[14] = {};
  for (int i = 1; i <= 13; ++i) {
    if (!legal(i) || isEq(i) || !allowed[i]) continue;
    searched[i] = true;
    Node child = node;
    child.trick.Cards[p] = hand1.Cards[i];
    child.trick.Ranks[p] = hand1.Ranks[i];
    child.hands[1].Cards[i] = kNoCard;
    child.hands[1].Ranks[i] = kNoRank;
    if (p < 4) {
      Node next = child;
      next.hands[1] = child.hands[2];
      next.hands[2] = child.hands[3];
      next.hands[3] = child.hands[4];
      next.hands[4] = child.hands[1];
      next.won1 = child.won2;
      next.won2 = child.won1;
      next.label = PrevLabel(node.label, 1);
      next.p = p + 1;
      next.d = d + 1;
      const Values v = Search(next, nullptr);
      glav[i] = v.VzGlav;
      help[i] = v.VzHelp;
    } else {
      const int w = TrickWinnerPos(child.trick, trump_);
      const bool moverSideWins = w == 2 || w == 4;
      CardList52& list = moverSideWins ? child.won1 : child.won2;
      for (int k = 1; k <= 4; ++k) AppendCard(list, child.trick.Cards[k]);
      if (!options_.IgnoreFirstSix || t_ > 6) {
        const bool side1Wins = moverSideWins == oddLabel;
        (side1Wins ? child.tricks1 : child.tricks2) += 1;
      }
      if (CountCards(child.hands[1]) == 0) {
        const int mt = oddLabel ? child.tricks1 : child.tricks2;
        const int ot = oddLabel ? child.tricks2 : child.tricks1;
        const DealScore s = ScoreDeal(child.won1, child.won2, mt, ot, trump_, options_);
        const std::int32_t diff = s.Sides[1].All() - s.Sides[2].All();
        glav[i] = oddLabel ? diff : -diff;
        help[i] = -glav[i];
      } else {
        for (int k = 1; k <= 4; ++k) {
          child.trick.Cards[k] = kNoCard;
          child.trick.Ranks[k] = kNoRank;
        }
        const int first = w == 4 ? 1 : w + 1;  // the hand that played position w
        Node next = child;
        for (int k = 1; k <= 4; ++k) next.hands[k] = child.hands[(first + k - 2) % 4 + 1];
        next.label = PrevLabel(node.label, w == 4 ? 0 : w);
        if (!moverSideWins) {
          next.won1 = child.won2;
          next.won2 = child.won1;
        }
        next.p = 1;
        next.d = d + 1;
        const Values v = Search(next, nullptr);
        glav[i] = v.VzGlav;
        help[i] = v.VzHelp;
      }
    }
  }

  // 8. Root folding.
  if (d == 1) {
    std::int32_t rg = 100000;
    std::int32_t rh = 100000;
    for (int i = 1; i <= 13; ++i) {
      if (glav[i] != 100000 || help[i] != 100000) {
        rg = glav[i];
        rh = help[i];
      } else if (!searched[i] && isEq(i) && legal(i) && allowed[i]) {
        glav[i] = rg;
        help[i] = rh;
      }
    }
  }

  // 9. Choice.
  Values result = oddLabel ? Values{-95000, 95000} : Values{95000, -95000};
  std::int32_t bestValue = 95000;
  for (int i = 1; i <= 13; ++i) {
    const std::int32_t v = oddLabel ? help[i] : glav[i];
    if (v < 95000 && v < bestValue) {
      bestValue = v;
      result = Values{glav[i], help[i]};
    }
  }
  if (d == 1) {
    for (int i = 1; i <= 13; ++i) (*out)[i] = oddLabel ? glav[i] : help[i];
  }

  // 10. Cache store.
  if (useCache && counter_[n] <= 48000) {
    ++counter_[n];
    tables_[n].resize(static_cast<std::size_t>(counter_[n]) + 1);
    key.VzGlav = result.VzGlav;
    key.VzHelp = result.VzHelp;
    tables_[n][static_cast<std::size_t>(counter_[n])] = key;
  }
  return result;
}

}  // namespace tavlo::literal
