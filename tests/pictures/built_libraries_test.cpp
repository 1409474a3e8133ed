// The picture libraries this build painted, read the way the program reads them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cmath>

#include "game/card.h"
#include "gui_app.h"
#include "test_bundle.h"
#include "ui/pictures/library_files.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

fs::path Built() {
  const auto folder = ShippedLibraryFolder();
  return folder ? *folder : fs::path();
}

class BuiltLibrariesTest : public testing::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    ASSERT_FALSE(Built().empty()) << "the build's picture libraries are missing";
  }
  PictureRegistry BuiltRegistry() const { return PictureRegistry({Built()}); }
};

// Colour distance of two pixels, 0..765.
int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

struct SizeClass {
  int sizeClass;
  QSize standard;
  QSize narrow;
};
constexpr SizeClass kSizeClasses[] = {{1, {71, 96}, {71, 96}}, {0, {92, 125}, {79, 125}}, {2, {146, 198}, {126, 198}}};

TEST_F(BuiltLibrariesTest, EveryDeckLoadsAtEverySizeClass) {
  PictureRegistry registry = BuiltRegistry();
  for (int deck = 1; deck <= 47; ++deck) {
    for (const SizeClass& c : kSizeClasses) {
      SCOPED_TRACE(::testing::Message() << "deck " << deck << ", size class " << c.sizeClass);
      const bool narrow = HasNarrowCards(deck);
      const QSize card = narrow ? c.narrow : c.standard;
      const LoadedDeck loaded = LoadDeck(registry, deck, c.sizeClass, card);
      ASSERT_TRUE(loaded.result);
      EXPECT_FALSE(loaded.notice.has_value());
      EXPECT_EQ(loaded.deckNumber, deck);
      EXPECT_EQ(loaded.narrowCards, narrow);
      const QSize face = c.sizeClass == 1 ? QSize(69, 94) : card;
      for (int n = 1; n <= 52; ++n) {
        ASSERT_EQ(loaded.faces[n - 1].size(), face) << "card " << n;
      }
      for (int suit = 0; suit < 4; ++suit) {
        EXPECT_EQ(loaded.suitSymbols[suit].size(), QSize(20, 20));
        EXPECT_FALSE(loaded.largeSuitSymbols[suit].isNull());
      }
    }
  }
}

// Mean colour difference (0..255) of two pictures of a card inside its corners, the larger one
// scaled down to the smaller one's size.
double MeanDifference(const QImage& small, const QImage& large) {
  const QImage a = small.convertToFormat(QImage::Format_RGB32);
  const QImage b = large.convertToFormat(QImage::Format_RGB32)
                       .scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double sum = 0;
  int count = 0;
  for (int y = a.height() / 10; y < a.height() * 9 / 10; ++y) {
    for (int x = a.width() / 10; x < a.width() * 9 / 10; ++x, ++count) sum += Distance(a.pixel(x, y), b.pixel(x, y));
  }
  return sum / (3.0 * count);
}

// The faces are stored with an ellipse inverted. Restored, the classic picture and the large one
// show the same card; a picture left inverted differs from the other over half its area.
TEST_F(BuiltLibrariesTest, ClassicAndLargeFacesShowTheSameCardOnceRestored) {
  PictureRegistry registry = BuiltRegistry();
  for (int deck = 1; deck <= 47; ++deck) {
    const bool narrow = HasNarrowCards(deck);
    const LoadedDeck classic = LoadDeck(registry, deck, 1, QSize(71, 96));
    const LoadedDeck large = LoadDeck(registry, deck, 2, QSize(narrow ? 126 : 146, 198));
    for (const TCardCode card : {MakeCard(4, kClubs), MakeCard(11, kHearts), MakeCard(13, kSpades)}) {
      const int n = NumberOfCard(card) - 1;
      SCOPED_TRACE(::testing::Message() << "deck " << deck << ", card " << n + 1);
      ASSERT_FALSE(classic.faces[n].isNull());
      ASSERT_FALSE(large.faces[n].isNull());
      // Measured: at most 19 for the painted libraries, at least 47 with one picture left inverted.
      EXPECT_LT(MeanDifference(classic.faces[n], large.faces[n]), 33.0);
    }
  }
}

TEST_F(BuiltLibrariesTest, DecksFortyAndFortyFiveHaveStandardWidthCards) {
  PictureRegistry registry = BuiltRegistry();
  for (const int deck : {40, 45}) {
    const LoadedDeck loaded = LoadDeck(registry, deck, 2, QSize(146, 198));
    EXPECT_TRUE(loaded.result) << deck;
    EXPECT_FALSE(loaded.narrowCards) << deck;
  }
  EXPECT_TRUE(LoadDeck(registry, 41, 2, QSize(126, 198)).narrowCards);
}

TEST_F(BuiltLibrariesTest, EveryBackSetLoadsForStandardAndNarrowCards) {
  PictureRegistry registry = BuiltRegistry();
  struct Case {
    int deck;
    int sizeClass;
    QSize card;
  };
  for (int set = 0; set <= 12; ++set) {
    for (const Case& c :
         {Case{0, 1, {71, 96}}, Case{0, 2, {146, 198}}, Case{33, 0, {79, 125}}, Case{33, 2, {126, 198}}}) {
      SCOPED_TRACE(::testing::Message() << "set " << set << ", deck " << c.deck << ", class " << c.sizeClass);
      const LoadedBacks backs = LoadBacks(registry, set, c.deck, c.sizeClass, c.card);
      ASSERT_TRUE(backs.result);
      EXPECT_FALSE(backs.notice.has_value());
      EXPECT_EQ(backs.backSet, set);
      ASSERT_EQ(static_cast<int>(backs.backs.size()), BackCount(set));
      for (const QImage& back : backs.backs) EXPECT_EQ(back.size(), c.sizeClass == 1 ? QSize(69, 94) : c.card);
    }
  }
}

TEST_F(BuiltLibrariesTest, EveryBackgroundLoadsInTheSmallAndTheLargerWindows) {
  PictureRegistry registry = BuiltRegistry();
  for (int number = 1; number <= 10; ++number) {
    for (int colour = 0; colour <= 6; ++colour) {
      for (const auto& [mode, size] :
           {std::pair{1, QSize(760, 500)}, std::pair{3, QSize(990, 650)}, std::pair{5, QSize(1520, 1000)}}) {
        SCOPED_TRACE(::testing::Message() << "background " << number << ", colour " << colour << ", mode " << mode);
        const LoadedBackground bg = LoadBackground(registry, false, number, colour, mode, size);
        ASSERT_TRUE(bg.result);
        EXPECT_FALSE(bg.notice.has_value());
        EXPECT_EQ(bg.backgroundNumber, number);
        EXPECT_EQ(bg.backgroundColour, colour);
        EXPECT_EQ(bg.picture.size(), size);
      }
    }
  }
  const LoadedBackground design = LoadBackground(registry, true, 2, 0, 4, QSize(1290, 850));
  EXPECT_TRUE(design.result);
  EXPECT_FALSE(design.designsOff);
  EXPECT_EQ(design.picture.size(), QSize(1290, 850));
}

TEST_F(BuiltLibrariesTest, DesignLibraryHoldsTheDialogPicturesAndTheClickEffect) {
  PictureRegistry registry = BuiltRegistry();
  const auto touch = LoadDesignPicture(registry, "GTouch");
  ASSERT_TRUE(touch.picture.has_value());
  EXPECT_EQ(touch.picture->size(), QSize(3000, 100));
  for (const char* name : {"GFormSpeed",   "GFormOpt",    "GFormPw",      "GFormWait",
                           "GFormPass",    "GFormEndG",   "GFormCount",   "GFormHistory",
                           "GFormAcc1",    "GFormRadio",  "GFormTopTen",  "GFormServerW",
                           "GFormChat",    "GFormStat",   "GFormTour",    "GFormAbout",
                           "GFormPwL",     "GFormCountL", "GFormRadioL",  "GFormServerWL",
                           "GFormChatL",   "GFormStatL",  "GFormTopTenL", "GFormTourL",
                           "Pw",           "CountInfo",   "Radio",        "WorldTopTen1",
                           "WorldTopTen2", "WorldStats",  "OnlineTopTen", "WorldOnlineTournament"}) {
    EXPECT_TRUE(LoadDesignPicture(registry, name).picture.has_value()) << name;
  }
  for (const char* suffix : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"}) {
    for (const char* base : {"GFormSpeed", "GFormOpt", "GFormPass", "GFormEndG", "GFormHistory", "GFormAcc1", "Speed",
                             "Options", "Passport", "EndGame", "History", "MyAccount", "MyAccountR", "ZanGamesChat"}) {
      EXPECT_TRUE(LoadDesignPicture(registry, QString(base) + suffix).picture.has_value()) << base << suffix;
    }
  }
  struct Strip {
    const char* name;
    int frames;
  };
  for (const Strip& strip :
       {Strip{"GIcon48Speed", 10}, Strip{"GIcon48Opt", 10}, Strip{"GIcon48Pass", 31}, Strip{"GIcon48WT", 20},
        Strip{"GIcon48COunt", 60}, Strip{"GIcon48History", 12}, Strip{"GIcon48Acc", 15}, Strip{"GIcon48Chat", 10},
        Strip{"GIcon48Stat", 19}, Strip{"GIcon48Tour", 20}}) {
    const auto picture = LoadDesignPicture(registry, strip.name).picture;
    ASSERT_TRUE(picture.has_value()) << strip.name;
    EXPECT_EQ(picture->size(), QSize(48 * strip.frames, 48)) << strip.name;
  }
}

TEST_F(BuiltLibrariesTest, ALibraryInTheParentFolderServesLikeOneInTheProgramFolder) {
  ASSERT_TRUE(fs::copy_file(Built() / "ZanCards06C.rcc", parent_ / "ZanCards06C.rcc"));
  PictureRegistry registry = Registry();
  const LoadedDeck deck = LoadDeck(registry, 46, 0, QSize(79, 125));
  EXPECT_TRUE(deck.result);
  EXPECT_FALSE(deck.notice.has_value());
  EXPECT_EQ(deck.deckNumber, 46);
  // The other deck libraries are still missing: their decks fall back with the notice.
  const LoadedDeck missing = LoadDeck(registry, 12, 0, QSize(92, 125));
  EXPECT_FALSE(missing.result);
  ASSERT_TRUE(missing.notice.has_value());
  EXPECT_EQ(missing.notice->tail, " ZanCards06A.dll");
}

TEST_F(BuiltLibrariesTest, FirstStartInstallsEveryLibraryAndKeepsWhatIsThere) {
  const fs::path mine = program_ / "ZanBackG03.rcc";
  {
    QFile own(QString::fromStdString(mine.string()));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("the player's own file");
  }
  EXPECT_TRUE(InstallPictureLibraries(program_, Built()));
  for (const QString& library : PictureLibraryFiles()) {
    const QString bundle = QFileInfo(library).completeBaseName() + ".rcc";
    EXPECT_TRUE(fs::is_regular_file(program_ / bundle.toStdString())) << bundle.toStdString();
  }
  EXPECT_EQ(fs::file_size(mine), std::string("the player's own file").size());
  EXPECT_EQ(fs::file_size(program_ / "ZanCards06A.rcc"), fs::file_size(Built() / "ZanCards06A.rcc"));
  for (const auto& entry : fs::directory_iterator(program_)) {
    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
  }
}

TEST_F(BuiltLibrariesTest, BundleCheckAcceptsEachLibraryAndRefusesDamagedOrForeignOnes) {
  for (const QString& library : PictureLibraryFiles()) {
    const fs::path bundle = Built() / (QFileInfo(library).completeBaseName() + ".rcc").toStdString();
    EXPECT_EQ(CheckLibraryBundle(bundle, library).toStdString(), "") << library.toStdString();
  }
  // Half of a library, a bundle of another library, a small foreign bundle and plain bytes.
  QFile whole(QString::fromStdString((Built() / "ZanCards06B.rcc").string()));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  QFile half(QString::fromStdString((program_ / "half.rcc").string()));
  ASSERT_TRUE(half.open(QIODevice::WriteOnly));
  half.write(bytes.left(bytes.size() / 2));
  half.close();
  ASSERT_TRUE(testing::WriteBundle(program_, "foreign", {{"Ob01MoCl1", testing::Filled({69, 94}, 0xFF102030)}}));
  QFile junk(QString::fromStdString((program_ / "junk.rcc").string()));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(4096, 'x'));
  junk.close();
  struct Case {
    fs::path bundle;
    const char* library;
  };
  for (const Case& c :
       {Case{program_ / "half.rcc", "ZanCards06B.dll"}, Case{Built() / "ZanBackG03.rcc", "ZanCards06B.dll"},
        Case{Built() / "ZanCards06B.rcc", "ZanCGraph1.dll"}, Case{program_ / "foreign.rcc", "ZanCards06B.dll"},
        Case{program_ / "junk.rcc", "ZanCards06A.dll"}}) {
    EXPECT_NE(CheckLibraryBundle(c.bundle, c.library).toStdString(), "") << c.bundle << " as " << c.library;
  }
}

}  // namespace
}  // namespace tavlo
