// tavlo-gif-bench DIR: records games as the window does, in an offscreen window, and prints what
// recording costs on the window's thread. It writes into DIR:
//   deal.gif           one whole deal, recorded at the window's own moments (start, ticks, end)
//   deal-frame-N.png   some frames of it, as Qt reads them back
//   full.gif           250 frames of real table pictures taken over several deals
//   noise.gif          250 frames that differ everywhere (the worst case of "Save screen contents")
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

#include "ui/dialogs/score_sheet.h"
#include "ui/game_steps.h"
#include "ui/main_window.h"
#include "ui/recording/game_recorder.h"
#include "ui/widgets/font_roles.h"

namespace tavlo {
namespace {

struct Costs {
  std::vector<double> captures;  // milliseconds of each tick: taking the picture and encoding it
  double save = 0;
  int frames = 0;
  qint64 bytes = 0;
};

void Print(const char* what, Costs costs) {
  std::sort(costs.captures.begin(), costs.captures.end());
  double total = 0;
  for (double c : costs.captures) total += c;
  const auto at = [&](double q) {
    return costs.captures.empty() ? 0.0 : costs.captures[static_cast<std::size_t>(q * (costs.captures.size() - 1))];
  };
  std::printf(
      "%-6s frames %3d  ticks %4zu  thread time per tick: median %.2f ms, p99 %.2f ms, max %.2f ms; all ticks %.0f ms;"
      "  save %.1f ms;  file %lld bytes\n",
      what, costs.frames, costs.captures.size(), at(0.5), at(0.99), at(1.0), total, costs.save,
      static_cast<long long>(costs.bytes));
}

// Milliseconds of this thread's processor time: the machine may be shared, so wall time would
// measure the neighbours as well.
double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Timed(const std::function<void()>& work) {
  const double start = ThreadMs();
  work();
  return ThreadMs() - start;
}

// One deal recorded by the window itself; a tick after every step of the game.
Costs RecordDeal(const QString& out, const ProgramPaths& paths) {
  MainWindow window(paths, 2026);
  window.show();
  window.CompleteStart();
  window.CurrentSettings().SaveGamesAsGif = true;
  window.CurrentSettings().GifDelay = 500;
  window.CurrentSettings().FlyCardsOn = false;
  window.LeaveTitle();
  window.ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  GameRecorder& recorder = window.Recorder();
  recorder.TimerGIF().disconnect();  // the ticks below stand for the timer's
  // The clock is read while the banner stands over the table: the moment to show it.
  recorder.Now = [&window, out] {
    window.grab().save(out + "/banner.png");
    return QDateTime::currentDateTime();
  };
  Costs costs;
  window.StartSeries(PlayerSlot::NewPlayer, "Review");
  const GameState& s = window.TheGame().State();
  while (s.Turn != turn::kDealOver) {
    testing::PlayOneStep(window);
    costs.captures.push_back(Timed([&] { recorder.Capture(); }));
  }
  testing::PlayOneStep(window);  // the end of the deal: score sheet, cards shown, last frame and the save
  costs.save = static_cast<double>(recorder.LastSaveMs());  // wall time of the save alone
  costs.frames = recorder.LastFrames();
  const QString file = recorder.LastFile();
  costs.bytes = QFileInfo(file).size();
  QFile::remove(out + "/deal.gif");
  QFile::copy(file, out + "/deal.gif");

  QImageReader reader(file, "gif");
  const int frames = reader.imageCount();
  const std::vector<int> wanted{0, 1, frames / 4, frames / 2, 3 * frames / 4, frames - 1};
  for (int i = 0; i < frames; ++i) {
    const QImage frame = reader.read();
    if (std::find(wanted.begin(), wanted.end(), i) != wanted.end()) {
      frame.save(out + QString("/deal-frame-%1.png").arg(i, 3, 10, QChar('0')));
    }
  }
  window.AskYesNo = [](const QString&) { return true; };
  window.close();
  return costs;
}

// 250 real table pictures taken over as many deals as it needs, then one save.
Costs RecordFull(const QString& out, const ProgramPaths& paths) {
  MainWindow window(paths, 7);
  window.show();
  window.CompleteStart();
  window.CurrentSettings().FlyCardsOn = false;
  // The window's own recording gives the table its plain background; its frames are not counted.
  window.CurrentSettings().SaveGamesAsGif = true;
  window.Recorder().TimerGIF().disconnect();
  window.LeaveTitle();
  window.ScoreSheetShown = [](TFormDiscard& sheet) { QTimer::singleShot(0, &sheet, &QDialog::accept); };
  QImage background = window.Background();
  const FontRoles fonts;
  GameRecorder recorder(window, background, window.Pictures(), fonts, QDir(out).filesystemAbsolutePath());
  recorder.TimerGIF().disconnect();
  Settings settings = window.CurrentSettings();
  settings.GifDelay = 100;
  window.StartSeries(PlayerSlot::NewPlayer, "Review");
  Costs costs;
  costs.captures.push_back(Timed([&] { recorder.Start(settings); }));
  for (int steps = 0; recorder.FrameCount() < GameRecorder::kMaxFrames && steps < 5000; ++steps) {
    testing::PlayOneStep(window);
    costs.captures.push_back(Timed([&] { recorder.Capture(); }));
  }
  costs.frames = recorder.FrameCount();
  costs.save = Timed([&] { recorder.Save(); });
  costs.bytes = QFileInfo(recorder.LastFile()).size();
  QFile::remove(out + "/full.gif");
  QFile::rename(recorder.LastFile(), out + "/full.gif");
  window.AskYesNo = [](const QString&) { return true; };
  window.close();
  return costs;
}

// 250 frames of the window's size that differ in every pixel and hold thousands of colours.
Costs RecordNoise(const QString& out) {
  QWidget window;
  window.setFixedSize(760, 500);
  QImage background(760, 500, QImage::Format_RGB32);
  PictureRegistry pictures({});
  FontRoles fonts;
  GameRecorder recorder(window, background, pictures, fonts, QDir(out).filesystemAbsolutePath());
  std::mt19937 random(5);
  QImage picture(760, 500, QImage::Format_RGB32);
  recorder.Grab = [&] {
    for (int y = 0; y < picture.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x)
        row[x] = qRgb((x + random() % 64) & 255, (y + random() % 64) & 255, random() & 255);
    }
    return picture;
  };
  Settings settings;
  settings.SaveGamesAsGif = true;
  settings.GifDelay = 100;
  Costs costs;
  costs.captures.push_back(Timed([&] { recorder.Start(settings); }));
  while (recorder.FrameCount() < GameRecorder::kMaxFrames) costs.captures.push_back(Timed([&] { recorder.Capture(); }));
  costs.frames = recorder.FrameCount();
  costs.save = Timed([&] { recorder.Save(); });
  costs.bytes = QFileInfo(recorder.LastFile()).size();
  QFile::remove(out + "/noise.gif");
  QFile::rename(recorder.LastFile(), out + "/noise.gif");
  return costs;
}

}  // namespace
}  // namespace tavlo

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tavlo-gif-bench DIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tavlo::InstallFontSubstitutes();
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QTemporaryDir home;
  if (!QDir().mkpath(out) || !home.isValid()) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  const std::filesystem::path parent = home.path().toStdString();
  const tavlo::ProgramPaths paths{parent, parent / "game"};
  tavlo::Print("deal", tavlo::RecordDeal(out, paths));
  tavlo::Print("full", tavlo::RecordFull(out, paths));
  tavlo::Print("noise", tavlo::RecordNoise(out));
  return 0;
}
