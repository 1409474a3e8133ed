#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tavlo::lan {

// What a layout says about the bytes at the head of a buffer.
struct Measure {
  enum Kind { NeedMore, Whole, Broken } Is = NeedMore;
  std::size_t Length = 0;  // Whole: the length of the message at the head
};

// A layout measures the message at the head of the buffered bytes (never empty).
using Layout = std::function<Measure(std::string_view head)>;

// One connection's receive buffer. TCP delivers a stream, not messages: the transport may
// split a message or merge several, so bytes are buffered here and whole messages are cut
// off the front by their layout. Any way of cutting the stream gives the same messages.
// A stream whose head no layout can read is broken for good: the caller ends the connection.
class MessageCutter {
 public:
  // `limit` bounds the bytes that may wait for a message to complete.
  MessageCutter(Layout layout, std::size_t limit);

  void Append(std::string_view bytes);

  enum class Result { Message, NeedMore, Broken };
  // Cuts the next whole message into `message`.
  Result Next(std::string& message);

  std::size_t Buffered() const { return buffer_.size() - start_; }

 private:
  Layout layout_;
  std::size_t limit_;
  std::string buffer_;
  std::size_t start_ = 0;
  bool broken_ = false;
};

// The layout of every LAN message (lan_messages.h), both directions.
Measure LanLayout(std::string_view head);
// LAN receive buffers hold at most one deal and a little more.
inline constexpr std::size_t kLanBufferLimit = 4096;

}  // namespace tavlo::lan
