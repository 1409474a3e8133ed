#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavlo {

// Qt's resource registration trusts every offset inside a binary resource bundle (.rcc): a
// damaged or hostile bundle makes it read outside the file, or walk a directory that contains
// itself for ever. This check proves, before registration, that every read Qt makes while
// listing the bundle and reading its files stays inside the bytes, and that the walk ends.
//
// Layout (all numbers big-endian):
//   header   "qres", version (1..3), tree, data and names offsets, and from version 3 a flags word
//   tree     nodes of 14 bytes (22 from version 2, which adds a modification time); node 0 is the
//            root. A node: name offset (4), flags (2: 1 zlib, 2 directory, 4 zstd), then either a
//            child count and the index of the first child (4 + 4) or a locale (2 + 2) and a data
//            offset (4)
//   names    length in UTF-16 units (2), hash (4), the UTF-16 characters
//   data     length (4) and the bytes; zlib data starts with its inflated length (4), zstd data is
//            one frame that states its content size
struct ResourceBundleLimits {
  std::size_t MaximumNodes = 1 << 16;
  int MaximumDepth = 32;
  std::size_t MaximumNameLength = 255;                      // UTF-16 units
  std::uint64_t MaximumFileSize = std::uint64_t{64} << 20;  // one file inflated
};

enum class ResourceBundleFault {
  None,
  TooShort,          // shorter than its header
  NotABundle,        // no "qres" magic
  UnknownVersion,    // a version Qt does not read
  UnknownFlags,      // a compression this check does not know
  HeaderOutOfRange,  // a section offset outside the file
  NodeOutOfRange,    // a node, or a run of children, past the end of the file
  RootNotDirectory,
  NodeRevisited,  // a node reached twice: a cycle or shared children
  TooDeep,
  TooManyNodes,
  BadName,            // a name outside the file, too long, empty, "." / ".." or holding "/"
  DataOutOfRange,     // a file's bytes outside the file
  BadCompressedData,  // compressed data that does not state a sane inflated size
};

struct ResourceBundleCheck {
  ResourceBundleFault Fault = ResourceBundleFault::None;
  std::size_t Files = 0;        // file nodes reached from the root
  std::size_t Directories = 0;  // directory nodes reached from the root, the root included
  bool Sound() const { return Fault == ResourceBundleFault::None; }
};

ResourceBundleCheck CheckResourceBundle(std::span<const std::uint8_t> bytes, const ResourceBundleLimits& limits = {});

// A short English description, for logs and test output.
std::string_view ResourceBundleFaultText(ResourceBundleFault fault);

}  // namespace tavlo
