#include "ui/recording/gif_palette.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>

namespace tavlo {
namespace {

constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;  // pixels are 24-bit, so this never occurs
constexpr std::size_t kMaxColours = 256;
constexpr std::size_t kDenseColours = 32768;

// Counts the distinct colours of a picture: open addressing, the table kept at most half full.
class ColourCounts {
 public:
  ColourCounts() { Resize(1u << 12); }

  // Counts one more pixel of the colour.
  void Add(std::uint32_t colour) {
    std::size_t slot = Find(colour);
    if (keys_[slot] == kNoColour) {
      if ((size_ + 1) * 2 > keys_.size()) {
        Resize(keys_.size() * 2);
        slot = Find(colour);
      }
      keys_[slot] = colour;
      ++size_;
    }
    ++counts_[slot];
  }
  std::size_t Find(std::uint32_t colour) const {
    std::size_t slot = (colour * 2654435761u) & (keys_.size() - 1);
    while (keys_[slot] != kNoColour && keys_[slot] != colour) slot = (slot + 1) & (keys_.size() - 1);
    return slot;
  }
  std::size_t Size() const { return size_; }
  std::size_t Capacity() const { return keys_.size(); }
  std::uint32_t Key(std::size_t slot) const { return keys_[slot]; }
  std::uint32_t Count(std::size_t slot) const { return counts_[slot]; }
  // After counting, each slot carries the palette index of its colour.
  std::uint8_t& Index(std::size_t slot) { return index_[slot]; }

  void PrepareIndices() { index_.assign(keys_.size(), 0); }

 private:
  void Resize(std::size_t capacity) {
    std::vector<std::uint32_t> keys = std::move(keys_);
    std::vector<std::uint32_t> counts = std::move(counts_);
    keys_.assign(capacity, kNoColour);
    counts_.assign(capacity, 0);
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == kNoColour) continue;
      const std::size_t slot = Find(keys[i]);
      keys_[slot] = keys[i];
      counts_[slot] = counts[i];
    }
  }

  std::vector<std::uint32_t> keys_;
  std::vector<std::uint32_t> counts_;
  std::vector<std::uint8_t> index_;
  std::size_t size_ = 0;
};

int Channel(std::uint32_t colour, int channel) { return static_cast<int>((colour >> (16 - 8 * channel)) & 0xFF); }

struct Entry {
  std::uint32_t colour;
  std::uint32_t count;
  std::size_t slot;
};

// A box of the colour list: a range of entries with their pixel count and squared error.
struct Cell {
  std::size_t begin, end;
  double pixels = 0;
  double error = 0;  // the pixels' squared distance from the cell's mean, summed
  int channel = 0;   // the channel along which the colours spread most
  std::uint32_t mean = 0;
};

Cell MakeCell(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
  Cell cell{begin, end};
  std::array<double, 3> sum{}, squares{};
  for (std::size_t i = begin; i < end; ++i) {
    const double n = entries[i].count;
    cell.pixels += n;
    for (int c = 0; c < 3; ++c) {
      const double v = Channel(entries[i].colour, c);
      sum[static_cast<std::size_t>(c)] += n * v;
      squares[static_cast<std::size_t>(c)] += n * v * v;
    }
  }
  double widest = -1;
  for (int c = 0; c < 3; ++c) {
    const std::size_t k = static_cast<std::size_t>(c);
    const double spread = squares[k] - sum[k] * sum[k] / cell.pixels;
    cell.error += spread;
    if (spread > widest) {
      widest = spread;
      cell.channel = c;
    }
    const auto mean = static_cast<std::uint32_t>(std::clamp(sum[k] / cell.pixels + 0.5, 0.0, 255.0));
    cell.mean = (cell.mean << 8) | mean;
  }
  return cell;
}

// Splits a cell along its widest channel where the two halves' squared errors along it are least.
std::size_t SplitPoint(std::vector<Entry>& entries, const Cell& cell) {
  const auto first = entries.begin() + static_cast<std::ptrdiff_t>(cell.begin);
  const auto last = entries.begin() + static_cast<std::ptrdiff_t>(cell.end);
  const int c = cell.channel;
  std::sort(first, last, [c](const Entry& a, const Entry& b) { return Channel(a.colour, c) < Channel(b.colour, c); });
  double totalSum = 0, totalSquares = 0;
  for (auto e = first; e != last; ++e) {
    const double v = Channel(e->colour, c);
    totalSum += e->count * v;
    totalSquares += e->count * v * v;
  }
  double n = 0, sum = 0, squares = 0;
  double best = -1;
  std::size_t split = cell.begin + 1;
  for (std::size_t i = cell.begin; i + 1 < cell.end; ++i) {
    const double v = Channel(entries[i].colour, c);
    n += entries[i].count;
    sum += entries[i].count * v;
    squares += entries[i].count * v * v;
    // Entries of one value stay together.
    if (Channel(entries[i + 1].colour, c) == Channel(entries[i].colour, c)) continue;
    const double rest = cell.pixels - n;
    const double error =
        (squares - sum * sum / n) + (totalSquares - squares) - (totalSum - sum) * (totalSum - sum) / rest;
    if (best < 0 || error < best) {
      best = error;
      split = i + 1;
    }
  }
  return split;
}

// Splits the cells until there are `limit`, always the one with the largest squared error.
std::vector<Cell> CutCells(std::vector<Entry>& entries, std::size_t limit) {
  std::vector<Cell> cells{MakeCell(entries, 0, entries.size())};
  while (cells.size() < limit) {
    std::size_t pick = cells.size();
    double best = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (cells[i].end - cells[i].begin > 1 && cells[i].error > best) {
        best = cells[i].error;
        pick = i;
      }
    }
    if (pick == cells.size()) break;
    const Cell cell = cells[pick];
    const std::size_t split = SplitPoint(entries, cell);
    cells[pick] = MakeCell(entries, cell.begin, split);
    cells.push_back(MakeCell(entries, split, cell.end));
  }
  return cells;
}

// The palette entry nearest to each colour. The palette is searched in order of green, outwards
// from the colour's own green, until green alone is farther than the best found.
class NearestColour {
 public:
  explicit NearestColour(const std::vector<std::uint32_t>& palette) {
    for (std::size_t i = 0; i < palette.size(); ++i) byGreen_.push_back({palette[i], static_cast<std::uint8_t>(i)});
    std::sort(byGreen_.begin(), byGreen_.end(),
              [](const Item& a, const Item& b) { return Channel(a.colour, 1) < Channel(b.colour, 1); });
  }

  std::uint8_t operator()(std::uint32_t colour) const {
    const int g = Channel(colour, 1);
    const auto start = std::lower_bound(byGreen_.begin(), byGreen_.end(), g,
                                        [](const Item& item, int green) { return Channel(item.colour, 1) < green; });
    int best = 1 << 30;
    std::uint8_t index = 0;
    const auto consider = [&](const Item& item) {
      const int dr = Channel(item.colour, 0) - Channel(colour, 0);
      const int dg = Channel(item.colour, 1) - g;
      const int db = Channel(item.colour, 2) - Channel(colour, 2);
      const int d = dr * dr + dg * dg + db * db;
      if (d < best) {
        best = d;
        index = item.index;
      }
    };
    for (auto it = start; it != byGreen_.end(); ++it) {
      const int dg = Channel(it->colour, 1) - g;
      if (dg * dg >= best) break;
      consider(*it);
    }
    for (auto it = start; it != byGreen_.begin();) {
      --it;
      const int dg = g - Channel(it->colour, 1);
      if (dg * dg >= best) break;
      consider(*it);
    }
    return index;
  }

 private:
  struct Item {
    std::uint32_t colour;
    std::uint8_t index;
  };
  std::vector<Item> byGreen_;
};

}  // namespace

IndexedPicture IndexColours(const PixelView& picture, int left, int top, int width, int height,
                            const PixelView* previous) {
  IndexedPicture out;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const auto unchanged = [&](int x, int y) {
    return previous && ((picture.At(x, y) ^ previous->At(x, y)) & 0xFFFFFFu) == 0;
  };
  bool anyUnchanged = false;
  // Pictures of very many colours (photographs, noise) are counted at 5 bits a channel, which
  // bounds the work of cutting and mapping; everything the table draws is counted exactly.
  std::uint32_t keep = 0xFFFFFFu, centre = 0;
  const auto key = [&](int x, int y) { return (picture.At(x, y) & keep) | centre; };
  ColourCounts counts;
  for (int pass = 0; pass < 2; ++pass) {
    counts = ColourCounts();
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        if (unchanged(x, y)) {
          anyUnchanged = true;
        } else {
          counts.Add(key(x, y));
        }
      }
    }
    if (counts.Size() <= kDenseColours) break;
    keep = 0xF8F8F8u;
    centre = 0x040404u;
  }
  counts.PrepareIndices();

  // One entry stays free for the see-through pixels, when there are any.
  const std::size_t limit = anyUnchanged ? kMaxColours - 1 : kMaxColours;
  std::vector<Entry> entries;
  entries.reserve(counts.Size());
  for (std::size_t slot = 0; slot < counts.Capacity(); ++slot) {
    if (counts.Key(slot) != kNoColour) entries.push_back({counts.Key(slot), counts.Count(slot), slot});
  }
  if (entries.size() <= limit) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      out.palette.push_back(entries[i].colour);
      counts.Index(entries[i].slot) = static_cast<std::uint8_t>(i);
    }
  } else {
    for (const Cell& cell : CutCells(entries, limit)) out.palette.push_back(cell.mean);
    const NearestColour nearest(out.palette);
    for (const Entry& e : entries) counts.Index(e.slot) = nearest(e.colour);
  }
  if (anyUnchanged) {
    out.transparent = static_cast<int>(out.palette.size());
    out.palette.push_back(0);
  }
  // GIF palettes hold a power of two entries, at least two.
  out.palette.resize(std::max<std::size_t>(2, std::bit_ceil(out.palette.size())), 0);

  out.indices.resize(count);
  std::size_t i = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x, ++i) {
      out.indices[i] =
          unchanged(x, y) ? static_cast<std::uint8_t>(out.transparent) : counts.Index(counts.Find(key(x, y)));
    }
  }
  return out;
}

}  // namespace tavlo
