#include "ui/downloads/library_download.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <map>

#include "files/atomic_write.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/menu/main_menu.h"
#include "ui/pictures/library_files.h"
#include "ui/widgets/click_effect.h"
#include "ui/widgets/zan_button.h"
#include "window_fixture.h"

namespace tavlo::testing {
namespace {

namespace fs = std::filesystem;

// A small HTTP server on 127.0.0.1 (a port the system chooses) answering GET requests from a
// table of paths, as the club service serves its files; anything else is 404.
class FileServer : public QObject {
 public:
  FileServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QUrl Url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort())); }
  void Serve(const QString& path, QByteArray body) { files_[path] = std::move(body); }
  void Forget(const QString& path) { files_.erase(path); }
  QStringList requested;

 private:
  void Answer(QTcpSocket* socket) {
    QByteArray& request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    requested << path;
    const auto file = files_.find(path);
    const QByteArray body = file == files_.end() ? QByteArray("not here") : file->second;
    socket->write(file == files_.end() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n");
    socket->write("Content-Type: application/octet-stream\r\nConnection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n");
    socket->write(body);
    socket->disconnectFromHost();
    pending_.erase(socket);
  }

  QTcpServer server_;
  std::map<QString, QByteArray> files_;
  std::map<QTcpSocket*, QByteArray> pending_;
};

QByteArray Built(const char* bundle) {
  const auto folder = ShippedLibraryFolder();
  if (!folder) return {};
  QFile file(QString::fromStdString((*folder / bundle).string()));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordedSounds : public SoundEffects {
 public:
  void Play(std::string_view name) override {
    played << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  QStringList played;
};

class LibraryDownloadTest : public WindowTest {
 protected:
  void StartWithServer() {
    StartWindow();
    window->SetSoundEffects(&sounds);
    window->CurrentSettings().SoundOn = true;
    window->Downloads().SetServer(server.Url());
    window->LeaveTitle();
  }
  void OpenOptions(const std::function<void(TFormOptions&)>& act) {
    bool opened = false;
    OnNextModal([&act, &opened](QWidget* modal) {
      auto* dialog = qobject_cast<TFormOptions*>(modal);
      ASSERT_NE(dialog, nullptr);
      opened = true;
      act(*dialog);
      if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(&window->Menu().OptionsButton(), Qt::LeftButton);
    EXPECT_TRUE(opened);
  }
  fs::path Parent() const { return Paths().ParentFolder; }
  QStringList LeftOvers() const {
    QStringList left;
    for (const QString& name : QDir(QString::fromStdString(Parent().string())).entryList(QDir::Files | QDir::Hidden)) {
      if (IsAtomicWriteTemporaryName(name.toStdString()) || name.endsWith(QStringLiteral(".part"))) left << name;
    }
    return left;
  }

  FileServer server;
  RecordedSounds sounds;
};

TEST_F(LibraryDownloadTest, ADownloadInstallsAMissingDeckLibraryThatTheOptionsUseAtOnce) {
  const QByteArray library = Built("ZanCards06A.rcc");
  ASSERT_FALSE(library.isEmpty());
  server.Serve("/downloads/progr/cards/ZanCards06A.dll", library);
  StartWithServer();
  Settings& s = window->CurrentSettings();
  OpenOptions([&](TFormOptions& o) {
    o.Tabs().setCurrentIndex(1);
    TZanCardsButton& button = o.CardsTabDownloadButton(0);
    ASSERT_TRUE(button.isEnabled());
    EXPECT_TRUE(o.DownloadButton(1).isEnabled());
    EXPECT_EQ(button.KLightSB(), 0);
    // Without the library the deck falls back to the built-in one.
    o.DeckList().setCurrentIndex(3);
    EXPECT_EQ(s.DeckNumber, 0);
    notices.clear();
    sounds.played.clear();

    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return sounds.played.contains("WToMenK"); }));
    EXPECT_EQ(sounds.played, QStringList{"WToMenK"});
    EXPECT_EQ(server.requested, QStringList{"/downloads/progr/cards/ZanCards06A.dll"});
    EXPECT_TRUE(fs::is_regular_file(Parent() / "ZanCards06A.rcc"));
    EXPECT_TRUE(LeftOvers().isEmpty());
    // Both buttons of that file are now disabled and dimmed; the others stay as they were.
    ASSERT_TRUE(WaitFor([&] { return !button.isEnabled(); }));
    EXPECT_EQ(button.KLightSB(), 50);
    EXPECT_FALSE(o.DownloadButton(1).isEnabled());
    EXPECT_TRUE(o.DownloadButton(2).isEnabled());
    EXPECT_TRUE(o.DownloadButton(8).isEnabled());

    o.DeckList().setCurrentIndex(3);
    EXPECT_EQ(s.DeckNumber, 3);
    EXPECT_TRUE(notices.isEmpty()) << notices.join("; ").toStdString();
  });
}

TEST_F(LibraryDownloadTest, ABrokenOrForeignDownloadChangesNothingAndSoundsTheError) {
  const QByteArray deckA = Built("ZanCards06A.rcc");
  const QByteArray backgrounds = Built("ZanBackG03.rcc");
  ASSERT_FALSE(deckA.isEmpty());
  ASSERT_FALSE(backgrounds.isEmpty());
  struct Case {
    const char* what;
    QByteArray body;  // empty: the server does not have the file
  };
  QByteArray garbage(70000, '\0');
  for (int k = 0; k < garbage.size(); ++k) garbage[k] = static_cast<char>((k * 7919) % 251);
  const Case cases[] = {{"truncated", deckA.left(deckA.size() / 3)},
                        {"cut at the end", deckA.left(deckA.size() - 100)},
                        {"garbage", garbage},
                        {"another library", backgrounds},
                        {"missing on the server", QByteArray()}};
  StartWithServer();
  LibraryDownloader& downloads = window->Downloads();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.body.isEmpty()) {
      server.Forget("/downloads/progr/cards/ZanCards06A.dll");
    } else {
      server.Serve("/downloads/progr/cards/ZanCards06A.dll", c.body);
    }
    sounds.played.clear();
    QSignalSpy finished(&downloads, &LibraryDownloader::Finished);
    ASSERT_TRUE(downloads.Start(1));
    ASSERT_TRUE(WaitFor([&] { return !finished.isEmpty(); }));
    EXPECT_FALSE(finished.first().at(1).toBool());
    EXPECT_EQ(sounds.played, QStringList{"WWrongs"});
    EXPECT_FALSE(fs::exists(Parent() / "ZanCards06A.rcc"));
    EXPECT_TRUE(LeftOvers().isEmpty()) << LeftOvers().join(", ").toStdString();
    EXPECT_FALSE(downloads.Busy());
  }

  // A good library in place stays byte for byte what it was.
  QFile good(QString::fromStdString((Parent() / "ZanCards06A.rcc").string()));
  ASSERT_TRUE(good.open(QIODevice::WriteOnly));
  good.write(deckA);
  good.close();
  server.Serve("/downloads/progr/cards/ZanCards06A.dll", deckA.left(deckA.size() / 2));
  QSignalSpy finished(&downloads, &LibraryDownloader::Finished);
  ASSERT_TRUE(downloads.Start(1));
  ASSERT_TRUE(WaitFor([&] { return !finished.isEmpty(); }));
  EXPECT_FALSE(finished.first().at(1).toBool());
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  EXPECT_EQ(good.readAll(), deckA);
}

TEST_F(LibraryDownloadTest, TheDesignOptionsFollowTheDesignLibrary) {
  server.Serve("/downloads/progr/cards/ZanCGraph1.dll", Built("ZanCGraph1.rcc"));
  StartWithServer();
  Settings& s = window->CurrentSettings();
  s.SaluteButtons = true;
  OpenOptions([&](TFormOptions& o) {
    const auto purple = [&o] {
      return qobject_cast<QStandardItemModel*>(o.DialogDesignList().model())->item(3)->isEnabled();
    };
    // No design library: the click effect is off and cannot be chosen, nor the card style.
    EXPECT_FALSE(o.SaluteButtonsBox().isEnabled());
    EXPECT_FALSE(o.SaluteButtonsBox().isChecked());
    EXPECT_FALSE(s.SaluteButtons);
    EXPECT_FALSE(purple());
    QTest::mouseClick(&o.DownloadButton(9), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return sounds.played.contains("WToMenK"); }));
    ASSERT_TRUE(WaitFor([&] { return o.SaluteButtonsBox().isEnabled(); }));
    EXPECT_TRUE(purple());
    o.SaluteCardsBox().click();
    EXPECT_TRUE(s.SaluteCards);
    o.DialogDesignList().setCurrentIndex(3);
    EXPECT_EQ(s.DialogDesign, 3);
  });
}

TEST_F(LibraryDownloadTest, DownloadsComeFromTheClubTheProgramIsPointedAt) {
  struct Case {
    const char* club;  // nullptr: TAVLO_CLUB unset
    QString server;
  };
  for (const Case& c : {Case{"http://127.0.0.1:8080", "http://127.0.0.1:8080"}, Case{"not an address", ""},
                        Case{nullptr, ""}}) {
    SCOPED_TRACE(c.club ? c.club : "(unset)");
    if (c.club) {
      qputenv("TAVLO_CLUB", c.club);
    } else {
      qunsetenv("TAVLO_CLUB");
    }
    MainWindow constructed(Paths(), 5);  // the address is settled before the start
    EXPECT_EQ(constructed.Downloads().Server().toString(), c.server);
  }
  qunsetenv("TAVLO_CLUB");
}

TEST_F(LibraryDownloadTest, TheFirstStartInstallsTheBuiltLibraries) {
  shippedLibraries = ShippedLibraryFolder();
  ASSERT_TRUE(shippedLibraries.has_value());
  StartWindow();
  window->LeaveTitle();
  EXPECT_TRUE(notices.isEmpty()) << notices.join("; ").toStdString();
  for (int n : {1, 2, 3, 8, 9}) EXPECT_TRUE(DownloadedFilePresent(n, Paths().ProgramFolder, Paths().ParentFolder)) << n;
  // The radio and voice files are not this build's pictures (the calendar installs itself).
  for (int n : {5, 6, 7}) EXPECT_FALSE(DownloadedFilePresent(n, Paths().ProgramFolder, Paths().ParentFolder)) << n;
  OpenOptions([&](TFormOptions& o) {
    o.DeckList().setCurrentIndex(29);
    EXPECT_EQ(window->CurrentSettings().DeckNumber, 29);
    EXPECT_FALSE(o.DownloadButton(1).isEnabled());
    EXPECT_TRUE(o.DownloadButton(7).isEnabled());
  });
  EXPECT_TRUE(notices.isEmpty()) << notices.join("; ").toStdString();
}

TEST(ClickEffectTest, PlaysTheThirtyFramesOfTheStripAndLeaves) {
  QWidget window;
  window.resize(300, 200);
  window.show();
  PictureRegistry none({});
  EXPECT_EQ(TouchOverlay::Show(none, &window, QPoint(150, 100)), nullptr);

  const auto built = ShippedLibraryFolder();
  ASSERT_TRUE(built.has_value());
  PictureRegistry pictures({*built});
  QPointer<TouchOverlay> effect = TouchOverlay::Show(pictures, &window, QPoint(150, 100));
  ASSERT_FALSE(effect.isNull());
  EXPECT_EQ(effect->geometry(), QRect(100, 50, 100, 100));
  EXPECT_TRUE(effect->testAttribute(Qt::WA_TransparentForMouseEvents));
  int highest = 0;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        if (effect) highest = std::max(highest, effect->Frame());
        return effect.isNull();
      },
      10000));
  // The frames turned over before the effect took itself away.
  EXPECT_GT(highest, 1);
}

}  // namespace
}  // namespace tavlo::testing
