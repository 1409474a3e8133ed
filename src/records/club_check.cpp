#include "records/club_check.h"

#include <unistd.h>

#include "lang/word_table.h"
#include "records/club_file.h"
#include "records/fixed_fields.h"
#include "records/text_lines.h"

namespace tavlo {
namespace {

bool ProgramMayWrite(const std::filesystem::path& path) {
  std::error_code error;
  const auto permissions = std::filesystem::status(path, error).permissions();
  if (error || (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none) return false;
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

ClubCheck Incorrect(ClubFault fault) {
  ClubCheck check;
  check.Outcome = ClubCheckOutcome::Incorrect;
  check.Fault = fault;
  return check;
}

}  // namespace

ClubCheck CheckClubFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return ClubCheck{};
  const std::optional<std::string> bytes = ReadFileBytes(path, kClubFileMaximumSize);
  if (!bytes)
    return Incorrect(IsLargerThan(path, kClubFileMaximumSize) ? ClubFault::WrongShape : ClubFault::Unreadable);
  ClubCheck check = CheckClubContents(*bytes);
  if (check.Passed() && !ProgramMayWrite(path)) {
    check.Outcome = ClubCheckOutcome::WrongAttributes;
    check.ClubNoWrite = true;
  }
  return check;
}

ClubCheck CheckClubContents(std::string_view bytes) {
  const ClubFileContents contents = ParseClubFile(bytes);
  if (contents.Status == ClubRead::WrongShape) return Incorrect(ClubFault::WrongShape);
  const ClubLines& lines = contents.Lines;
  const std::string& seal = lines[kSealLine];
  switch (CheckClubSeal(lines)) {
    case ClubSeal::Agrees:
      break;
    case ClubSeal::BadField:
      return Incorrect(ClubFault::BadChecksumField);
    case ClubSeal::Mismatch:
      return Incorrect(ClubFault::ChecksumMismatch);
  }
  const std::string& marker = lines[kMarkerLine];
  if (static_cast<unsigned char>(marker[0]) != kGameMarker || marker[1] != '}') return Incorrect(ClubFault::BadMarker);

  ClubCheck check;
  check.Outcome = ClubCheckOutcome::Correct;
  check.InstallationLabel = std::string(Columns(seal, 7, 3));
  check.RussianFlag = seal[0] == '1';
  return check;
}

std::string ClubCheckMessage(const ClubCheck& check, const std::filesystem::path& path, int languageIndex) {
  const auto word = [languageIndex](WordId k) { return std::string(Word(k, languageIndex)); };
  const std::string shown = path.string();
  switch (check.Outcome) {
    case ClubCheckOutcome::Correct:
      return {};
    case ClubCheckOutcome::WrongAttributes:
      return word(WordId::TheFileQuote) + shown + word(WordId::HasIncorrectAttributes);
    case ClubCheckOutcome::Missing:
      return word(WordId::CantFindFile) + " \"" + shown + "\"!";
    case ClubCheckOutcome::Incorrect:
      return word(WordId::IncorrectFile) + " \"" + shown + "\"!";
  }
  return {};
}

}  // namespace tavlo
