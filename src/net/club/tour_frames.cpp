#include "net/club/tour_frames.h"

#include <algorithm>
#include <cstdio>

#include "game/deal_message.h"

namespace tavlo::tour {
namespace {

constexpr std::int32_t kResultBound = 999999;
constexpr std::size_t kResultWidth = 7;

char PlaceDigit(int place) { return static_cast<char>('0' + std::clamp(place, 0, 9)); }
int PlaceOf(char c) { return c >= '1' && c <= '4' ? c - '0' : 0; }

// The text of a frame: the bytes before the padding.
std::string_view Body(std::string_view frame) {
  const std::string_view text = frame.substr(0, kTourFrameLength - 1);
  return text.substr(0, text.find(kTourPad));
}

bool Padded(std::string_view frame, std::size_t textLength) {
  return std::all_of(frame.begin() + static_cast<std::ptrdiff_t>(textLength), frame.begin() + kTourFrameLength - 1,
                     [](char c) { return c == kTourPad; });
}

std::optional<std::int32_t> ReadNumber(std::string_view field) {
  std::size_t at = field.find_first_not_of(' ');
  if (at == std::string_view::npos) return std::nullopt;
  bool negative = false;
  if (field[at] == '-') {
    negative = true;
    ++at;
  }
  if (at == field.size()) return std::nullopt;
  std::int32_t value = 0;
  for (; at < field.size(); ++at) {
    if (field[at] < '0' || field[at] > '9') return std::nullopt;
    value = value * 10 + (field[at] - '0');
  }
  return negative ? -value : value;
}

std::string NumberField(std::int32_t value) {
  char field[16];
  std::snprintf(field, sizeof field, "%7d", static_cast<int>(value));
  return field;
}

}  // namespace

std::string SendTourFrame(std::string_view text, int place) {
  std::string frame(text);
  if (frame.size() < kTourFrameLength) frame.resize(kTourFrameLength, kTourPad);
  frame[kTourFrameLength - 1] = PlaceDigit(place);
  return frame;
}

std::string ServerFrame(std::string_view text) { return SendTourFrame(text, 0); }

std::string ConnectFrame(int place) { return SendTourFrame("connect" + std::string(1, PlaceDigit(place)), place); }

std::string ChatFrame(int place, std::string_view text) {
  std::string line = "s";
  for (const char c : text) {
    if (line.size() > kMaxTourChat) break;
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != kTourPad) line += c;
  }
  return SendTourFrame(line, place);
}

std::string MoveFrame(int place, const lan::Frame& move) {
  switch (move.Kind) {
    case lan::FrameKind::Show:
      return SendTourFrame(lan::ShowFrame(place), place);
    case lan::FrameKind::Gather:
      return SendTourFrame(lan::GatherFrame(place), place);
    case lan::FrameKind::CloseSheet:
      return SendTourFrame(lan::CloseSheetFrame(place), place);
    case lan::FrameKind::Card:
      break;
  }
  return SendTourFrame(lan::CardFrame(move.Slot, place), place);
}

std::string NextDealFrame() { return SendTourFrame("bnext", 1); }
std::string TimeOutFrame(int place) { return SendTourFrame("TOut", place); }
std::string LeaveSeatFrame(int place) { return SendTourFrame("disA", place); }

std::string ResultFrame(std::int32_t result) {
  const std::int32_t r = std::clamp(result, -kResultBound, kResultBound);
  return SendTourFrame("o" + NumberField(r) + NumberField(r) + NumberField(-r) + NumberField(-r), 1);
}

std::string EndFrame() { return ServerFrame("e"); }
std::string AbortFrame(int place) { return ServerFrame("abort" + std::string(1, PlaceDigit(place))); }

std::optional<ServerFrameData> ParseServerFrame(std::string_view frame) {
  ServerFrameData data;
  if (!frame.empty() && frame[0] == 'b') {
    if (!ParseDealMessage(frame, data.Deck, data.Ranks)) return std::nullopt;
    data.Is = ServerFrameData::Deal;
    return data;
  }
  if (frame.size() != kTourFrameLength) return std::nullopt;
  const int sender = PlaceOf(frame[kTourFrameLength - 1]);
  switch (frame[0]) {
    case 's':
      if (sender == 0) return std::nullopt;
      data.Is = ServerFrameData::Chat;
      data.Place = sender;
      data.Text = std::string(Body(frame).substr(1));
      return data;
    case 'h': {
      const std::optional<lan::Frame> move = lan::ParseFrame(frame.substr(0, lan::kFrameLength));
      if (!move) return std::nullopt;
      data.Is = ServerFrameData::Move;
      data.Moved = *move;
      return data;
    }
    case 'e':
      data.Is = ServerFrameData::End;
      return data;
    case 'a':
      data.Place = PlaceOf(frame[5]);
      if (data.Place == 0) return std::nullopt;
      data.Is = ServerFrameData::Abort;
      return data;
    case 'T':
      if (sender == 0) return std::nullopt;
      data.Is = ServerFrameData::TimeOut;
      data.Place = sender;
      return data;
    default:
      return std::nullopt;
  }
}

std::optional<PlayerFrameData> ParsePlayerFrame(std::string_view frame) {
  if (frame.size() != kTourFrameLength) return std::nullopt;
  PlayerFrameData data;
  data.Place = PlaceOf(frame[kTourFrameLength - 1]);
  if (data.Place == 0) return std::nullopt;
  const std::string_view body = Body(frame);
  if (!Padded(frame, body.size())) return std::nullopt;
  if (body.size() == 8 && body.substr(0, 7) == "connect") {
    if (PlaceOf(body[7]) != data.Place) return std::nullopt;
    data.Is = PlayerFrameData::Connect;
  } else if (!body.empty() && body[0] == 's') {
    if (body.size() > 1 + kMaxTourChat) return std::nullopt;
    for (const char c : body) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    }
    data.Is = PlayerFrameData::Chat;
    data.Text = std::string(body.substr(1));
  } else if (!body.empty() && body[0] == 'h') {
    const std::optional<lan::Frame> move = lan::ParseFrame(body);
    if (!move) return std::nullopt;
    data.Is = PlayerFrameData::Move;
    data.Moved = *move;
  } else if (body == "bnext") {
    data.Is = PlayerFrameData::NextDeal;
  } else if (body == "TOut") {
    data.Is = PlayerFrameData::TimeOut;
  } else if (body == "disA") {
    data.Is = PlayerFrameData::LeaveSeat;
  } else if (body.size() == 1 + 4 * kResultWidth && body[0] == 'o') {
    std::int32_t values[4];
    for (std::size_t k = 0; k < 4; ++k) {
      const std::optional<std::int32_t> v = ReadNumber(body.substr(1 + k * kResultWidth, kResultWidth));
      if (!v) return std::nullopt;
      values[k] = *v;
    }
    if (values[1] != values[0] || values[2] != -values[0] || values[3] != -values[0]) return std::nullopt;
    data.Is = PlayerFrameData::Result;
    data.PlaceOneResult = values[0];
  } else {
    return std::nullopt;
  }
  return data;
}

lan::Measure ServerStreamLayout(std::string_view head) {
  return {lan::Measure::Whole, head[0] == 'b' ? kDealMessageLength : kTourFrameLength};
}

lan::Measure PlayerStreamLayout(std::string_view) { return {lan::Measure::Whole, kTourFrameLength}; }

}  // namespace tavlo::tour
