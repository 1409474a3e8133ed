#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "net/lan/lan_messages.h"
#include "net/lan/message_cutter.h"

namespace tavlo::tour {

// The tournament connection's frames. Every text travels in a frame of 50 Windows-1251
// bytes: the text, '#' up to the 50th byte, and in the 50th byte the digit of the sender's
// place (1..4; '0' for the game server's own frames). The one exception is the deal, which
// the server sends as the LAN deal message of 209 bytes, unpadded.
//
//   player -> server                        server -> players
//   "connect" place                         the deal (game/deal_message.h)
//   "s" chat text                           's', 'h' and "TOut" frames of the other places
//   "hshow" / "hslit" / "hclos" role        "e"                  the game has ended
//   "hhd" slot(2) role                      "abort" place        a place left the game
//   "bnext"      place 1 asks for the next deal
//   "TOut"       the own clock ran out
//   "disA"       the seat is left
//   "o" result x4 (7 bytes each, right-aligned): places 1, 2, then 3, 4 negated

inline constexpr std::size_t kTourFrameLength = 50;
inline constexpr char kTourPad = '#';
inline constexpr char kServerPlace = '0';
// The chat box takes 15 characters.
inline constexpr std::size_t kMaxTourChat = 15;
// The seconds a place has for each move.
inline constexpr int kMoveSeconds = 26;

// The frame that SendTourFrame writes for `text` from `place`: padded with '#' to 50 bytes,
// and the 50th byte replaced by the place digit even when the text is 50 bytes or longer.
std::string SendTourFrame(std::string_view text, int place);
// The same for the server's own frames ("e", "abort").
std::string ServerFrame(std::string_view text);

std::string ConnectFrame(int place);
// Control characters and '#' (which would end the line for the receivers) are dropped,
// and the text is cut to kMaxTourChat bytes.
std::string ChatFrame(int place, std::string_view cp1251Text);
std::string MoveFrame(int place, const lan::Frame& move);
std::string NextDealFrame();
std::string TimeOutFrame(int place);
std::string LeaveSeatFrame(int place);
// Results beyond seven characters are held at +-999999.
std::string ResultFrame(std::int32_t placeOneResult);
std::string EndFrame();
std::string AbortFrame(int place);

// What a program receives.
struct ServerFrameData {
  enum Kind { Chat, Deal, Move, End, Abort, TimeOut } Is = End;
  int Place = 0;     // Chat, TimeOut: the 50th byte; Abort: the 6th byte
  std::string Text;  // Chat: the line up to the first '#'
  lan::Frame Moved;  // Move
  DeckCards Deck;    // Deal
  OneBased<std::uint8_t, 52> Ranks{};
};
// Nothing for a frame no program sends or whose place is not 1..4; such frames are dropped.
std::optional<ServerFrameData> ParseServerFrame(std::string_view frame);

// What the server receives.
struct PlayerFrameData {
  enum Kind { Connect, Chat, Move, NextDeal, TimeOut, LeaveSeat, Result } Is = Connect;
  int Place = 0;     // the 50th byte; Connect: also the place it names
  std::string Text;  // Chat
  lan::Frame Moved;  // Move
  std::int32_t PlaceOneResult = 0;  // Result
};
// Nothing for garbage, for a frame that is not 50 bytes, and for a place byte that is not
// 1..4 or disagrees with the place a frame names.
std::optional<PlayerFrameData> ParsePlayerFrame(std::string_view frame);

// The stream layouts: a program's receive buffer cuts the 209-byte deal whole and every other
// frame at 50 bytes; the server's cuts 50-byte frames only.
lan::Measure ServerStreamLayout(std::string_view head);
lan::Measure PlayerStreamLayout(std::string_view head);
inline constexpr std::size_t kTourBufferLimit = 4096;

}  // namespace tavlo::tour
