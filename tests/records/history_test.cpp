#include <gtest/gtest.h>

#include <cctype>

#include "records/fixed_fields.h"
#include "records/history_file.h"
#include "records_fixture.h"

namespace tavlo {
namespace {

using testing_support::FixedClock;
using testing_support::ReadAll;
using testing_support::TempFolder;
using testing_support::WriteAll;

// Independent sums over positions 1..99, as the file layout defines them.
std::string SumsOf(const std::string& body) {
  long c1 = 0, c2 = 0, c3 = 0;
  for (int pos = 1; pos <= 99; ++pos) {
    const auto b = static_cast<unsigned char>(body[static_cast<std::size_t>(pos - 1)]);
    c1 += b;
    if (pos % 2 == 0) c2 += b;
    if (pos % 3 == 0) c3 += b;
  }
  return ZeroPadded(c1, 5) + ZeroPadded(c2, 5) + ZeroPadded(c3, 5);
}

// A history file of `count` records, built directly rather than series by series.
std::string HistoryOf(int count, const std::string& name = "Ann") {
  std::vector<std::string> lines;
  LineSums totals;
  for (int i = 0; i < count; ++i) {
    lines.push_back(HistoryRecordLine(HisStr{name, 4, i, 0.5, 0}, "10:00", "01.01.2026"));
  }
  lines.push_back(HistoryEndLine());
  for (const std::string& line : lines) totals += BodySums(line);
  lines.push_back(HistoryTotalsLine(totals));
  return JoinLines(lines);
}

TEST(HistoryLineTest, RecordLineLayout) {
  const std::string line = HistoryRecordLine(HisStr{"Boris", 12, -345, -3.505, 1}, "09:05", "09.12.2026");
  const std::string body =
      "09:05"
      "09.12.2026" +
      PadRight("Boris", 51) + " 12" + "      -345" + "     -3,50" + "A#########";
  ASSERT_EQ(body.size(), 99u);
  EXPECT_EQ(line, body + SumsOf(body));
}

TEST(HistoryLineTest, FieldsKeepTheirColumns) {
  // A long date is cut to 10, a short time right-aligned; a long name is cut to 51.
  const std::string longName(60, 'x');
  const std::string line = HistoryRecordLine(HisStr{longName, 3, 7, 99.99, 3}, "9:05", "Wednesday, 9 December");
  EXPECT_EQ(line.size(), 114u);
  EXPECT_EQ(line.substr(0, 15), " 9:05Wednesday,");
  EXPECT_EQ(line.substr(15, 51), std::string(51, 'x'));
  EXPECT_EQ(line.substr(66, 3), "  3");
  EXPECT_EQ(line.substr(79, 10), "     99,99");
  EXPECT_EQ(line.substr(89, 10), "N#########");
  // Cyrillic names take one byte per letter in the file.
  const std::string cyrillic = HistoryRecordLine(HisStr{"Ольга", 1, 0, 0, 2}, "00:00", "01.01.2026");
  EXPECT_EQ(cyrillic.size(), 114u);
  EXPECT_EQ(cyrillic.substr(15, 6), "\xCE\xEB\xFC\xE3\xE0 ");
  EXPECT_EQ(cyrillic.substr(89, 1), "T");
}

TEST(HistoryLineTest, EndAndTotalsLines) {
  const std::string end = HistoryEndLine();
  const std::string body = std::string("$\x9F}") + std::string(96, '#');
  EXPECT_EQ(end, body + SumsOf(body));
  EXPECT_EQ(HistoryTotalsLine(LineSums{1, 22, 333}), "000000000100000000220000000333");
}

TEST(HistoryFileTest, FirstWriteCreatesFileOne) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  FixedClock clock;
  const HistoryWrite write = WriteHistory(folder, {HisStr{"Ann", 4, 25, 1.25, 0}}, clock);
  EXPECT_TRUE(write.Saved);
  EXPECT_EQ(write.FileNo, 1);
  const auto path = folder / "Tavlo_I0001.hst";
  ASSERT_TRUE(std::filesystem::exists(path));
  const std::vector<std::string> lines = SplitLines(ReadAll(path));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], HistoryRecordLine(HisStr{"Ann", 4, 25, 1.25, 0}, "09:05", "09.12.2026"));
  EXPECT_EQ(lines[1], HistoryEndLine());
  LineSums totals = BodySums(lines[0]);
  totals += BodySums(lines[1]);
  EXPECT_EQ(lines[2], HistoryTotalsLine(totals));
  EXPECT_EQ(ReadAll(path).substr(ReadAll(path).size() - 2), "\r\n");

  const HistoryCheck check = CheckHistoryFile(folder, 1, clock);
  EXPECT_TRUE(check.Valid);
  EXPECT_EQ(check.Records, 1);
  EXPECT_EQ(check.Date, "file date");
  EXPECT_FALSE(CheckHistoryFile(folder, 2, clock).Valid);
}

TEST(HistoryFileTest, AppendsToTheFileInUse) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  FixedClock clock;
  WriteHistory(folder, {HisStr{"Ann", 4, 25, 1.25, 0}}, clock);
  clock.Time = "10:30";
  const HistoryWrite write =
      WriteHistory(folder, {HisStr{"Boris", 2, -5, 0.1, 3}, HisStr{"Clara", 2, 5, 0.2, 3}}, clock);
  EXPECT_EQ(write.FileNo, 1);
  const std::vector<std::string> records = HistoryRecordLines(HistoryFilePath(folder, 1));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].substr(0, 5), "09:05");
  EXPECT_EQ(records[1].substr(0, 20), "10:3009.12.2026Boris");
  EXPECT_EQ(records[2].substr(15, 5), "Clara");
  EXPECT_EQ(CheckHistoryFile(folder, 1, clock).Records, 3);
}

TEST(HistoryFileTest, RollsOverAfter840Records) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  std::filesystem::create_directories(folder);
  WriteAll(HistoryFilePath(folder, 1), HistoryOf(839));
  FixedClock clock;
  ASSERT_EQ(CheckHistoryFile(folder, 1, clock).Records, 839);

  EXPECT_EQ(WriteHistory(folder, {HisStr{"The 840th", 1, 1, 0, 0}}, clock).FileNo, 1);
  EXPECT_EQ(CheckHistoryFile(folder, 1, clock).Records, 840);
  const std::string full = ReadAll(HistoryFilePath(folder, 1));

  const HistoryWrite write = WriteHistory(folder, {HisStr{"The 841st", 1, 1, 0, 0}}, clock);
  EXPECT_EQ(write.FileNo, 2);
  EXPECT_EQ(ReadAll(HistoryFilePath(folder, 1)), full);
  const HistoryCheck second = CheckHistoryFile(folder, 2, clock);
  EXPECT_TRUE(second.Valid);
  EXPECT_EQ(second.Records, 1);
  EXPECT_EQ(HistoryRecordLines(HistoryFilePath(folder, 2)).at(0).substr(15, 9), "The 841st");
}

struct DamageCase {
  const char* name;
  std::string (*damage)(std::string file);
};

std::string ChangeByte(std::string file, std::size_t at) {
  const char replacement = file.at(at) == 'A' ? 'B' : 'A';
  file.replace(at, 1, 1, replacement);
  return file;
}

std::vector<std::string> LinesOf(const std::string& file) { return SplitLines(file); }

const DamageCase kDamage[] = {
    {"ChangedNameCharacter", [](std::string f) { return ChangeByte(std::move(f), 20); }},
    {"ChangedLineSum", [](std::string f) { return ChangeByte(std::move(f), 116 + 103); }},
    {"ChangedEndLine", [](std::string f) { return ChangeByte(std::move(f), 3 * 116 + 50); }},
    {"ChangedTotal",
     [](std::string f) {
       f[f.size() - 3] = static_cast<char>(f[f.size() - 3] == '1' ? '2' : '1');
       return f;
     }},
    {"TotalsLineRemoved",
     [](std::string f) {
       auto l = LinesOf(f);
       l.pop_back();
       return JoinLines(l);
     }},
    {"EndLineRemoved",
     [](std::string f) {
       auto l = LinesOf(f);
       l.erase(l.end() - 2);
       return JoinLines(l);
     }},
    {"RecordDuplicated",
     [](std::string f) {
       auto l = LinesOf(f);
       l.insert(l.begin(), l.front());
       return JoinLines(l);
     }},
    {"RecordShortened",
     [](std::string f) {
       auto l = LinesOf(f);
       l[1].pop_back();
       return JoinLines(l);
     }},
    {"Truncated", [](std::string f) { return f.substr(0, f.size() - 10); }},
    {"Empty", [](std::string) { return std::string(); }},
};

class DamagedHistoryTest : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedHistoryTest, IsInvalidAndRewrittenWithOneRecord) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  std::filesystem::create_directories(folder);
  WriteAll(HistoryFilePath(folder, 1), GetParam().damage(HistoryOf(3)));
  FixedClock clock;
  EXPECT_FALSE(CheckHistoryFile(folder, 1, clock).Valid);

  const HistoryWrite write = WriteHistory(folder, {HisStr{"Fresh", 1, 1, 0, 0}}, clock);
  EXPECT_EQ(write.FileNo, 1);
  const HistoryCheck check = CheckHistoryFile(folder, 1, clock);
  EXPECT_TRUE(check.Valid);
  EXPECT_EQ(check.Records, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedHistoryTest, testing::ValuesIn(kDamage),
                         [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST(HistoryFileTest, DamagedSecondFileAfterAFullFirstIsReplaced) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  std::filesystem::create_directories(folder);
  WriteAll(HistoryFilePath(folder, 1), HistoryOf(840));
  WriteAll(HistoryFilePath(folder, 2), ChangeByte(HistoryOf(5), 30));
  FixedClock clock;
  EXPECT_EQ(WriteHistory(folder, {HisStr{"X", 1, 1, 0, 0}}, clock).FileNo, 2);
  EXPECT_EQ(CheckHistoryFile(folder, 2, clock).Records, 1);
  EXPECT_EQ(CheckHistoryFile(folder, 1, clock).Records, 840);
}

TEST(HistoryFileTest, SaveFailureIsReported) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  WriteAll(folder, "a file where the folder should be");
  FixedClock clock;
  const HistoryWrite write = WriteHistory(folder, {HisStr{"X", 1, 1, 0, 0}}, clock);
  EXPECT_FALSE(write.Saved);
  EXPECT_EQ(ReadAll(folder), "a file where the folder should be");
  EXPECT_STREQ(kHistorySaveFailedText, "Cann`t save history!");
}

TEST(HistoryFileTest, ListStopsAtTheFirstInvalidFile) {
  TempFolder program;
  const auto folder = HistoryFolder(program.Path());
  FixedClock clock;
  EXPECT_TRUE(ValidHistoryFiles(folder, clock).empty());
  std::filesystem::create_directories(folder);
  WriteAll(HistoryFilePath(folder, 1), HistoryOf(840));
  WriteAll(HistoryFilePath(folder, 2), HistoryOf(2));
  WriteAll(HistoryFilePath(folder, 4), HistoryOf(1));  // beyond the missing file 3
  const std::vector<HistoryCheck> files = ValidHistoryFiles(folder, clock);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].Records, 840);
  EXPECT_EQ(files[1].Records, 2);
  EXPECT_EQ(files[1].Date, "file date");
}

TEST(SystemHistoryClockTest, TimeIsHoursAndMinutes) {
  SystemHistoryClock clock;
  const std::string time = clock.TimeText();
  ASSERT_EQ(time.size(), 5u);
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(time[0])) && std::isdigit(static_cast<unsigned char>(time[1])));
  EXPECT_EQ(time[2], ':');
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(time[3])) && std::isdigit(static_cast<unsigned char>(time[4])));
  EXPECT_FALSE(clock.DateText().empty());
  EXPECT_FALSE(clock.DateText(std::filesystem::file_time_type::clock::now()).empty());
}

TEST(HistoryFileTest, FileNames) {
  EXPECT_EQ(HistoryFilePath("/p/History", 1), std::filesystem::path("/p/History/Tavlo_I0001.hst"));
  EXPECT_EQ(HistoryFilePath("/p/History", 9999), std::filesystem::path("/p/History/Tavlo_I9999.hst"));
  EXPECT_EQ(HistoryFolder("/p"), std::filesystem::path("/p/History"));
}

}  // namespace
}  // namespace tavlo
