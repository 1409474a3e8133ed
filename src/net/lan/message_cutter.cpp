#include "net/lan/message_cutter.h"

#include "game/deal_message.h"
#include "net/lan/lan_messages.h"

namespace tavlo::lan {

MessageCutter::MessageCutter(Layout layout, std::size_t limit) : layout_(std::move(layout)), limit_(limit) {}

void MessageCutter::Append(std::string_view bytes) {
  if (broken_) return;
  // Consumed bytes are dropped only now and then, so cutting stays linear.
  if (start_ > 0 && start_ >= buffer_.size() / 2) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  buffer_.append(bytes);
}

MessageCutter::Result MessageCutter::Next(std::string& message) {
  if (broken_) return Result::Broken;
  const std::string_view head = std::string_view(buffer_).substr(start_);
  if (head.empty()) return Result::NeedMore;
  const Measure m = layout_(head);
  if (m.Is == Measure::Broken || (m.Is == Measure::Whole && m.Length == 0) ||
      (m.Is == Measure::NeedMore && head.size() > limit_)) {
    broken_ = true;
    buffer_.clear();
    start_ = 0;
    return Result::Broken;
  }
  if (m.Is == Measure::NeedMore || head.size() < m.Length) return Result::NeedMore;
  message.assign(head.substr(0, m.Length));
  start_ += m.Length;
  return Result::Message;
}

namespace {

// The head must begin with `prefix` (as far as it goes) for a message of `length` bytes.
Measure Fixed(std::string_view head, std::string_view prefix, std::size_t length) {
  const std::size_t n = std::min(head.size(), prefix.size());
  if (head.substr(0, n) != prefix.substr(0, n)) return {Measure::Broken, 0};
  return {Measure::Whole, length};
}

}  // namespace

Measure LanLayout(std::string_view head) {
  switch (head[0]) {
    case 'z':
      return Fixed(head, "zan", kJoinLength);
    case 'b':
      return {Measure::Whole, kDealMessageLength};
    case 'h':
      return {Measure::Whole, kFrameLength};
    case 'a':
      return Fixed(head, kAbort, kAbort.size());
    case 'c': {
      const Measure m = Fixed(head, "connect", kSeatNewsLength);
      if (m.Is == Measure::Broken || head.size() < 9) return m.Is == Measure::Broken ? m : Measure{};
      if (head[8] != '+') return {Measure::Broken, 0};
      switch (head[7]) {
        case '2':
          return {Measure::Whole, kSeatReplyLength};
        case '3':
        case '4':
          return {Measure::Whole, kSeatNewsLength};
        default:
          return {Measure::Broken, 0};
      }
    }
    case 's': {
      // A line longer than any sender writes is not a chat line. The end is looked for only
      // where a chat line may end, so a long line breaks the stream however it was cut.
      const std::size_t end = head.substr(0, 2 + kMaxChatText + 1).find(kChatEnd);
      if (end != std::string_view::npos) return {Measure::Whole, end + 1};
      if (head.size() > 2 + kMaxChatText) return {Measure::Broken, 0};
      return {};
    }
    default:
      return {Measure::Broken, 0};
  }
}

}  // namespace tavlo::lan
