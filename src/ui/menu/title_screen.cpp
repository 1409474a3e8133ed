#include "ui/menu/title_screen.h"

#include <QMouseEvent>

#include <QKeyEvent>
#include <QPainter>

#include "lang/languages.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr QRect kOuterPanel(QPoint(130, 50), QPoint(630, 450));
constexpr QRect kInnerPanel(QPoint(230, 150), QPoint(530, 350));
constexpr int kCardLeft = 155, kCardTop = 68, kCardRight = 550, kCardBottom = 362;

// A silver panel with a white-and-black bevel and a second, reversed bevel inside it.
void BevelledPanel(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(0xC0, 0xC0, 0xC0));
  const auto bevel = [&p](const QRect& b, const QColor& light, const QColor& dark) {
    for (int i = 0; i < 2; ++i) {
      const QRect q = b.adjusted(i, i, -i, -i);
      p.setPen(light);
      p.drawLine(q.topLeft(), q.topRight());
      p.drawLine(q.topLeft(), q.bottomLeft());
      p.setPen(dark);
      p.drawLine(q.bottomLeft(), q.bottomRight());
      p.drawLine(q.topRight(), q.bottomRight());
    }
  };
  bevel(r, Qt::white, Qt::black);
  bevel(r.adjusted(5, 5, -5, -5), Qt::black, Qt::white);
}

// One pixel clockwise around the card rectangle.
QPoint Clockwise(QPoint at) {
  if (at.y() == kCardTop && at.x() < kCardRight) return at + QPoint(1, 0);
  if (at.x() == kCardRight && at.y() < kCardBottom) return at + QPoint(0, 1);
  if (at.y() == kCardBottom && at.x() > kCardLeft) return at - QPoint(1, 0);
  return at - QPoint(0, 1);
}

}  // namespace

TitleScreen::TitleScreen(PictureRegistry& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {
  setGeometry(0, 0, 760, 500);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TitleScreen::Prepare(int languageIndex) {
  const LanguageInfo& language = Language(languageIndex);
  still_ = QImage(760, 500, QImage::Format_ARGB32_Premultiplied);
  still_.fill(Qt::black);
  QPainter p(&still_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  BevelledPanel(p, kOuterPanel);
  BevelledPanel(p, kInnerPanel);
  QFont font("Comic Sans MS");
  font.setPixelSize(24);
  p.setFont(font);
  p.setPen(FromBgrColour(0x0000FF));
  TextCentred(p, QString::fromUtf8(language.ReleaseDate.data(), static_cast<int>(language.ReleaseDate.size())), 230, 530,
              240);
  p.setPen(FromBgrColour(0xFF0000));
  TextCentred(p, QString::fromUtf8(language.CreditLine.data(), static_cast<int>(language.CreditLine.size())), 230, 530,
              265);
  p.setPen(FromBgrColour(0x646400));
  TextCentred(p, "V 5.7f", 230, 530, 315);
  const QImage logo = pictures_.Picture("Logo");
  p.drawImage(250, 270, logo);
  p.drawImage(445, 270, logo);
  p.end();

  capitals_ = QString::fromUtf8(language.ProductNameCapitals.data(), static_cast<int>(language.ProductNameCapitals.size()));
  const std::uint32_t colours[10] = {0x800080, 0xFFFF00, 0x4080FF, 0x800000, 0x0000FF,
                                     0x008000, 0x00FFFF, 0xFF0000, 0x000080, 0x00FF00};
  for (std::size_t k = 0; k < 10; ++k) slots_[k] = FromBgrColour(colours[k]);
  cards_ = {QPoint(155, 68), QPoint(550, 68), QPoint(155, 362), QPoint(550, 362)};
  tick_ = 0;
  frame_ = still_;
  update();
}

void TitleScreen::DrawLetters(QPainter& p) {
  const QString letters = capitals_.left(10);
  const int length = static_cast<int>(letters.size());
  int start = 381 - 13 * length;
  std::array<int, 10> shift{};
  // Wide and narrow letters push the letters after them and the start of the name.
  for (int i = 0; i < length; ++i) {
    const QChar c = letters[i];
    int after = 0;
    if (c == 'W' || c == 'M' || c == QChar(0x041C) || c == QChar(0x042E)) {
      after = 8;
      start -= 5;
    } else if (c == 'Q') {
      after = 6;
      start -= 4;
    } else if (c == 'I' || c == QChar(0x00CD)) {
      after = -12;
      start += 6;
    }
    for (int j = i + 1; j < length; ++j) shift[static_cast<std::size_t>(j)] += after;
    if (c == 'I' || c == QChar(0x00CD) || c == '-') shift[static_cast<std::size_t>(i)] += 3;
  }
  QFont font("Arial");
  font.setPixelSize(44);
  font.setBold(true);
  p.setFont(font);
  for (int i = 0; i < length; ++i) {
    p.setPen(slots_[static_cast<std::size_t>(i)]);
    TextAt(p, QString(letters[i]), start + 26 * i + shift[static_cast<std::size_t>(i)], 175);
  }
}

void TitleScreen::Tick() {
  if (still_.isNull()) return;
  ++tick_;
  if (tick_ % 10 == 0) {
    // Every tenth tick the colours travel one letter to the right.
    const QColor last = slots_[9];
    for (std::size_t k = 9; k > 0; --k) slots_[k] = slots_[k - 1];
    slots_[0] = last;
  }
  frame_ = still_;
  QPainter p(&frame_);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawLetters(p);
  static const char* const kCards[4] = {"TitleCard1", "TitleCard2", "TitleCard3", "TitleCard4"};
  for (std::size_t k = 0; k < 4; ++k) p.drawImage(cards_[k], pictures_.Picture(kCards[k], QSize(60, 70)));
  p.end();
  for (QPoint& at : cards_) at = Clockwise(at);
  update();
}

void TitleScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (frame_.isNull()) {
    p.fillRect(rect(), Qt::black);
    return;
  }
  p.drawImage(0, 0, frame_);
}

void TitleScreen::mouseReleaseEvent(QMouseEvent* event) {
  // The right button opens the window's context menu (help, about, speed) instead.
  if (event->button() == Qt::RightButton) return;
  emit Leave();
}
void TitleScreen::keyReleaseEvent(QKeyEvent*) { emit Leave(); }

}  // namespace tavlo
