#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tavlo {

// The chat and news state every game of the family shares, kept in the parent folder as plain
// text with one value a line.

inline constexpr const char* kChatFileName = "ZanChatZan.ini";
inline constexpr const char* kNewsFileName = "ZanNewsZan.ini";

struct ChatState {
  std::int64_t LastSeen = 1;  // the number of the newest message the player has seen
  bool LastAtBottom = false;  // show the newest message at the bottom
  bool OpenOnNew = false;     // open the chat window when a new message arrives
  friend bool operator==(const ChatState&, const ChatState&) = default;
};

// A line that is not a number counts as 0 (a flag line as "off"); a missing file as a new one.
ChatState ParseChatState(std::string_view text);
std::string ChatStateText(const ChatState& state);

// Reads the chat file; a missing file is created with its first values ("1", "0", "0"), an
// unreadable one counts as 0 and is rewritten.
ChatState LoadChatState(const std::filesystem::path& parentFolder);
std::error_code SaveChatState(const std::filesystem::path& parentFolder, const ChatState& state);

// The number of the last news item read: 0 when the file is missing or unreadable.
std::int64_t ParseNewsFile(std::string_view text);
std::int64_t LoadNewsNumber(const std::filesystem::path& parentFolder);
std::error_code SaveNewsNumber(const std::filesystem::path& parentFolder, std::int64_t number);

}  // namespace tavlo
