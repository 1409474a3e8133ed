#include "files/resource_bundle_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavlo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v >> 8);
  b[at + 1] = static_cast<std::uint8_t>(v);
}
void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}
void AppendU16(Bytes& b, std::uint16_t v) {
  b.resize(b.size() + 2);
  PutU16(b, b.size() - 2, v);
}
void AppendU32(Bytes& b, std::uint32_t v) {
  b.resize(b.size() + 4);
  PutU32(b, b.size() - 4, v);
}

// A bundle laid out as rcc writes version 3: header, file data, names, tree. Its tree:
//   node 0  root, children 1..2
//   node 1  "a.png", plain data "hello"
//   node 2  "sub", child 3
//   node 3  "c.png", zlib data that states 10 inflated bytes
struct TinyBundle {
  static constexpr std::size_t kNodeSize = 22;
  Bytes bytes;
  std::size_t tree = 0;
  std::size_t names = 0;
  std::size_t data = 0;
  std::size_t fileData = 0;  // the zlib entry's length word

  TinyBundle() {
    bytes = {'q', 'r', 'e', 's'};
    AppendU32(bytes, 3);
    AppendU32(bytes, 0);  // tree, data and names offsets, filled in below
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0x01);  // zlib used

    data = bytes.size();
    AppendU32(bytes, 5);
    for (char c : std::string("hello")) bytes.push_back(static_cast<std::uint8_t>(c));
    fileData = bytes.size() - data;
    AppendU32(bytes, 16);
    AppendU32(bytes, 10);  // inflated size, then twelve bytes standing for the stream
    AppendU32(bytes, 0x789C0000);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);

    names = bytes.size();
    std::vector<std::uint32_t> nameOffsets;
    for (const std::string name : {"a.png", "sub", "c.png"}) {
      nameOffsets.push_back(static_cast<std::uint32_t>(bytes.size() - names));
      AppendU16(bytes, static_cast<std::uint16_t>(name.size()));
      AppendU32(bytes, 0);  // hash: not needed for safety
      for (char c : name) AppendU16(bytes, static_cast<std::uint16_t>(c));
    }

    tree = bytes.size();
    Directory(0, 2, 1);
    File(nameOffsets[0], 0x00, 0);
    Directory(nameOffsets[1], 1, 3);
    File(nameOffsets[2], 0x01, static_cast<std::uint32_t>(fileData));

    PutU32(bytes, 8, static_cast<std::uint32_t>(tree));
    PutU32(bytes, 12, static_cast<std::uint32_t>(data));
    PutU32(bytes, 16, static_cast<std::uint32_t>(names));
  }

  std::size_t Node(int n) const { return tree + static_cast<std::size_t>(n) * kNodeSize; }

 private:
  void Directory(std::uint32_t name, std::uint32_t count, std::uint32_t first) {
    AppendU32(bytes, name);
    AppendU16(bytes, 0x02);
    AppendU32(bytes, count);
    AppendU32(bytes, first);
    AppendU32(bytes, 0);  // modification time
    AppendU32(bytes, 0);
  }
  void File(std::uint32_t name, std::uint16_t flags, std::uint32_t dataOffset) {
    AppendU32(bytes, name);
    AppendU16(bytes, flags);
    AppendU32(bytes, 0);  // locale
    AppendU32(bytes, dataOffset);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
  }
};

ResourceBundleCheck Check(const Bytes& bytes) { return CheckResourceBundle(bytes); }

TEST(ResourceBundleCheckTest, AWellFormedBundleIsSoundAndCounted) {
  const TinyBundle bundle;
  const ResourceBundleCheck check = Check(bundle.bytes);
  EXPECT_TRUE(check.Sound()) << ResourceBundleFaultText(check.Fault);
  EXPECT_EQ(check.Files, 2u);
  EXPECT_EQ(check.Directories, 2u);
}

TEST(ResourceBundleCheckTest, EveryDamageThatWouldMisleadQtIsRefused) {
  using F = ResourceBundleFault;
  struct Case {
    const char* damage;
    std::function<void(TinyBundle&)> apply;
    ResourceBundleFault fault;
  };
  const std::vector<Case> cases = {
      {"cut inside the header", [](TinyBundle& b) { b.bytes.resize(19); }, F::TooShort},
      {"cut inside the flags word", [](TinyBundle& b) { b.bytes.resize(22); }, F::TooShort},
      {"wrong magic", [](TinyBundle& b) { b.bytes[0] = 'Q'; }, F::NotABundle},
      {"version 0", [](TinyBundle& b) { PutU32(b.bytes, 4, 0); }, F::UnknownVersion},
      {"version 4", [](TinyBundle& b) { PutU32(b.bytes, 4, 4); }, F::UnknownVersion},
      {"unknown header flag", [](TinyBundle& b) { PutU32(b.bytes, 20, 0x08); }, F::UnknownFlags},
      {"tree past the end", [](TinyBundle& b) { PutU32(b.bytes, 8, static_cast<std::uint32_t>(b.bytes.size())); },
       F::HeaderOutOfRange},
      {"negative names offset", [](TinyBundle& b) { PutU32(b.bytes, 16, 0xFFFFFFF0); }, F::HeaderOutOfRange},
      {"data offset far away", [](TinyBundle& b) { PutU32(b.bytes, 12, 0x7FFFFFFF); }, F::HeaderOutOfRange},
      {"tree too close to the end for a node",
       [](TinyBundle& b) { PutU32(b.bytes, 8, static_cast<std::uint32_t>(b.bytes.size() - 10)); }, F::NodeOutOfRange},
      {"children past the last node", [](TinyBundle& b) { PutU32(b.bytes, b.Node(0) + 6, 4); }, F::NodeOutOfRange},
      {"huge child count", [](TinyBundle& b) { PutU32(b.bytes, b.Node(0) + 6, 0xFFFFFFFF); }, F::NodeOutOfRange},
      {"first child far away", [](TinyBundle& b) { PutU32(b.bytes, b.Node(2) + 10, 0x40000000); }, F::NodeOutOfRange},
      {"an empty directory", [](TinyBundle& b) { PutU32(b.bytes, b.Node(2) + 6, 0); }, F::NodeOutOfRange},
      {"root is a file", [](TinyBundle& b) { PutU16(b.bytes, b.Node(0) + 4, 0); }, F::RootNotDirectory},
      {"directory holds the root", [](TinyBundle& b) { PutU32(b.bytes, b.Node(2) + 10, 0); }, F::NodeRevisited},
      {"directory holds itself", [](TinyBundle& b) { PutU32(b.bytes, b.Node(2) + 10, 2); }, F::NodeRevisited},
      {"two directories share a child",
       [](TinyBundle& b) {
         PutU32(b.bytes, b.Node(2) + 10, 1);  // "sub" holds "a.png" as the root does
       },
       F::NodeRevisited},
      {"directory and compression at once", [](TinyBundle& b) { PutU16(b.bytes, b.Node(1) + 4, 0x03); },
       F::UnknownFlags},
      {"zlib and zstd at once", [](TinyBundle& b) { PutU16(b.bytes, b.Node(1) + 4, 0x05); }, F::UnknownFlags},
      {"name offset past the end", [](TinyBundle& b) { PutU32(b.bytes, b.Node(1), 0x00100000); }, F::BadName},
      {"name longer than the file", [](TinyBundle& b) { PutU16(b.bytes, b.names, 0x7FFF); }, F::BadName},
      {"empty name", [](TinyBundle& b) { PutU16(b.bytes, b.names, 0); }, F::BadName},
      {"name \"..\"",
       [](TinyBundle& b) {
         PutU16(b.bytes, b.names + 16, 2);  // "sub" becomes ".."
         PutU16(b.bytes, b.names + 22, '.');
         PutU16(b.bytes, b.names + 24, '.');
       },
       F::BadName},
      {"name holding a slash", [](TinyBundle& b) { PutU16(b.bytes, b.names + 8, '/'); }, F::BadName},
      {"name holding a zero", [](TinyBundle& b) { PutU16(b.bytes, b.names + 8, 0); }, F::BadName},
      {"data offset past the end", [](TinyBundle& b) { PutU32(b.bytes, b.Node(1) + 10, 0x01000000); },
       F::DataOutOfRange},
      {"negative data offset", [](TinyBundle& b) { PutU32(b.bytes, b.Node(1) + 10, 0xFFFFFFFC); }, F::DataOutOfRange},
      {"data length past the end", [](TinyBundle& b) { PutU32(b.bytes, b.data, 0x00010000); }, F::DataOutOfRange},
      {"data length that wraps", [](TinyBundle& b) { PutU32(b.bytes, b.data, 0xFFFFFFFF); }, F::DataOutOfRange},
      {"zlib data too short for its size word", [](TinyBundle& b) { PutU32(b.bytes, b.data + b.fileData, 3); },
       F::BadCompressedData},
      {"zlib data inflating to 4 GB", [](TinyBundle& b) { PutU32(b.bytes, b.data + b.fileData + 4, 0xFFFFFFFF); },
       F::BadCompressedData},
      {"zstd flag on data that is no zstd frame", [](TinyBundle& b) { PutU16(b.bytes, b.Node(3) + 4, 0x04); },
       F::BadCompressedData},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.damage);
    TinyBundle bundle;
    c.apply(bundle);
    EXPECT_EQ(Check(bundle.bytes).Fault, c.fault) << ResourceBundleFaultText(Check(bundle.bytes).Fault);
  }
}

// zstd frames state their inflated size in a header of varying shape.
TEST(ResourceBundleCheckTest, ZstdFramesAreReadForTheirContentSize) {
  struct Case {
    const char* frame;
    Bytes header;  // after the magic
    bool sound;
  };
  const std::vector<Case> cases = {
      {"single segment, one size byte", {0x20, 0x0A}, true},
      {"two size bytes count from 256", {0x60, 0xA0, 0x04}, true},
      {"four size bytes, small", {0xA0, 0x00, 0x10, 0x00, 0x00}, true},
      {"four size bytes, 4 GB", {0xA0, 0xFF, 0xFF, 0xFF, 0xFF}, false},
      {"eight size bytes, a terabyte", {0xE0, 0, 0, 0, 0, 0, 1, 0, 0}, false},
      {"window byte and dictionary id before the size", {0x42, 0x50, 0x07, 0x10, 0x00, 0x01}, true},
      {"size not stated", {0x00, 0x50}, false},
      {"reserved bit set", {0x28, 0x0A}, false},
      {"size cut off by the end of the data", {0xA0, 0x00}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    TinyBundle bundle;
    // Replace the zlib entry of "c.png" by a zstd frame of the given header, padded by zero bytes.
    Bytes entry = {0x28, 0xB5, 0x2F, 0xFD};
    entry.insert(entry.end(), c.header.begin(), c.header.end());
    const std::size_t length = entry.size();
    entry.resize(16, 0);  // as long as the zlib entry it replaces
    std::copy(entry.begin(), entry.end(),
              bundle.bytes.begin() + static_cast<std::ptrdiff_t>(bundle.data + bundle.fileData + 4));
    PutU32(bundle.bytes, bundle.data + bundle.fileData, static_cast<std::uint32_t>(length));
    PutU16(bundle.bytes, bundle.Node(3) + 4, 0x04);
    EXPECT_EQ(Check(bundle.bytes).Sound(), c.sound) << ResourceBundleFaultText(Check(bundle.bytes).Fault);
  }
}

TEST(ResourceBundleCheckTest, LimitsOnDepthAndCountHold) {
  const TinyBundle bundle;
  ResourceBundleLimits shallow;
  shallow.MaximumDepth = 1;  // "sub/c.png" lies at depth 2
  EXPECT_EQ(CheckResourceBundle(bundle.bytes, shallow).Fault, ResourceBundleFault::TooDeep);
  ResourceBundleLimits few;
  few.MaximumNodes = 3;
  EXPECT_EQ(CheckResourceBundle(bundle.bytes, few).Fault, ResourceBundleFault::TooManyNodes);
  ResourceBundleLimits small;
  small.MaximumFileSize = 9;  // "c.png" inflates to 10 bytes
  EXPECT_EQ(CheckResourceBundle(bundle.bytes, small).Fault, ResourceBundleFault::BadCompressedData);
}

// Version 1 bundles have 14-byte nodes and no flags word.
TEST(ResourceBundleCheckTest, VersionOneNodesAreReadAtTheirOwnSize) {
  Bytes b = {'q', 'r', 'e', 's', 0, 0, 0, 1};
  AppendU32(b, 0);
  AppendU32(b, 20);
  AppendU32(b, 0);
  AppendU32(b, 1);  // data at 20: one byte, "x"
  b.push_back('x');
  const std::size_t names = b.size();
  AppendU16(b, 1);
  AppendU32(b, 0);
  AppendU16(b, 'x');
  const std::size_t tree = b.size();
  AppendU32(b, 0);  // root: one child, node 1
  AppendU16(b, 0x02);
  AppendU32(b, 1);
  AppendU32(b, 1);
  AppendU32(b, 0);  // file "x"
  AppendU16(b, 0);
  AppendU32(b, 0);
  AppendU32(b, 0);
  PutU32(b, 8, static_cast<std::uint32_t>(tree));
  PutU32(b, 16, static_cast<std::uint32_t>(names));
  EXPECT_TRUE(Check(b).Sound()) << ResourceBundleFaultText(Check(b).Fault);
  b.pop_back();  // the file node no longer fits
  EXPECT_EQ(Check(b).Fault, ResourceBundleFault::NodeOutOfRange);
}

}  // namespace
}  // namespace tavlo
