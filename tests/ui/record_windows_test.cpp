#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <fstream>

#include "lang/word_table.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/member_line.h"
#include "records/password.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tavlo::testing {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString En(WordId w) { return Utf8(Word(w, 0)); }
QColor Bgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QStringList TextsOf(const std::vector<DrawnText>& texts) {
  QStringList list;
  for (const DrawnText& t : texts) list << t.Text;
  return list;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// A club whose only member has played 39 deals of the cycle with `score`, and a top ten
// with the given scores.
void WriteClub(const std::filesystem::path& path, std::int64_t score, const std::array<int, 10>& topTen) {
  ClubFileContents club = ReadClubFile(path);
  ASSERT_EQ(club.Status, ClubRead::Read);
  club.Lines[1] = MakeMemberLine("Alice", 1.5, 39, score, EncodePassword(""));
  for (int k = 2; k <= 5; ++k) club.Lines[k] = EmptyMemberLine();
  for (int n = 1; n <= 10; ++n) {
    club.Lines[n + 5] = MakeTopTenLine("Rival" + std::to_string(n), topTen[static_cast<std::size_t>(n - 1)]);
  }
  WriteBytes(path, ClubFileBytes(club.Lines));
}

class RecordWindowsTest : public WindowTest {
 protected:
  // Alice sits down for her 40th deal.
  void StartFortiethDeal() {
    OnNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFormPassword*>(modal);
      ASSERT_NE(dialog, nullptr);
      QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    });
    window->Menu().ClubRowClicked(1);
    ASSERT_TRUE(window->GameShown());
    ASSERT_TRUE(WaitFor([this] { return window->TheGame().State().KonNo == 40; }));
  }
};

TEST_F(RecordWindowsTest, TheEndOfACycleShowsItsPlace) {
  struct Case {
    const char* name;
    std::int64_t score;
    std::array<int, 10> topTen;
    int place;
    QStringList texts;
    std::uint32_t colour;
    QStringList pictures;
  };
  const QString result = En(WordId::ResultLabel) + "500";
  const Case cases[] = {
      {"place 1",
       500,
       {100, 90, 80, 70, 60, 50, 40, 30, 20, 10},
       1,
       {En(WordId::Congratulations), En(WordId::YourResultBest), result, En(WordId::BecomeMaster)},
       0x800080,
       {"GMedal", "GPlace01"}},
      {"place 5",
       500,
       {1000, 900, 800, 700, 400, 300, 200, 100, 50, 10},
       5,
       {En(WordId::Congratulations), En(WordId::GoodResult), result, En(WordId::HitTopTen)},
       0x000080,
       {"GMedal", "GPlace05"}},
      {"no place",
       500,
       {2000, 1900, 1800, 1700, 1600, 1500, 1400, 1300, 1200, 1100},
       0,
       {En(WordId::OurRegrets), En(WordId::ResultWishBest), result, En(WordId::NotInTopTen)},
       0x800000,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWindow();
    window->LeaveTitle();
    WriteClub(window->Files().Local, 500, c.topTen);
    StartFortiethDeal();

    // The general score on the 40th deal counts 40 in the cycle.
    bool counted = false;
    OnNextModal([&counted](QWidget* modal) {
      auto* dialog = qobject_cast<TFormCount*>(modal);
      ASSERT_NE(dialog, nullptr);
      counted = true;
      EXPECT_EQ(dialog->windowTitle(), En(WordId::PlayerCaption) + ":  Alice");
      EXPECT_EQ(dialog->RowValue(0).text(), "40");
      EXPECT_EQ(dialog->RowValue(1).text(), "40");
      EXPECT_EQ(dialog->RowValue(2).text(), "500");
      EXPECT_EQ(dialog->RowValue(5).text(), "1,50");
      EXPECT_EQ(dialog->RowLabel(1).text(), En(WordId::RoundInCycle));
      dialog->accept();
    });
    window->ContextMenu().actions().first()->trigger();
    EXPECT_TRUE(counted);

    // The deal is scored as the flow scores it before the series may end.
    window->TheGame().SettleSeriesResult();
    bool shown = false;
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TFormEndGame*>(modal);
      ASSERT_NE(dialog, nullptr);
      shown = true;
      EXPECT_EQ(dialog->windowTitle(), En(WordId::CompletionOfGame));
      const EndGameDrawing& d = dialog->Drawing();
      EXPECT_EQ(TextsOf(d.Texts), c.texts);
      ASSERT_GE(d.Texts.size(), 2u);
      EXPECT_EQ(d.Texts[0].Colour, Bgr(c.colour));
      EXPECT_EQ(d.Texts[2].Colour, Bgr(0x008000));
      EXPECT_EQ(d.Texts[0].Top, 100);
      EXPECT_EQ(d.Texts[3].Top, 325);
      QStringList pictures;
      for (const DrawnPicture& p : d.Pictures) {
        pictures << p.Name;
        EXPECT_EQ(p.At, QPoint(173, 370));
        EXPECT_FALSE(p.Picture.isNull()) << p.Name.toStdString();
      }
      EXPECT_EQ(pictures, c.pictures);
      EXPECT_EQ(d.LoopAnimation, c.place == 0);
      EXPECT_TRUE(dialog->AnimationRunning());
      QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    });
    window->FinishSeries(window->TheGame().State().SeriesResult, window->TheGame().State().SeriesKon);
    EXPECT_TRUE(shown);
    ASSERT_TRUE(window->LastSeries().has_value());
    EXPECT_EQ(window->LastSeries()->TopTenPlace, c.place);
    TearDown();
    notices.clear();
  }
}

TEST(EndGameDrawingTest, TitlesBonusAndWorldPlaces) {
  PictureRegistry pictures({});
  const FontRoles fonts;
  auto word = [](WordId w) { return En(w); };
  struct Case {
    const char* name;
    EndGameResult result;
    QString title;  // the fourth row, empty for none
  };
  const Case cases[] = {
      {"network club", {1, 300, true, false, false, 0}, En(WordId::BecomeBachelor)},
      {"rated play", {1, 300, false, true, true, 0}, En(WordId::BecomeVicePresident)},
      {"signed out", {1, 300, false, false, false, 0}, En(WordId::BecomeMaster)},
      {"signed in, not rated", {1, 300, false, true, false, 0}, QString()},
  };
  for (const Case& c : cases) {
    const EndGameDrawing d = DrawEndGame(c.result, pictures, fonts, word);
    const QStringList texts = TextsOf(d.Texts);
    EXPECT_EQ(texts.size(), c.title.isEmpty() ? 3 : 4) << c.name;
    if (!c.title.isEmpty()) {
      EXPECT_EQ(texts.value(3), c.title) << c.name;
    }
    EXPECT_EQ(d.Sound, "WFiBest") << c.name;
  }

  // A world place above ten: the regrets, with the place after the result.
  const EndGameDrawing world = DrawEndGame({12, 300, false, true, true, 0}, pictures, fonts, word);
  EXPECT_EQ(TextsOf(world.Texts).value(2), En(WordId::ResultLabel) + "300 ; " + En(WordId::PlaceLabel) + "12");
  EXPECT_TRUE(world.Pictures.empty());
  EXPECT_FALSE(world.LoopAnimation);  // it plays once: a place, though not a top-ten one

  // A bonus of rated play moves the rows up and adds the coins.
  const EndGameDrawing bonus = DrawEndGame({2, 300, false, true, true, 10}, pictures, fonts, word);
  const QStringList texts = TextsOf(bonus.Texts);
  EXPECT_EQ(bonus.Texts[0].Top, 80);
  EXPECT_EQ(bonus.Texts[3].Top, 200);
  EXPECT_TRUE(texts.contains(En(WordId::YouGet) + " 10 " + En(WordId::Zans) + "!!!"));
  EXPECT_EQ(bonus.Texts.back().Text, "10");
  EXPECT_TRUE(bonus.Texts.back().Shadow);
  QStringList names;
  for (const DrawnPicture& p : bonus.Pictures) names << p.Name;
  EXPECT_EQ(names, (QStringList{"GMedal", "GPlace02", "GZans128", "GZansT128", "Account48"}));
  EXPECT_EQ(bonus.Pictures[0].At, QPoint(173, 240));
}

TEST(GeneralScoreTest, FillsTheSevenTexts) {
  struct Case {
    const char* name;
    GeneralScoreSource source;
    QStringList texts;
  };
  GeneralScoreSource deal41;
  deal41.KonNo = 41;
  deal41.StartScore = 0;
  deal41.SeriesResult = 25;
  deal41.KonBefore = 40;
  GeneralScoreSource tournament;
  tournament.Tournament = true;
  tournament.KonNo = 7;
  tournament.SeriesResult = -12;
  tournament.ParticipantScore = 340;
  tournament.ParticipantRating = 12.5;
  GeneralScoreSource rated;
  rated.RatedPlay = true;
  rated.KonNo = 90;
  rated.SeriesKon = 3;
  rated.AccountCycleDeals = 17;
  rated.StartScore = 100;
  rated.SeriesResult = 5;
  rated.AccountRating = 3.6;
  const Case cases[] = {
      {"first deal of a cycle", deal41, {"41", "1", "0", "25", "25", "0,00", "0,12"}},
      {"tournament", tournament, {"7", "-", "340", "-12", "328", "12", "?"}},
      {"rated play", rated, {"90", "20", "100", "5", "105", "4", "?"}},
  };
  for (const Case& c : cases) {
    const TCount t = FillCount(c.source);
    EXPECT_EQ((QStringList{t.Count_KonAll, t.Count_KonCur, t.Count_ScoBeg, t.Count_ScoCur, t.Count_ScoAll,
                           t.Count_ReiBeg, t.Count_ReiCur}),
              c.texts)
        << c.name;
  }
}

TEST_F(RecordWindowsTest, TopTenShowsTheClubsTenBest) {
  StartWindow();
  window->LeaveTitle();
  WriteClub(window->Files().Local, 0, {900, 800, 700, 600, 500, 400, 300, 200, 100, -50});
  bool shown = false;
  OnNextModal([&shown](QWidget* modal) {
    auto* dialog = qobject_cast<TFormTopTen*>(modal);
    ASSERT_NE(dialog, nullptr);
    shown = true;
    const std::vector<DrawnText>& t = dialog->Texts();
    ASSERT_EQ(t.size(), 3u + 30u);
    EXPECT_EQ(t[0].Text, "WINDOWS. LOCAL GAMES WITH PC");
    EXPECT_EQ(t[0].Top, 85);
    EXPECT_TRUE(t[0].Font.bold());
    EXPECT_EQ(t[1].Text, En(WordId::TopTen));
    EXPECT_EQ(t[2].Text, En(WordId::Score));
    for (int n = 1; n <= 10; ++n) {
      const DrawnText& number = t[static_cast<std::size_t>(3 * n)];
      const DrawnText& name = t[static_cast<std::size_t>(3 * n + 1)];
      const DrawnText& score = t[static_cast<std::size_t>(3 * n + 2)];
      EXPECT_EQ(number.Text, QString::number(n) + ".");
      EXPECT_EQ(number.Top, 150 + 33 * (n - 1));
      EXPECT_EQ(name.Text, "Rival" + QString::number(n));
      EXPECT_EQ(name.Left, 95);
      EXPECT_EQ(score.Align, 'r');
      EXPECT_EQ(score.Right, 380);
      EXPECT_EQ(number.Colour, Bgr(n <= 3 ? 0x0000FF : 0x800000)) << n;
    }
    EXPECT_EQ(t[3 * 10 + 2].Text, "-50");
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  QTest::mouseClick(&window->Menu().TopTenButton(), Qt::LeftButton);
  EXPECT_TRUE(shown);

  // The network club has its own title.
  PictureRegistry pictures({});
  const std::vector<DrawnText> net =
      TopTenTexts(ReadClubFile(window->Files().Local), true, FontRoles{}, [](WordId w) { return En(w); });
  EXPECT_EQ(net[0].Text, "WINDOWS. NET GAMES");
}

// History files written as the program writes them.
std::string HistoryBytes(const std::vector<HisStr>& records) {
  std::vector<std::string> lines;
  for (const HisStr& r : records) lines.push_back(HistoryRecordLine(r, "09:05", "10.12.2026"));
  lines.push_back(HistoryEndLine());
  LineSums totals;
  for (const std::string& line : lines) totals += BodySums(line);
  lines.push_back(HistoryTotalsLine(totals));
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

TEST_F(RecordWindowsTest, HistoryListsValidFilesOnlyAndShowsTheirLines) {
  StartWindow();
  window->LeaveTitle();
  const std::filesystem::path folder = window->Files().History;
  std::filesystem::create_directories(folder);
  WriteBytes(HistoryFilePath(folder, 1), HistoryBytes({{"Alice", 12, 340, 1.25, 0}, {"Bob/Carol", 4, -20, 0, 3}}));
  WriteBytes(HistoryFilePath(folder, 2), HistoryBytes({{"Dan", 4, 50, 2.5, 1}, {"Eve", 4, 60, 3, 2}}));
  // File 3 is damaged (one character of a record changed); file 4 after it is valid but unreachable.
  std::string damaged = HistoryBytes({{"Frank", 8, 10, 0.5, 0}});
  damaged[20] = 'X';
  WriteBytes(HistoryFilePath(folder, 3), damaged);
  WriteBytes(HistoryFilePath(folder, 4), HistoryBytes({{"Gina", 8, 10, 0.5, 0}}));
  const SystemHistoryClock clock;

  bool shown = false;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFHistory*>(modal);
    ASSERT_NE(dialog, nullptr);
    shown = true;
    EXPECT_EQ(dialog->windowTitle(), En(WordId::HistoryOfGames));
    QListWidget& list = dialog->FileList();
    ASSERT_EQ(list.count(), 2);
    const std::string date = clock.DateText(std::filesystem::last_write_time(HistoryFilePath(folder, 1)));
    EXPECT_EQ(list.item(0)->text(), "File I0001 " + QString::fromStdString(date));
    EXPECT_TRUE(list.item(1)->text().startsWith("File I0002 "));
    // The last valid file is chosen at the first opening.
    EXPECT_EQ(list.currentRow(), 1);
    QTableWidget& grid = dialog->Grid();
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.item(0, 2)->text(), "Dan");
    EXPECT_EQ(grid.item(0, 6)->text(), "Account");
    EXPECT_EQ(grid.item(0, 6)->foreground().color(), Bgr(0x0000FF));
    EXPECT_EQ(grid.item(1, 6)->text(), "Tourney");
    EXPECT_EQ(grid.item(1, 0)->foreground().color(), Bgr(0xFF0000));
    EXPECT_EQ(list.width(), 180);

    list.setCurrentRow(0);
    ASSERT_EQ(grid.rowCount(), 2);
    const QStringList first = {"09:05", "10.12.2026", "Alice", "12", "340", "1,25", "Local"};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.item(0, c)->text(), first[c]) << c;
    EXPECT_EQ(grid.item(1, 2)->text(), "Bob/Carol");
    EXPECT_EQ(grid.item(1, 6)->text(), "Net");
    EXPECT_EQ(grid.item(1, 3)->foreground().color(), Bgr(0x008000));
    const int widths[7] = {45, 65, 210, 45, 55, 55, 80};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.columnWidth(c), widths[c]);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  QTest::mouseClick(&window->Menu().HistoryButton(), Qt::LeftButton);
  ASSERT_TRUE(shown);

  // The choice is kept for the next opening.
  shown = false;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFHistory*>(modal);
    ASSERT_NE(dialog, nullptr);
    shown = true;
    EXPECT_EQ(dialog->FileList().currentRow(), 0);
    EXPECT_EQ(dialog->Grid().item(0, 2)->text(), "Alice");
    dialog->accept();
  });
  QTest::mouseClick(&window->Menu().HistoryButton(), Qt::LeftButton);
  EXPECT_TRUE(shown);
}

TEST_F(RecordWindowsTest, WithoutHistoryTheListSaysSoAndTheGridIsEmpty) {
  StartWindow();
  window->LeaveTitle();
  std::filesystem::remove_all(window->Files().History);
  bool shown = false;
  OnNextModal([&shown](QWidget* modal) {
    auto* dialog = qobject_cast<TFHistory*>(modal);
    ASSERT_NE(dialog, nullptr);
    shown = true;
    ASSERT_EQ(dialog->FileList().count(), 1);
    EXPECT_EQ(dialog->FileList().item(0)->text(), "No History Files");
    EXPECT_FALSE(dialog->FileList().isEnabled());
    EXPECT_EQ(dialog->Grid().rowCount(), 1);
    EXPECT_EQ(dialog->Grid().item(0, 0), nullptr);
    ASSERT_EQ(dialog->Grid().columnCount(), 7);
    EXPECT_EQ(dialog->Grid().horizontalHeaderItem(2)->text(), En(WordId::HistoryPlayer));
    dialog->accept();
  });
  QTest::mouseClick(&window->Menu().HistoryButton(), Qt::LeftButton);
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tavlo::testing
