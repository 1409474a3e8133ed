// Where a tournament player's picture is kept, whatever nick the club hands over.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <set>

#include "ui/tour/tour_photos.h"

namespace tavlo::testing {
namespace {

namespace fs = std::filesystem;

QImage Filled(int width, int height, Qt::GlobalColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

TEST(TourPhotoFileName, OrdinaryNicksKeepTheirNameAndHostileOnesStayInsideTheFolder) {
  struct Case {
    std::string nick;
    QString expected;  // empty: a derived name
  };
  const Case cases[] = {
      {"Ann", "Ann.bmp"},
      {"Big Bob 77", "Big Bob 77.bmp"},
      {"\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd", QString::fromUtf8("\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd.bmp")},  // Cyrillic
      {"a.b", "a.b.bmp"},
      {"", {}},
      {".", {}},
      {"..", {}},
      {"../../etc/passwd", {}},
      {"..\\..\\boot", {}},
      {"sub/dir", {}},
      {"/abs", {}},
      {"tab\there", {}},
      {std::string("nul\0byte", 8), {}},
      {"del\x7f", {}},
      {"bad\xff\xfeutf8", {}},
      {std::string(300, 'x'), {}},
  };
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const fs::path folder = fs::path(home.path().toStdString()) / "History";
  std::set<QString> derived;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nick);
    const QString name = TourPhotoFileName(c.nick);
    if (!c.expected.isEmpty()) {
      EXPECT_EQ(name, c.expected);
    } else {
      EXPECT_FALSE(name.contains('/') || name.contains('\\') || name.contains("..")) << name.toStdString();
      EXPECT_TRUE(name.endsWith(".bmp"));
      EXPECT_LT(name.size(), 80);
      EXPECT_TRUE(derived.insert(name).second) << "two hostile nicks share a file: " << name.toStdString();
    }
    // Written for real, the file lands directly in the folder and nowhere else.
    const auto file = StoreTourPhoto(folder, c.nick, std::nullopt, Filled(4, 5, Qt::red));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(fs::weakly_canonical(*file).parent_path(), fs::weakly_canonical(folder));
    EXPECT_TRUE(fs::is_regular_file(*file));
  }
  // Nothing was made beside the folder.
  int outside = 0;
  for (const auto& entry : fs::directory_iterator(home.path().toStdString())) outside += entry.path() != folder;
  EXPECT_EQ(outside, 0);
}

TEST(StoreTourPhoto, KeepsASensiblePhotoAndFallsBackOtherwise) {
  struct Case {
    const char* what;
    std::optional<QImage> photo;
    bool photoKept;
  };
  const Case cases[] = {
      {"a photo", Filled(200, 250, Qt::darkCyan), true},
      {"no photo", std::nullopt, false},
      {"an image that did not decode", QImage(), false},
      {"a huge picture", Filled(5000, 20, Qt::darkCyan), false},
  };
  const QImage fallback = Filled(20, 25, Qt::yellow);
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const fs::path folder = fs::path(home.path().toStdString()) / "made" / "History";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto file = StoreTourPhoto(folder, "Bob", c.photo, fallback);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->filename(), "Bob.bmp");
    QImage stored;
    ASSERT_TRUE(stored.load(QString::fromStdString(file->string()), "BMP"));
    const QImage& expected = c.photoKept ? *c.photo : fallback;
    EXPECT_EQ(stored.size(), expected.size());
    EXPECT_EQ(QColor(stored.pixel(1, 1)), QColor(expected.pixel(1, 1)));
  }
  // The hint's picture fits a square of the asked size, keeping the proportions.
  ASSERT_TRUE(StoreTourPhoto(folder, "Cid", Filled(200, 250, Qt::darkCyan), fallback));
  EXPECT_EQ(StoredTourPhoto(folder, "Cid", 100).size(), QSize(80, 100));
  EXPECT_TRUE(StoredTourPhoto(folder, "Nobody", 100).isNull());
  // A folder that cannot be made is a failure, not a file elsewhere.
  const fs::path blocked = fs::path(home.path().toStdString()) / "plainfile";
  { std::ofstream(blocked) << "x"; }
  EXPECT_FALSE(StoreTourPhoto(blocked / "History", "Bob", std::nullopt, fallback).has_value());
}

}  // namespace
}  // namespace tavlo::testing
