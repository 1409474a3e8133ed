#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/calendar/art/calendar_art.h"
#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"

namespace tavlo::calendar_art {

namespace {

// A glyph centred in `box`, filled and outlined; false when no installed font has it.
bool DrawGlyph(QPainter& p, const QRectF& box, const QString& glyph, const QString& family, double size,
               const QBrush& fill, const QColor& edge) {
  QFont font = art::PixelFont(family, size, false);
  const QFontMetricsF metrics(font);
  if (!metrics.inFontUcs4(glyph.toUcs4().value(0))) return false;
  QPainterPath path;
  path.addText(0, 0, font, glyph);
  const QRectF ink = path.boundingRect();
  path.translate(box.center() - ink.center());
  p.save();
  p.setPen(QPen(edge, 0.8));
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
  return true;
}

// The blank desk-calendar sheet: a pad of ivory pages under a red header, held by three rings.
void PaintBase(QPainter& p) {
  p.setPen(Qt::NoPen);
  // Soft shadow and the edges of the pages below.
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(QRectF(2.5, 6.5, 57, 93), 4, 4);
  p.setBrush(art::kIvoryShade.darker(115));
  p.drawRoundedRect(QRectF(1.5, 6, 56, 93), 4, 4);
  p.setBrush(art::kIvoryShade);
  p.drawRoundedRect(QRectF(1, 5, 56, 92), 4, 4);
  QLinearGradient paper(0, 5, 0, 96);
  paper.setColorAt(0, art::kIvory);
  paper.setColorAt(1, art::kIvoryShade);
  p.setBrush(paper);
  p.drawRoundedRect(QRectF(1, 4, 56, 91), 4, 4);
  // Header band with a gold rule under it.
  QPainterPath header;
  header.addRoundedRect(QRectF(1, 4, 56, 16), 4, 4);
  QPainterPath square;
  square.addRect(QRectF(1, 12, 56, 8));
  header = header.united(square);
  QLinearGradient red(0, 4, 0, 20);
  red.setColorAt(0, art::kCardRed);
  red.setColorAt(1, art::kDeepRed);
  p.setBrush(red);
  p.drawPath(header);
  p.setBrush(art::kGold);
  p.drawRect(QRectF(1, 19.5, 56, 1.2));
  // Ring holes and the rings themselves.
  for (const double x : {14.0, 29.0, 44.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x08, 0x0C));
    p.drawEllipse(QPointF(x, 9.5), 2.1, 2.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(art::kGoldDark, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(x - 2.5, 0.6, 5, 9.8), 0 * 16, 200 * 16);
    p.setPen(QPen(art::kGoldLight, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(x - 2.2, 0.9, 4.4, 9.2), 40 * 16, 120 * 16);
  }
  // A faint rule between the month and the sign.
  p.setPen(QPen(QColor(0x9E, 0x12, 0x1E, 70), 0.6));
  p.drawLine(QPointF(8, 60.5), QPointF(50, 60.5));
}

// The zodiac seals: a navy medallion with the sign in gold.
void PaintZodiac(QPainter& p, int sign) {
  const QRectF disc(0.8, 2.8, 24.4, 24.4);
  QRadialGradient g(disc.center() - QPointF(3, 4), 16);
  g.setColorAt(0, art::kRoyalBlue.lighter(135));
  g.setColorAt(1, art::kRoyalBlue.darker(150));
  p.setPen(QPen(art::kGoldDark, 1.4));
  p.setBrush(g);
  p.drawEllipse(disc);
  p.setPen(QPen(art::kGoldLight, 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(disc.adjusted(1.6, 1.6, -1.6, -1.6));
  const QString glyph = QString::fromUcs4(std::u32string(1, static_cast<char32_t>(0x2648 + sign - 1)).c_str(), 1);
  QLinearGradient gold(0, 6, 0, 24);
  gold.setColorAt(0, art::kGoldLight);
  gold.setColorAt(1, art::kGold);
  if (!DrawGlyph(p, disc, glyph, "DejaVu Sans", 15, gold, art::kGoldDark)) {
    art::DrawFittedText(p, disc, QString::number(sign), art::PixelFont("DejaVu Sans", 12), art::kGoldLight);
  }
}

// The Chinese years: a red lacquer seal with the animal's character in gold over gold clouds.
void PaintChineseYear(QPainter& p, int animal) {
  static const char* const kCharacters[12] = {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"};
  PaintPanel(p, QColor(0xFF, 0xF4, 0xD8), QColor(0xF2, 0xDA, 0xA4));
  // Cloud scrolls at the foot.
  p.setPen(QPen(art::kGoldDark, 1.1));
  p.setBrush(Qt::NoBrush);
  for (const double x : {10.0, 27.0, 44.0}) {
    p.drawArc(QRectF(x - 6, 58, 7, 7), 0, 180 * 16);
    p.drawArc(QRectF(x - 1, 57, 7, 7), 0, 180 * 16);
  }
  const QRectF seal(6, 7, 42, 42);
  QRadialGradient g(seal.center() - QPointF(6, 8), 34);
  g.setColorAt(0, art::kCardRed.lighter(120));
  g.setColorAt(1, art::kDeepRed.darker(130));
  p.setPen(QPen(art::kGoldDark, 1.6));
  p.setBrush(g);
  p.drawEllipse(seal);
  p.setPen(QPen(art::kGold, 0.8, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(seal.adjusted(2.5, 2.5, -2.5, -2.5));
  QLinearGradient gold(0, 14, 0, 44);
  gold.setColorAt(0, art::kGoldLight);
  gold.setColorAt(1, art::kGold);
  const QString character = QString::fromUtf8(kCharacters[animal - 1]);
  if (!DrawGlyph(p, seal, character, "WenQuanYi Micro Hei", 27, gold, art::kGoldDark.darker(130))) {
    art::DrawFittedText(p, seal, QString::number(animal), art::PixelFont("DejaVu Sans", 20), art::kGoldLight);
  }
  // The ribbon under the seal.
  p.setPen(Qt::NoPen);
  p.setBrush(art::kGold);
  p.drawRoundedRect(QRectF(14, 50, 26, 4), 2, 2);
}

}  // namespace

bool PaintSheet(QPainter& p, const QString& name) {
  static const QStringList kChinese = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK",
                                       "R_VOSHORS", "R_VOSKOZA", "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
  if (name == "R_BASE") {
    PaintBase(p);
    return true;
  }
  if (name.size() == 4) {
    bool ok = false;
    const int sign = name.mid(2).toInt(&ok);
    if (!ok || sign < 1 || sign > 12) return false;
    PaintZodiac(p, sign);
    return true;
  }
  const int animal = static_cast<int>(kChinese.indexOf(name));
  if (animal < 0) return false;
  PaintChineseYear(p, animal + 1);
  return true;
}

}  // namespace tavlo::calendar_art
