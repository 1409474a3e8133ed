#include "records/finish_series.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "records/fixed_fields.h"
#include "records/member_line.h"
#include "records/password.h"
#include "records/rating.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::DefaultClub;
using testing_support::FixedClock;
using testing_support::ReadClub;
using testing_support::TempFolder;
using testing_support::WriteClub;

// Notes every window, account and statistics step in order.
class RecordingEvents : public SeriesEvents {
 public:
  std::vector<std::string> Calls;
  double AccountRating = 0.0;
  SeriesRecord EndOfCycle;

  void LeaveTable() override { Calls.push_back("LeaveTable"); }
  double SettleRatedGame(std::int32_t result, std::int32_t total) override {
    Calls.push_back("Settle " + std::to_string(result) + " " + std::to_string(total));
    return AccountRating;
  }
  void HideWaitBar() override { Calls.push_back("HideWaitBar"); }
  void SendGameStats(const HisStr& record, const GameStats& stats) override {
    Calls.push_back("Stats " + record.HName);
    Stats = stats;
  }
  GameStats Stats{};
  void PlayEffect(std::string_view name) override { Calls.push_back("Effect " + std::string(name)); }
  void ShowNotice(RecordsNotice notice, const std::filesystem::path&) override {
    Calls.push_back("Notice " + std::to_string(static_cast<int>(notice)));
  }
  void CloseLanConnection() override { Calls.push_back("CloseLan"); }
  void ShowEndOfCycle(const SeriesRecord& record) override {
    Calls.push_back("EndOfCycle");
    EndOfCycle = record;
  }
  void ShowWorldTopTenResult(std::int32_t score) override { Calls.push_back("World " + std::to_string(score)); }
  void SubmitRatedCycle() override { Calls.push_back("SubmitRated"); }
  void ReturnToMenu(bool leaveRated) override { Calls.push_back(leaveRated ? "Menu leaving rated" : "Menu"); }
};

// A club of three members and the installation's top ten (412, 367, 325, 288, 254, 219, ...).
class FinishSeriesTest : public testing::Test {
 protected:
  void SetUp() override {
    files_ = ClubFilesIn(folder_.Path());
    ClubLines club = DefaultClub();
    club[1] = MakeMemberLine("Ann", 2.0, 100, 35, EncodePassword("a"));
    club[2] = MakeMemberLine("Boris", 1.0, 10, 30, EncodePassword("b"));
    club[3] = MakeMemberLine("Clara", -0.5, 36, 150, EncodePassword("c"));
    WriteClub(files_.Local, club);
    WriteClub(files_.Network, DefaultClub());
  }

  // The values a series start would have read for the member on `line`.
  SeriesFinish MemberSeries(int line, int deals, std::int32_t result) {
    const std::string member = ReadClub(files_.Local)[line];
    SeriesFinish s;
    s.Player = static_cast<PlayerSlot>(line);
    s.MemberName = MemberNameOf(member);
    s.MemberRating = MemberRatingOf(member).value();
    s.MemberKon = static_cast<std::int32_t>(MemberKonOf(member).value());
    s.PasswordDigits = std::string(PasswordDigitsOf(member));
    s.Result = result;
    s.Deals = deals;
    s.KonNo = s.MemberKon + deals;
    s.TotalScore = static_cast<std::int32_t>(MemberScoreOf(member).value()) + result;
    return s;
  }

  TempFolder folder_;
  ClubFiles files_;
  FixedClock clock_;
  RecordingEvents events_;
};

TEST_F(FinishSeriesTest, MemberContinuingACycle) {
  const SeriesFinish s = MemberSeries(2, 5, 20);  // Kon 10 -> 15, Score 30 -> 50
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);

  EXPECT_EQ(RatingText(r.NewRating), "  0,933333");  // (10 x 1.0 + 20 / 5) / 15
  EXPECT_FALSE(r.TopTenPending);
  EXPECT_EQ(r.TopTenPlace, 0);
  EXPECT_EQ(r.Club, ClubUpdate::Written);
  EXPECT_EQ(r.MemberLineNo, 2);
  const ClubLines club = ReadClub(files_.Local);
  EXPECT_EQ(club[2], MakeMemberLine("Boris", 0.933333, 15, 50, EncodePassword("b")));
  EXPECT_EQ(club[2], r.MemberLine);
  const ClubLines installed = DefaultClub();
  for (int p = kFirstTopTenLine; p <= kLastTopTenLine; ++p) EXPECT_EQ(club[p], installed[p]);
  EXPECT_EQ(ReadClub(files_.Network)[1], EmptyMemberLine());

  EXPECT_EQ(r.History, (HisStr{"Boris", 5, 20, 0.933333, 0}));
  EXPECT_TRUE(r.HistoryFile.Saved);
  EXPECT_EQ(r.HistoryFile.FileNo, 1);
  EXPECT_EQ(events_.Calls,
            (std::vector<std::string>{"LeaveTable", "HideWaitBar", "Stats Boris", "Effect WKoGood", "Menu"}));
}

TEST_F(FinishSeriesTest, MemberCompletingACycle) {
  const SeriesFinish s = MemberSeries(3, 4, 100);  // Kon 36 -> 40, Score 150 -> 250
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);

  EXPECT_TRUE(r.TopTenPending);
  EXPECT_EQ(r.TopTenPlace, 6);  // 250 < 254 on place 5, >= 219 on place 6
  EXPECT_EQ(r.PlacedScore, 250);
  const ClubLines club = ReadClub(files_.Local);
  EXPECT_EQ(club[kFirstTopTenLine + 5], MakeTopTenLine("Clara", 250));
  EXPECT_EQ(TopTenNameOf(club[kFirstTopTenLine + 6]), TopTenNameOf(DefaultClub()[kFirstTopTenLine + 5]));
  // (36 x -0.5 + 20) / 40 = 0.05, and the next cycle starts at 0.
  EXPECT_EQ(r.MemberLineNo, 3);
  EXPECT_EQ(club[3], MakeMemberLine("Clara", 0.05, 40, 0, EncodePassword("c")));
  EXPECT_EQ(r.MemberLine, MakeMemberLine("Clara", 0.05, 40, 250, EncodePassword("c")));
  EXPECT_EQ(events_.EndOfCycle.TopTenPlace, 6);
  EXPECT_EQ(events_.Calls,
            (std::vector<std::string>{"LeaveTable", "HideWaitBar", "Stats Clara", "EndOfCycle", "World 250", "Menu"}));
}

TEST_F(FinishSeriesTest, NewPlayerIsInsertedByRating) {
  SeriesFinish s;
  s.Player = PlayerSlot::NewPlayer;
  s.MemberName = "Dmitri              ";
  s.PasswordDigits = EncodePassword("d");
  s.Deals = 3;
  s.KonNo = 3;
  s.Result = -15;
  s.TotalScore = -15;
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);

  EXPECT_DOUBLE_EQ(r.NewRating, -1.0);
  EXPECT_EQ(r.MemberLineNo, 4);
  const ClubLines club = ReadClub(files_.Local);
  EXPECT_EQ(club[4], MakeMemberLine("Dmitri", -1.0, 3, -15, EncodePassword("d")));
  EXPECT_EQ(WithoutTrailingBlanks(MemberNameOf(club[3])), "Clara");  // nobody was struck
  EXPECT_EQ(r.History.HName, "Dmitri");
  EXPECT_EQ(events_.Calls.at(3), "Effect WKoBads");
}

TEST_F(FinishSeriesTest, NetworkGameUsesTheNetworkClubAndClosesTheConnection) {
  SeriesFinish s;
  s.NetGame = true;
  s.NetRole = 1;
  s.MemberName = "Eva";
  s.Deals = 4;
  s.KonNo = 4;
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);
  EXPECT_EQ(r.History.Ac, 3);
  EXPECT_EQ(WithoutTrailingBlanks(MemberNameOf(ReadClub(files_.Network)[1])), "Eva");
  EXPECT_EQ(WithoutTrailingBlanks(MemberNameOf(ReadClub(files_.Local)[1])), "Ann");
  // A result of 0 plays no sound.
  EXPECT_EQ(events_.Calls, (std::vector<std::string>{"LeaveTable", "HideWaitBar", "Stats Eva", "CloseLan", "Menu"}));
}

TEST_F(FinishSeriesTest, RatedAccountPlayLeavesTheClubAlone) {
  events_.AccountRating = 7.25;
  SeriesFinish s;
  s.Player = PlayerSlot::ClubAccount;
  s.AccountState = 3;
  s.MemberName = "Nick";
  s.Deals = 4;
  s.KonNo = 80;
  s.Result = 12;
  s.TotalScore = 40;
  const std::string before = testing_support::ReadAll(files_.Local);
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);
  EXPECT_DOUBLE_EQ(r.NewRating, 7.25);
  EXPECT_EQ(r.History, (HisStr{"Nick", 4, 12, 7.25, 1}));
  EXPECT_EQ(testing_support::ReadAll(files_.Local), before);
  EXPECT_EQ(events_.Calls, (std::vector<std::string>{"LeaveTable", "Settle 12 40", "HideWaitBar", "Stats Nick",
                                                     "SubmitRated", "Menu leaving rated"}));
}

TEST_F(FinishSeriesTest, ClubNoWriteStillWritesTheHistory) {
  SeriesFinish s = MemberSeries(1, 2, 10);
  s.ClubNoWrite = true;
  const std::string before = testing_support::ReadAll(files_.Local);
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);
  EXPECT_EQ(r.Club, ClubUpdate::NotWritten);
  EXPECT_EQ(testing_support::ReadAll(files_.Local), before);
  EXPECT_TRUE(r.HistoryFile.Saved);
}

TEST_F(FinishSeriesTest, FailuresBecomeNotices) {
  // A file where the history folder belongs, and a damaged club file.
  testing_support::WriteAll(files_.History, "in the way");
  testing_support::WriteAll(files_.Local, "damaged");
  SeriesFinish s;
  s.Player = PlayerSlot::Member1;
  s.MemberName = "Fay";
  s.Deals = 5;
  s.KonNo = 5;
  s.Result = 5;
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);
  EXPECT_FALSE(r.HistoryFile.Saved);
  EXPECT_EQ(r.Club, ClubUpdate::FileIncorrect);
  EXPECT_EQ(testing_support::ReadAll(files_.Local), "damaged");
  EXPECT_EQ(
      events_.Calls,
      (std::vector<std::string>{
          "LeaveTable", "HideWaitBar", "Notice " + std::to_string(static_cast<int>(RecordsNotice::HistoryNotSaved)),
          "Stats Fay", "Effect WKoGood", "Notice " + std::to_string(static_cast<int>(RecordsNotice::IncorrectClubFile)),
          "Menu"}));
}

// Files may not grow beyond a few bytes while this lives: every write fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(FinishSeriesTest, FailedWritesKeepTheOldFiles) {
  const SeriesFinish s = MemberSeries(2, 5, 20);
  WriteHistory(files_.History, {HisStr{"Earlier", 1, 1, 0, 0}}, clock_);
  const std::string club = testing_support::ReadAll(files_.Local);
  const std::string history = testing_support::ReadAll(HistoryFilePath(files_.History, 1));
  SeriesRecord r;
  {
    FileSizeLimit limit(64);
    r = FinishSeries(s, files_, clock_, events_);
  }
  EXPECT_EQ(r.Club, ClubUpdate::WriteFailed);
  EXPECT_FALSE(r.HistoryFile.Saved);
  EXPECT_EQ(testing_support::ReadAll(files_.Local), club);
  EXPECT_EQ(testing_support::ReadAll(HistoryFilePath(files_.History, 1)), history);
  EXPECT_EQ(events_.Calls,
            (std::vector<std::string>{
                "LeaveTable", "HideWaitBar",
                "Notice " + std::to_string(static_cast<int>(RecordsNotice::HistoryNotSaved)), "Stats Boris",
                "Effect WKoGood", "Notice " + std::to_string(static_cast<int>(RecordsNotice::DiskWriting)), "Menu"}));
  // Nothing but the two files is in their folders: no temporary file was left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder_.Path())) ++entries;
  EXPECT_EQ(entries, 3);  // the two club files and the history folder
}

TEST_F(FinishSeriesTest, TournamentTakesTheServersValues) {
  SeriesFinish s;
  s.Tournament = true;
  s.TournamentPlace = 3;
  s.AccountState = 2;
  s.SeatNames[1] = "West";
  s.SeatNames[2] = "North  ";
  s.SeatNames[3] = "Me";
  s.SeatNames[4] = "South";
  s.TournamentResult = -30;
  s.TournamentRating = 12.5;
  s.Deals = 4;
  s.KonNo = 8;
  const std::string before = testing_support::ReadAll(files_.Local);
  const SeriesRecord r = FinishSeries(s, files_, clock_, events_);
  EXPECT_EQ(r.History, (HisStr{"Me/North/West", 4, -30, 12.5, 2}));
  EXPECT_EQ(testing_support::ReadAll(files_.Local), before);
}

struct NameCase {
  bool tournament;
  int seat;
  const char* name;
};

TEST(HistoryPlayerNameTest, SeatsFromTheOwnSeatDown) {
  const NameCase cases[] = {{false, 0, "Ann"},     {false, 1, "Ann"}, {false, 2, "N/W"},   {false, 3, "E/N/W"},
                            {false, 4, "S/E/N/W"}, {true, 1, "Ann"},  {true, 4, "S/E/N/W"}};
  for (const NameCase& c : cases) {
    SeriesFinish s;
    s.MemberName = "Ann                 ";
    s.SeatNames[1] = "W";
    s.SeatNames[2] = "N ";
    s.SeatNames[3] = "E";
    s.SeatNames[4] = "S";
    s.Tournament = c.tournament;
    (c.tournament ? s.TournamentPlace : s.NetRole) = c.seat;
    EXPECT_EQ(HistoryPlayerName(s), c.name) << c.tournament << " " << c.seat;
  }
}

struct StatsCase {
  const char* what;
  std::int32_t result;
  int deals;
  std::int32_t konNo;
  bool netGame;
  int netRole;
  bool tournament;
  int place;
  GameStats expected;
};

TEST(GameStatsTest, EachKindOfGameFillsItsOwnFigures) {
  const StatsCase cases[] = {
      {"won against the computer", 30, 5, 17, false, 0, false, 1, {5, 0, 30, 0}},
      {"lost, cycle completed", -12, 3, 80, false, 0, false, 1, {3, 1, 0, 12}},
      {"drawn", 0, 2, 2, false, 0, false, 1, {2, 0, 0, 0}},
      {"LAN server", 40, 4, 40, true, 1, false, 1, {0, 0, 0, 0, 4}},
      {"LAN client", 40, 4, 40, true, 3, false, 1, {}},
      {"tournament, place 1", 16, 4, 40, true, 1, true, 1, {0, 0, 0, 0, 0, 1}},
      {"tournament, place 3", 16, 4, 40, true, 3, true, 3, {}},
  };
  for (const StatsCase& c : cases) {
    SeriesFinish s;
    s.Result = c.result;
    s.Deals = c.deals;
    s.KonNo = c.konNo;
    s.NetGame = c.netGame;
    s.NetRole = c.netRole;
    s.Tournament = c.tournament;
    s.TournamentPlace = c.place;
    EXPECT_EQ(GameStatsOf(s), c.expected) << c.what;
  }
}

TEST_F(FinishSeriesTest, TheGameStatisticsAreSentWithTheSeriesFigures) {
  const SeriesFinish s = MemberSeries(3, 4, 100);  // the deal that completes the cycle
  FinishSeries(s, files_, clock_, events_);
  EXPECT_EQ(events_.Stats, (GameStats{4, 1, 100, 0})) << "deals, cycle, won points";
}

}  // namespace
}  // namespace tavlo
