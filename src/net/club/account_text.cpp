#include "net/club/account_text.h"

namespace tavlo {
namespace {

bool IsCyrillic(unsigned char c) { return c >= 0xC0 || c == 0xA8 || c == 0xB8; }

bool IsAllowed(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("!(),-.@_").find(static_cast<char>(c)) != std::string_view::npos;
}

// 2 or 3 by the characters, 1 when one is not allowed.
int JudgeCharacters(std::string_view text) {
  int result = 3;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsCyrillic(c)) {
      result = 2;
    } else if (!IsAllowed(c)) {
      return 1;
    }
  }
  return result;
}

}  // namespace

int JudgeAccountText(std::string_view text, AccountTextKind kind) {
  if (text.empty()) return 1;
  std::size_t limit = 1;
  switch (kind) {
    case AccountTextKind::Character:
      limit = text.size();
      break;
    case AccountTextKind::Nick:
    case AccountTextKind::Password:
      limit = 12;
      break;
    case AccountTextKind::City:
      limit = 15;
      break;
    case AccountTextKind::EMail:
      limit = 30;
      break;
  }
  if (text.size() > limit) return 1;
  if (kind == AccountTextKind::Password && text.size() < 4) return 1;
  if (kind != AccountTextKind::Character && text.size() == 1) return 1;
  int result = JudgeCharacters(text);
  if (result == 2 && kind != AccountTextKind::City && kind != AccountTextKind::Character) result = 1;
  if (result == 3 && kind == AccountTextKind::EMail) {
    const std::size_t at = text.find('@');
    if (at == 0 || at == std::string_view::npos || at + 1 >= text.size()) result = 1;
  }
  return result;
}

bool IsWorldTextCharacter(unsigned char c) { return IsCyrillic(c) || IsAllowed(c); }

int JudgeWorldText(std::string_view text, std::size_t limit) {
  if (text.size() < 2 || text.size() > limit) return 1;
  return JudgeCharacters(text);
}

}  // namespace tavlo
