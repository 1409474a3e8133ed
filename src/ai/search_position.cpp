#include "ai/search_position.h"

#include "ai/knowledge.h"

#include <algorithm>
#include <bit>

#include "ai/position_cache.h"

namespace tavlo {
namespace {

// Inside the search a card is one byte: suit index (hearts 0, diamonds 1, clubs 2,
// spades 3) in the high nibble, rank value 1..13 in the low one.
using CardId = std::uint8_t;
constexpr CardId kNoId = 0;
constexpr int SuitOf(CardId c) { return c >> 4; }
constexpr int RankOf(CardId c) { return c & 15; }
constexpr CardId IdOf(int suit, int rank) { return static_cast<CardId>(suit * 16 + rank); }

// Rank sets: bit r for rank value r (1..13). Slot sets: bit i for slot i (1..13).
using Bits = std::uint16_t;
constexpr Bits kAllSlots = 0x3FFE;
constexpr Bits kHonourRanks = 0x3E00;  // ten, jack, queen, king, ace

// Card counts of rank and slot sets; a table, because the portable build has no
// population-count instruction and the library call costs more than the lookup.
constexpr std::array<std::uint8_t, 1 << 14> MakeCounts() {
  std::array<std::uint8_t, 1 << 14> counts{};
  for (unsigned i = 1; i < counts.size(); ++i) counts[i] = static_cast<std::uint8_t>(counts[i >> 1] + (i & 1u));
  return counts;
}
constexpr std::array<std::uint8_t, 1 << 14> kCounts = MakeCounts();
inline int Count(Bits set) { return kCounts[set & 0x3FFFu]; }

constexpr int Highest(Bits ranks) { return ranks == 0 ? 0 : 31 - std::countl_zero(static_cast<unsigned>(ranks)); }
constexpr int Lowest(Bits ranks) { return ranks == 0 ? 0 : std::countr_zero(static_cast<unsigned>(ranks)); }
constexpr Bits Bit(int i) { return static_cast<Bits>(1u << i); }
// Ranks strictly between low and high.
constexpr Bits Between(int low, int high) { return static_cast<Bits>(((1u << high) - 1) & ~((1u << (low + 1)) - 1)); }

// Label of the seat `steps` places after the mover: labels count down, 1 followed by 4.
constexpr int LabelAfter(int label, int steps) { return (label - 1 - steps + 8) % 4 + 1; }
// Side index 0 (side 1, West-East) or 1 (side 2, North-South) of a label.
constexpr int SideIndex(int label) { return label % 2 == 1 ? 0 : 1; }

using SuitRanks = std::array<Bits, 4>;

// What playing one suit out gives in the quick estimate: cards and tricks of the pair of
// hands 0 and 2 (by root order) and of the pair 1 and 3. It depends on the four holdings
// of that suit and on whether it is the trump suit, nothing else.
struct SuitPlayout {
  Bits wonEven = 0;
  Bits wonOdd = 0;
  std::uint8_t tricksEven = 0;
  std::uint8_t tricksOdd = 0;
};

SuitPlayout PlaySuitOut(std::array<Bits, 4> h, bool isTrump) {
  SuitPlayout out;
  for (;;) {
    const int holders = (h[0] != 0) + (h[1] != 0) + (h[2] != 0) + (h[3] != 0);
    if (isTrump ? holders == 0 : holders < 4) break;
    // Within one suit the highest cards of different hands differ: one hand wins.
    std::size_t winner = 0;
    for (std::size_t k = 1; k < 4; ++k) {
      if (Highest(h[k]) > Highest(h[winner])) winner = k;
    }
    Bits given = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      if (h[k] == 0) continue;
      const Bits card = Bit(k == winner ? Highest(h[k]) : Lowest(h[k]));
      h[k] = static_cast<Bits>(h[k] & ~card);
      given = static_cast<Bits>(given | card);
    }
    if (winner % 2 == 0) {
      out.wonEven = static_cast<Bits>(out.wonEven | given);
      ++out.tricksEven;
    } else {
      out.wonOdd = static_cast<Bits>(out.wonOdd | given);
      ++out.tricksOdd;
    }
  }
  return out;
}

// Play-outs already worked out, by the four holdings and the trump flag. The search
// meets the same suit holdings at leaf after leaf, since a trick or two change only
// one or two suits; a miss costs one play-out and nothing is ever out of date.
class PlayoutMemo {
 public:
  PlayoutMemo() { entries_.fill(Entry{kEmpty, {}}); }

  SuitPlayout Get(const std::array<Bits, 4>& h, bool isTrump) {
    const std::uint64_t key = static_cast<std::uint64_t>(h[0]) | static_cast<std::uint64_t>(h[1]) << 14 |
                              static_cast<std::uint64_t>(h[2]) << 28 | static_cast<std::uint64_t>(h[3]) << 42 |
                              static_cast<std::uint64_t>(isTrump) << 56;
    Entry& e = entries_[static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - kBits))];
    if (e.key != key) {
      e.key = key;
      e.value = PlaySuitOut(h, isTrump);
    }
    return e.value;
  }

 private:
  static constexpr int kBits = 11;
  static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
  struct Entry {
    std::uint64_t key;
    SuitPlayout value;
  };
  std::array<Entry, std::size_t{1} << kBits> entries_;
};

// Card characters to suit index and rank value by table: the won lists of every root
// are read card by card.
struct CharTables {
  std::array<std::int8_t, 256> suit{};
  std::array<std::uint8_t, 256> rank{};
};
constexpr CharTables MakeCharTables() {
  CharTables t;
  for (auto& s : t.suit) s = -1;
  for (int s = 0; s < 4; ++s) t.suit[static_cast<unsigned char>(kSuitOrder[s])] = static_cast<std::int8_t>(s);
  for (int r = 1; r <= 13; ++r) t.rank[static_cast<unsigned char>(kRankChars[r])] = static_cast<std::uint8_t>(r);
  return t;
}
constexpr CharTables kChars = MakeCharTables();

}  // namespace

struct Searcher::Impl {
  explicit Impl(const RuleOptions& o) : options(o), koronkaBase(KoronkaBase(o.KoronkiMode)) {}

  RuleOptions options;
  int koronkaBase;
  PositionCache cache;
  PlayoutMemo playouts;
  std::uint64_t nodes = 0;

  // --- the sampled deal, changed and restored in place; hands by root order 0..3 ---
  std::array<std::array<CardId, 14>, 4> slotCard{};
  std::array<Bits, 4> slots{};                 // non-empty slots of each hand
  std::array<SuitRanks, 4> ranks{};            // ranks held, per hand and suit
  std::array<SuitRanks, 4> suitSlotsAtRoot{};  // slots of each suit at the root, per hand
  std::array<SuitRanks, 2> won{};              // ranks won, per side (0 = side 1) and suit
  std::array<int, 2> tricks{};                 // counted tricks of side 1 and side 2
  std::array<CardId, 5> trick{};               // positions 1..4
  int trump = -1;                              // suit index, -1 without a trump suit
  int rootTrickNo = 1;
  int depthLimit = 0;
  bool ruleSwitch = false;
  bool cacheSwitch = false;
  OneBased<std::int32_t, kHandSlots>* rootScores = nullptr;

  int Score(const SuitRanks& wonA, const SuitRanks& wonB, int tricksA, int tricksB) const;
  int ScoreSide(const SuitRanks& w, int t, int honours, int otherHonours) const;
  int Estimate(int mover, int label);
  Bits Equivalent(int mover, int p, Bits candidates) const;
  std::int32_t Search(int mover, int label, int p, int d);
  std::int32_t LastTrick(int mover, int label);
  int TrickWinner() const;
};

// Play position 1..4 of the card that takes the trick `cards` (positions 1..4): the
// highest trump if any, else the highest card of the led suit. A card's strength puts
// trumps above led cards above the rest; ranks break ties, and no two cards are equal.
int TrickWinnerOf(const std::array<CardId, 5>& cards, int trump) {
  const int led = SuitOf(cards[1]);
  int winPos = 1;
  int best = 0;
  for (std::size_t k = 1; k <= 4; ++k) {
    const CardId c = cards[k];
    const int strength = (SuitOf(c) == trump ? 32 : 0) + (SuitOf(c) == led ? 16 : 0) + RankOf(c);
    if (strength > best) {
      best = strength;
      winPos = static_cast<int>(k);
    }
  }
  return winPos;
}

int Searcher::Impl::TrickWinner() const { return TrickWinnerOf(trick, trump); }

std::int32_t Searcher::Impl::LastTrick(int mover, int label) {
  nodes += 4;
  std::array<CardId, 5> last{};
  for (int k = 0; k < 4; ++k) {
    const auto h = static_cast<std::size_t>((mover + k) & 3);
    last[static_cast<std::size_t>(k + 1)] =
        slotCard[h][static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(slots[h])))];
  }
  const int winPos = TrickWinnerOf(last, trump);
  // Positions 1 and 3 are the leader's side.
  const int ms = SideIndex(label);
  const auto ws = static_cast<std::size_t>(winPos % 2 == 1 ? ms : 1 - ms);
  SuitRanks w = won[ws];
  for (std::size_t k = 1; k <= 4; ++k) {
    const CardId c = last[k];
    w[static_cast<std::size_t>(SuitOf(c))] = static_cast<Bits>(w[static_cast<std::size_t>(SuitOf(c))] | Bit(RankOf(c)));
  }
  std::array<int, 2> t = tricks;
  if (!options.IgnoreFirstSix || rootTrickNo > 6) ++t[ws];
  const int side1 = ws == 0 ? Score(w, won[1], t[0], t[1]) : Score(won[0], w, t[0], t[1]);
  return side1;
}

int Searcher::Impl::ScoreSide(const SuitRanks& w, int t, int honours, int otherHonours) const {
  int points = options.IgnoreFirstSix ? t : (t >= 7 ? 2 * (t - 6) : 0);
  points += t == 13 ? 20 : t == 12 ? 10 : 0;
  points += honours > otherHonours ? honours : 0;
  if (koronkaBase != 0) {
    for (int s = 0; s < 4; ++s) {
      // A run needs the ace, king and queen.
      constexpr Bits kTopThree = 0x3800;
      if ((w[static_cast<std::size_t>(s)] & kTopThree) != kTopThree) continue;
      // Length of the run of top cards from the ace down.
      const int length = std::countl_one(static_cast<unsigned>(w[static_cast<std::size_t>(s)]) << 18);
      if (length < 3) continue;
      const int value = koronkaBase * (length - 2);
      points += s == trump ? 2 * value : value;
    }
  }
  return points;
}

int Searcher::Impl::Score(const SuitRanks& wonA, const SuitRanks& wonB, int tricksA, int tricksB) const {
  const int hA = trump < 0 ? 0 : Count(wonA[static_cast<std::size_t>(trump)] & kHonourRanks);
  const int hB = trump < 0 ? 0 : Count(wonB[static_cast<std::size_t>(trump)] & kHonourRanks);
  return ScoreSide(wonA, tricksA, hA, hB) - ScoreSide(wonB, tricksB, hB, hA);
}

int Searcher::Impl::Estimate(int mover, int label) {
  const int ms = SideIndex(label);
  std::array<SuitRanks, 2> w = {won[static_cast<std::size_t>(ms)], won[static_cast<std::size_t>(1 - ms)]};
  int c = tricks[static_cast<std::size_t>(ms)];
  int b = tricks[static_cast<std::size_t>(1 - ms)];
  // The mover's side is the pair of even hands when the mover's root index is even.
  const bool moverEven = mover % 2 == 0;
  for (std::size_t s = 0; s < 4; ++s) {
    const std::array<Bits, 4> held = {ranks[0][s], ranks[1][s], ranks[2][s], ranks[3][s]};
    const bool isTrump = static_cast<int>(s) == trump;
    // A plain suit that some hand lacks is not played out, nor a trump suit nobody holds.
    if (isTrump ? (held[0] | held[1] | held[2] | held[3]) == 0
                : held[0] == 0 || held[1] == 0 || held[2] == 0 || held[3] == 0) {
      continue;
    }
    const SuitPlayout out = playouts.Get(held, isTrump);
    w[0][s] = static_cast<Bits>(w[0][s] | (moverEven ? out.wonEven : out.wonOdd));
    w[1][s] = static_cast<Bits>(w[1][s] | (moverEven ? out.wonOdd : out.wonEven));
    c += moverEven ? out.tricksEven : out.tricksOdd;
    b += moverEven ? out.tricksOdd : out.tricksEven;
  }
  ProjectTrickCounts(c, b, options.IgnoreFirstSix);
  return Score(w[0], w[1], c, b);
}

// Marks, among `candidates`, the slots whose card is no better than the previous card
// of the same suit in the hand: no outstanding rank lies between the two.
Bits Searcher::Impl::Equivalent(int mover, int p, Bits candidates) const {
  if (options.KoronkiMode != 0) return 0;
  SuitRanks out{};
  for (int k = 1; k < 4; ++k) {
    const SuitRanks& r = ranks[static_cast<std::size_t>((mover + k) & 3)];
    for (std::size_t s = 0; s < 4; ++s) out[s] = static_cast<Bits>(out[s] | r[s]);
  }
  for (int k = 1; k < p; ++k) {
    const CardId c = trick[static_cast<std::size_t>(k)];
    out[static_cast<std::size_t>(SuitOf(c))] =
        static_cast<Bits>(out[static_cast<std::size_t>(SuitOf(c))] | Bit(RankOf(c)));
  }
  const auto& cards = slotCard[static_cast<std::size_t>(mover)];
  const Bits held = slots[static_cast<std::size_t>(mover)];
  Bits marked = 0;
  for (Bits rest = static_cast<Bits>(candidates & held); rest != 0; rest = static_cast<Bits>(rest & (rest - 1))) {
    const int i = std::countr_zero(static_cast<unsigned>(rest));
    const Bits below = static_cast<Bits>(held & (Bit(i) - 1));
    if (below == 0) continue;  // the first card of the hand
    const CardId c = cards[static_cast<std::size_t>(i)];
    const CardId previous = cards[static_cast<std::size_t>(Highest(below))];
    if (SuitOf(c) == SuitOf(previous) &&
        (out[static_cast<std::size_t>(SuitOf(c))] & Between(RankOf(previous), RankOf(c))) == 0) {
      marked = static_cast<Bits>(marked | Bit(i));
    }
  }
  return marked;
}

std::int32_t Searcher::Impl::Search(int mover, int label, int p, int d) {
  ++nodes;
  const auto h1 = static_cast<std::size_t>(mover);
  const auto h2 = static_cast<std::size_t>((mover + 1) & 3);
  const auto h3 = static_cast<std::size_t>((mover + 2) & 3);
  const auto h4 = static_cast<std::size_t>((mover + 3) & 3);
  const bool odd = label % 2 == 1;
  const bool root = d == 1;

  if (d >= depthLimit && p == 1) {
    const int estimate = Estimate(mover, label);
    return odd ? estimate : -estimate;
  }

  // The last trick is forced: every hand plays its one card. Its value is what playing
  // it out gives (a claim at its start agrees: it can only fire when the mover wins),
  // and positions with one card are never cached.
  if (p == 1 && !root && Count(slots[h1]) == 1 && Count(slots[h2]) == 1 && Count(slots[h3]) == 1 &&
      Count(slots[h4]) == 1) {
    return LastTrick(mover, label);
  }

  const Bits held = slots[h1];
  // Only positions that went on to their children are stored, and a position whose
  // cards allow a claim never does, so the lookup may come before the rules.
  const int n = Count(held);
  const bool cached = cacheSwitch && p == 1 && !root && n >= PositionCache::kMinCards && n <= PositionCache::kMaxCards;
  THash key;
  if (cached) {
    key.St1 = PlayedSlotKey(static_cast<unsigned>(~slots[h1] & kAllSlots) >> 1);
    key.St2 = PlayedSlotKey(static_cast<unsigned>(~slots[h2] & kAllSlots) >> 1);
    key.St3 = PlayedSlotKey(static_cast<unsigned>(~slots[h3] & kAllSlots) >> 1);
    key.St4 = PlayedSlotKey(static_cast<unsigned>(~slots[h4] & kAllSlots) >> 1);
    key.St5 = static_cast<std::uint8_t>(label);
    if (const THash* hit = cache.Find(n, key)) return hit->VzGlav;
  }

  const auto& cards = slotCard[h1];
  const SuitRanks& my = ranks[h1];
  Bits allowed = kAllSlots;

  // Slots of hand 1 holding each suit: the slot layout never changes during the search.
  SuitRanks suitSlots;
  for (std::size_t s = 0; s < 4; ++s) suitSlots[s] = static_cast<Bits>(suitSlotsAtRoot[h1][s] & held);
  const auto firstSlot = [](Bits set) { return static_cast<Bits>(set & (~set + 1)); };

  const int led = p >= 2 ? SuitOf(trick[1]) : -1;
  const auto ls = static_cast<std::size_t>(led < 0 ? 0 : led);
  const bool hasLed = led >= 0 && my[ls] != 0;

  if (ruleSwitch && p >= 2) {
    int top = 0;
    int topTrump = 0;
    for (int k = 1; k < p; ++k) {
      const CardId c = trick[static_cast<std::size_t>(k)];
      if (SuitOf(c) == led && RankOf(c) > top) top = RankOf(c);
      if (SuitOf(c) == trump && RankOf(c) > topTrump) topTrump = RankOf(c);
    }
    const int myTop = Highest(my[ls]);
    const auto ts = static_cast<std::size_t>(trump < 0 ? 0 : trump);
    const int myTopTrump = trump < 0 ? 0 : Highest(my[ts]);
    const Bits trumpSlots = trump < 0 ? Bits{0} : suitSlots[ts];
    if (hasLed) {
      const Bits lowestLed = firstSlot(suitSlots[ls]);
      const bool canWin = myTop >= top && (led == trump || topTrump == 0);
      if (!canWin) {
        allowed = lowestLed;
      } else if (!root) {
        if (((p == 3 || p == 2) && myTop < Lowest(ranks[h2][ls])) || (p == 2 && myTop < Lowest(ranks[h3][ls]))) {
          allowed = lowestLed;
        } else {
          bool first = true;
          for (Bits rest = suitSlots[ls]; rest != 0; rest = static_cast<Bits>(rest & (rest - 1))) {
            const int i = std::countr_zero(static_cast<unsigned>(rest));
            if (RankOf(cards[static_cast<std::size_t>(i)]) >= top) continue;
            if (!first) allowed = static_cast<Bits>(allowed & ~Bit(i));
            first = false;
          }
        }
        if (p == 3 && RankOf(trick[1]) == top && Highest(ranks[h2][ls]) < top && ranks[h2][ls] != 0) {
          allowed = lowestLed;
        }
        if (p == 4 && SuitOf(trick[2]) == led && RankOf(trick[2]) == top) allowed = lowestLed;
      }
    } else {
      for (std::size_t s = 0; s < 4; ++s) {
        if (static_cast<int>(s) == trump || suitSlots[s] == 0) continue;
        allowed = static_cast<Bits>(allowed & ~(suitSlots[s] & ~firstSlot(suitSlots[s])));
      }
      const bool allTrumps = trump >= 0 && trumpSlots == held;
      if (topTrump > 0 && myTopTrump < topTrump) {
        // Hands keep their layout, so slot 1 may be played out already: the first
        // card left is the lowest trump.
        if (allTrumps) allowed = firstSlot(held);
        if (Count(trumpSlots) < Count(held)) {
          allowed = static_cast<Bits>(allowed & ~trumpSlots);
        }
      } else {
        if (!root && p == 2 && led != trump && ranks[h2][ls] != 0 && ranks[h3][ls] != 0 && trumpSlots != 0) {
          allowed = firstSlot(trumpSlots);
        } else if (!root && p == 3 && led != trump && SuitOf(trick[2]) != trump && ranks[h2][ls] != 0 &&
                   trumpSlots != 0) {
          allowed = firstSlot(trumpSlots);
        }
        if (p == 4) {
          const CardId second = trick[2];
          const bool partnerWins = topTrump == 0 ? SuitOf(second) == led && RankOf(second) == top
                                                 : SuitOf(second) == trump && RankOf(second) == topTrump;
          if (partnerWins && !allTrumps) {
            allowed = static_cast<Bits>(allowed & ~trumpSlots);
          } else if (myTopTrump > topTrump && trumpSlots != 0 && trump >= 0) {
            for (Bits rest = trumpSlots; rest != 0; rest = static_cast<Bits>(rest & (rest - 1))) {
              const int i = std::countr_zero(static_cast<unsigned>(rest));
              if (RankOf(cards[static_cast<std::size_t>(i)]) > topTrump) {
                allowed = Bit(i);
                break;
              }
            }
          }
        }
      }
    }
  }

  const bool leadRules = ruleSwitch && p == 1 && !root;
  Bits equivalent = 0;
  if (leadRules) {
    const int myTrumps = trump < 0 ? 0 : Count(my[static_cast<std::size_t>(trump)]);
    bool trumpControl = trump < 0;
    if (!trumpControl) {
      const auto ts = static_cast<std::size_t>(trump);
      trumpControl =
          Count(ranks[h2][ts]) <= myTrumps && Count(ranks[h3][ts]) <= myTrumps && Count(ranks[h4][ts]) <= myTrumps;
    }
    bool claim = trumpControl;
    for (std::size_t s = 0; s < 4 && claim; ++s) {
      for (const std::size_t other : {h2, h3, h4}) {
        const int k = std::min(Count(my[s]), Count(ranks[other][s]));
        if (k == 0) continue;
        // k-th highest of hand 1: drop the k - 1 highest cards.
        Bits mine = my[s];
        for (int j = 1; j < k; ++j) mine = static_cast<Bits>(mine & ~Bit(Highest(mine)));
        if (Highest(mine) < Highest(ranks[other][s])) {
          claim = false;
          break;
        }
      }
    }
    if (claim) {
      const int ms = SideIndex(label);
      SuitRanks moverWon = won[static_cast<std::size_t>(ms)];
      for (std::size_t s = 0; s < 4; ++s) {
        moverWon[s] = static_cast<Bits>(moverWon[s] | ranks[0][s] | ranks[1][s] | ranks[2][s] | ranks[3][s]);
      }
      const int moverTricks = tricks[static_cast<std::size_t>(ms)] + Count(held);
      const int diff =
          Score(moverWon, won[static_cast<std::size_t>(1 - ms)], moverTricks, tricks[static_cast<std::size_t>(1 - ms)]);
      return odd ? diff : -diff;
    }
    // Leads: in each suit the lowest card and the highest card not marked equivalent.
    equivalent = Equivalent(mover, p, held);
    Bits leads = 0;
    for (std::size_t s = 0; s < 4; ++s) {
      if (suitSlots[s] == 0) continue;
      int lowSlot = 0;
      int highSlot = 0;
      for (Bits rest = suitSlots[s]; rest != 0; rest = static_cast<Bits>(rest & (rest - 1))) {
        const int i = std::countr_zero(static_cast<unsigned>(rest));
        const int r = RankOf(cards[static_cast<std::size_t>(i)]);
        if (lowSlot == 0 || r < RankOf(cards[static_cast<std::size_t>(lowSlot)])) lowSlot = i;
        if ((equivalent & Bit(i)) == 0 && (highSlot == 0 || r > RankOf(cards[static_cast<std::size_t>(highSlot)]))) {
          highSlot = i;
        }
      }
      leads = static_cast<Bits>(leads | Bit(lowSlot) | (highSlot != 0 ? Bit(highSlot) : 0));
    }
    allowed = leads;
  }

  const Bits legal = hasLed ? suitSlots[ls] : held;
  // Elsewhere only the slots that may be tried or folded need the marks.
  if (!leadRules) equivalent = Equivalent(mover, p, root ? legal : static_cast<Bits>(legal & allowed));
  if (root) {
    const Bits distinct = static_cast<Bits>(legal & ~equivalent);
    if (Count(distinct) == 1) {
      rootScores->fill(kNotSearched);
      (*rootScores)[std::countr_zero(static_cast<unsigned>(distinct))] = kOnlyCard;
      return kNotSearched;
    }
  }

  // Children. `best` is the value from the mover's side's point of view.
  const Bits tried = static_cast<Bits>(legal & allowed & ~equivalent);
  std::array<std::int32_t, 14> childGlav;  // written and read for tried slots only
  bool found = false;
  std::int32_t best = 0;
  std::int32_t bestGlav = odd ? -kSearchBound : kSearchBound;
  for (Bits rest = tried; rest != 0; rest = static_cast<Bits>(rest & (rest - 1))) {
    const int i = std::countr_zero(static_cast<unsigned>(rest));
    const CardId c = cards[static_cast<std::size_t>(i)];
    const auto cs = static_cast<std::size_t>(SuitOf(c));
    const Bits cardBit = Bit(RankOf(c));
    slots[h1] = static_cast<Bits>(slots[h1] & ~Bit(i));
    ranks[h1][cs] = static_cast<Bits>(ranks[h1][cs] & ~cardBit);
    trick[static_cast<std::size_t>(p)] = c;

    std::int32_t glav;
    if (p < 4) {
      glav = Search(static_cast<int>(h2), LabelAfter(label, 1), p + 1, d + 1);
    } else {
      const int winPos = TrickWinner();
      const int ms = SideIndex(label);
      const auto ws = static_cast<std::size_t>(winPos % 2 == 0 ? ms : 1 - ms);
      const SuitRanks savedWon = won[ws];
      const int savedTricks = tricks[ws];
      for (int k = 1; k <= 4; ++k) {
        const CardId t = trick[static_cast<std::size_t>(k)];
        won[ws][static_cast<std::size_t>(SuitOf(t))] =
            static_cast<Bits>(won[ws][static_cast<std::size_t>(SuitOf(t))] | Bit(RankOf(t)));
      }
      if (!options.IgnoreFirstSix || rootTrickNo > 6) ++tricks[ws];
      if (slots[h1] == 0) {
        const int diff = Score(won[static_cast<std::size_t>(ms)], won[static_cast<std::size_t>(1 - ms)],
                               tricks[static_cast<std::size_t>(ms)], tricks[static_cast<std::size_t>(1 - ms)]);
        glav = odd ? diff : -diff;
      } else if (d + 1 >= depthLimit) {
        // The next trick's start is a leaf: its winner is the mover there.
        ++nodes;
        const int steps = winPos % 4;
        const int nextLabel = LabelAfter(label, steps);
        const int estimate = Estimate((mover + steps) & 3, nextLabel);
        glav = nextLabel % 2 == 1 ? estimate : -estimate;
      } else {
        // The winner leads: position k was played by the hand k places after the mover.
        // The next trick reuses the trick array; this one is still needed by later children.
        const std::array<CardId, 5> finished = trick;
        trick.fill(kNoId);
        const int steps = winPos % 4;
        glav = Search((mover + steps) & 3, LabelAfter(label, steps), 1, d + 1);
        trick = finished;
      }
      won[ws] = savedWon;
      tricks[ws] = savedTricks;
    }
    trick[static_cast<std::size_t>(p)] = kNoId;
    slots[h1] = static_cast<Bits>(slots[h1] | Bit(i));
    ranks[h1][cs] = static_cast<Bits>(ranks[h1][cs] | cardBit);

    childGlav[static_cast<std::size_t>(i)] = glav;
    const std::int32_t value = odd ? glav : -glav;
    if (value > -kSearchBound && (!found || value > best)) {
      found = true;
      best = value;
      bestGlav = glav;
    }
  }

  if (root) {
    // Equivalent slots take the values of the last searched slot before them.
    const Bits folded = static_cast<Bits>(legal & allowed & equivalent);
    std::int32_t remembered = kNotSearched;
    bool haveRemembered = false;
    for (int i = 1; i <= kHandSlots; ++i) {
      const Bits b = Bit(i);
      if (tried & b) {
        remembered = childGlav[static_cast<std::size_t>(i)];
        haveRemembered = true;
        (*rootScores)[i] = odd ? remembered : -remembered;
      } else if ((folded & b) && haveRemembered) {
        (*rootScores)[i] = odd ? remembered : -remembered;
      } else {
        (*rootScores)[i] = kNotSearched;
      }
    }
  }

  if (cached && cache.Count(n) <= PositionCache::kMaxRecords - 1) {
    key.VzGlav = bestGlav;
    key.VzHelp = -bestGlav;
    cache.Store(n, key);
  }
  return bestGlav;
}

Searcher::Searcher(const RuleOptions& options) : impl_(std::make_unique<Impl>(options)) {}
Searcher::~Searcher() = default;

void Searcher::SetOptions(const RuleOptions& options) {
  impl_->options = options;
  impl_->koronkaBase = KoronkaBase(options.KoronkiMode);
}

void Searcher::ResetCache() { impl_->cache.Reset(); }
std::uint64_t Searcher::Nodes() const { return impl_->nodes; }
int Searcher::CacheCount(int n) const { return impl_->cache.Count(n); }

SearchScores Searcher::SearchPosition(const SearchRoot& root) {
  Impl& m = *impl_;
  SearchScores out;
  // A single card is the one distinct playable card: no need to set up the deal.
  int only = 0;
  int held = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (root.Hands[1].Cards[i].IsEmpty()) continue;
    ++held;
    only = i;
  }
  if (held == 1) {
    ++m.nodes;
    out.Scores.fill(kNotSearched);
    out.Scores[only] = kOnlyCard;
    out.VzGlav = kNotSearched;
    out.VzHelp = kNotSearched;
    return out;
  }

  m.trump = SuitIndexOf(root.Trump);
  m.rootTrickNo = root.TrickNo;
  m.depthLimit = root.DepthLimit;
  m.ruleSwitch = root.RuleSwitch;
  m.cacheSwitch = root.CacheSwitch;
  for (std::size_t h = 0; h < 4; ++h) {
    const SearchHand& hand = root.Hands[static_cast<int>(h) + 1];
    m.slots[h] = 0;
    m.ranks[h] = {};
    m.suitSlotsAtRoot[h] = {};
    m.slotCard[h].fill(kNoId);
    for (int i = 1; i <= kHandSlots; ++i) {
      const int s = kChars.suit[static_cast<unsigned char>(hand.Cards[i].suit)];
      if (hand.Cards[i].IsEmpty() || s < 0) continue;
      const int r = hand.Ranks[i];
      m.slotCard[h][static_cast<std::size_t>(i)] = IdOf(s, r);
      m.slots[h] = static_cast<Bits>(m.slots[h] | Bit(i));
      m.suitSlotsAtRoot[h][static_cast<std::size_t>(s)] |= Bit(i);
      m.ranks[h][static_cast<std::size_t>(s)] = static_cast<Bits>(m.ranks[h][static_cast<std::size_t>(s)] | Bit(r));
    }
  }
  const int ms = SideIndex(root.Label);
  m.won = {};
  const auto addWon = [&](const CardList52& list, std::size_t side) {
    // Won lists are filled from the front: the first empty entry ends them.
    for (const TCardCode& c : list) {
      if (c.IsEmpty()) break;
      const int s = kChars.suit[static_cast<unsigned char>(c.suit)];
      const int r = kChars.rank[static_cast<unsigned char>(c.rank)];
      if (s >= 0 && r != 0) m.won[side][static_cast<std::size_t>(s)] |= Bit(r);
    }
  };
  addWon(root.MoverWon, static_cast<std::size_t>(ms));
  addWon(root.OtherWon, static_cast<std::size_t>(1 - ms));
  m.tricks = {root.Tricks1, root.Tricks2};
  m.trick.fill(kNoId);
  for (int k = 1; k < root.Position; ++k) {
    m.trick[static_cast<std::size_t>(k)] =
        IdOf(kChars.suit[static_cast<unsigned char>(root.Trick.Cards[k].suit)], root.Trick.Ranks[k]);
  }

  m.rootScores = &out.Scores;
  const std::int32_t glav = m.Search(0, root.Label, root.Position, 1);
  m.rootScores = nullptr;
  if (glav == kNotSearched) {
    out.VzGlav = kNotSearched;
    out.VzHelp = kNotSearched;
  } else {
    out.VzGlav = glav;
    out.VzHelp = -glav;
  }
  return out;
}

}  // namespace tavlo
