#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/deal_message.h"
#include "game/one_based.h"

namespace tavlo::lan {

// The LAN game's messages, byte for byte. Texts travel in Windows-1251, one byte a
// character; card codes are the two bytes of TCardCode. Numbers are decimal digits, two
// digits with a leading '0' below 10. A LAN seat is 1 (the server) .. 4.
//
//   join request  C->S  "zan" GameId(2) "25" "connect1" name(4)                 19 bytes
//   seat reply    S->C  "connect2+" seat digit names of LAN seats 1..4 (4 each) 26 bytes
//   seat news     S->C  "connect3+" or "connect4+" names of LAN seats 1..4      25 bytes
//   deal          S->C  "b" 52 card codes, 52 rank values (game/deal_message.h) 209 bytes
//   h frames      both  "hshow" d, "hslit" d, "hclos" d, "hhd" slot(2) d          6 bytes
//   chat          both  "s" sender digit, the text, then kChatEnd                 3 + text
//   abort         S->C  "abort"                                                    5 bytes
//
// Chat lines are the one message without a fixed length: each ends with a line feed,
// which the text itself never holds (senders drop control characters), so a receiver
// cuts a chat line at the first line feed and a split line is never read as a frame.

inline constexpr int kGameId = 59;
inline constexpr std::string_view kProtocol = "25";
inline constexpr int kDefaultPort = 25666;
inline constexpr std::size_t kNameLength = 4;
inline constexpr std::size_t kJoinLength = 19;
inline constexpr std::size_t kSeatReplyLength = 26;
inline constexpr std::size_t kSeatNewsLength = 25;
inline constexpr std::size_t kFrameLength = 6;
inline constexpr std::string_view kAbort = "abort";
inline constexpr char kChatEnd = '\n';
// Longer chat texts are cut; the chat box takes 15 characters.
inline constexpr std::size_t kMaxChatText = 60;

// Names of LAN seats 1..4, each exactly 4 Windows-1251 bytes.
using LanNames = OneBased<std::string, 4>;
// An unseated seat.
inline constexpr std::string_view kComputerName = "PC  ";

// The first 4 bytes of a name, padded with blanks.
std::string LanName(std::string_view cp1251Name);

std::string JoinRequest(std::string_view name);
// The name of a join request for this game and protocol; nothing for any other text.
std::optional<std::string> ParseJoinRequest(std::string_view message);

std::string SeatReply(int seat, const LanNames& names);
struct SeatReplyData {
  int Seat = 2;  // 2..4
  LanNames Names;
};
std::optional<SeatReplyData> ParseSeatReply(std::string_view message);

// `seat` is the newly taken seat, 3 or 4.
std::string SeatNews(int seat, const LanNames& names);
struct SeatNewsData {
  int Seat = 3;  // the seat just taken: LastClient becomes Seat - 2
  LanNames Names;
};
std::optional<SeatNewsData> ParseSeatNews(std::string_view message);

enum class FrameKind { Show, Gather, CloseSheet, Card };
struct Frame {
  FrameKind Kind = FrameKind::Show;
  int Slot = 0;    // Card: the hand index 1..13
  int Sender = 0;  // the sender's LAN seat 1..4
};
std::string ShowFrame(int sender);
std::string GatherFrame(int sender);
std::string CloseSheetFrame(int sender);
std::string CardFrame(int slot, int sender);
std::optional<Frame> ParseFrame(std::string_view message);

// The text loses its control characters and is cut to kMaxChatText bytes.
std::string ChatMessage(int sender, std::string_view cp1251Text);
struct ChatLine {
  int Sender = 1;
  std::string Text;  // Windows-1251
};
std::optional<ChatLine> ParseChat(std::string_view message);

// The colour of a LAN seat's chat lines as 0xRRGGBB: maroon, navy, green, olive.
std::uint32_t ChatColour(int lanSeat);

}  // namespace tavlo::lan
