#include "files/resource_bundle_check.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tavlo {
namespace {

constexpr std::uint16_t kCompressedZlib = 0x01;
constexpr std::uint16_t kDirectory = 0x02;
constexpr std::uint16_t kCompressedZstd = 0x04;

// Offsets and counts are signed 32-bit numbers to Qt: anything at or above 2^31 is negative there.
constexpr std::uint64_t kSignedLimit = std::uint64_t{1} << 31;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // Whether `length` bytes from `offset` lie inside the bundle.
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  std::uint64_t Size() const { return bytes_.size(); }

  // Big-endian numbers; the caller has checked the range with Holds.
  std::uint16_t U16(std::uint64_t at) const { return static_cast<std::uint16_t>(bytes_[at] << 8 | bytes_[at + 1]); }
  std::uint32_t U32(std::uint64_t at) const {
    return std::uint32_t{bytes_[at]} << 24 | std::uint32_t{bytes_[at + 1]} << 16 | std::uint32_t{bytes_[at + 2]} << 8 |
           bytes_[at + 3];
  }
  std::uint8_t Byte(std::uint64_t at) const { return bytes_[at]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

struct Sections {
  int version = 0;
  std::uint64_t tree = 0;
  std::uint64_t data = 0;
  std::uint64_t names = 0;
  std::uint64_t nodeSize = 0;
};

ResourceBundleFault ReadHeader(const Reader& in, Sections& s) {
  if (!in.Holds(0, 20)) return ResourceBundleFault::TooShort;
  if (in.Byte(0) != 'q' || in.Byte(1) != 'r' || in.Byte(2) != 'e' || in.Byte(3) != 's') {
    return ResourceBundleFault::NotABundle;
  }
  const std::uint32_t version = in.U32(4);
  if (version < 1 || version > 3) return ResourceBundleFault::UnknownVersion;
  s.version = static_cast<int>(version);
  s.tree = in.U32(8);
  s.data = in.U32(12);
  s.names = in.U32(16);
  if (s.version >= 3) {
    if (!in.Holds(20, 4)) return ResourceBundleFault::TooShort;
    if ((in.U32(20) & ~std::uint32_t{kCompressedZlib | kCompressedZstd}) != 0) return ResourceBundleFault::UnknownFlags;
  }
  for (const std::uint64_t offset : {s.tree, s.data, s.names}) {
    if (offset >= kSignedLimit || offset >= in.Size()) return ResourceBundleFault::HeaderOutOfRange;
  }
  s.nodeSize = s.version >= 2 ? 22 : 14;
  return ResourceBundleFault::None;
}

// A name Qt reads for every node but the root: length, hash and UTF-16 units. A name that is
// empty, "." or ".." or holds a separator would make a directory's path name itself or its
// parent, and the directory walk would never end.
bool NameIsSound(const Reader& in, const Sections& s, std::uint32_t nameOffset, const ResourceBundleLimits& limits) {
  if (nameOffset >= kSignedLimit) return false;
  const std::uint64_t at = s.names + nameOffset;
  if (!in.Holds(at, 6)) return false;
  const std::uint16_t length = in.U16(at);
  if (length == 0 || length > limits.MaximumNameLength || !in.Holds(at + 6, std::uint64_t{length} * 2)) return false;
  bool allDots = length <= 2;
  for (std::uint16_t i = 0; i < length; ++i) {
    const std::uint16_t unit = in.U16(at + 6 + std::uint64_t{i} * 2);
    if (unit == 0 || unit == '/' || unit == '\\') return false;
    if (unit != '.') allDots = false;
  }
  return !allDots;
}

// The inflated size that compressed data states, checked against the limit.
bool CompressedSizeIsSound(const Reader& in, std::uint64_t at, std::uint64_t length, std::uint16_t flags,
                           const ResourceBundleLimits& limits) {
  std::uint64_t inflated = 0;
  if (flags == kCompressedZlib) {
    if (length < 4) return false;
    inflated = in.U32(at);
  } else {
    // One zstd frame: magic, frame header descriptor, optional window byte and dictionary id, then
    // the content size. A frame that does not state its size is refused.
    if (length < 6 || in.U32(at) != 0x28B52FFD) return false;
    const std::uint8_t descriptor = in.Byte(at + 4);
    if ((descriptor & 0x08) != 0) return false;  // reserved bit
    const bool singleSegment = (descriptor & 0x20) != 0;
    static constexpr std::uint64_t kDictionaryIdSize[] = {0, 1, 2, 4};
    static constexpr std::uint64_t kContentSizeSize[] = {0, 2, 4, 8};
    const int sizeFlag = descriptor >> 6;
    const std::uint64_t sizeBytes = sizeFlag == 0 ? (singleSegment ? 1 : 0) : kContentSizeSize[sizeFlag];
    if (sizeBytes == 0) return false;
    const std::uint64_t sizeAt = at + 5 + (singleSegment ? 0 : 1) + kDictionaryIdSize[descriptor & 0x03];
    if (sizeAt + sizeBytes > at + length) return false;
    for (std::uint64_t i = sizeBytes; i > 0; --i) inflated = inflated << 8 | in.Byte(sizeAt + i - 1);  // little-endian
    if (sizeBytes == 2) inflated += 256;
  }
  return inflated <= limits.MaximumFileSize;
}

}  // namespace

ResourceBundleCheck CheckResourceBundle(std::span<const std::uint8_t> bytes, const ResourceBundleLimits& limits) {
  ResourceBundleCheck check;
  auto fail = [&check](ResourceBundleFault fault) {
    check.Fault = fault;
    return check;
  };
  const Reader in(bytes);
  Sections s;
  if (const ResourceBundleFault fault = ReadHeader(in, s); fault != ResourceBundleFault::None) return fail(fault);

  // Only nodes that fit whole into the file can be read; every one is reached at most once.
  const std::uint64_t nodeCapacity = std::min((in.Size() - s.tree) / s.nodeSize, kSignedLimit);
  if (nodeCapacity == 0) return fail(ResourceBundleFault::NodeOutOfRange);
  std::vector<bool> visited(static_cast<std::size_t>(nodeCapacity));
  std::vector<std::pair<std::uint64_t, int>> pending{{0, 0}};  // node and depth
  visited[0] = true;
  std::size_t reached = 1;

  while (!pending.empty()) {
    const auto [node, depth] = pending.back();
    pending.pop_back();
    const std::uint64_t at = s.tree + node * s.nodeSize;
    const std::uint32_t nameOffset = in.U32(at);
    const std::uint16_t flags = in.U16(at + 4);
    if (node != 0 && !NameIsSound(in, s, nameOffset, limits)) return fail(ResourceBundleFault::BadName);

    if (flags == kDirectory) {
      ++check.Directories;
      const std::uint64_t count = in.U32(at + 6);
      const std::uint64_t first = in.U32(at + 10);
      // Qt's search for a name in an empty directory never ends, and rcc writes none.
      if (count == 0 || count >= kSignedLimit || first >= kSignedLimit || first + count > nodeCapacity) {
        return fail(ResourceBundleFault::NodeOutOfRange);
      }
      if (depth + 1 > limits.MaximumDepth) return fail(ResourceBundleFault::TooDeep);
      for (std::uint64_t child = first; child < first + count; ++child) {
        if (visited[child]) return fail(ResourceBundleFault::NodeRevisited);
        visited[child] = true;
        if (++reached > limits.MaximumNodes) return fail(ResourceBundleFault::TooManyNodes);
        pending.emplace_back(child, depth + 1);
      }
      continue;
    }
    if (node == 0) return fail(ResourceBundleFault::RootNotDirectory);
    if (flags != 0 && flags != kCompressedZlib && flags != kCompressedZstd)
      return fail(ResourceBundleFault::UnknownFlags);
    ++check.Files;
    const std::uint64_t dataOffset = in.U32(at + 10);
    if (dataOffset >= kSignedLimit || !in.Holds(s.data + dataOffset, 4))
      return fail(ResourceBundleFault::DataOutOfRange);
    const std::uint64_t length = in.U32(s.data + dataOffset);
    const std::uint64_t start = s.data + dataOffset + 4;
    if (!in.Holds(start, length)) return fail(ResourceBundleFault::DataOutOfRange);
    if (flags != 0 && !CompressedSizeIsSound(in, start, length, flags, limits)) {
      return fail(ResourceBundleFault::BadCompressedData);
    }
  }
  return check;
}

std::string_view ResourceBundleFaultText(ResourceBundleFault fault) {
  switch (fault) {
    case ResourceBundleFault::None:
      return "sound";
    case ResourceBundleFault::TooShort:
      return "shorter than its header";
    case ResourceBundleFault::NotABundle:
      return "not a resource bundle";
    case ResourceBundleFault::UnknownVersion:
      return "unknown format version";
    case ResourceBundleFault::UnknownFlags:
      return "unknown compression";
    case ResourceBundleFault::HeaderOutOfRange:
      return "a section lies outside the file";
    case ResourceBundleFault::NodeOutOfRange:
      return "a directory entry lies outside the file";
    case ResourceBundleFault::RootNotDirectory:
      return "the root is not a directory";
    case ResourceBundleFault::NodeRevisited:
      return "a directory entry is reached twice";
    case ResourceBundleFault::TooDeep:
      return "directories nested too deep";
    case ResourceBundleFault::TooManyNodes:
      return "too many entries";
    case ResourceBundleFault::BadName:
      return "a damaged name";
    case ResourceBundleFault::DataOutOfRange:
      return "a file's bytes lie outside the file";
    case ResourceBundleFault::BadCompressedData:
      return "compressed data of unknown or excessive size";
  }
  return "unknown fault";
}

}  // namespace tavlo
