#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/club/club_records.h"
#include "net/club/club_request.h"

namespace tavlo {

inline constexpr std::size_t kPassportNickLimit = 12;
inline constexpr std::size_t kPassportCityLimit = 15;
inline constexpr std::size_t kChatMessageLimit = 80;

// Both texts (UTF-8) judge as valid: the world tables and the chat accept nothing else.
bool PassportValid(std::string_view nick, std::string_view city);

// Choosing a region starts its list at "Unknown"; choosing a country keeps the region. A code that
// is not well formed is replaced as a whole.
std::string CountryCodeWithRegion(std::string_view code, int region);
std::string CountryCodeWithCountry(std::string_view code, int index);

// Zans the club credits an account for its place in the account table after a cycle.
int WorldTopTenBonus(std::int64_t place);

// A chat message or game name as it travels: every character that is not a letter, digit or
// allowed sign (spaces included) becomes '_'. Shown again with '_' read as a space.
std::string ChatWireText(std::string_view text);
std::string ChatShownText(std::string_view text);
// R09 of a chat row: "hh:mm:ss_dd.mm.yyyy_" and the game's name in wire form.
std::string ChatStamp(int hour, int minute, int second, int day, int month, int year, std::string_view game);

// The number of the newest message of a chat table answer (its first row); 0 for an empty table.
std::int64_t NewestChatNumber(const TenRows<TZanRecord>& rows);

}  // namespace tavlo
