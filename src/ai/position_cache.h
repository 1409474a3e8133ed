#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tavlo {

// One cached position: the played-slot keys of the four hands (mover first), the
// mover's side label and the values of both sides.
struct THash {
  std::int64_t St1 = 0;
  std::int64_t St2 = 0;
  std::int64_t St3 = 0;
  std::int64_t St4 = 0;
  std::uint8_t St5 = 0;
  std::int32_t VzGlav = 0;
  std::int32_t VzHelp = 0;
};

// Played-slot key of a hand: its empty slots c (1..13), taken in increasing order,
// each contribute (c - 1) x 13^j, j counting the empty slots met before.
// `emptySlots` has bit c - 1 set for an empty slot c.
std::int64_t PlayedSlotKey(unsigned emptySlots);

// Positions seen at the start of a trick within one sampled deal, one table per number
// of cards in the mover's hand (3..12), each holding at most kMaxRecords records.
// Records are kept in storing order; a hash index over the five key fields finds the
// first stored match, which is what a front-to-back scan of the table would find.
class PositionCache {
 public:
  static constexpr int kMinCards = 3;
  static constexpr int kMaxCards = 12;
  static constexpr int kMaxRecords = 48001;

  PositionCache();

  void Reset();
  // The first stored record with these keys, or nullptr.
  const THash* Find(int cards, const THash& key) const;
  // Appends the record unless the table is full.
  void Store(int cards, const THash& record);
  int Count(int cards) const { return static_cast<int>(tables_[Index(cards)].records.size()); }

 private:
  // The index starts small, so a sample's few hundred positions stay in the processor's
  // cache, and doubles while it is more than half full, up to > 2 x kMaxRecords.
  static constexpr std::uint32_t kFirstIndexSize = 1u << 10;

  struct Table {
    std::vector<THash> records;
    std::vector<std::uint32_t> index;  // record number + 1, 0 = free
    std::vector<std::uint32_t> used;   // index positions to clear on Reset
    std::uint32_t mask = kFirstIndexSize - 1;
  };

  static std::size_t Index(int cards) { return static_cast<std::size_t>(cards - kMinCards); }
  static std::uint32_t Hash(const THash& key);
  static void Insert(Table& t, std::uint32_t recordNumber);
  static void Grow(Table& t);

  std::array<Table, kMaxCards - kMinCards + 1> tables_;
};

}  // namespace tavlo
