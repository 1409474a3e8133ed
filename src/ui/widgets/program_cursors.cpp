#include "ui/widgets/program_cursors.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace tavlo {
namespace {

constexpr int kSize = 32;
const QColor kRed(0xE0, 0x10, 0x18);
const QColor kDarkRed(0x80, 0x00, 0x08);
const QColor kOutline(0x10, 0x00, 0x00);

void Fill(QPainter& p, const QPainterPath& path) {
  QLinearGradient red(0, 0, kSize, kSize);
  red.setColorAt(0, kRed.lighter(130));
  red.setColorAt(1, kDarkRed);
  p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(red);
  p.drawPath(path);
}

void PaintArrow(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(1.5, 1.5);
  arrow.lineTo(1.5, 24);
  arrow.lineTo(7.5, 18.5);
  arrow.lineTo(12, 28.5);
  arrow.lineTo(16, 26.5);
  arrow.lineTo(11.5, 17);
  arrow.lineTo(19.5, 17);
  arrow.closeSubpath();
  Fill(p, arrow);
}

void PaintHand(QPainter& p) {
  // A gloved hand pointing up with its index finger; the finger tip is the hot spot.
  QPainterPath hand;
  hand.addRoundedRect(QRectF(8.5, 1.5, 5, 17), 2.5, 2.5);  // index finger
  QPainterPath palm;
  palm.addRoundedRect(QRectF(5.5, 12.5, 19, 16), 5, 5);
  QPainterPath fingers;
  fingers.addRoundedRect(QRectF(13, 10.5, 4.5, 9), 2.2, 2.2);
  fingers.addRoundedRect(QRectF(17, 11.5, 4.5, 9), 2.2, 2.2);
  fingers.addRoundedRect(QRectF(21, 13, 4, 8), 2, 2);
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(2, 15, 6, 9), 3, 3);
  Fill(p, hand.united(palm).united(fingers).united(thumb));
}

void PaintWait(QPainter& p) {
  QPainterPath glass;
  glass.moveTo(6.5, 2.5);
  glass.lineTo(25.5, 2.5);
  glass.lineTo(25.5, 5.5);
  glass.lineTo(17.5, 16);
  glass.lineTo(25.5, 26.5);
  glass.lineTo(25.5, 29.5);
  glass.lineTo(6.5, 29.5);
  glass.lineTo(6.5, 26.5);
  glass.lineTo(14.5, 16);
  glass.lineTo(6.5, 5.5);
  glass.closeSubpath();
  Fill(p, glass);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xE0, 0x80));
  p.drawPolygon(QPolygonF({QPointF(10, 26), QPointF(22, 26), QPointF(16, 20)}));
}

void PaintEdit(QPainter& p) {
  QPainterPath beam;
  beam.addRect(QRectF(14.5, 5.5, 3, 21));
  beam.addRect(QRectF(10.5, 3.5, 11, 3));
  beam.addRect(QRectF(10.5, 25.5, 11, 3));
  Fill(p, beam.simplified());
}

QPoint HotSpot(PointerKind kind) {
  switch (kind) {
    case PointerKind::Arrow: return {1, 1};
    case PointerKind::Hand: return {11, 1};
    case PointerKind::Wait:
    case PointerKind::Edit: return {16, 16};
  }
  return {0, 0};
}

Qt::CursorShape DesktopShape(PointerKind kind) {
  switch (kind) {
    case PointerKind::Arrow: return Qt::ArrowCursor;
    case PointerKind::Hand: return Qt::PointingHandCursor;
    case PointerKind::Wait: return Qt::WaitCursor;
    case PointerKind::Edit: return Qt::IBeamCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

QImage OwnPointerPicture(PointerKind kind) {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case PointerKind::Arrow: PaintArrow(p); break;
    case PointerKind::Hand: PaintHand(p); break;
    case PointerKind::Wait: PaintWait(p); break;
    case PointerKind::Edit: PaintEdit(p); break;
  }
  return image;
}

QCursor ProgramCursor(PointerKind kind, bool own) {
  if (!own) return QCursor(DesktopShape(kind));
  // Painted once per kind; a cursor is cheap to copy.
  static const QCursor kOwn[4] = {
      QCursor(QPixmap::fromImage(OwnPointerPicture(PointerKind::Arrow)), HotSpot(PointerKind::Arrow).x(), HotSpot(PointerKind::Arrow).y()),
      QCursor(QPixmap::fromImage(OwnPointerPicture(PointerKind::Hand)), HotSpot(PointerKind::Hand).x(), HotSpot(PointerKind::Hand).y()),
      QCursor(QPixmap::fromImage(OwnPointerPicture(PointerKind::Wait)), HotSpot(PointerKind::Wait).x(), HotSpot(PointerKind::Wait).y()),
      QCursor(QPixmap::fromImage(OwnPointerPicture(PointerKind::Edit)), HotSpot(PointerKind::Edit).x(), HotSpot(PointerKind::Edit).y()),
  };
  return kOwn[static_cast<int>(kind)];
}

// Each widget remembers the kind of pointer it wears, so the choice can be switched back and
// forth while windows are open.
constexpr const char* kPointerKind = "tavloPointerKind";

void SetPointer(QWidget& widget, PointerKind kind, bool own) {
  widget.setProperty(kPointerKind, static_cast<int>(kind));
  widget.setCursor(ProgramCursor(kind, own));
}

bool ShowsHand(const QWidget& widget) {
  const QVariant kind = widget.property(kPointerKind);
  if (kind.isValid()) return static_cast<PointerKind>(kind.toInt()) == PointerKind::Hand;
  return widget.cursor().shape() == Qt::PointingHandCursor;
}

void ApplyProgramCursors(QWidget& root, bool own) {
  const char* const kKind = kPointerKind;
  const auto apply = [&](QWidget& w, PointerKind kind) { SetPointer(w, kind, own); };
  apply(root, PointerKind::Arrow);
  for (QWidget* w : root.findChildren<QWidget*>()) {
    const QVariant remembered = w->property(kKind);
    if (remembered.isValid()) {
      apply(*w, static_cast<PointerKind>(remembered.toInt()));
    } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
      apply(*w, PointerKind::Hand);
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
      apply(*w, PointerKind::Edit);
    } else if (w->testAttribute(Qt::WA_SetCursor)) {
      switch (w->cursor().shape()) {
        case Qt::PointingHandCursor: apply(*w, PointerKind::Hand); break;
        case Qt::IBeamCursor: apply(*w, PointerKind::Edit); break;
        case Qt::WaitCursor:
        case Qt::BusyCursor: apply(*w, PointerKind::Wait); break;
        case Qt::ArrowCursor: apply(*w, PointerKind::Arrow); break;
        default: break;  // a shape of its own (a splitter's, say) stays
      }
    }
  }
}

}  // namespace tavlo
