#pragma once

#include <string>
#include <string_view>

namespace tavlo {

// The program's one conversion between the single-byte Windows-1251 code page of its files and
// network frames and the UTF-8 it uses inside. Every byte has a character (the one unassigned
// byte, 0x98, stands for U+0098), so bytes survive a round trip through UTF-8 unchanged.
std::string Cp1251ToUtf8(std::string_view bytes);

// A character without a Windows-1251 form, and every byte of malformed UTF-8, becomes "?".
std::string Utf8ToCp1251(std::string_view text);

}  // namespace tavlo
