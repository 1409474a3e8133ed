// The window's side of sound: right clicks speak cards, sound off asks nothing, the click effect
// plays where the pointer was, and the menu's radio switch and player buttons.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <fstream>

#include "../pictures/test_bundle.h"
#include "game/seats.h"
#include "media/click_effect.h"
#include "media/media_system.h"
#include "media/radio_art.h"
#include "media/radio_window.h"
#include "media_doubles.h"
#include "ui/menu/main_menu.h"
#include "ui/table/table_screen.h"
#include "ui/widgets/zan_button.h"
#include "ui/window_fixture.h"

namespace tavlo::testing {
namespace {

void RightClickCard(MainWindow& window, int seat, int slot) {
  PictureBox& hand = window.Table().Hand(seat);
  const int x = window.Table().CardLeft(seat)[static_cast<std::size_t>(slot - 1)] + 3;
  QTest::mouseClick(&hand, Qt::RightButton, {}, QPoint(x, 10));
}

class SoundWindowTest : public WindowTest {
 protected:
  void StartGame() {
    StartWindow(77);
    window->CurrentSettings().FlyCardsOn = false;
    window->SetSoundEffects(&sounds);
    window->LeaveTitle();
    window->StartSeries(PlayerSlot::NewPlayer, "Tester");
    ASSERT_TRUE(window->GameShown());
  }
  const GameState& State() { return window->TheGame().State(); }
  RecordingSounds sounds;
};

TEST_F(SoundWindowTest, RightClicksSpeakTheOwnHandTheTrumpCardAndNotHiddenHands) {
  StartGame();
  const GameState& s = State();
  ASSERT_EQ(s.DealPhase, 1);
  window->CurrentSettings().LanguageIndex = 2;
  for (int slot : {1, 7, 13}) {
    sounds.cards.clear();
    RightClickCard(*window, kSouth, slot);
    ASSERT_EQ(sounds.cards.size(), 1u) << slot;
    EXPECT_EQ(sounds.cards[0], s.Hands[kSouth][slot]) << slot;
    EXPECT_EQ(sounds.languages[0], 2);
  }
  // Before "To Begin" the dummy's last place shows the turned-up trump card; the rest of that
  // hand is face down.
  if (s.Dummy != kSouth) {
    sounds.cards.clear();
    RightClickCard(*window, s.Dummy, 13);
    ASSERT_EQ(sounds.cards.size(), 1u);
    EXPECT_EQ(sounds.cards[0], s.TrumpCard);
    RightClickCard(*window, s.Dummy, 2);
    EXPECT_EQ(sounds.cards.size(), 1u);
  }
  for (int seat = 1; seat <= 3; ++seat) {
    if (seat == s.Dummy) continue;
    sounds.cards.clear();
    RightClickCard(*window, seat, 1);
    EXPECT_TRUE(sounds.cards.empty()) << "seat " << seat;
  }
  // A right click plays nothing and changes nothing.
  EXPECT_EQ(s.CardsLeft[kSouth], 13);
}

TEST_F(SoundWindowTest, RightClicksOnTheTrickSpeakTheCardEachSeatPlayed) {
  StartGame();
  const GameState& s = State();
  QTest::mouseClick(&window->Table().StartButton(), Qt::LeftButton);
  // Play on until the table holds at least one card and it is the player's turn, or the trick is full.
  ASSERT_TRUE(
      WaitFor([&] { return s.TrickPos > 1 && (window->Flow().PlayerControls(SeatToPlay(s)) || s.TrickPos == 5); }));
  for (int seat = 1; seat <= 4; ++seat) {
    sounds.cards.clear();
    const QPoint spot = window->Table().SpotInCentre(seat) + QPoint(5, 5);
    QTest::mouseClick(&window->Table().Centre(), Qt::RightButton, {}, spot);
    const TCardCode played = s.Table[(seat - s.PrevWinner + 4) % 4 + 1];
    if (played.IsEmpty()) {
      EXPECT_TRUE(sounds.cards.empty()) << "seat " << seat;
    } else {
      ASSERT_EQ(sounds.cards.size(), 1u) << "seat " << seat;
      EXPECT_EQ(sounds.cards[0], played) << "seat " << seat;
    }
  }
}

TEST_F(SoundWindowTest, WithSoundOffNothingIsAskedOfTheSoundSubsystem) {
  StartGame();
  window->CurrentSettings().SoundOn = false;
  sounds.effects.clear();
  RightClickCard(*window, kSouth, 3);
  QTest::mouseClick(&window->Table().StartButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return State().TrickPos > 1; }));
  EXPECT_TRUE(sounds.cards.empty());
  EXPECT_TRUE(sounds.effects.isEmpty());
  window->CurrentSettings().SoundOn = true;
  RightClickCard(*window, kSouth, 3);
  EXPECT_EQ(sounds.cards.size(), 1u);
}

// A strip of 30 frames, each a different shade of red, with a transparent border.
QImage TouchStrip() {
  QImage strip(3000, 100, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  for (int k = 0; k < 30; ++k) {
    for (int y = 30; y < 70; ++y) {
      for (int x = 30; x < 70; ++x) strip.setPixel(k * 100 + x, y, qRgba(100 + 5 * k, 0, 0, 255));
    }
  }
  return strip;
}

TEST_F(SoundWindowTest, TheClickEffectPlaysItsFramesWhereThePointerWas) {
  StartWindow();
  window->LeaveTitle();
  ClickEffect clicks(window->Pictures());
  const QPoint global = window->mapToGlobal(QPoint(300, 200));
  EXPECT_FALSE(clicks.Play(window.get(), global)) << "no design library: nothing happens";
  EXPECT_EQ(clicks.Overlay(), nullptr);

  ASSERT_TRUE(WriteBundle(Paths().ParentFolder, "ZanCGraph1", {{"GTouch", TouchStrip()}}));
  ASSERT_TRUE(clicks.Play(window.get(), global));
  EXPECT_EQ(clicks.FrameCount(), 30);
  EXPECT_EQ(clicks.Area(), QRect(250, 150, 100, 100));
  ASSERT_NE(clicks.Overlay(), nullptr);
  EXPECT_TRUE(clicks.Overlay()->isVisible());
  EXPECT_EQ(clicks.Overlay()->geometry(), QRect(250, 150, 100, 100));
  // The first frame is on the screen at the pointer.
  const QImage shot = window->grab(QRect(250, 150, 100, 100)).toImage();
  EXPECT_EQ(qRed(shot.pixel(50, 50)), 100);
  ASSERT_TRUE(WaitFor([&] { return !clicks.Running(); }, 10000));
  EXPECT_EQ(clicks.FramesShown(), 30);
  EXPECT_FALSE(clicks.Overlay()->isVisible());

  // The settings decide: the window asks for the effect only with "Salute" on.
  int asked = 0;
  window->Salute = [&asked](QPoint) { ++asked; };
  window->CurrentSettings().SaluteButtons = false;
  QTest::mousePress(&window->Menu().ModeButton(), Qt::LeftButton);
  QTest::mouseRelease(&window->Menu().ModeButton(), Qt::LeftButton);
  EXPECT_EQ(asked, 0);
  window->CurrentSettings().SaluteButtons = true;
  QTest::mousePress(&window->Menu().ModeButton(), Qt::LeftButton);
  QTest::mouseRelease(&window->Menu().ModeButton(), Qt::LeftButton);
  EXPECT_EQ(asked, 1);
}

class MediaWindowTest : public WindowTest {
 protected:
  void StartWithMedia(QUrl server = {}) {
    window = std::make_unique<MainWindow>(Paths(), 5);
    window->Notice = [this](const QString& a, const QString& b, const QString& c) {
      notices << (QStringList{a, b, c}.join("|"));
    };
    window->AskYesNo = [](const QString&) { return true; };
    auto out = std::make_unique<RecordingOutput>();
    output = out.get();
    media = std::make_unique<MediaSystem>(
        *window, MediaParts{std::move(out), [this] { return std::make_unique<RecordingStream>(streamLog); }, server,
                            std::filesystem::path(temp.path().toStdString())});
    window->show();
    window->CompleteStart();
  }
  void TearDown() override {
    media.reset();
    WindowTest::TearDown();
  }
  QTemporaryDir temp;
  RecordingOutput* output = nullptr;
  QStringList streamLog;
  std::unique_ptr<MediaSystem> media;
};

TEST_F(MediaWindowTest, TheButtonsOfDialogsSaluteWhenAskedTo) {
  StartWithMedia();
  window->LeaveTitle();
  QList<QPoint> asked;
  window->Salute = [&asked](QPoint at) { asked << at; };
  for (bool on : {false, true}) {
    window->CurrentSettings().SaluteButtons = on;
    OnNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DialogFrame*>(modal);
      ASSERT_NE(dialog, nullptr);
      QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QTest::mouseClick(&window->Menu().TopTenButton(), Qt::LeftButton);
  }
  // Once from the menu's "Top Ten" and once from the dialog's "Ok", both with the setting on.
  ASSERT_EQ(asked.size(), 2);
}

TEST_F(MediaWindowTest, TheFirstStartInstallsTheStationList) {
  StartWithMedia();
  std::ifstream in(Paths().ParentFolder / "ZanRadio.rad", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_GE(ParseStationList(bytes).size(), 5u);
}

TEST_F(MediaWindowTest, MusicPlaysOnTheTitleAndMenuAndStopsForTheGame) {
  StartWithMedia();
  ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(temp.path().toStdString()) / "temp59_25.mid"));
  ASSERT_TRUE(WaitFor([&] { return media->Sounds().MusicPlaying(); }));
  ASSERT_FALSE(output->played.empty());
  EXPECT_EQ(output->played.back().Channel, AudioChannel::Music);
  window->LeaveTitle();
  window->StartSeries(PlayerSlot::NewPlayer, "Tester");
  ASSERT_TRUE(WaitFor([&] { return !media->Sounds().MusicPlaying(); }));
  // The deal's effect reached the output through the window.
  bool shuffled = false;
  for (const auto& p : output->played) shuffled = shuffled || p.Sound == media->Sounds().Effect("WTasoKo");
  EXPECT_TRUE(shuffled);
}

TEST_F(MediaWindowTest, TheRadioSwitchShowsOnLargeMenusAndReportsMissingFiles) {
  StartWithMedia();
  window->CurrentSettings().WindowSizeMode = 4;  // large window: Scale 1.6 and more
  window->LeaveTitle();
  ASSERT_TRUE(window->MenuShown());
  PressablePicture& radioSwitch = media->Controls().RadioSwitch();
  ASSERT_TRUE(radioSwitch.isVisible());
  EXPECT_EQ(radioSwitch.size(), QSize(220, 125));
  // Between the left animation and "New Player", under the club rows.
  EXPECT_LT(radioSwitch.geometry().right(), window->Menu().NewPlayerButton().geometry().left());
  EXPECT_GT(radioSwitch.geometry().top(), window->Menu().ClubRow(5).geometry().bottom() - 60);
  EXPECT_FALSE(media->TheRadio().CanUse());
  QTest::mouseClick(&radioSwitch, Qt::LeftButton);
  ASSERT_EQ(notices.size(), 1);
  EXPECT_TRUE(notices[0].contains("ZanRadio.rad + ZanRadio02.dll")) << notices[0].toStdString();
  // The context menu's "Radio" does the same.
  notices.clear();
  window->OpenRadio();
  EXPECT_EQ(notices.size(), 1);

  // The small window has no room for it.
  window->CurrentSettings().WindowSizeMode = 1;
  window->ApplyWindowSize();
  EXPECT_FALSE(radioSwitch.isVisible());
}

TEST_F(MediaWindowTest, ThePlayerButtonsAppearWithAPlayListAndDriveIt) {
  TestHttpServer server;
  server.Serve("/musik/_playlist.html", "a~One.mp3\nb~Two.mp3\nc~Three.mp3\nd~Four.mp3\ne~Five.mp3\n");
  StartWithMedia(server.Base());
  ASSERT_TRUE(WaitFor([&] { return media->Songs().Create(); }));
  window->CurrentSettings().WindowSizeMode = 4;
  window->LeaveTitle();
  PressablePicture& play = media->Controls().PlayerButton(1);
  ASSERT_TRUE(play.isVisible());
  EXPECT_EQ(play.geometry(), QRect(10, window->height() - 70, 61, 61));
  QTest::mouseClick(&play, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_TRUE(media->Songs().Playing());
  EXPECT_TRUE(streamLog.contains("play"));
  QTest::mouseClick(&media->Controls().PlayerButton(3), Qt::LeftButton, {}, QPoint(50, 30));
  EXPECT_EQ(media->Songs().Volume(), 55);
  if (const QString dir = qEnvironmentVariable("TAVLO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    window->grab().save(dir + "/menu_with_player.png");
  }
  // The menu gives way to the game: the buttons go with it.
  window->StartSeries(PlayerSlot::NewPlayer, "Tester");
  EXPECT_FALSE(play.isVisible());
}

TEST_F(MediaWindowTest, TheRadioWindowListsTunesSwitchesAndSetsTheVolume) {
  TestHttpServer server;
  const std::string base = server.Base().toString().toStdString();
  {
    std::ofstream list(Paths().ParentFolder / "ZanRadio.rad", std::ios::binary);
    list << "RUS#AVTORAD#Avtoradio#Russian Federation#" << base << "/avto#RRADIO_LOGO_AVTORADIO\r\n"
         << "RUS#ROSSIYA#Rossiya#Russian Federation#" << base << "/ross\r\n"
         << "FRA#FRINTER#France Inter#France#" << base << "/fr\r\n";
  }
  std::filesystem::create_directories(Paths().ParentFolder);
  ASSERT_TRUE(WriteBundle(Paths().ParentFolder, "ZanRadio02", PaintRadioLibrary()));
  StartWithMedia();
  window->CurrentSettings().RadioListFromServer = false;
  media->PrepareRadio();
  ASSERT_TRUE(media->TheRadio().CanUse());
  window->LeaveTitle();

  bool checked = false;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFormRadio*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Countries().count(), 28);
    EXPECT_EQ(dialog->Countries().currentIndex(), 0);
    EXPECT_EQ(dialog->Keys(), (QStringList{"AVTORAD", "ROSSIYA"}));
    EXPECT_EQ(dialog->StationList().currentRow(), 0);  // the current station, Avtoradio
    EXPECT_EQ(dialog->VolumePictureName(), "RRADIO_VOLUME03");

    // Choosing France lists its station and tunes it (the current station is not there).
    dialog->Countries().setCurrentIndex(17);
    EXPECT_EQ(dialog->Keys(), QStringList{"FRINTER"});
    EXPECT_EQ(media->TheRadio().State().Name, "France Inter");
    EXPECT_EQ(media->TheRadio().State().KakStations, 17);
    // A country without stations leaves the station unchanged.
    dialog->Countries().setCurrentIndex(1);
    EXPECT_TRUE(dialog->Keys().isEmpty());
    EXPECT_EQ(media->TheRadio().State().Name, "France Inter");

    streamLog.clear();
    QTest::mouseClick(&dialog->OnOff(), Qt::LeftButton, {}, QPoint(70, 45));
    EXPECT_TRUE(media->TheRadio().Enabled());
    EXPECT_EQ(streamLog, (QStringList{"open " + server.Base().toString() + "/fr", "volume 30", "play"}));
    EXPECT_FALSE(window->CurrentSettings().MusicOn);  // the radio replaces the tune
    QTest::mouseClick(&dialog->Plus(), Qt::LeftButton);
    EXPECT_EQ(media->TheRadio().State().Volume, 40);
    EXPECT_EQ(dialog->VolumePictureName(), "RRADIO_VOLUME04");
    // For looking at by eye: TAVLO_SCREENSHOT_DIR=folder keeps a picture of the window.
    if (const QString dir = qEnvironmentVariable("TAVLO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      dialog->grab().save(dir + "/radio_window.png");
    }
    checked = true;
    dialog->accept();
  });
  window->OpenRadio();
  EXPECT_TRUE(checked);
  EXPECT_TRUE(media->TheRadio().Enabled());  // the window closes, the radio plays on
  media.reset();                             // the program closes: the state is kept
  const RadioState saved = ReadRadioState(Paths().ParentFolder);
  EXPECT_EQ(saved.Name, "France Inter");
  EXPECT_TRUE(saved.Enabled);
  EXPECT_EQ(saved.Volume, 40);
  EXPECT_EQ(saved.KakStations, 1);
}

}  // namespace
}  // namespace tavlo::testing
