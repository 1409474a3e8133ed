#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "lang/word_table.h"
#include "pictures/test_bundle.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// A design library with the speed dialog's pictures, packed as the program's libraries are.
bool WriteSpeedDesignBundle(const QString& folder) {
  using testing::Filled;
  return testing::WriteBundle(folder.toStdString(), "ZanCGraph1",
                              {{"GFormSpeed", Filled(QSize(340, 280), qRgb(60, 10, 80))},
                               {"GFormSpeedEng", Filled(QSize(340, 280), qRgba(0, 0, 0, 0))},
                               {"SpeedEng", Filled(QSize(200, 48), qRgb(140, 100, 20))},
                               {"GIcon48Speed", Filled(QSize(480, 48), qRgb(200, 200, 0))}});
}

TEST(DesignLibraryTest, CardStyleAndConciseDesignsUseTheLibrary) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(WriteSpeedDesignBundle(folder.path()));
  PictureRegistry pictures({folder.path().toStdString()});

  DialogLook look;
  look.Word = [](WordId w) { return QString::fromUtf8(Word(w, 0).data()); };
  bool missing = false;
  look.DesignLibraryMissing = [&missing] { missing = true; };

  look.Design = DialogDesign::Purple;
  int speed = 2;
  TFormSpeed card(pictures, look, speed, nullptr);
  EXPECT_TRUE(card.CardStyle());
  EXPECT_EQ(look.Design, DialogDesign::Purple);
  EXPECT_EQ(card.size(), QSize(340, 280));
  EXPECT_EQ(card.OkButton().geometry(), QRect(10, 225, 320, 45));
  EXPECT_EQ(card.OkButton().ColorSB(), TColorSB::DCards);
  // The icon turns over on the dialog's own timer, faster at a higher flight speed.
  card.show();
  ASSERT_TRUE(QTest::qWaitFor([&card] { return card.IconFrame() >= 2; }, 3000));
  card.TrackBar().setValue(6);
  EXPECT_EQ(speed, 6);

  look.Design = DialogDesign::GrayConcise;
  TFormSpeed concise(pictures, look, speed, nullptr);
  EXPECT_FALSE(missing);
  EXPECT_EQ(look.Design, DialogDesign::GrayConcise);
  EXPECT_EQ(concise.size(), QSize(310, 260));
}

}  // namespace
}  // namespace tavlo
