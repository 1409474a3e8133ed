#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "gui_app.h"
#include "test_bundle.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class PictureLibraryTest : public testing::ProgramFolderTest {};

TEST_F(PictureLibraryTest, MissingLibraryIsReportedAndGivesNoPicture) {
  PictureRegistry registry = Registry();
  EXPECT_FALSE(registry.HasLibrary("ZanCGraph1.dll"));
  EXPECT_FALSE(registry.LibraryPicture("ZanCGraph1.dll", "GTouch").has_value());
}

TEST_F(PictureLibraryTest, PicturesAreFoundByNameIgnoringCase) {
  ASSERT_TRUE(testing::WriteBundle(program_, "ZanCGraph1", {{"GTouch", testing::Filled({30, 10}, 0xFF112233)}}));
  PictureRegistry registry = Registry();
  EXPECT_TRUE(registry.HasLibrary("ZanCGraph1.dll"));
  for (const char* name : {"GTouch", "gtouch", "GTOUCH"}) {
    SCOPED_TRACE(name);
    const auto picture = registry.LibraryPicture("ZanCGraph1.dll", name);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(30, 10));
    EXPECT_EQ(picture->pixel(5, 5), 0xFF112233u);
  }
  EXPECT_FALSE(registry.LibraryPicture("ZanCGraph1.dll", "BGLilu").has_value());
}

TEST_F(PictureLibraryTest, ParentFolderIsUsedWhenTheProgramFolderHasNone) {
  ASSERT_TRUE(testing::WriteBundle(parent_, "ZanBackG03", {{"Fon05Gr", testing::Filled({8, 8}, 0xFF00FF00)}}));
  PictureRegistry registry = Registry();
  ASSERT_TRUE(registry.HasLibrary("ZanBackG03.dll"));
  const auto picture = registry.LibraryPicture("ZanBackG03.dll", "Fon05Gr");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(0, 0), 0xFF00FF00u);
}

TEST_F(PictureLibraryTest, ProgramFolderWinsOverTheParentFolder) {
  ASSERT_TRUE(testing::WriteBundle(parent_, "ZanCGraph1", {{"BGLilu", testing::Filled({4, 4}, 0xFFFF0000)}}));
  ASSERT_TRUE(testing::WriteBundle(program_, "ZanCGraph1", {{"BGLilu", testing::Filled({4, 4}, 0xFF0000FF)}}));
  PictureRegistry registry = Registry();
  const auto picture = registry.LibraryPicture("ZanCGraph1.dll", "BGLilu");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(1, 1), 0xFF0000FFu);
}

TEST_F(PictureLibraryTest, ABundleThatIsNotAResourceFileGivesNoPicture) {
  QFile junk(QString::fromStdString((program_ / "ZanCards06A.rcc").string()));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a resource bundle");
  junk.close();
  PictureRegistry registry = Registry();
  EXPECT_FALSE(registry.LibraryPicture("ZanCards06A.dll", "Ch02Med").has_value());
}

// Qt's registration trusts every offset in a bundle: before bundles were checked, about one in
// eight single-byte changes of a small bundle crashed it and one walked its directories for ever.
// Every changed bundle must now be refused, as a missing library is, or read back without harm.
TEST_F(PictureLibraryTest, EveryOneByteDamageIsRefusedOrReadSafely) {
  ASSERT_TRUE(testing::WriteBundle(
      program_, "ZanCGraph1",
      {{"GTouch", testing::Filled({30, 10}, 0xFF112233)}, {"BGLilu", testing::Filled({4, 4}, 0xFF0000FF)}}));
  const QString path = QString::fromStdString((program_ / "ZanCGraph1.rcc").string());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray sound = file.readAll();
  file.close();
  ASSERT_GT(sound.size(), 100);

  int refused = 0;
  int read = 0;
  for (qsizetype at = 0; at < sound.size(); ++at) {
    for (const char mask : {'\x01', '\x80', '\xFF'}) {
      QByteArray damaged = sound;
      damaged[at] = static_cast<char>(damaged[at] ^ mask);
      QFile out(path);
      ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
      ASSERT_EQ(out.write(damaged), damaged.size());
      out.close();

      PictureRegistry registry = Registry();
      // A sound bundle may still lose a picture, or name another one's bytes: both are safe.
      const bool opens = registry.HasLibrary("ZanCGraph1.dll");
      const auto touch = registry.LibraryPicture("ZanCGraph1.dll", "GTouch");
      const auto lilu = registry.LibraryPicture("ZanCGraph1.dll", "BGLilu");
      if (!opens) {
        SCOPED_TRACE(::testing::Message() << "byte " << at << " ^ " << int(static_cast<unsigned char>(mask)));
        EXPECT_FALSE(touch.has_value());
        EXPECT_FALSE(lilu.has_value());
        ++refused;
        continue;
      }
      ++read;
    }
  }
  // Header and tree damage is refused; damage inside a picture's bytes is PNG's to detect.
  EXPECT_GT(refused, 0);
  EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace tavlo
