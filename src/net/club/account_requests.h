#pragma once

#include <optional>
#include <string>

#include "net/club/club_records.h"
#include "net/club/club_request.h"

namespace tavlo {

// Requests of the account script and how their answers are read. Answers are the Windows-1251
// bytes the service sent.
//
// Unlike the older service, every request that changes an account carries its password: the
// balance, the profile and the game record change only for whoever proves the account.

// 1 the nick is taken ("is"), 0 created ("ok"), 2 no usable answer.
ClubRequest CreateAccountRequest(const TZanUser& user);
int ParseCreateAccount(const std::string& answer);

// The account record without Nick and Pw; nothing when refused ("no") or unreadable.
ClubRequest ReadAccountRequest(const std::string& nick, const std::string& pw);
std::optional<TZanUser> ParseReadAccount(const std::string& answer);

struct ClubTopTen {
  bool Ok = false;
  TenRows<TZanTop10> Rows;
};
ClubRequest ReadClubTopTenRequest();
ClubTopTen ParseClubTopTen(const std::string& answer);

ClubRequest ReadRatingPlaceRequest(double rating);  // answer: ParseNumberResult
ClubRequest ReadMemberCountRequest();               // answer: ParseNumberResult

// The balance in Zans: the digits after the first '$' up to the next '$'.
ClubRequest ReadBalanceRequest(const std::string& nick);
std::optional<std::int64_t> ParseBalance(const std::string& answer);

// Takes Zans from the own account (a negative change); the service refuses anything that would
// add Zans or bring the balance below zero. True on "ok".
ClubRequest SaveBalanceRequest(const std::string& nick, const std::string& pw, std::int32_t change);
bool ParseDone(const std::string& answer);

// Moves Zans from the own account to another member's in one step on the service.
enum class TransferResult { Done = 0, Refused = 1, NoSuchMember = 2, NoAnswer = 3 };
ClubRequest TransferZansRequest(const std::string& nick, const std::string& pw, const std::string& recipient,
                                std::int32_t amount);
TransferResult ParseTransfer(const std::string& answer);

ClubRequest ReadProfileRequest(const std::string& nick);
std::optional<TInfo14> ParseProfile(const std::string& answer);

// '$' and '~' in the values become spaces: they delimit the profile answer. Answer: ParseDone.
ClubRequest SaveProfileRequest(const std::string& nick, const std::string& pw, const TInfo14& info);

ClubRequest ReadGameRecordRequest(const std::string& nick, const std::string& pw);
std::optional<TZanGame> ParseGameRecord(const std::string& answer);

// Answer: ParseDone.
ClubRequest SaveGameRecordRequest(const std::string& nick, const std::string& pw, const TZanGame& game);

// The photo upload: the account proves itself, the JPEG travels as one form value. Answer: ParseDone.
ClubRequest UploadPhotoRequest(const std::string& nick, const std::string& pw, const std::string& jpeg);

}  // namespace tavlo
