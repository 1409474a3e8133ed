#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tavlo
