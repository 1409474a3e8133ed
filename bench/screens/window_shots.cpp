#include "window_shots.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "game/card_chooser.h"
#include "game/seats.h"
#include "ui/calendar/desk_calendar.h"
#include "ui/dialogs/notice.h"
#include "ui/dialogs/score_sheet.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/menu/title_screen.h"
#include "ui/table/table_screen.h"

namespace tavlo {
namespace {

// Applies a window size and stops the tool when the screen could not hold it: the program
// falls back to the small window then, and its pictures would carry a larger size's name.
void ApplySizeOrStop(MainWindow& window, int windowSizeMode) {
  window.CurrentSettings().WindowSizeMode = windowSizeMode;
  window.ApplyWindowSize();
  if (window.CurrentSettings().WindowSizeMode != windowSizeMode) {
    const QSize screen = window.screen() ? window.screen()->availableGeometry().size() : QSize();
    std::fprintf(stderr, "tavlo-screens: window size %d does not fit the %d x %d screen; nothing is labelled with it\n",
                 windowSizeMode, screen.width(), screen.height());
    std::exit(1);
  }
}

// A small design library for the card-style and concise dialogs, painted here and packed
// with Qt's resource compiler, as the real design library is packaged.
bool WriteDesignBundle(const QString& folder) {
  QTemporaryDir sources;
  if (!sources.isValid()) return false;
  const auto save = [&sources](const QString& name, const QImage& picture) {
    return picture.save(sources.filePath(name + ".png"));
  };
  QImage background(340, 280, QImage::Format_ARGB32);
  {
    QPainter p(&background);
    QLinearGradient g(0, 0, 0, 280);
    g.setColorAt(0, QColor(0x4A, 0x12, 0x5E));
    g.setColorAt(1, QColor(0x16, 0x04, 0x22));
    p.fillRect(background.rect(), g);
    p.setPen(QPen(QColor(0xD4, 0xA8, 0x3A), 3));
    p.drawRoundedRect(background.rect().adjusted(4, 4, -5, -5), 12, 12);
  }
  QImage overlay(340, 280, QImage::Format_ARGB32);
  overlay.fill(Qt::transparent);
  {
    QPainter p(&overlay);
    QFont f("DejaVu Serif");
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xF6, 0xDD, 0x8A));
    p.drawText(QRect(0, 20, 340, 60), Qt::AlignCenter, "Speed");
  }
  QImage caption(300, 48, QImage::Format_ARGB32);
  caption.fill(QColor(0x8C, 0x66, 0x16));
  {
    QPainter p(&caption);
    p.setPen(Qt::white);
    QFont f("DejaVu Sans");
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.drawText(caption.rect(), Qt::AlignCenter, "SPEED");
  }
  QImage strip(480, 48, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  {
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 10; ++k) {
      p.setBrush(QColor::fromHsv(36 * k, 200, 255));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(k * 48 + 24, 24), 8 + k, 8 + k);
    }
  }
  if (!save("GFormSpeed", background) || !save("GFormSpeedEng", overlay) || !save("SpeedEng", caption) ||
      !save("GIcon48Speed", strip)) {
    return false;
  }
  QFile qrc(sources.filePath("bundle.qrc"));
  if (!qrc.open(QIODevice::WriteOnly)) return false;
  qrc.write("<RCC><qresource prefix=\"/\">\n<file>GFormSpeed.png</file>\n<file>GFormSpeedEng.png</file>\n"
            "<file>SpeedEng.png</file>\n<file>GIcon48Speed.png</file>\n</qresource></RCC>\n");
  qrc.close();
  QProcess rcc;
  rcc.setWorkingDirectory(sources.path());
  rcc.start(TAVLO_RCC, {"--binary", "-o", folder + "/ZanCGraph1.rcc", "bundle.qrc"});
  return rcc.waitForFinished(30000) && rcc.exitCode() == 0;
}

class Shots {
 public:
  explicit Shots(QString folder) : folder_(std::move(folder)) {}
  void Save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    if (widget.grab().save(folder_ + "/" + name + ".png")) ++written_;
  }
  int Written() const { return written_; }

 private:
  QString folder_;
  int written_ = 0;
};

// Plays on until `stop` holds: the computer's seats through the flow's ticks, the
// player's seats with a random legal card, tricks gathered with "Ok".
void PlayUntil(MainWindow& window, RandomCardChooser& player, const std::function<bool()>& stop) {
  const GameState& s = window.TheGame().State();
  for (int steps = 0; steps < 10000 && !stop(); ++steps) {
    const int seat = SeatToPlay(s);
    if (s.DealPhase == 1 || s.Turn == turn::kTrickComplete) {
      window.Flow().OnStartOrOk();
    } else if (seat != 0 && window.Flow().PlayerControls(seat)) {
      window.Flow().OnPlayerCard(seat, player.ChooseCard(s, seat));
    } else if (s.Turn == turn::kDealScored) {
      return;
    } else {
      window.Flow().OnTimer1();
    }
  }
}

void TableShots(Shots& shots, const ProgramPaths& paths, int windowSizeMode, const QString& scale) {
  MainWindow window(paths, 41);
  window.Notice = [](const QString&, const QString&, const QString&) {};
  window.AskYesNo = [](const QString&) { return true; };
  window.show();
  window.CompleteStart();
  window.LeaveTitle();
  window.CurrentSettings().FlyCardsOn = true;
  window.CurrentSettings().FlySpeed = 6;
  ApplySizeOrStop(window, windowSizeMode);
  window.ScoreSheetShown = [&shots, scale](TFormDiscard& sheet) {
    QTimer::singleShot(0, &sheet, [&shots, &sheet, scale] {
      shots.Save(sheet, "score-sheet-" + scale);
      sheet.accept();
    });
  };
  RandomCardChooser player(5);
  window.StartSeries(PlayerSlot::NewPlayer, "Anna");
  shots.Save(window, "table-start-" + scale);
  // North is the dummy of the first deal: its hand lies open after the lead.
  const GameState& s = window.TheGame().State();
  PlayUntil(window, player, [&] { return s.TrickNo == 1 && s.TrickPos == 3; });
  shots.Save(window, "table-north-dummy-" + scale);
  // A card in flight: the picture is taken halfway.
  bool taken = false;
  window.Table().FlightStepped = [&](int step) {
    if (!taken && step == 40) {
      shots.Save(window, "table-flying-card-" + scale);
      taken = true;
    }
  };
  PlayUntil(window, player, [&] { return taken; });
  window.Table().FlightStepped = nullptr;
  PlayUntil(window, player, [&] { return s.Turn == turn::kDealScored; });
  shots.Save(window, "table-end-all-cards-" + scale);
  window.close();
}

}  // namespace

int WriteWindowShots(const QString& folder) {
  QTemporaryDir home;
  if (!home.isValid()) return 0;
  const std::filesystem::path parent = home.path().toStdString();
  const ProgramPaths paths{parent, parent / "game"};
  Shots shots(folder);

  {
    MainWindow window(paths, 40);
    window.Notice = [](const QString&, const QString&, const QString&) {};
    window.show();
    window.CompleteStart();
    for (int tick = 0; tick < 25; ++tick) window.Title().Tick();
    shots.Save(window, "title");
    window.LeaveTitle();
    const char* const names[6] = {"", "small", "full-screen", "average-1", "average-2", "large"};
    for (int mode : {1, 3, 4, 5, 2}) {
      ApplySizeOrStop(window, mode);
      for (int tick = 0; tick < 4; ++tick) window.Menu().Animate(QDateTime::currentDateTime());
      shots.Save(window, QString("menu-") + names[mode]);
    }
    // The desk calendar on a holiday: 9 May 2025, its holiday page turned up.
    window.Calendar().Now = [] { return QDateTime(QDate(2025, 5, 9), QTime(12, 0)); };
    window.CurrentSettings().WindowSizeMode = 1;
    window.ApplyWindowSize();
    window.Calendar().TimerCal();
    shots.Save(window, "menu-calendar-holiday");
    TFormLink notice(window.Pictures(), "The incorrect file \"/home/anna/.local/share/tavlo/game/Tavlo.clb\"!", "",
                     "", nullptr);
    notice.show();
    shots.Save(notice, "notice");
    window.close();
  }

  // The speed dialog in the four designs; the library designs read the small bundle.
  if (WriteDesignBundle(QString::fromStdString(paths.ProgramFolder.string()))) {
    PictureRegistry pictures({paths.ProgramFolder});
    const char* const names[4] = {"gray-aristocratic", "gray-concise", "gray-ribbons", "purple"};
    for (int design = 0; design < 4; ++design) {
      DialogLook look;
      look.Design = static_cast<DialogDesign>(design);
      look.Word = [](WordId w) {
        const std::string_view text = Word(w, 0);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
      };
      int speed = 4;
      TFormSpeed dialog(pictures, look, speed, nullptr);
      dialog.show();
      for (int k = 0; k < 3; ++k) QTimer::singleShot(0, [] {});
      shots.Save(dialog, QString("speed-") + names[design]);
    }
  }

  TableShots(shots, paths, 1, "1.0");
  TableShots(shots, paths, 5, "2.0");
  return shots.Written();
}

}  // namespace tavlo
