#include "dialog_shots.h"

#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <fstream>

#include "lang/word_table.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/member_line.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

// Fixed times, so the shots do not change from run to run.
class ReviewClock : public HistoryClock {
 public:
  std::string TimeText() const override { return "21:40"; }
  std::string DateText() const override { return "10.12.2026"; }
  std::string DateText(std::filesystem::file_time_type) const override { return "10.12.2026"; }
};

bool Shoot(QWidget& window, const QString& path) {
  window.show();
  const bool saved = window.grab().save(path);
  window.close();
  return saved;
}

}  // namespace

int WriteDialogShots(const QString& folder) {
  PictureRegistry pictures({});
  DialogLook look;
  look.Word = [](WordId w) {
    const std::string_view text = Word(w, 0);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  };
  int written = 0;
  const auto save = [&written, &folder](QWidget& window, const QString& name) {
    if (Shoot(window, QDir(folder).filePath(name))) ++written;
  };

  Settings settings;
  {
    TFormOptions options(pictures, look, settings, OptionsEffects{}, nullptr);
    save(options, "dialog_options_general.png");
    options.Tabs().setCurrentIndex(3);
    save(options, "dialog_options_game.png");
    options.Tabs().setCurrentIndex(8);
    save(options, "dialog_options_design.png");
  }
  {
    // The download buttons with the deck library B and the voice library missing.
    OptionsEffects effects;
    effects.FilePresent = [](int n) { return n != 2 && n != 7; };
    TFormOptions options(pictures, look, settings, std::move(effects), nullptr);
    options.Tabs().setCurrentIndex(1);
    save(options, "dialog_options_cards.png");
    options.Tabs().setCurrentIndex(7);
    save(options, "dialog_options_dll.png");
  }

  ClubFileContents club;
  club.Status = ClubRead::Read;
  const char* names[10] = {"Marina",    "Oleg",    "Svetlana", "Pavel", "Irina",
                           "Tavlo fan", "Nikolai", "Vera",     "Gleb",  "Anna"};
  for (int n = 1; n <= 10; ++n) club.Lines[n + 5] = MakeTopTenLine(names[n - 1], 1250 - 110 * n);
  {
    TFormTopTen topTen(pictures, look, club, false, nullptr);
    save(topTen, "dialog_top_ten.png");
  }

  struct Place {
    int place;
    const char* file;
  };
  for (const Place& p : {Place{1, "dialog_end_game_place1.png"}, Place{5, "dialog_end_game_place5.png"},
                         Place{0, "dialog_end_game_no_place.png"}}) {
    TFormEndGame endGame(pictures, look, EndGameResult{p.place, 640}, nullptr, nullptr);
    save(endGame, p.file);
  }

  {
    GeneralScoreSource source;
    source.KonNo = 40;
    source.SeriesKon = 6;
    source.StartScore = 410;
    source.SeriesResult = 35;
    source.MemberRating = 2.4;
    source.KonBefore = 34;
    TFormCount count(pictures, look, FillCount(source), "Marina", nullptr);
    save(count, "dialog_general_score.png");
  }

  QTemporaryDir history;
  if (history.isValid()) {
    const std::filesystem::path folderPath = history.path().toStdString();
    const ReviewClock clock;
    const std::vector<HisStr> records = {{"Marina", 40, 640, 2.4, 0},
                                         {"Marina/Oleg", 12, -35, 2.1, 3},
                                         {"Marina", 4, 18, 2.2, 1},
                                         {"Marina/Oleg/Vera/Gleb", 4, 55, 2.3, 2},
                                         {"Pavel", 8, -120, -1.5, 0}};
    for (const HisStr& record : records) WriteHistory(folderPath, {record}, clock);
    int fileNo = 0;
    TFHistory historyWindow(pictures, look, folderPath, fileNo, clock, nullptr);
    save(historyWindow, "dialog_history.png");
    int none = 0;
    TFHistory empty(pictures, look, folderPath / "none", none, clock, nullptr);
    save(empty, "dialog_history_empty.png");
  }
  return written;
}

}  // namespace tavlo
