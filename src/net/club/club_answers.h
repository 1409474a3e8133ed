#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// The short text answers of the club service, read as the program has always read them. Answers
// are Windows-1251 bytes; the readers here work on those bytes.

// True when the two-character marker ("ok", "no", "is") occurs anywhere in the answer.
bool HasMarker(std::string_view answer, std::string_view marker);

// The records of an answer: each starts after a '$' and ends at the next `end` mark (or the end of
// the text); at most `limit` records. A record's fields are split at `separator`; fields[0] is
// field 1, the first after the '$'.
std::vector<std::vector<std::string>> ReadRecords(std::string_view answer, char end, char separator = ' ',
                                                  int limit = 10);

// Field k (1-based) of a record, or nothing when the record is shorter.
const std::string* Field(const std::vector<std::string>& record, int k);

// Field k of a record into a record member, when the record holds it (and, for numbers, when it
// is one): texts are converted from Windows-1251, a character field gives its first character.
void SetText(const std::vector<std::string>& record, int k, std::string& into);
void SetWhole(const std::vector<std::string>& record, int k, std::int32_t& into);
void SetChar(const std::vector<std::string>& record, int k, char& into);
void SetDecimal(const std::vector<std::string>& record, int k, double& into);

// A number answer: the digits right after the last '$'; nullopt when there are none (or too many).
std::optional<std::int64_t> ReadNumberAnswer(std::string_view answer);

// A statistics answer: the text after the last '$' up to '#' begins with "ok".
bool ReadStatisticsAnswer(std::string_view answer);

// Whole numbers of answer fields: an optional '-' and digits; nullopt otherwise.
std::optional<std::int64_t> ParseWhole(std::string_view text);

// Decimal numbers are written with '.', values nearer to zero than 0.00001 as "0"; both '.' and ','
// are read.
std::string DecimalText(double value);
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace tavlo
