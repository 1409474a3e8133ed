#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// The user file "ZanUser.zan" in the parent folder lets the program sign in to the club at start-up.
// Three lines, CR LF: the header "Zan User File", the nick, the scrambled password.
inline constexpr const char* kUserFileName = "ZanUser.zan";
inline constexpr const char* kUserFileHeader = "Zan User File";

// The password in the file is scrambled, not encrypted: every byte is XOR-ed with a key byte that
// depends on its position and written as two hex digits, so the file holds no readable password and
// no byte that could break its lines. Anyone with the program can undo it; the file is therefore
// readable by its owner only.
std::string ScramblePassword(std::string_view password);
// Nothing when `scrambled` is not an even run of hex digits.
std::optional<std::string> UnscramblePassword(std::string_view scrambled);

struct UserFileContents {
  std::string Nick;
  std::string PwC;  // the scrambled password as the file holds it
};

std::string UserFileText(const UserFileContents& contents);
// Nothing for a foreign or damaged file: a wrong header, a missing line, a nick or password line
// with characters the account rules never allow.
std::optional<UserFileContents> ParseUserFile(std::string_view text);

// The password a read file signs in with: unscrambled, with ' ', '#' and '$' turned into '-'.
std::optional<std::string> SignInPassword(const UserFileContents& contents);

std::filesystem::path UserFilePath(const std::filesystem::path& parentFolder);
// Written whole or not at all, with permissions 0600. False when it could not be written.
bool SaveUserFile(const std::filesystem::path& path, const UserFileContents& contents);
// Two attempts at opening; nothing when missing, unreadable or foreign.
std::optional<UserFileContents> ReadUserFile(const std::filesystem::path& path);
// True when the file is gone afterwards (also when there was none).
bool DeleteUserFile(const std::filesystem::path& path);

}  // namespace tavlo
