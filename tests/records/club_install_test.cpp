#include "records/club_install.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "files/program_paths.h"
#include "records/club_check.h"
#include "records/club_paths.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::TempFolder;

TEST(ClubInstallTest, FirstStartInstallsTwoCorrectClubFiles) {
  TempFolder home;
  ::setenv("TAVLO_HOME", home.Path().c_str(), 1);
  const ProgramPaths paths = ResolveProgramPaths();
  ::unsetenv("TAVLO_HOME");
  ASSERT_TRUE(IsFirstStart(paths.ProgramFolder));
  ASSERT_TRUE(InstallClubFiles(paths.ProgramFolder));
  EXPECT_FALSE(IsFirstStart(paths.ProgramFolder));

  const ClubFiles files = ClubFilesIn(paths.ProgramFolder);
  for (const auto& path : {files.Local, files.Network}) {
    SCOPED_TRACE(path.string());
    const ClubCheck check = CheckClubFile(path);
    EXPECT_EQ(check.Outcome, ClubCheckOutcome::Correct);
    EXPECT_EQ(check.InstallationLabel, "lnx");
    EXPECT_FALSE(check.RussianFlag);

    const ClubLines club = testing_support::ReadClub(path);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(club[i], EmptyMemberLine());
    std::int64_t previous = 1'000'000;
    for (int line = kFirstTopTenLine; line <= kLastTopTenLine; ++line) {
      const std::string name(WithoutTrailingBlanks(TopTenNameOf(club[line])));
      EXPECT_FALSE(name.empty()) << line;
      const std::int64_t score = TopTenScoreOf(club[line]).value();
      EXPECT_LT(score, previous) << line;  // strictly descending
      previous = score;
    }
    EXPECT_EQ(static_cast<unsigned char>(club[kMarkerLine][0]), kGameMarker);
    EXPECT_EQ(club[kMarkerLine][1], '}');
  }
  // Names are stored in code page 1251: "Ольга" is five bytes in the file.
  const std::string bytes = testing_support::ReadAll(files.Local);
  EXPECT_NE(bytes.find("\xCE\xEB\xFC\xE3\xE0"), std::string::npos);
}

TEST(ClubInstallTest, DefaultTextIsCheckedBeforeUse) {
  EXPECT_TRUE(ParseDefaultClub(BuiltInDefaultClub()).has_value());
  EXPECT_FALSE(ParseDefaultClub("label lnx\nlanguage 0\ntop 10 Ann\n").has_value());  // one place only
  EXPECT_FALSE(ParseDefaultClub("label toolong\n").has_value());
  EXPECT_FALSE(ParseDefaultClub("colour red\n").has_value());
  std::string ten = "label abc\nlanguage 1\n";
  for (int i = 10; i > 0; --i) ten += "top " + std::to_string(i) + " Player " + std::to_string(i) + "\n";
  const std::optional<ClubLines> club = ParseDefaultClub(ten);
  ASSERT_TRUE(club.has_value());
  EXPECT_EQ((*club)[kFirstTopTenLine], "Player 10               10");
  EXPECT_EQ((*club)[kSealLine].substr(0, 10), "1#####abc#");
}

}  // namespace
}  // namespace tavlo
