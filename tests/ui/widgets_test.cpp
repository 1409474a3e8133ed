#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "lang/word_table.h"
#include "ui/dialogs/notice.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

TEST(ZanButtonTest, PicturesAndEndWidthByHeight) {
  struct Case {
    int height;
    bool nata;
    const char* left;
    int endWidth, heightClass;
  };
  const Case cases[] = {
      {30, false, "R29_L", 8, 1},  {20, false, "R29_L", 5, 0},  {38, false, "R44_L", 11, 0},
      {45, false, "R44_L", 13, 2}, {60, true, "Q59_L", 17, 3},  {120, false, "R59_L", 34, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    const TZanCardsButton::Pieces p = TZanCardsButton::PiecesFor(c.height, c.nata);
    EXPECT_EQ(p.Left, c.left);
    EXPECT_EQ(p.EndWidth, c.endWidth);
    EXPECT_EQ(p.HeightClass, c.heightClass);
  }
}

TEST(ZanButtonTest, RecolouringKeepsAlphaAndMovesChannels) {
  QImage red(2, 1, QImage::Format_ARGB32);
  red.setPixel(0, 0, qRgba(200, 30, 10, 255));
  red.setPixel(1, 0, qRgba(200, 30, 10, 0));
  const QImage navy = RecolourImageForSet(red, TColorSB::DNavy, 0, false);
  EXPECT_EQ(QColor::fromRgba(navy.pixel(0, 0)), QColor(10, 30, 200));
  EXPECT_EQ(qAlpha(navy.pixel(1, 0)), 0);
}

TEST(ZanButtonTest, ClicksHoverAndDoubleClicks) {
  PictureRegistry pictures({});
  QWidget parent;
  TZanCardsButton button(pictures, &parent);
  button.setGeometry(10, 10, 120, 30);
  parent.resize(200, 60);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&clicks] { ++clicks; });
  // Two quick clicks arrive as press, release, double click, release: both count.
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseDClick(&button, Qt::LeftButton);
  QTest::mouseRelease(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 3);
  button.setEnabled(false);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 3);
  button.SetHeightSB(THeightSB::D45);
  EXPECT_EQ(button.height(), 45);
}

TEST(NoticeTest, WidthFollowsTheWidestLineAndEmptyLinesHide) {
  PictureRegistry pictures({});
  QFont font("Comic Sans MS");
  font.setPixelSize(20);
  font.setBold(true);
  const QString shortLine = "Ok then";
  const QString longLine = "A rather long line of text that needs a much wider notice window";
  const int a = QFontMetrics(font).horizontalAdvance(longLine);
  TFormLink narrow(pictures, shortLine, "", "", nullptr);
  EXPECT_EQ(narrow.width(), 400);
  EXPECT_EQ(narrow.findChild<QLabel*>("Label2"), nullptr);
  TFormLink wide(pictures, shortLine, longLine, "", nullptr);
  EXPECT_EQ(wide.width(), a + 59 + 50);
  auto* ok = wide.findChild<TZanCardsButton*>("Button1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(5, 58, wide.width() - 10, 27));
  wide.show();
  QTest::keyClick(&wide, Qt::Key_Escape);
  EXPECT_FALSE(wide.isVisible());
}

TEST(SpeedDialogTest, EachGreyDesignLaysOutAndTheTrackBarStoresAtOnce) {
  PictureRegistry pictures({});
  struct Case {
    DialogDesign design;
    int clientHeight, buttonTop;
  };
  for (const Case& c : {Case{DialogDesign::GrayConcise, 260, 205}, Case{DialogDesign::GrayAristocratic, 275, 220},
                        Case{DialogDesign::GrayRibbons, 295, 240}}) {
    SCOPED_TRACE(static_cast<int>(c.design));
    DialogLook look;
    look.Design = c.design;
    bool missing = false;
    look.DesignLibraryMissing = [&missing] { missing = true; };
    look.Word = [](WordId w) { return QString::fromUtf8(Word(w, 0).data()); };
    int speed = 4;
    TFormSpeed dialog(pictures, look, speed, nullptr);
    // Without the design library the concise design falls back to the aristocratic one.
    EXPECT_EQ(missing, c.design == DialogDesign::GrayConcise);
    if (c.design == DialogDesign::GrayConcise) {
      EXPECT_EQ(look.Design, DialogDesign::GrayAristocratic);
    }
    EXPECT_EQ(dialog.size(), QSize(310, c.clientHeight));
    EXPECT_EQ(dialog.OkButton().geometry(), QRect(5, c.buttonTop, 300, 45));
    dialog.TrackBar().setValue(6);
    EXPECT_EQ(speed, 6);
  }
}

TEST(SpeedDialogTest, CardStyleWithoutItsLibraryGoesGrey) {
  PictureRegistry pictures({});
  DialogLook look;
  look.Design = DialogDesign::Purple;
  int speed = 3;
  TFormSpeed dialog(pictures, look, speed, nullptr);
  EXPECT_FALSE(dialog.CardStyle());
  EXPECT_EQ(look.Design, DialogDesign::GrayAristocratic);
  EXPECT_EQ(SpeedIconInterval(1), 110);
  EXPECT_EQ(SpeedIconInterval(6), 25);
}

}  // namespace
}  // namespace tavlo

#include "ui/dialogs/about_dialog.h"

namespace tavlo {
namespace {

TEST(AboutDialogTest, ShowsTheVersionAndCreditsInTheLanguage) {
  PictureRegistry pictures({});
  for (int language : {0, 1}) {
    DialogLook look;
    look.Word = [language](WordId w) { return QString::fromUtf8(Word(w, language).data()); };
    TFormAbout about(pictures, look, "Tavlo", nullptr);
    ASSERT_FALSE(about.Lines().isEmpty());
    EXPECT_EQ(about.Lines()[0], QString::fromUtf8(Word(WordId::AboutVersion, language).data()) + ": V 5.7f");
    EXPECT_TRUE(about.rect().contains(about.OkButton().geometry()));
  }
}

}  // namespace
}  // namespace tavlo
