#include "records/club_members.h"

#include <gtest/gtest.h>

#include "records/club_player_records.h"
#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/password.h"
#include "records/rating.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::ReadClub;
using testing_support::TempFolder;
using testing_support::WriteClub;

std::string Member(const char* name, double rating, std::int64_t kon = 10, std::int64_t score = 0) {
  return MakeMemberLine(name, rating, kon, score, EncodePassword("pw"));
}

// A club whose members have the given ratings, free places after them.
ClubLines ClubWith(std::initializer_list<std::pair<const char*, double>> members) {
  ClubLines club = DefaultClub();
  int line = 1;
  for (const auto& [name, rating] : members) club[line++] = Member(name, rating);
  return club;
}

std::vector<std::string> Names(const ClubLines& club) {
  std::vector<std::string> names;
  for (int i = 1; i <= 5; ++i) {
    names.push_back(IsFreeForList(club[i]) ? "-" : std::string(WithoutTrailingBlanks(MemberNameOf(club[i]))));
  }
  return names;
}

TEST(MemberLineTest, LayoutAndEmptyTests) {
  const std::string line = MakeMemberLine("Ann", -1.5, 123, -45, EncodePassword("ab"));
  EXPECT_EQ(line, "Ann                  -1,500000    123    -45331332266266266");
  EXPECT_EQ(line.size(), 59u);
  EXPECT_EQ(EmptyMemberLine(), "##################################### #####################");
  EXPECT_TRUE(IsFreeForList(EmptyMemberLine()));
  EXPECT_TRUE(IsFreeForInsertion(EmptyMemberLine()));
  EXPECT_TRUE(HasNoRating(EmptyMemberLine()));
  EXPECT_TRUE(HasNoDeals(EmptyMemberLine()));
  EXPECT_FALSE(IsFreeForList(line) || IsFreeForInsertion(line) || HasNoRating(line) || HasNoDeals(line));
  // Values that would not fit are held at the edge of their columns.
  EXPECT_EQ(MakeMemberLine("A name longer than twenty", 0, 123456789, -1234567, "").size(), 59u);
  EXPECT_EQ(MemberScoreOf(MakeMemberLine("x", 0, 1, -1234567, "")).value(), -99999);
  EXPECT_EQ(MemberNameOf(MakeMemberLine("A name longer than twenty", 0, 1, 0, "")), "A name longer than t");
}

struct InsertCase {
  const char* name;
  std::vector<std::pair<const char*, double>> club;
  double rating;
  int expectedLine;
  std::vector<std::string> expectedNames;
};

class RatingInsertionTest : public testing::TestWithParam<InsertCase> {};

TEST_P(RatingInsertionTest, StoresByRating) {
  const InsertCase& c = GetParam();
  ClubLines club = DefaultClub();
  int line = 1;
  for (const auto& [name, rating] : c.club) club[line++] = Member(name, rating);
  const ClubLines before = club;
  const StoreResult result = StoreMemberLine(club, Member("New", c.rating), false);
  EXPECT_EQ(result.MemberLine, c.expectedLine);
  EXPECT_EQ(Names(club), c.expectedNames);
  EXPECT_EQ(result.TopTenPlace, 0);
  for (int p = kFirstTopTenLine; p <= kLastTopTenLine; ++p) EXPECT_EQ(club[p], before[p]);
}

INSTANTIATE_TEST_SUITE_P(
    Clubs, RatingInsertionTest,
    testing::Values(
        InsertCase{"EmptyClub", {}, 0.0, 1, {"New", "-", "-", "-", "-"}},
        InsertCase{"EqualRatingLaterStandsAbove", {{"A", 1.0}, {"B", 0.5}}, 0.5, 2, {"A", "New", "B", "-", "-"}},
        InsertCase{"BelowEveryMemberTakesFreePlace", {{"A", 1.0}, {"B", -2.0}}, -3.0, 3, {"A", "B", "New", "-", "-"}},
        InsertCase{"FullClubLowerNewPlayerIsDropped",
                   {{"A", 5}, {"B", 4}, {"C", 3}, {"D", 2}, {"E", 1}},
                   0.5,
                   0,
                   {"A", "B", "C", "D", "E"}},
        InsertCase{"FullClubPushesTheLastOut",
                   {{"A", 5}, {"B", 4}, {"C", 3}, {"D", 2}, {"E", 1}},
                   3.0,
                   3,
                   {"A", "B", "New", "C", "D"}},
        InsertCase{"TopOfTheClub", {{"A", 5}, {"B", 4}}, 99.99, 1, {"New", "A", "B", "-", "-"}}),
    [](const testing::TestParamInfo<InsertCase>& info) { return info.param.name; });

struct TopTenCase {
  const char* name;
  std::int64_t score;
  int expectedPlace;
};

class TopTenInsertionTest : public testing::TestWithParam<TopTenCase> {};

TEST_P(TopTenInsertionTest, PlacesTheCycleScore) {
  const TopTenCase& c = GetParam();
  ClubLines club = DefaultClub();
  // Scores 1000, 900, .., 100 on places 1..10.
  for (int place = 1; place <= 10; ++place) {
    club[kFirstTopTenLine + place - 1] = MakeTopTenLine("Old " + std::to_string(place), 1100 - 100 * place);
  }
  const ClubLines before = club;
  const StoreResult result = StoreMemberLine(club, Member("Cyc", 0.5, 40, c.score), true);
  EXPECT_EQ(result.TopTenPlace, c.expectedPlace);
  EXPECT_EQ(result.PlacedScore, c.score);
  // The member starts the next cycle at 0 whether placed or not.
  EXPECT_EQ(MemberScoreOf(club[1]).value(), 0);
  EXPECT_EQ(result.StoredLine, club[1]);

  std::vector<std::string> expected;
  for (int p = kFirstTopTenLine; p <= kLastTopTenLine; ++p) expected.push_back(before[p]);
  if (c.expectedPlace > 0) {
    expected.insert(expected.begin() + c.expectedPlace - 1, MakeTopTenLine("Cyc", c.score));
    expected.pop_back();
  }
  for (int p = kFirstTopTenLine; p <= kLastTopTenLine; ++p) {
    EXPECT_EQ(club[p], expected[static_cast<std::size_t>(p - kFirstTopTenLine)]) << "line " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(Scores, TopTenInsertionTest,
                         testing::Values(TopTenCase{"Best", 5000, 1}, TopTenCase{"EqualScoreGoesAboveTheOlder", 600, 5},
                                         TopTenCase{"BetweenPlaces", 650, 5}, TopTenCase{"EntersAtPlaceTen", 150, 10},
                                         TopTenCase{"EqualToTheTenth", 100, 10}, TopTenCase{"BelowAllTen", 99, 0},
                                         TopTenCase{"Negative", -300, 0}),
                         [](const testing::TestParamInfo<TopTenCase>& info) { return info.param.name; });

TEST(RemoveMemberTest, LinesBelowMoveUp) {
  struct Case {
    int slot;
    std::vector<std::string> names;
  };
  const Case cases[] = {{1, {"B", "C", "D", "E", "-"}}, {3, {"A", "B", "D", "E", "-"}}, {5, {"A", "B", "C", "D", "-"}},
                        {6, {"A", "B", "C", "D", "E"}}, {7, {"A", "B", "C", "D", "E"}}, {8, {"A", "B", "C", "D", "E"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    TempFolder folder;
    const auto path = folder.Path() / "Tavlo.clb";
    WriteClub(path, ClubWith({{"A", 5}, {"B", 4}, {"C", 3}, {"D", 2}, {"E", 1}}));
    const ClubUpdate update = RemoveMember(path, c.slot, false);
    EXPECT_EQ(update, c.slot <= 5 ? ClubUpdate::Written : ClubUpdate::NotWritten);
    EXPECT_EQ(Names(ReadClub(path)), c.names);
  }
}

TEST(StoreMemberTest, WritesASealedFile) {
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  WriteClub(path, ClubWith({{"A", 2}}));
  const StoreResult result = StoreMember(Member("B", 3), path, false, false);
  EXPECT_EQ(result.Update, ClubUpdate::Written);
  EXPECT_EQ(result.MemberLine, 1);
  EXPECT_EQ(Names(ReadClub(path)), (std::vector<std::string>{"B", "A", "-", "-", "-"}));
  EXPECT_EQ(testing_support::ReadAll(path), ClubFileBytes(ReadClub(path)));  // checksums are current
}

TEST(StoreMemberTest, DamagedFileIsLeftAlone) {
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  testing_support::WriteAll(path, "not a club\r\n");
  EXPECT_EQ(StoreMember(Member("B", 3), path, false, false).Update, ClubUpdate::FileIncorrect);
  EXPECT_EQ(RemoveMember(path, 1, false), ClubUpdate::FileIncorrect);
  EXPECT_EQ(testing_support::ReadAll(path), "not a club\r\n");
}

TEST(StoreMemberTest, AFileEditedWhileTheProgramRunsIsNotResealed) {
  // The same shape as a club file, but a member's rating was raised by hand after the start check:
  // the next change must refuse the file rather than seal the edit with fresh checksums.
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  WriteClub(path, ClubWith({{"A", 2}, {"B", 1}}));
  std::string bytes = testing_support::ReadAll(path);
  const std::string before = Member("B", 1);
  const std::size_t at = bytes.find(before);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, before.size(), Member("B", 99));
  testing_support::WriteAll(path, bytes);
  EXPECT_EQ(ReadClubFile(path).Status, ClubRead::BadSeal);

  EXPECT_EQ(StoreMember(Member("C", 3), path, false, false).Update, ClubUpdate::FileIncorrect);
  EXPECT_EQ(RemoveMember(path, 1, false), ClubUpdate::FileIncorrect);
  EXPECT_EQ(testing_support::ReadAll(path), bytes);
  ClubPlayerRecords records(ClubFilesIn(folder.Path()));
  EXPECT_TRUE(records.LoadPlayer(static_cast<PlayerSlot>(2), false).Name.empty());  // nor is it read
  EXPECT_TRUE(records.SeriesStartLine().empty());
}

TEST(RenameMemberTest, RenamedLineCanRiseAboveEqualRatings) {
  TempFolder folder;
  const auto path = folder.Path() / "Tavlo.clb";
  WriteClub(path, ClubWith({{"A", 1}, {"B", 1}, {"C", 1}}));
  const std::string seriesStart = ReadClub(path)[3];
  const StoreResult result = RenameMember(path, 3, seriesStart, "Cecilia", EncodePassword("new"), false);
  EXPECT_EQ(result.Update, ClubUpdate::Written);
  EXPECT_EQ(result.MemberLine, 1);
  const ClubLines club = ReadClub(path);
  EXPECT_EQ(Names(club), (std::vector<std::string>{"Cecilia", "A", "B", "-", "-"}));
  EXPECT_EQ(DecodePassword(PasswordDigitsOf(club[1])).value(), "new  ");
  EXPECT_EQ(club[1].substr(20), seriesStart.substr(20, 24) + EncodePassword("new"));

  // The end of the series then strikes that line and no other.
  const StoreResult stored = ReplaceMember(path, result.MemberLine, Member("Cecilia", 0.5), false, false);
  EXPECT_EQ(Names(ReadClub(path)), (std::vector<std::string>{"A", "B", "Cecilia", "-", "-"}));
  EXPECT_EQ(stored.MemberLine, 3);
}

}  // namespace
}  // namespace tavlo
