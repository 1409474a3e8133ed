#pragma once

// A second implementation of the look-ahead search, its static estimate and the
// equivalent-card test, written card code by card code with 13-slot copies and a
// linear scan of the cache, the slow way round on purpose. The differential test holds
// the program's search to it. Never linked into the program.

#include <vector>

#include "ai/search_hand.h"
#include "ai/search_position.h"
#include "game/rule_options.h"

namespace tavlo::literal {

SlotSet EquivalentCards(const SearchHand& mover, const SearchHand& h2, const SearchHand& h3, const SearchHand& h4,
                        const TrickCards& trick, int koronkiMode);

std::int32_t EstimateDeal(const OneBased<SearchHand, 4>& hands, char trump, int moverTricks, int otherTricks,
                          const CardList52& moverWon, const CardList52& otherWon, const RuleOptions& options);

class LiteralSearcher {
 public:
  explicit LiteralSearcher(const RuleOptions& options) : options_(options) { ResetCache(); }

  void ResetCache();
  SearchScores SearchPosition(const SearchRoot& root);
  int CacheCount(int n) const { return counter_[static_cast<std::size_t>(n)]; }

 private:
  struct Record {
    std::int64_t St1, St2, St3, St4;
    std::uint8_t St5;
    std::int32_t VzGlav, VzHelp;
  };
  struct Node {
    OneBased<SearchHand, 4> hands;
    CardList52 won1;  // the mover's side
    CardList52 won2;
    int label;
    int p;
    int d;
    int tricks1;
    int tricks2;
    TrickCards trick;
  };
  struct Values {
    std::int32_t VzGlav;
    std::int32_t VzHelp;
  };

  Values Search(const Node& node, OneBased<std::int32_t, 13>* out);

  RuleOptions options_;
  char trump_ = '#';
  int t_ = 1;
  bool rules_ = false;
  bool cacheOn_ = false;
  int depthLimit_ = 0;
  std::vector<Record> tables_[13];
  int counter_[13] = {};
};

}  // namespace tavlo::literal
