// Both club files ("Tavlo.clb" and "Tavlo.net" share their format) and their check: any bytes are
// read without harm; a file that passes the check reads as a club, and every change the program
// makes to it is written back so that it passes again.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "records/club_check.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/member_line.h"

namespace {

using tavlo::fuzzing::Require;

void ReadEveryField(const tavlo::ClubLines& lines) {
  for (int i = 1; i <= 5; ++i) {
    const std::string& line = lines[i];
    (void)tavlo::MemberNameOf(line);
    (void)tavlo::MemberRatingOf(line);
    (void)tavlo::MemberKonOf(line);
    (void)tavlo::MemberScoreOf(line);
    (void)tavlo::PasswordDigitsOf(line);
    (void)tavlo::IsFreeForList(line);
    (void)tavlo::HasNoRating(line);
    (void)tavlo::HasNoDeals(line);
    (void)tavlo::TopTenLineOf(line);
  }
  for (int i = tavlo::kFirstTopTenLine; i <= tavlo::kLastTopTenLine; ++i) {
    (void)tavlo::TopTenNameOf(lines[i]);
    (void)tavlo::TopTenScoreOf(lines[i]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tavlo::ClubCheck check = tavlo::CheckClubContents(bytes);
  const tavlo::ClubFileContents contents = tavlo::ParseClubFile(bytes);
  if (check.Passed()) Require(contents.Status == tavlo::ClubRead::Read, "a club that passes its check reads");
  if (contents.Status != tavlo::ClubRead::Read) return 0;
  Require(bytes.size() <= tavlo::kClubFileMaximumSize, "a club file is never larger than its shape allows");
  ReadEveryField(contents.Lines);

  // The changes a series makes: a member struck, a member stored with a top-ten score.
  tavlo::ClubLines lines = contents.Lines;
  tavlo::RemoveMemberLine(lines, 1 + static_cast<int>(size % 5));
  tavlo::StoreMemberLine(lines, tavlo::MakeMemberLine("Fuzz", 1.25, 40, 17, "123"), true);
  ReadEveryField(lines);
  const std::string written = tavlo::ClubFileBytes(lines);
  Require(tavlo::ParseClubFile(written).Status == tavlo::ClubRead::Read, "a written club reads");
  if (check.Passed()) Require(tavlo::CheckClubContents(written).Passed(), "a written club passes its check");
  return 0;
}
