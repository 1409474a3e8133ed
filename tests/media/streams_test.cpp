// The play-list and the radio against a small server on 127.0.0.1: reading the lists, tuning,
// playing, stopping, the next song, the volume.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <fstream>

#include "media/play_list_player.h"
#include "media/radio.h"
#include "media_doubles.h"

namespace tavlo::testing {
namespace {

bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

QByteArray FiveSongs() {
  return "Anna_Kovacs~Morning_Dew.mp3\n"
         "Bela~Second.mp3\n"
         "Cora~Third_Song.mp3\n"
         "Dan~Fourth.mp3\n"
         "Eve~Fifth.mp3\n";
}

class PlayListPlayerTest : public ::testing::Test {
 protected:
  QStringList log;
  QList<int> picks;
  TestHttpServer server;
};

TEST_F(PlayListPlayerTest, LoadsTheListAndPlaysStopsSkipsAndSetsTheVolume) {
  server.Serve("/musik/_playlist.html", FiveSongs(), "text/html; charset=utf-8");
  picks = {3, 5};
  auto stream = std::make_unique<RecordingStream>(log);
  PlayListPlayer player(std::move(stream), [this](int n) {
    EXPECT_EQ(n, 5);
    return picks.takeFirst();
  });
  QSignalSpy loaded(&player, &PlayListPlayer::Loaded);
  player.Load(server.Base());
  ASSERT_TRUE(WaitUntil([&] { return loaded.count() > 0; }));
  EXPECT_EQ(server.requests, QStringList{"/musik/_playlist.html"});
  ASSERT_TRUE(player.Create());
  EXPECT_EQ(player.Max(), 5);
  EXPECT_EQ(player.Current(), 3);
  EXPECT_FALSE(player.Playing());
  EXPECT_EQ(player.Volume(), 50);
  // Opened with its volume but not started.
  EXPECT_EQ(log, (QStringList{"open " + server.Base().toString() + "/musik/Cora~Third_Song.mp3", "volume 50"}));
  EXPECT_EQ(player.Hint(), "Cora  :  Third Song");

  log.clear();
  player.PlayOrStop();
  EXPECT_TRUE(player.Playing());
  player.PlayOrStop();
  EXPECT_FALSE(player.Playing());
  EXPECT_EQ(log, (QStringList{"play", "stop"}));

  log.clear();
  player.Next();
  EXPECT_EQ(player.Current(), 5);
  EXPECT_TRUE(player.Playing());
  EXPECT_EQ(log,
            (QStringList{"stop", "open " + server.Base().toString() + "/musik/Eve~Fifth.mp3", "volume 50", "play"}));

  log.clear();
  player.VolumeClick(50);
  player.VolumeClick(10);
  player.VolumeClick(10);
  player.VolumeClick(30);  // the middle of the button does nothing
  EXPECT_EQ(player.Volume(), 45);
  EXPECT_EQ(log, (QStringList{"volume 55", "volume 50", "volume 45", "volume 45"}));
}

TEST_F(PlayListPlayerTest, AFinishedSongIsFollowedByAnother) {
  server.Serve("/musik/_playlist.html", FiveSongs());
  picks = {1, 2};
  auto stream = std::make_unique<RecordingStream>(log);
  RecordingStream* raw = stream.get();
  PlayListPlayer player(std::move(stream), [this](int) { return picks.takeFirst(); });
  QSignalSpy loaded(&player, &PlayListPlayer::Loaded);
  player.Load(server.Base());
  ASSERT_TRUE(WaitUntil([&] { return loaded.count() > 0; }));
  player.PlayOrStop();
  player.Tick();
  EXPECT_EQ(player.Current(), 1);
  raw->atEnd = true;
  player.Tick();
  EXPECT_EQ(player.Current(), 2);
  EXPECT_TRUE(player.Playing());
}

TEST_F(PlayListPlayerTest, AMissingShortOrUnreachableListHidesThePlayer) {
  struct Case {
    const char* what;
    bool serve;
    QByteArray page;
    bool reachable;
  };
  const Case cases[] = {
      {"no page (404)", false, {}, true},
      {"four songs", true, "a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\n", true},
      {"no server", false, {}, false},
  };
  for (const Case& c : cases) {
    TestHttpServer local;
    if (c.serve) local.Serve("/musik/_playlist.html", c.page);
    QStringList calls;
    PlayListPlayer player(std::make_unique<RecordingStream>(calls), [](int) { return 1; });
    QSignalSpy loaded(&player, &PlayListPlayer::Loaded);
    player.Load(c.reachable ? local.Base() : QUrl());
    ASSERT_TRUE(WaitUntil([&] { return loaded.count() > 0; })) << c.what;
    EXPECT_FALSE(player.Create()) << c.what;
  }
}

class RadioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    parent = root.path().toStdString();
    program = parent / "game";
    std::filesystem::create_directories(program);
  }
  std::unique_ptr<Radio> MakeRadio() {
    return std::make_unique<Radio>(std::make_unique<RecordingStream>(log), Radio::Folders{program, parent});
  }
  void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }
  std::string List() const {
    return "RUS#AVTORAD#Avtoradio#Russian Federation#" + server.Base().toString().toStdString() +
           "/live/avto#RRADIO_LOGO_AVTORADIO\r\n"
           "RUS#ROSSIYA#Rossiya#Russian Federation#" +
           server.Base().toString().toStdString() +
           "/live/ross\r\n"
           "FRA#FRINTER#France Inter#France#" +
           server.Base().toString().toStdString() + "/live/fr#LOGO_FR\r\n";
  }

  QTemporaryDir root;
  std::filesystem::path parent, program;
  QStringList log;
  TestHttpServer server;
};

TEST_F(RadioTest, TheListFromTheServerIsDownloadedAndTheStateIsRead) {
  server.Serve("/downloads/progr/cards/ZanRadio.rad", QByteArray::fromStdString(List()));
  WriteFile(parent / "ZanRadio.ini",
            "Rossiya\r\nhttp://127.0.0.1:1/x\r\nRussian Federation\r\nRRADIO_LOGO_RADIOUN\r\n0\r\n40\r\n0\r\n");
  auto radio = MakeRadio();
  QSignalSpy prepared(radio.get(), &Radio::Prepared);
  radio->Prepare(true, true, server.Base());
  ASSERT_TRUE(WaitUntil([&] { return prepared.count() > 0; }));
  EXPECT_TRUE(radio->CanUse());
  EXPECT_TRUE(std::filesystem::exists(parent / "ZanRadio.ser"));
  EXPECT_EQ(radio->State().Name, "Rossiya");
  EXPECT_EQ(radio->State().Volume, 40);

  const auto russian = radio->Stations(1);
  ASSERT_TRUE(russian);
  ASSERT_EQ(russian->size(), 2u);
  EXPECT_TRUE(radio->Stations(2)->empty());  // no Ukrainian station: the list is empty

  // Tune while off: nothing plays; switch on: a stream is opened, given its volume and played.
  radio->Tune((*russian)[0]);
  EXPECT_EQ(radio->State().Name, "Avtoradio");
  EXPECT_EQ(log, QStringList{"stop"});
  log.clear();
  radio->Toggle();
  EXPECT_TRUE(radio->Enabled());
  const QString avto = server.Base().toString() + "/live/avto";
  EXPECT_EQ(log, (QStringList{"open " + avto, "volume 40", "play"}));
  log.clear();
  radio->StepVolume(true);
  EXPECT_EQ(log, QStringList{"volume 50"});
  // Off and on again opens a new stream, so the radio comes back live.
  log.clear();
  radio->Toggle();
  radio->Toggle();
  EXPECT_EQ(log, (QStringList{"stop", "open " + avto, "volume 50", "play"}));
  // Tuning while on plays the new station at once.
  log.clear();
  radio->Tune((*russian)[1]);
  EXPECT_EQ(log, (QStringList{"stop", "open " + server.Base().toString() + "/live/ross", "volume 50", "play"}));
  EXPECT_EQ(radio->State().Resurs, "RRADIO_LOGO_RADIOUN");

  radio->SetFilter(17);
  ASSERT_FALSE(radio->Save());
  const RadioState saved = ReadRadioState(parent);
  EXPECT_EQ(saved.Name, "Rossiya");
  EXPECT_TRUE(saved.Enabled);
  EXPECT_EQ(saved.Volume, 50);
  EXPECT_EQ(saved.KakStations, 17);
}

TEST_F(RadioTest, WhenTheRadioCannotBeUsed) {
  struct Case {
    const char* what;
    bool library;
    bool fromServer;
    bool listOnDisk;
    bool serverUp;
    bool canUse;
  };
  const Case cases[] = {
      {"disk list in the parent folder", true, false, true, false, true},
      {"no picture library", false, false, true, false, false},
      {"no list on disk", true, false, false, false, false},
      // From the server without a network the radio is unusable, even with the list on disk.
      {"server list, no server", true, true, true, false, false},
      {"server list, server without the file", true, true, true, true, false},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(parent / "ZanRadio.rad");
    if (c.listOnDisk) WriteFile(parent / "ZanRadio.rad", List());
    auto radio = MakeRadio();
    QSignalSpy prepared(radio.get(), &Radio::Prepared);
    radio->Prepare(c.library, c.fromServer, c.serverUp ? server.Base() : QUrl());
    ASSERT_TRUE(WaitUntil([&] { return prepared.count() > 0; })) << c.what;
    EXPECT_EQ(radio->CanUse(), c.canUse) << c.what;
    if (!c.canUse) {
      EXPECT_FALSE(radio->Enabled()) << c.what;
    }
  }
}

TEST_F(RadioTest, AnUnpreparedRadioDoesNotOverwriteTheSavedState) {
  const std::string kept = "Kept\r\nhttp://127.0.0.1:1/k\r\nFrance\r\nLOGO\r\n1\r\n70\r\n17\r\n";
  WriteFile(parent / "ZanRadio.ini", kept);
  auto radio = MakeRadio();
  radio->Prepare(false, false, QUrl());  // no library: the state is never read
  EXPECT_FALSE(radio->Save());
  std::ifstream in(parent / "ZanRadio.ini", std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), kept);
}

// The real media player: with a sound device it asks the server for the stream; without one (CI)
// it stays silent. Either way a bad address neither hangs nor crashes, and the player stays on.
TEST(MediaStreamPlayerTest, OpensTheStreamFromTheServerAndSurvivesABadAddress) {
  TestHttpServer server;
  server.Serve("/live/tone.wav", ToneWave(1.0), "audio/wav");
  std::unique_ptr<StreamPlayer> player = MakeMediaStreamPlayer();
  const QUrl tone(server.Base().toString() + "/live/tone.wav");
  player->Open(tone);
  player->SetVolume(30);
  player->Play();
  EXPECT_EQ(player->Address(), tone);
  if (!QMediaDevices::defaultAudioOutput().isNull()) {
    EXPECT_TRUE(WaitUntil([&] { return server.requests.contains("/live/tone.wav"); }));
  }
  player->Stop();

  const QUrl nowhere(server.Base().toString() + "/nothing");
  player->Open(nowhere);
  player->Play();
  EXPECT_EQ(player->Address(), nowhere);
  EXPECT_FALSE(player->AtEnd());
}

}  // namespace
}  // namespace tavlo::testing
