#include "ai/position_cache.h"

namespace tavlo {
namespace {

bool SameKey(const THash& a, const THash& b) {
  return a.St1 == b.St1 && a.St2 == b.St2 && a.St3 == b.St3 && a.St4 == b.St4 && a.St5 == b.St5;
}

std::array<std::int64_t, 8192> MakeKeyTable() {
  std::array<std::int64_t, 8192> table{};
  for (unsigned empty = 0; empty < 8192; ++empty) {
    std::int64_t key = 0;
    std::int64_t power = 1;
    for (int c = 1; c <= 13; ++c) {
      if ((empty >> (c - 1)) & 1u) {
        key += (c - 1) * power;
        power *= 13;
      }
    }
    table[empty] = key;
  }
  return table;
}

const std::array<std::int64_t, 8192> kKeys = MakeKeyTable();

}  // namespace

std::int64_t PlayedSlotKey(unsigned emptySlots) { return kKeys[emptySlots & 8191u]; }

PositionCache::PositionCache() {
  for (Table& t : tables_) {
    t.records.reserve(1024);
    t.index.assign(kFirstIndexSize, 0);
  }
}

void PositionCache::Reset() {
  for (Table& t : tables_) {
    if (t.index.size() > kFirstIndexSize) {
      t.index.assign(kFirstIndexSize, 0);
      t.mask = kFirstIndexSize - 1;
    } else {
      for (const std::uint32_t pos : t.used) t.index[pos] = 0;
    }
    t.used.clear();
    t.records.clear();
  }
}

std::uint32_t PositionCache::Hash(const THash& key) {
  std::uint64_t h = static_cast<std::uint64_t>(key.St1) * 0x9E3779B97F4A7C15ULL;
  h ^= static_cast<std::uint64_t>(key.St2) + 0x632BE59BD9B4E019ULL + (h << 6) + (h >> 2);
  h ^= static_cast<std::uint64_t>(key.St3) + 0x8CB92BA72F3D8DD7ULL + (h << 6) + (h >> 2);
  h ^= static_cast<std::uint64_t>(key.St4) + 0xC2B2AE3D27D4EB4FULL + (h << 6) + (h >> 2);
  h ^= key.St5;
  h *= 0xFF51AFD7ED558CCDULL;
  h ^= h >> 33;
  return static_cast<std::uint32_t>(h);
}

const THash* PositionCache::Find(int cards, const THash& key) const {
  const Table& t = tables_[Index(cards)];
  for (std::uint32_t pos = Hash(key) & t.mask;; pos = (pos + 1) & t.mask) {
    const std::uint32_t slot = t.index[pos];
    if (slot == 0) return nullptr;
    const THash& record = t.records[slot - 1];
    if (SameKey(record, key)) return &record;
  }
}

void PositionCache::Insert(Table& t, std::uint32_t recordNumber) {
  const THash& record = t.records[recordNumber - 1];
  for (std::uint32_t pos = Hash(record) & t.mask;; pos = (pos + 1) & t.mask) {
    const std::uint32_t slot = t.index[pos];
    if (slot == 0) {
      t.index[pos] = recordNumber;
      t.used.push_back(pos);
      return;
    }
    // An equal key stored earlier stays the one lookups find.
    if (SameKey(t.records[slot - 1], record)) return;
  }
}

void PositionCache::Grow(Table& t) {
  for (const std::uint32_t pos : t.used) t.index[pos] = 0;
  t.used.clear();
  t.index.resize(t.index.size() * 2, 0);
  t.mask = static_cast<std::uint32_t>(t.index.size() - 1);
  for (std::uint32_t n = 1; n < t.records.size(); ++n) Insert(t, n);
}

void PositionCache::Store(int cards, const THash& record) {
  Table& t = tables_[Index(cards)];
  if (static_cast<int>(t.records.size()) >= kMaxRecords) return;
  t.records.push_back(record);
  if (t.records.size() * 2 > t.index.size()) Grow(t);
  Insert(t, static_cast<std::uint32_t>(t.records.size()));
}

}  // namespace tavlo
