#include "records/club_check.h"

#include <gtest/gtest.h>

#include "lang/languages.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/records_notice.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::ReadAll;
using testing_support::TempFolder;
using testing_support::WriteAll;

using Lines = std::vector<std::string>;

// The installation's club file as lines (sealed, without line ends).
Lines DefaultLines() { return SplitLines(ClubFileBytes(DefaultClub())); }

// Seals lines again after an edit, so that only the edit's own fault remains.
Lines Resealed(const Lines& lines) {
  ClubLines club;
  for (int i = 1; i <= kClubLineCount; ++i) club[i] = lines[static_cast<std::size_t>(i - 1)];
  return SplitLines(ClubFileBytes(club));
}

struct ClubCase {
  const char* name;
  std::string (*bytes)();  // the file's contents
  ClubCheckOutcome outcome;
  ClubFault fault;
};

std::string Join(const Lines& lines) { return JoinLines(lines); }

const ClubCase kClubCases[] = {
    {"Correct", [] { return Join(DefaultLines()); }, ClubCheckOutcome::Correct, ClubFault::None},
    {"BareLineFeeds",
     [] {
       std::string text;
       for (const std::string& line : DefaultLines()) text += line + "\n";
       return text;
     },
     ClubCheckOutcome::Correct, ClubFault::None},
    {"NoLineEndAfterLastLine",
     [] {
       std::string text = Join(DefaultLines());
       return text.substr(0, text.size() - 2);
     },
     ClubCheckOutcome::Correct, ClubFault::None},
    {"ChangedMemberCharacter",
     [] {
       Lines l = DefaultLines();
       l[0][4] = 'x';
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::ChecksumMismatch},
    {"ChangedTopTenScore",
     [] {
       Lines l = DefaultLines();
       l[9][25] = static_cast<char>(l[9][25] == '1' ? '2' : '1');
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::ChecksumMismatch},
    {"ChangedUninterpretedMarkerCharacter",
     [] {
       Lines l = DefaultLines();
       l[15][20] = 'z';
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::ChecksumMismatch},
    {"ChangedChecksumDigit",
     [] {
       Lines l = DefaultLines();
       l[16][15] = static_cast<char>(l[16][15] == '9' ? '8' : l[16][15] + 1);
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::ChecksumMismatch},
    {"ChecksumNotANumber",
     [] {
       Lines l = DefaultLines();
       l[16][12] = 'a';
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::BadChecksumField},
    {"ChecksumWithBlank",
     [] {
       Lines l = DefaultLines();
       l[16][10] = ' ';
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::BadChecksumField},
    {"MissingLine",
     [] {
       Lines l = DefaultLines();
       l.erase(l.begin() + 7);
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::WrongShape},
    {"ExtraEmptyLine", [] { return Join(DefaultLines()) + "\r\n"; }, ClubCheckOutcome::Incorrect,
     ClubFault::WrongShape},
    {"LongMemberLine",
     [] {
       Lines l = DefaultLines();
       l[2] += "#";
       return Join(l);
     },
     ClubCheckOutcome::Incorrect, ClubFault::WrongShape},
    {"Empty", [] { return std::string(); }, ClubCheckOutcome::Incorrect, ClubFault::WrongShape},
    {"BadMarkerByte",
     [] {
       Lines l = DefaultLines();
       l[15][0] = 'X';
       return Join(Resealed(l));
     },
     ClubCheckOutcome::Incorrect, ClubFault::BadMarker},
    {"BadMarkerBrace",
     [] {
       Lines l = DefaultLines();
       l[15][1] = '{';
       return Join(Resealed(l));
     },
     ClubCheckOutcome::Incorrect, ClubFault::BadMarker},
};

class ClubCheckTest : public testing::TestWithParam<ClubCase> {};

TEST_P(ClubCheckTest, Outcome) {
  const ClubCase& c = GetParam();
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  WriteAll(path, c.bytes());
  const ClubCheck check = CheckClubFile(path);
  EXPECT_EQ(check.Outcome, c.outcome);
  EXPECT_EQ(check.Fault, c.fault);
  EXPECT_EQ(check.Passed(), c.outcome == ClubCheckOutcome::Correct);
  EXPECT_FALSE(check.ClubNoWrite);
  if (check.Passed()) {
    EXPECT_EQ(check.InstallationLabel, "lnx");
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ClubCheckTest, testing::ValuesIn(kClubCases),
                         [](const testing::TestParamInfo<ClubCase>& info) { return info.param.name; });

TEST(ClubCheckTest, MissingFile) {
  TempFolder folder;
  const ClubCheck check = CheckClubFile(folder.Path() / "Tavlo.net");
  EXPECT_EQ(check.Outcome, ClubCheckOutcome::Missing);
  EXPECT_FALSE(check.Passed());
}

TEST(ClubCheckTest, AFolderInPlaceOfTheFileIsIncorrect) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "Tavlo.clb");
  EXPECT_EQ(CheckClubFile(folder.Path() / "Tavlo.clb").Outcome, ClubCheckOutcome::Incorrect);
}

TEST(ClubCheckTest, LanguageFlagIsReadFromTheFirstCharacterOfTheLastLine) {
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  ClubLines club = DefaultClub();
  club[kSealLine][0] = '1';
  testing_support::WriteClub(path, club);
  const ClubCheck check = CheckClubFile(path);
  EXPECT_EQ(check.Outcome, ClubCheckOutcome::Correct);
  EXPECT_TRUE(check.RussianFlag);
}

TEST(ClubCheckTest, ReadOnlyFileRunsOnWithoutWriting) {
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  testing_support::WriteClub(path, DefaultClub());
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const ClubCheck check = CheckClubFile(path);
  EXPECT_EQ(check.Outcome, ClubCheckOutcome::WrongAttributes);
  EXPECT_TRUE(check.Passed());
  EXPECT_TRUE(check.ClubNoWrite);
  EXPECT_EQ(check.InstallationLabel, "lnx");

  // With writing off the club file keeps its contents.
  const std::string before = ReadAll(path);
  EXPECT_EQ(RemoveMember(path, 1, check.ClubNoWrite), ClubUpdate::NotWritten);
  EXPECT_EQ(ReadAll(path), before);
}

TEST(ClubCheckMessageTest, ComposedFromTheWords) {
  const std::filesystem::path path = "/home/ann/Tavlo.clb";
  ClubCheck check;
  check.Outcome = ClubCheckOutcome::Missing;
  EXPECT_EQ(ClubCheckMessage(check, path, kEnglish), "Can`t find the file \"/home/ann/Tavlo.clb\"!");
  EXPECT_EQ(ClubCheckMessage(check, path, kRussian), "Не могу найти файл \"/home/ann/Tavlo.clb\"!");
  check.Outcome = ClubCheckOutcome::Incorrect;
  EXPECT_EQ(ClubCheckMessage(check, path, kEnglish), "The incorrect file \"/home/ann/Tavlo.clb\"!");
  check.Outcome = ClubCheckOutcome::WrongAttributes;
  const std::string attributes = ClubCheckMessage(check, path, kEnglish);
  EXPECT_EQ(attributes.rfind("The file \"/home/ann/Tavlo.clb\" has incorrect attributes!", 0), 0u) << attributes;
  EXPECT_NE(attributes.find("The work of the program will be incorrect!"), std::string::npos) << attributes;
  check.Outcome = ClubCheckOutcome::Correct;
  EXPECT_EQ(ClubCheckMessage(check, path, kEnglish), "");
}

TEST(RecordsNoticeTest, Texts) {
  const std::filesystem::path path = "/p/Tavlo.net";
  EXPECT_EQ(RecordsNoticeText(RecordsNotice::DiskWriting, path, kEnglish), "Error of disk writing!");
  EXPECT_EQ(RecordsNoticeText(RecordsNotice::IncorrectClubFile, path, kEnglish),
            "The incorrect file \"/p/Tavlo.net\"!");
  EXPECT_EQ(RecordsNoticeText(RecordsNotice::HistoryNotSaved, path, kRussian), "Cann`t save history!");
  EXPECT_EQ(NoticeFor(ClubUpdate::WriteFailed), RecordsNotice::DiskWriting);
  EXPECT_EQ(NoticeFor(ClubUpdate::FileIncorrect), RecordsNotice::IncorrectClubFile);
  EXPECT_FALSE(NoticeFor(ClubUpdate::Written).has_value());
  EXPECT_FALSE(NoticeFor(ClubUpdate::NotWritten).has_value());
}

TEST(ClubChecksumTest, SumsOverTheJoinedLines) {
  ClubLines club;
  for (int i = 1; i <= 16; ++i) club[i] = std::string(i <= 5 ? 59 : (i <= 15 ? 26 : 28), '\0');
  // Positions in the 583-byte string: 1 (odd), 2 (even), 3 (third), 6 (even and third), 583 (last).
  club[1][0] = 1;
  club[1][1] = 2;
  club[1][2] = 4;
  club[1][5] = 8;
  club[16][27] = static_cast<char>(0xFF);
  const ClubChecksums sums = ComputeClubChecksums(club);
  EXPECT_EQ(sums.S1, 1 + 2 + 4 + 8 + 255);
  EXPECT_EQ(sums.S2, 2 + 8);
  EXPECT_EQ(sums.S3, 4 + 8);  // 583 is neither even nor divisible by 3
  club[17] = std::string(28, '#');
  SealClubLines(club);
  EXPECT_EQ(club[17], "##########000270000010000012");
}

TEST(ClubWriteTest, FailedWriteLeavesTheTargetAlone) {
  TempFolder folder;
  // A folder in place of the file cannot be replaced by a file.
  const auto path = folder.Path() / "Tavlo.clb";
  std::filesystem::create_directories(path / "inside");
  EXPECT_EQ(WriteClubFile(path, DefaultClub(), false), ClubUpdate::WriteFailed);
  EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
  // No temporary file is left behind either.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace tavlo
