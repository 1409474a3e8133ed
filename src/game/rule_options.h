#pragma once

namespace tavlo {

// The rule options of this game; the defaults are those before the settings file is read.
struct RuleOptions {
  bool IgnoreFirstSix = true;  // "Ignore the first 6 tricks": tricks 1..6 are not counted
  int KoronkiMode = 1;         // 0 "Without Koronki", 1 "Cheap", 2 "Expensive (Usually)"
  bool ShowCardsAtEnd = true;  // "Show cards at end of game"

  friend bool operator==(const RuleOptions&, const RuleOptions&) = default;
};

// The rules of every online tournament game: Koronki "Cheap", every trick counted.
constexpr RuleOptions TournamentRules() {
  RuleOptions rules;
  rules.IgnoreFirstSix = false;
  rules.KoronkiMode = 1;
  rules.ShowCardsAtEnd = false;
  return rules;
}

// The koronka base value of a Koronki mode: 0, 1 or 5.
constexpr int KoronkaBase(int koronkiMode) { return koronkiMode == 2 ? 5 : koronkiMode == 1 ? 1 : 0; }

}  // namespace tavlo
