#include "media/menu_media_controls.h"

#include <QMouseEvent>
#include <QPainter>

#include "media/play_list_player.h"
#include "media/radio.h"
#include "ui/main_window.h"
#include "ui/menu/main_menu.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kButtonSize = 61;
constexpr std::array<int, 3> kButtonX = {10, 75, 140};

int R(double v) { return RoundHalfEven(v); }

}  // namespace

MenuMediaControls::MenuMediaControls(MainWindow& window, Radio& radio, PlayListPlayer& songs)
    : QObject(&window), window_(window), radio_(radio), songs_(songs) {
  radioSwitch_ = new PressablePicture(&window);
  radioSwitch_->setObjectName("ImRadio");
  radioSwitch_->setCursor(Qt::PointingHandCursor);
  radioSwitch_->hide();
  connect(radioSwitch_, &PictureBox::MouseReleased, this,
          [this](QMouseEvent* e) { emit RadioSwitchReleased(e->button()); });
  for (int k = 1; k <= 3; ++k) {
    auto* b = new PressablePicture(&window);
    b->setObjectName(QString("ImagePlayer%1").arg(k));
    b->setCursor(Qt::PointingHandCursor);
    b->hide();
    buttons_[static_cast<std::size_t>(k - 1)] = b;
    connect(b, &PressablePicture::MousePressed, this, [this, k](QMouseEvent* e) {
      if (e->button() == Qt::LeftButton) DrawPlayerButton(k, true);
    });
    connect(b, &PictureBox::MouseReleased, this, [this, k](QMouseEvent* e) {
      if (e->button() != Qt::LeftButton) return;
      if (k == 1) songs_.PlayOrStop();
      if (k == 2) songs_.Next();
      if (k == 3) songs_.VolumeClick(qRound(e->position().x()));
      DrawPlayerButton(k, false);
    });
  }
  hint_ = new HintBalloon(window.Menu().Fonts(), &window);
  AttachHint(radioSwitch_, hint_, [this] {
    return std::pair(window_.W(WordId::ZanInternetRadio) + ":", QString::fromStdString(radio_.State().Name));
  });
  AttachHint(buttons_[0], hint_, [this] {
    if (songs_.Current() == 0) return std::pair(QString(), QString());
    const PlayListEntry& song = songs_.Entry(songs_.Current());
    return std::pair(QString::fromStdString(song.Song), QString::fromStdString(song.Artist));
  });

  connect(&window.Menu(), &MainMenu::ShownChanged, this, &MenuMediaControls::Refresh);
  connect(&radio, &Radio::Changed, this, &MenuMediaControls::DrawRadioSwitch);
  connect(&songs, &PlayListPlayer::Changed, this, &MenuMediaControls::Refresh);
}

void MenuMediaControls::Refresh() {
  const bool menu = window_.Menu().Shown() && !window_.TitleShown();
  const Layout& l = window_.CurrentLayout();
  // The switch is a shelf between the left animation and "New Player", under the club rows.
  if (menu && l.Scale >= 1.6) {
    const double a = R(l.ScaleX * 7) + R((l.ScaleX - 1) * 80) + 160;
    const double b = window_.Menu().NewPlayerButton().geometry().left();
    const double c = window_.Menu().ClubRow(5).geometry().bottom() + 1;
    const double d = l.Height;
    radioSwitch_->Place(QRect(R((a + b) / 2 - 110), R((c + d) / 2 - 62.5), 220, 125));
    radioSwitch_->show();
    radioSwitch_->raise();
    DrawRadioSwitch();
  } else {
    radioSwitch_->hide();
  }
  PlacePlayerButtons(menu && songs_.Create() && l.Scale >= 1.5);
}

void MenuMediaControls::DrawRadioSwitch() {
  if (radioSwitch_->isHidden() || radioSwitch_->Canvas().isNull()) return;
  PictureRegistry& pictures = window_.Pictures();
  radioSwitch_->PaintBackground(window_.Background());
  QPainter p(&radioSwitch_->Canvas());
  p.drawImage(0, 71, pictures.Picture("GPolkaNw"));
  p.drawImage(37, 6, pictures.Picture("GRadioA"));
  const char* lamp = !radio_.CanUse() ? "GRadioB" : radio_.Enabled() ? "GRadioG" : "GRadioR";
  p.drawImage(37, 6, pictures.Picture(lamp));
  p.end();
  radioSwitch_->Refresh();
}

void MenuMediaControls::PlacePlayerButtons(bool shown) {
  for (int k = 1; k <= 3; ++k) {
    PressablePicture& b = PlayerButton(k);
    if (!shown) {
      b.hide();
      continue;
    }
    b.Place(QRect(kButtonX[static_cast<std::size_t>(k - 1)], window_.CurrentLayout().Height - 70, kButtonSize,
                  kButtonSize));
    b.show();
    b.raise();
    DrawPlayerButton(k, false);
  }
}

void MenuMediaControls::DrawPlayerButton(int k, bool pressed) {
  PressablePicture& b = PlayerButton(k);
  if (b.isHidden() || b.Canvas().isNull()) return;
  const int d = pressed ? 1 : 0;
  const char* name = k == 1 ? (songs_.Playing() ? "MP_Pause" : "MP_Play") : k == 2 ? "MP_Next" : "MP_Volume";
  b.PaintBackground(window_.Background());
  QPainter p(&b.Canvas());
  p.drawImage(d, d, window_.Pictures().Picture(name, QSize(kButtonSize, kButtonSize)));
  if (k == 3) {
    QFont font = window_.Menu().Fonts().FontAt(FontRole::Decor, 14, false);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(0xFF, 0xFF, 0x00));
    p.drawText(QRect(0, d + 23, kButtonSize + 2 * d, 16), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(songs_.Volume()));
  }
  p.end();
  b.Refresh();
}

}  // namespace tavlo
