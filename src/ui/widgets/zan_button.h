#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

#include "ui/layout/colour_sets.h"

namespace tavlo {

class PictureRegistry;

enum class THeightSB { D30, D45, D60 };

// The owner-drawn push button of every window: three red pictures (left end, middle,
// right end) moved to one of eight colour sets, with a hover colour, a focus mark and a
// pressed look that shifts everything one pixel right and down.
class TZanCardsButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class GlyphLayout { Left, Right, Bottom, Top };

  TZanCardsButton(PictureRegistry& pictures, QWidget* parent = nullptr);

  TColorSB ColorSB() const { return colorSB_; }
  void SetColorSB(TColorSB set);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& colour);
  QColor ColorMouse() const { return colorMouse_; }
  void SetColorMouse(const QColor& colour);
  bool LightFont() const { return lightFont_; }
  void SetLightFont(bool on);
  bool GrayDis() const { return grayDis_; }
  void SetGrayDis(bool on);
  void SetHeightSB(THeightSB height);
  int KLightSB() const { return kLight_; }
  void SetKLightSB(int percent);
  bool Kontur() const { return kontur_; }
  void SetKontur(bool on);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);
  bool Nata() const { return nata_; }
  void SetNata(bool on);
  void SetGlyph(const QImage& glyph, GlyphLayout layout, bool marginAfterGlyph = false);

  bool MouseInside() const { return mouseInside_; }

  // The picture set and end width the button uses at its current height.
  struct Pieces {
    QString Left, Middle, Right;
    int EndWidth0 = 8;     // e0: end width at the reference height
    int ReferenceHeight = 30;
    int HeightClass = 0;   // 1, 2, 3 for heights 30, 45, 60; 0 for any other height
    int EndWidth = 8;      // e = round(e0 x h / reference height)
  };
  static Pieces PiecesFor(int height, bool nata);

  QSize sizeHint() const override;
  // Where the caption is written, and the font it is written in: the button's own, or a
  // smaller size of it when a translation is too wide for the button.
  QRect CaptionRect() const;
  QFont CaptionFont() const;

 signals:
  void MouseEntered();
  void MouseLeft();
  void DrawButton(const QRect& rect, bool pressed, bool enabled, bool focused);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QImage Piece(const QString& name) const;
  QColor CaptionColour() const;
  void PaintFocusMark(QPainter& painter, const Pieces& pieces) const;

  PictureRegistry& pictures_;
  TColorSB colorSB_ = TColorSB::DRed;
  QColor fontColor_ = Qt::white;
  QColor colorMouse_ = QColor(255, 255, 0);
  bool lightFont_ = true;
  bool grayDis_ = true;
  int kLight_ = 0;
  bool kontur_ = true;
  bool smooth_ = true;
  bool nata_ = false;
  QImage glyph_;
  GlyphLayout glyphLayout_ = GlyphLayout::Left;
  bool glyphMargin_ = false;
  bool mouseInside_ = false;
};

// A red picture moved to a colour set and lightened, pixel by pixel; alpha is kept.
QImage RecolourImageForSet(const QImage& picture, TColorSB set, int light, bool nata);

// A 0xBBGGRR colour as Qt sees it.
inline QColor FromBgrColour(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace tavlo
