#pragma once

#include <string_view>

namespace tavlo {

// The character rules of account and passport texts, over Windows-1251 bytes. Allowed: Latin
// letters, the Cyrillic letters of the code page (0xC0..0xFF, 0xA8, 0xB8), digits and ! ( ) , - . @ _.

enum class AccountTextKind { Character = 0, Nick = 1, City = 2, Password = 3, EMail = 4 };

// 1 invalid, 2 valid with a Cyrillic letter, 3 valid and Latin only. Only the city may hold
// Cyrillic letters; an e-mail needs an '@' that is neither its first nor its last character.
int JudgeAccountText(std::string_view text, AccountTextKind kind);

// One Windows-1251 byte of a passport text, chat message or nick: a letter, digit or allowed sign.
bool IsWorldTextCharacter(unsigned char c);

// The passport's nick (limit 12) and city (limit 15): Cyrillic allowed in both.
int JudgeWorldText(std::string_view text, std::size_t limit);

}  // namespace tavlo
