#include "net/club/chat_news_files.h"

#include <charconv>
#include <optional>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/atomic_write.h"

namespace tavlo {
namespace {

// Both files hold a few short lines; anything larger is not ours.
constexpr std::size_t kMaxStateFile = 256;

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::int64_t NumberOf(std::string_view line) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc{} || end != line.data() + line.size() || value < 0) return 0;
  return value;
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kMaxStateFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kMaxStateFile) return std::string{};
  return text;
}

}  // namespace

ChatState ParseChatState(std::string_view text) {
  const auto lines = Lines(text);
  ChatState state;
  state.LastSeen = lines.size() > 0 ? NumberOf(lines[0]) : 0;
  state.LastAtBottom = lines.size() > 1 && NumberOf(lines[1]) == 1;
  state.OpenOnNew = lines.size() > 2 && NumberOf(lines[2]) == 1;
  return state;
}

std::string ChatStateText(const ChatState& state) {
  return std::to_string(state.LastSeen) + "\r\n" + (state.LastAtBottom ? "1" : "0") + "\r\n" +
         (state.OpenOnNew ? "1" : "0") + "\r\n";
}

ChatState LoadChatState(const std::filesystem::path& parentFolder) {
  const auto path = parentFolder / kChatFileName;
  const auto text = ReadSmallFile(path);
  if (!text) {
    const ChatState fresh;
    SaveChatState(parentFolder, fresh);
    return fresh;
  }
  const ChatState state = ParseChatState(*text);
  if (ChatStateText(state) != *text) SaveChatState(parentFolder, state);
  return state;
}

std::error_code SaveChatState(const std::filesystem::path& parentFolder, const ChatState& state) {
  std::error_code error;
  std::filesystem::create_directories(parentFolder, error);
  if (error) return error;
  return WriteFileAtomically(parentFolder / kChatFileName, ChatStateText(state));
}

std::int64_t ParseNewsFile(std::string_view text) {
  const auto lines = Lines(text);
  return lines.empty() ? 0 : NumberOf(lines[0]);
}

std::int64_t LoadNewsNumber(const std::filesystem::path& parentFolder) {
  const auto text = ReadSmallFile(parentFolder / kNewsFileName);
  return text ? ParseNewsFile(*text) : 0;
}

std::error_code SaveNewsNumber(const std::filesystem::path& parentFolder, std::int64_t number) {
  std::error_code error;
  std::filesystem::create_directories(parentFolder, error);
  if (error) return error;
  return WriteFileAtomically(parentFolder / kNewsFileName, std::to_string(number) + "\r\n");
}

}  // namespace tavlo
