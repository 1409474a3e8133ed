#include "ui/dialogs/end_game_window.h"

#include <QPainter>

#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kImageWidth = 450;
constexpr int kImageHeight = 460;
constexpr int kAnimationSize = 128;

DialogPictures EndGamePictures(const QString& suffix) {
  DialogPictures p;
  p.ConciseCaption = "EndGame" + suffix;
  p.Strip = "GCap550";
  p.Ribbon = "GLenta380x120";
  p.RibbonOverlay = "GFormEndG" + suffix;
  p.CardBackground = "GFormEndG";
  p.CardOverlay = "GFormEndG" + suffix;
  p.IconStrip = "GIcon48WT";
  p.IconAt = QPoint(34, 49);
  p.IconFrames = 20;
  p.IconInterval = 60;
  p.Title = WordId::CompletionOfGame;
  return p;
}

QColor Bgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

EndGameDrawing DrawEndGame(const EndGameResult& r, PictureRegistry& pictures, const FontRoles& fonts,
                           const std::function<QString(WordId)>& word) {
  EndGameDrawing d;
  const bool bonus = r.RatedPlay && r.Bonus > 0;
  const int rows[4] = {bonus ? 80 : 100, bonus ? 120 : 175, bonus ? 160 : 250, bonus ? 200 : 325};
  const int medalRow = bonus ? 240 : 370;
  auto text = [&](const QString& s, int row, int height, std::uint32_t colour) {
    d.Texts.push_back({s, 50, 400, 'c', rows[row], Bgr(colour), fonts.Font(FontRole::Serif, height), false});
  };
  const QString result = word(WordId::ResultLabel) + QString::number(r.Score);
  if (r.Place == 1) {
    d.Sound = "WFiBest";
    d.Animation = "GEndBest";
    text(word(WordId::Congratulations), 0, 32, 0x800080);
    text(word(WordId::YourResultBest), 1, 28, 0x800080);
    text(result, 2, 28, 0x008000);
    std::optional<WordId> title;
    if (r.NetworkClub) {
      title = WordId::BecomeBachelor;
    } else if (r.RatedPlay) {
      title = WordId::BecomeVicePresident;
    } else if (!r.AccountSignedIn) {
      title = WordId::BecomeMaster;
    }
    if (title) text(word(*title), 3, 22, 0x800080);
  } else if (r.Place >= 2 && r.Place <= 10) {
    d.Sound = "WFiGood";
    d.Animation = "GEndGood";
    text(word(WordId::Congratulations), 0, 32, 0x000080);
    text(word(WordId::GoodResult), 1, 28, 0x000080);
    text(result, 2, 28, 0x008000);
    text(word(WordId::HitTopTen), 3, 22, 0x000080);
  } else {
    d.Sound = "WFiBads";
    d.Animation = "GEndBads";
    d.LoopAnimation = r.Place == 0;
    text(word(WordId::OurRegrets), 0, 32, 0x800000);
    text(word(WordId::ResultWishBest), 1, 20, 0x800000);
    text(r.Place > 10 ? result + " ; " + word(WordId::PlaceLabel) + QString::number(r.Place) : result, 2, 28, 0x008000);
    text(word(WordId::NotInTopTen), 3, 20, 0x800000);
  }
  if (r.Place >= 1 && r.Place <= 10) {
    d.Pictures.push_back({"GMedal", QPoint(173, medalRow), pictures.Picture("GMedal")});
    const QString place = QString("GPlace%1").arg(r.Place, 2, 10, QChar('0'));
    d.Pictures.push_back({place, QPoint(173, medalRow), pictures.Picture(place)});
  }
  if (bonus) {
    d.Texts.push_back({word(WordId::YouGet) + " " + QString::number(r.Bonus) + " " + word(WordId::Zans) + "!!!", 50,
                       400, 'c', 360, Bgr(0x0000FF), fonts.Font(FontRole::Serif, 20), false});
    d.Pictures.push_back({"GZans128", QPoint(80, 405), pictures.Picture("GZans128")});
    d.Pictures.push_back({"GZansT128", QPoint(161, 380), pictures.Picture("GZansT128")});
    d.Texts.push_back(
        {QString::number(r.Bonus), 161, 289, 'c', 410, Bgr(0x00FFFF), fonts.Font(FontRole::Serif, 44), true});
    d.Pictures.push_back({"Account48", QPoint(358, 70), pictures.Picture("Account48", QSize(32, 32))});
  }
  return d;
}

TFormEndGame::TFormEndGame(PictureRegistry& pictures, DialogLook& look, const EndGameResult& result,
                           std::function<void(std::string_view)> playEffect, QWidget* parent)
    : DialogFrame(pictures, look, EndGamePictures(look.LanguageSuffix), parent), playEffect_(std::move(playEffect)) {
  setObjectName("FormEndGame");
  setWindowTitle(look.Word ? look.Word(WordId::CompletionOfGame) : QString());
  drawing_ =
      DrawEndGame(result, pictures, look.Fonts, [&look](WordId w) { return look.Word ? look.Word(w) : QString(); });
  const int top = CardStyle() ? 20 : HeaderHeight() + 12;
  // The first row stands at y 80 or 100 of the picture, just under the red line.
  imageAt_ = QPoint(5, top - 70);
  animationAt_ = QPoint(kImageWidth + 10, top + 20);
  OkButton().SetHeightSB(THeightSB::D45);
  const int buttonTop = imageAt_.y() + kImageHeight + 20;
  const int width = kImageWidth + kAnimationSize + 25;
  setFixedSize(width, buttonTop + 45 + 8);
  OkButton().setGeometry(5, buttonTop, width - 10, 45);
  connect(&animation_, &QTimer::timeout, this, &TFormEndGame::StepAnimation);
}

void TFormEndGame::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  if (activated_) return;
  activated_ = true;
  if (playEffect_) playEffect_(drawing_.Sound);
  frame_ = 0;
  if (Pictures().FrameCount(drawing_.Animation) > 1) {
    animation_.start(std::max(20, Pictures().FrameDelay(drawing_.Animation)));
  }
}

void TFormEndGame::StepAnimation() {
  const int frames = Pictures().FrameCount(drawing_.Animation);
  if (frame_ + 1 >= frames) {
    if (!drawing_.LoopAnimation) {
      animation_.stop();  // a place is shown once, then the last frame stays
      return;
    }
    frame_ = 0;
  } else {
    ++frame_;
  }
  update(QRect(animationAt_, QSize(kAnimationSize, kAnimationSize)));
}

void TFormEndGame::done(int result) {
  animation_.stop();  // the animation is cleared before the window closes
  DialogFrame::done(result);
}

void TFormEndGame::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!drawing_.Animation.isEmpty()) {
    p.drawImage(animationAt_, Pictures().Frame(drawing_.Animation, frame_, QSize(kAnimationSize, kAnimationSize)));
  }
  p.translate(imageAt_);
  for (const DrawnPicture& picture : drawing_.Pictures) p.drawImage(picture.At, picture.Picture);
  PaintTexts(p, drawing_.Texts);
}

}  // namespace tavlo
