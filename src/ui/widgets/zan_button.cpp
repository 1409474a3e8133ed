#include "ui/widgets/zan_button.h"
#include "ui/widgets/caption_fit.h"

#include <QEnterEvent>
#include <QPainter>

#include "ui/layout/button_rows.h"
#include "ui/layout/scale.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {

QImage RecolourImageForSet(const QImage& picture, TColorSB set, int light, bool nata) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  if (set == TColorSB::DRed && light == 0) return out;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = line[x];
      const Rgb c = RecolourForSet(Rgb{qRed(p), qGreen(p), qBlue(p)}, set, light, nata);
      line[x] = qRgba(c.R, c.G, c.B, qAlpha(p));
    }
  }
  return out;
}

TZanCardsButton::TZanCardsButton(PictureRegistry& pictures, QWidget* parent)
    : QAbstractButton(parent), pictures_(pictures) {
  resize(100, 30);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
}

void TZanCardsButton::SetColorSB(TColorSB set) {
  colorSB_ = set;
  update();
}
void TZanCardsButton::SetFontColor(const QColor& colour) {
  fontColor_ = colour;
  update();
}
void TZanCardsButton::SetColorMouse(const QColor& colour) {
  colorMouse_ = colour;
  update();
}
void TZanCardsButton::SetLightFont(bool on) {
  lightFont_ = on;
  update();
}
void TZanCardsButton::SetGrayDis(bool on) {
  grayDis_ = on;
  update();
}
void TZanCardsButton::SetHeightSB(THeightSB height) {
  resize(width(), height == THeightSB::D30 ? 30 : height == THeightSB::D45 ? 45 : 60);
}
void TZanCardsButton::SetKLightSB(int percent) {
  kLight_ = percent;
  update();
}
void TZanCardsButton::SetKontur(bool on) {
  kontur_ = on;
  update();
}
void TZanCardsButton::SetSmooth(bool on) {
  smooth_ = on;
  update();
}
void TZanCardsButton::SetNata(bool on) {
  nata_ = on;
  update();
}
void TZanCardsButton::SetGlyph(const QImage& glyph, GlyphLayout layout, bool marginAfterGlyph) {
  glyph_ = glyph;
  glyphLayout_ = layout;
  glyphMargin_ = marginAfterGlyph;
  update();
}

QSize TZanCardsButton::sizeHint() const { return size(); }

TZanCardsButton::Pieces TZanCardsButton::PiecesFor(int h, bool nata) {
  Pieces p;
  const QString prefix = nata ? "Q" : "R";
  QString size;
  if (h <= 30) {
    size = "29";
    p.EndWidth0 = 8;
    p.ReferenceHeight = 30;
  } else if (h <= 45) {
    size = "44";
    p.EndWidth0 = 13;
    p.ReferenceHeight = 45;
  } else {
    size = "59";
    p.EndWidth0 = 17;
    p.ReferenceHeight = 60;
  }
  p.Left = prefix + size + "_L";
  p.Middle = prefix + size + "_2";
  p.Right = prefix + size + "_R";
  p.HeightClass = h == 30 ? 1 : h == 45 ? 2 : h == 60 ? 3 : 0;
  p.EndWidth = RoundHalfEven(static_cast<double>(p.EndWidth0) * h / p.ReferenceHeight);
  return p;
}

QImage TZanCardsButton::Piece(const QString& name) const {
  return RecolourImageForSet(pictures_.Picture(name), colorSB_, kLight_, nata_);
}

QColor TZanCardsButton::CaptionColour() const {
  if (!isEnabled()) return grayDis_ ? QColor(0xC0, 0xC0, 0xC0) : fontColor_;
  if (mouseInside_ && lightFont_) return colorMouse_;
  return fontColor_;
}

void TZanCardsButton::paintEvent(QPaintEvent*) {
  const int w = width();
  const int h = height();
  const Pieces pieces = PiecesFor(h, nata_);
  const int e = pieces.EndWidth;
  const bool pressed = isDown();

  // The body is composed off-screen with transparent surroundings, so the parent's
  // background shows through the rounded ends and, after a press, the last row and column.
  QImage work(w, h, QImage::Format_ARGB32_Premultiplied);
  work.fill(Qt::transparent);
  {
    QPainter p(&work);
    p.setRenderHint(QPainter::SmoothPixmapTransform, pieces.HeightClass == 0 && smooth_);
    const QImage left = Piece(pieces.Left);
    const QImage right = Piece(pieces.Right);
    p.drawImage(QRect(0, 0, e, h - 1), left);
    p.drawImage(QRect(w - e - 1, 0, e, h - 1), right);
    if (pieces.HeightClass == 0 || colorSB_ == TColorSB::DCards || nata_) {
      p.drawImage(QRect(e, 0, w - 2 * e, h - 1), Piece(pieces.Middle));
    } else {
      const std::vector<std::uint32_t> rows = ButtonRowColours(pieces.ReferenceHeight);
      for (int y = 0; y <= h - 2 && y < static_cast<int>(rows.size()); ++y) {
        const Rgb c = RecolourForSet(FromBgr(rows[static_cast<std::size_t>(y)]), colorSB_, kLight_, nata_);
        p.setPen(QColor(c.R, c.G, c.B));
        p.drawLine(pieces.EndWidth0, y, w - pieces.EndWidth0 - 2, y);
      }
    }
    if (!glyph_.isNull() && glyphLayout_ != GlyphLayout::Top) {
      constexpr int kGlyphInset[4] = {0, 15, 18, 20};
      const int inset = pieces.HeightClass == 0 ? RoundHalfEven(1.6 * e) : kGlyphInset[pieces.HeightClass];
      const int gy = RoundHalfEven((h - glyph_.height() - 1) / 2.0);
      int gx = inset;
      if (glyphLayout_ == GlyphLayout::Right) gx = w - glyph_.width() - inset;
      if (glyphLayout_ == GlyphLayout::Bottom) gx = RoundHalfEven((w - glyph_.width()) / 2.0);
      p.drawImage(gx, gy, glyph_);
    }
  }

  QPainter painter(this);
  const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
  painter.drawImage(shift, work);

  const QRect textRect = CaptionRect().translated(shift);
  int flags = Qt::AlignVCenter | Qt::TextSingleLine;
  if (glyphMargin_ && !glyph_.isNull()) {
    flags |= glyphLayout_ == GlyphLayout::Right ? Qt::AlignRight : Qt::AlignLeft;
  } else {
    flags |= Qt::AlignHCenter;
  }
  painter.setFont(CaptionFont());
  painter.setPen(CaptionColour());
  painter.drawText(textRect, flags, text());

  emit DrawButton(rect(), pressed, isEnabled(), hasFocus());
  if (hasFocus() && kontur_) PaintFocusMark(painter, pieces);
}

QRect TZanCardsButton::CaptionRect() const {
  QRect textRect = rect();
  if (nata_) textRect.translate(0, -1);
  if (glyphMargin_ && !glyph_.isNull()) {
    const Pieces pieces = PiecesFor(height(), nata_);
    constexpr int kTextInset[4] = {0, 25, 28, 30};
    const int margin = glyph_.width() + (pieces.HeightClass == 0 ? RoundHalfEven(1.6 * pieces.EndWidth) + 10
                                                                  : kTextInset[pieces.HeightClass]);
    if (glyphLayout_ == GlyphLayout::Right) {
      textRect.setRight(textRect.right() - margin);
    } else {
      textRect.setLeft(textRect.left() + margin);
    }
  } else {
    // Centred captions keep clear of the rounded ends.
    const int end = PiecesFor(height(), nata_).EndWidth;
    textRect.adjust(end / 2, 0, -end / 2, 0);
  }
  return textRect;
}

QFont TZanCardsButton::CaptionFont() const { return FittedFont(font(), text(), CaptionRect().width()); }

void TZanCardsButton::PaintFocusMark(QPainter& painter, const Pieces& pieces) const {
  const int w = width();
  const int h = height();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (isDown()) painter.translate(1, 1);
  if (nata_) {
    const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
    constexpr int kDotInset[4] = {0, 10, 13, 15};
    const int inset = pieces.HeightClass == 0 ? pieces.EndWidth : kDotInset[pieces.HeightClass];
    const int top = RoundHalfEven(h / 2.0 - d / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FromBgrColour(FocusDotColour(colorSB_)));
    painter.drawEllipse(QRect(inset, top, d, d));
    painter.drawEllipse(QRect(w - inset - d, top, d, d));
  } else {
    int x = 0, y = 0, corner = 0;
    switch (pieces.HeightClass) {
      case 1: x = 7, y = 4, corner = 7; break;
      case 2: x = 9, y = 5, corner = 9; break;
      case 3: x = 11, y = 6, corner = 11; break;
      default: {
        const int b = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
        x = RoundHalfEven(pieces.EndWidth * 0.8);
        y = b;
        corner = 2 * b;
      }
    }
    painter.setPen(FromBgrColour(FocusOutlineColour(colorSB_)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(QPoint(x, y), QPoint(w - x, h - y)), corner / 2.0, corner / 2.0);
  }
  painter.restore();
}

void TZanCardsButton::enterEvent(QEnterEvent* event) {
  mouseInside_ = true;
  update();
  QAbstractButton::enterEvent(event);
  emit MouseEntered();
}

void TZanCardsButton::leaveEvent(QEvent* event) {
  mouseInside_ = false;
  update();
  QAbstractButton::leaveEvent(event);
  emit MouseLeft();
}

void TZanCardsButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // Two quick clicks are two clicks.
  mousePressEvent(event);
}

void TZanCardsButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QAbstractButton::changeEvent(event);
}

}  // namespace tavlo
