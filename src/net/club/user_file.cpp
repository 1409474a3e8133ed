#include "net/club/user_file.h"

#include <fstream>
#include <sstream>

#include "files/atomic_write.h"
#include "net/club/account_text.h"

namespace tavlo {
namespace {

// The file is tiny; anything larger is not ours.
constexpr std::size_t kMaxUserFile = 4096;

unsigned char KeyByte(std::size_t position) {
  constexpr std::string_view kKey = "ZanTavloKey59";
  return static_cast<unsigned char>(static_cast<unsigned char>(kKey[position % kKey.size()]) + position * 151 + 17);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string WithoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

std::string ScramblePassword(std::string_view password) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(password.size() * 2);
  for (std::size_t k = 0; k < password.size(); ++k) {
    const auto b = static_cast<unsigned char>(static_cast<unsigned char>(password[k]) ^ KeyByte(k));
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::optional<std::string> UnscramblePassword(std::string_view scrambled) {
  if (scrambled.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t k = 0; k < scrambled.size(); k += 2) {
    const int high = HexValue(scrambled[k]);
    const int low = HexValue(scrambled[k + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(static_cast<unsigned char>(high * 16 + low) ^ KeyByte(k / 2));
  }
  return out;
}

std::string UserFileText(const UserFileContents& contents) {
  return std::string(kUserFileHeader) + "\r\n" + contents.Nick + "\r\n" + contents.PwC + "\r\n";
}

std::optional<UserFileContents> ParseUserFile(std::string_view text) {
  if (text.size() > kMaxUserFile) return std::nullopt;
  std::istringstream in{std::string(text)};
  std::string header, nick, pwc;
  if (!std::getline(in, header) || WithoutLineEnd(header) != kUserFileHeader) return std::nullopt;
  if (!std::getline(in, nick) || !std::getline(in, pwc)) return std::nullopt;
  UserFileContents contents{WithoutLineEnd(nick), WithoutLineEnd(pwc)};
  if (JudgeAccountText(contents.Nick, AccountTextKind::Nick) != 3) return std::nullopt;
  if (!SignInPassword(contents)) return std::nullopt;
  return contents;
}

std::optional<std::string> SignInPassword(const UserFileContents& contents) {
  auto pw = UnscramblePassword(contents.PwC);
  if (!pw || pw->empty() || pw->size() > 12) return std::nullopt;
  for (char& c : *pw) {
    if (c == ' ' || c == '#' || c == '$') c = '-';
    // A control byte would end up in a request; a damaged file is ignored instead.
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
  }
  return pw;
}

std::filesystem::path UserFilePath(const std::filesystem::path& parentFolder) { return parentFolder / kUserFileName; }

bool SaveUserFile(const std::filesystem::path& path, const UserFileContents& contents) {
  return !WritePrivateFileAtomically(path, UserFileText(contents));
}

std::optional<UserFileContents> ReadUserFile(const std::filesystem::path& path) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;
    std::string text(kMaxUserFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ParseUserFile(text);
  }
  return std::nullopt;
}

bool DeleteUserFile(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
  return !std::filesystem::exists(path, error);
}

}  // namespace tavlo
