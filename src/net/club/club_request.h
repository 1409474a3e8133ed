#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/club/form_codec.h"

namespace tavlo {

// This game's number in the club service, and the world tables derived from it.
inline constexpr int kGameId = 59;
inline constexpr int kWorldTableAndroid = kGameId + 100;
inline constexpr int kWorldTableAccounts = kGameId + 300;
inline constexpr int kChatTable = 100;

// This game's table in the club database; game-record field names start with it.
inline constexpr const char* kClubTable = "crdtavlo";

// Every club request carries this User-Agent.
inline constexpr const char* kClubUserAgent = "HovTarnWelkin";

// The read time-out of the requests that name one; the others use the transport's default.
inline constexpr int kShortTimeoutMs = 3000;

// The program version written into world rows.
inline constexpr const char* kWorldVersion = "5.7f";

// List style: the entries are form-encoded the standard way. Raw style: the entries are joined
// exactly as written. Both are encoded alike here (see form_codec.h); the style stays on record
// because the service may be an older one that reads raw bodies.
enum class BodyStyle { List, Raw };

// One POST to a club script: the entries in order, UTF-8 values.
struct ClubRequest {
  BodyStyle Style = BodyStyle::List;
  std::vector<FormField> Fields;
  int TimeoutMs = 0;  // 0: the transport's default

  // The body on the wire: Windows-1251, percent-encoded, '&'-joined.
  std::string Body() const;
  // The value of the first entry called `name`, or nothing.
  const std::string* Value(const std::string& name) const;
};

// A number answer's result: `Value` is -1 unless `Ok`.
struct NumberResult {
  bool Ok = false;
  std::int64_t Value = -1;
  friend bool operator==(const NumberResult&, const NumberResult&) = default;
};

NumberResult ParseNumberResult(const std::string& answer);

// Texts sent in the record answers may not hold the answers' own separators.
std::string WithoutSeparators(std::string text, const std::string& separators);

}  // namespace tavlo
