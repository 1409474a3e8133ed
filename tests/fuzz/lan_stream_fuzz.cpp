// A LAN connection's byte stream: whatever a peer sends, and however the transport cuts it, the
// receive buffer gives the same messages, every message it gives is one of the known layouts, and
// every message a parser reads is written back the same by its builder.
//
// Input: two bytes that seed the cuts of the stream, then the stream itself.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "game/deal_message.h"
#include "net/lan/lan_messages.h"
#include "net/lan/message_cutter.h"

namespace {

using tavlo::fuzzing::Require;
using namespace tavlo::lan;

struct Cut {
  std::vector<std::string> Messages;
  bool Broken = false;
  std::size_t MostBuffered = 0;
};

Cut CutStream(std::string_view stream, const std::vector<std::size_t>& pieces) {
  MessageCutter cutter(LanLayout, kLanBufferLimit);
  Cut out;
  std::size_t at = 0;
  std::string message;
  for (const std::size_t n : pieces) {
    cutter.Append(stream.substr(at, n));
    at += n;
    out.MostBuffered = std::max(out.MostBuffered, cutter.Buffered());
    for (;;) {
      const MessageCutter::Result r = cutter.Next(message);
      if (r == MessageCutter::Result::NeedMore) break;
      if (r == MessageCutter::Result::Broken) {
        out.Broken = true;
        return out;
      }
      out.Messages.push_back(message);
    }
  }
  return out;
}

// Piece lengths 1..64 from a small generator seeded by the input, covering the whole stream.
std::vector<std::size_t> Pieces(std::uint32_t seed, std::size_t total) {
  std::vector<std::size_t> pieces;
  std::uint32_t x = seed * 2654435761u + 1;
  for (std::size_t at = 0; at < total;) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    // Mostly single bytes and short runs, now and then a long one.
    const std::size_t n = (x & 3) == 0 ? 1 + (x >> 8) % 64 : 1 + (x >> 8) % 4;
    pieces.push_back(std::min(n, total - at));
    at += pieces.back();
  }
  return pieces;
}

void CheckReadsBack(const std::string& m) {
  Require(!m.empty() && m.size() <= tavlo::kDealMessageLength, "a cut message has a layout's length");
  if (const auto name = ParseJoinRequest(m)) {
    Require(JoinRequest(*name) == m, "a join request reads back");
  }
  if (const auto reply = ParseSeatReply(m)) {
    Require(reply->Seat >= 2 && reply->Seat <= 4, "a seat reply names a client seat");
    for (const std::string& name : reply->Names) Require(name.size() == kNameLength, "seat names are 4 bytes");
    // Another seat digit than 3 or 4 stands for seat 2.
    if (m[9] >= '2' && m[9] <= '4') Require(SeatReply(reply->Seat, reply->Names) == m, "a seat reply reads back");
  }
  if (const auto news = ParseSeatNews(m)) {
    Require(SeatNews(news->Seat, news->Names) == m, "seat news reads back");
  }
  if (const auto frame = ParseFrame(m)) {
    Require(frame->Sender >= 1 && frame->Sender <= 4, "a frame's sender is a LAN seat");
    std::string built;
    switch (frame->Kind) {
      case FrameKind::Show:
        built = ShowFrame(frame->Sender);
        break;
      case FrameKind::Gather:
        built = GatherFrame(frame->Sender);
        break;
      case FrameKind::CloseSheet:
        built = CloseSheetFrame(frame->Sender);
        break;
      case FrameKind::Card:
        Require(frame->Slot >= 1 && frame->Slot <= 13, "a card frame names a hand slot");
        built = CardFrame(frame->Slot, frame->Sender);
        break;
    }
    Require(built == m, "a frame reads back");
  }
  if (const auto line = ParseChat(m)) {
    Require(line->Sender >= 1 && line->Sender <= 4, "a chat line's sender is a LAN seat");
    Require(line->Text.find(kChatEnd) == std::string::npos, "a chat text holds no line end");
    // Control bytes are dropped on the way in; what is left travels unchanged.
    const std::string again = ChatMessage(line->Sender, line->Text);
    const auto reread = ParseChat(again);
    Require(reread && reread->Sender == line->Sender && reread->Text == line->Text, "a chat line reads back");
  }
  tavlo::DeckCards deck{};
  tavlo::OneBased<std::uint8_t, 52> ranks{};
  if (tavlo::ParseDealMessage(m, deck, ranks)) {
    Require(tavlo::DealMessage(deck, ranks) == m, "a deal reads back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t seed = static_cast<std::uint32_t>(data[0]) << 8 | data[1];
  const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);

  const Cut whole = CutStream(stream, {stream.size()});
  const Cut pieces = CutStream(stream, Pieces(seed, stream.size()));
  std::vector<std::size_t> ones(stream.size(), 1);
  const Cut bytes = CutStream(stream, ones);

  Require(pieces.Messages == whole.Messages && pieces.Broken == whole.Broken,
          "cutting the stream into pieces gives the same messages");
  Require(bytes.Messages == whole.Messages && bytes.Broken == whole.Broken,
          "one byte at a time gives the same messages");
  // Fed a byte at a time, nothing waits beyond the longest message.
  Require(bytes.MostBuffered <= tavlo::kDealMessageLength, "a receive buffer holds at most one message");

  std::size_t used = 0;
  for (const std::string& m : whole.Messages) {
    Require(stream.substr(used, m.size()) == m, "messages are the stream's bytes in order");
    used += m.size();
    CheckReadsBack(m);
  }
  // The stream is used up unless it broke or ends inside a message.
  if (!whole.Broken) Require(stream.size() - used <= tavlo::kDealMessageLength, "only a partial message waits");
  return 0;
}
