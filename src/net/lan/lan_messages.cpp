#include "net/lan/lan_messages.h"

namespace tavlo::lan {
namespace {

constexpr std::string_view kJoinHead = "zan";
constexpr std::string_view kJoinTail = "connect1";
constexpr std::string_view kSeatReplyHead = "connect2+";

void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

int TwoDigits(std::string_view text) {
  if (text.size() < 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return -1;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

int SeatDigit(char c) { return c >= '1' && c <= '4' ? c - '0' : 0; }

void AppendNames(std::string& out, const LanNames& names) {
  for (const std::string& name : names) out += LanName(name);
}

LanNames NamesAt(std::string_view message, std::size_t at) {
  LanNames names;
  for (int seat = 1; seat <= 4; ++seat) {
    names[seat] = std::string(message.substr(at + static_cast<std::size_t>(seat - 1) * kNameLength, kNameLength));
  }
  return names;
}

std::string SimpleFrame(std::string_view head, int sender) {
  std::string out(head);
  out += static_cast<char>('0' + sender);
  return out;
}

}  // namespace

std::string LanName(std::string_view cp1251Name) {
  std::string name(cp1251Name.substr(0, kNameLength));
  name.resize(kNameLength, ' ');
  return name;
}

std::string JoinRequest(std::string_view name) {
  std::string out(kJoinHead);
  AppendTwoDigits(out, kGameId);
  out += kProtocol;
  out += kJoinTail;
  out += LanName(name);
  return out;
}

std::optional<std::string> ParseJoinRequest(std::string_view m) {
  if (m.size() != kJoinLength || m.substr(0, 3) != kJoinHead || TwoDigits(m.substr(3, 2)) != kGameId ||
      m.substr(5, 2) != kProtocol || m.substr(7, 8) != kJoinTail) {
    return std::nullopt;
  }
  return std::string(m.substr(15));
}

std::string SeatReply(int seat, const LanNames& names) {
  std::string out(kSeatReplyHead);
  out += static_cast<char>('0' + seat);
  AppendNames(out, names);
  return out;
}

std::optional<SeatReplyData> ParseSeatReply(std::string_view m) {
  if (m.size() != kSeatReplyLength || m.substr(0, 9) != kSeatReplyHead) return std::nullopt;
  SeatReplyData data;
  // The seat digit: '3' and '4' name those seats, anything else leaves the first client's seat.
  data.Seat = m[9] == '3' ? 3 : m[9] == '4' ? 4 : 2;
  data.Names = NamesAt(m, 10);
  return data;
}

std::string SeatNews(int seat, const LanNames& names) {
  std::string out = "connect";
  out += static_cast<char>('0' + seat);
  out += '+';
  AppendNames(out, names);
  return out;
}

std::optional<SeatNewsData> ParseSeatNews(std::string_view m) {
  if (m.size() != kSeatNewsLength || m.substr(0, 7) != "connect" || (m[7] != '3' && m[7] != '4') || m[8] != '+') {
    return std::nullopt;
  }
  SeatNewsData data;
  data.Seat = m[7] - '0';
  data.Names = NamesAt(m, 9);
  return data;
}

std::string ShowFrame(int sender) { return SimpleFrame("hshow", sender); }
std::string GatherFrame(int sender) { return SimpleFrame("hslit", sender); }
std::string CloseSheetFrame(int sender) { return SimpleFrame("hclos", sender); }
std::string CardFrame(int slot, int sender) { return MoveMessage(slot, sender); }

std::optional<Frame> ParseFrame(std::string_view m) {
  if (m.size() != kFrameLength || m[0] != 'h') return std::nullopt;
  Frame frame;
  frame.Sender = SeatDigit(m[5]);
  if (frame.Sender == 0) return std::nullopt;
  const std::string_view body = m.substr(1, 4);
  if (body == "show") {
    frame.Kind = FrameKind::Show;
  } else if (body == "slit") {
    frame.Kind = FrameKind::Gather;
  } else if (body == "clos") {
    frame.Kind = FrameKind::CloseSheet;
  } else if (body.substr(0, 2) == "hd") {
    frame.Kind = FrameKind::Card;
    frame.Slot = TwoDigits(body.substr(2));
    if (frame.Slot < 1 || frame.Slot > 13) return std::nullopt;
  } else {
    return std::nullopt;
  }
  return frame;
}

std::string ChatMessage(int sender, std::string_view text) {
  std::string out = "s";
  out += static_cast<char>('0' + sender);
  for (const char c : text) {
    if (out.size() >= 2 + kMaxChatText) break;
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
  }
  out += kChatEnd;
  return out;
}

std::optional<ChatLine> ParseChat(std::string_view m) {
  if (m.size() < 3 || m[0] != 's' || m.back() != kChatEnd) return std::nullopt;
  ChatLine line;
  line.Sender = SeatDigit(m[1]);
  if (line.Sender == 0) return std::nullopt;
  for (const char c : m.substr(2, m.size() - 3)) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) line.Text += c;
  }
  return line;
}

std::uint32_t ChatColour(int lanSeat) {
  switch (lanSeat) {
    case 1:
      return 0x800000;
    case 2:
      return 0x000080;
    case 3:
      return 0x008000;
    default:
      return 0x808000;
  }
}

}  // namespace tavlo::lan
