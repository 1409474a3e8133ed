#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

// A glass lamp: bright core, coloured body, dark rim; lit or dim.
void PaintLamp(QPainter& p, QPointF c, double r, const QColor& colour, bool lit = true) {
  const QColor body = lit ? colour : colour.darker(260);
  QRadialGradient glass(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
  glass.setColorAt(0.0, lit ? QColor(255, 255, 255) : body.lighter(140));
  glass.setColorAt(0.3, body.lighter(lit ? 125 : 110));
  glass.setColorAt(1.0, body.darker(170));
  p.setPen(QPen(QColor(0x30, 0x28, 0x20), std::max(0.8, r / 9)));
  p.setBrush(glass);
  p.drawEllipse(c, r, r);
}

// Icons of the menu columns sit on a rounded ivory tile with a gold edge, so the columns read as
// one family whatever they show.
void PaintTile(QPainter& p) {
  const QRectF tile(2, 2, 44, 44);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(tile.translated(1.5, 1.5), 9, 9);
  QLinearGradient ivory(0, tile.top(), 0, tile.bottom());
  ivory.setColorAt(0, QColor(0xFF, 0xFC, 0xF0));
  ivory.setColorAt(1, QColor(0xEC, 0xDC, 0xB4));
  p.setBrush(ivory);
  p.drawRoundedRect(tile, 9, 9);
  DrawGoldFrame(p, tile.adjusted(1.5, 1.5, -1.5, -1.5), 8, 1.8);
}

void PaintEarth(QPainter& p) {
  PaintTile(p);
  const QPointF c(24, 24);
  QRadialGradient sea(QPointF(19, 18), 22);
  sea.setColorAt(0, QColor(0x7C, 0xC4, 0xF4));
  sea.setColorAt(1, QColor(0x14, 0x48, 0x9C));
  p.setPen(QPen(QColor(0x0C, 0x30, 0x70), 1));
  p.setBrush(sea);
  p.drawEllipse(c, 16, 16);
  p.save();
  QPainterPath globe;
  globe.addEllipse(c, 16, 16);
  p.setClipPath(globe);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3C, 0xA0, 0x48));
  QPainterPath land;
  land.moveTo(12, 14);
  land.cubicTo(18, 8, 26, 12, 24, 18);
  land.cubicTo(22, 24, 28, 26, 25, 32);
  land.cubicTo(20, 36, 16, 28, 14, 24);
  land.cubicTo(10, 22, 8, 18, 12, 14);
  p.drawPath(land);
  QPainterPath land2;
  land2.moveTo(29, 11);
  land2.cubicTo(36, 10, 40, 16, 38, 22);
  land2.cubicTo(36, 26, 32, 22, 31, 18);
  land2.cubicTo(28, 16, 27, 13, 29, 11);
  p.drawPath(land2);
  p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 7, 16);
  p.drawLine(QPointF(8, 24), QPointF(40, 24));
  p.restore();
  PaintLamp(p, QPointF(37, 37), 4.5, kGold);
}

void PaintStats(QPainter& p) {
  PaintTile(p);
  const QColor bars[4] = {kCardRed, kGold, QColor(0x2E, 0x8B, 0x57), kRoyalBlue};
  const double heights[4] = {14, 24, 19, 29};
  p.setPen(QPen(QColor(0x30, 0x28, 0x20), 0.8));
  for (int i = 0; i < 4; ++i) {
    p.setBrush(bars[i]);
    p.drawRect(QRectF(10 + i * 7.5, 38 - heights[i], 6, heights[i]));
  }
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(8, 38.5), QPointF(41, 38.5));
}

void PaintPerson(QPainter& p, QRectF box, const QColor& coat, bool woman) {
  const auto at = [&](double u, double v) {
    return QPointF(box.left() + u * box.width(), box.top() + v * box.height());
  };
  p.setPen(QPen(QColor(0x40, 0x30, 0x20), std::max(0.8, box.width() / 60)));
  if (woman) {
    p.setBrush(QColor(0x8A, 0x52, 0x28));
    QPainterPath hair;
    hair.moveTo(at(0.5, 0.12));
    hair.cubicTo(at(0.2, 0.12), at(0.22, 0.5), at(0.26, 0.62));
    hair.lineTo(at(0.74, 0.62));
    hair.cubicTo(at(0.78, 0.5), at(0.8, 0.12), at(0.5, 0.12));
    p.drawPath(hair);
  }
  p.setBrush(coat);
  QPainterPath body;
  body.moveTo(at(0.1, 1.0));
  body.cubicTo(at(0.1, 0.72), at(0.3, 0.64), at(0.5, 0.64));
  body.cubicTo(at(0.7, 0.64), at(0.9, 0.72), at(0.9, 1.0));
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(kSkin);
  p.drawEllipse(at(0.5, 0.38), box.width() * 0.2, box.height() * 0.2);
  // Eyes and a smile.
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x30, 0x24, 0x1C));
  p.drawEllipse(at(0.42, 0.37), box.width() * 0.022, box.height() * 0.02);
  p.drawEllipse(at(0.58, 0.37), box.width() * 0.022, box.height() * 0.02);
  p.setPen(QPen(QColor(0xB0, 0x40, 0x40), std::max(0.8, box.width() / 70)));
  p.setBrush(Qt::NoBrush);
  QPainterPath smile;
  smile.moveTo(at(0.44, 0.46));
  smile.quadTo(at(0.5, 0.5), at(0.56, 0.46));
  p.drawPath(smile);
  p.restore();
  if (!woman) {
    p.setBrush(QColor(0x4A, 0x2E, 0x1A));
    QPainterPath hair;
    hair.moveTo(at(0.3, 0.36));
    hair.cubicTo(at(0.3, 0.12), at(0.7, 0.12), at(0.7, 0.36));
    hair.cubicTo(at(0.62, 0.26), at(0.4, 0.26), at(0.3, 0.36));
    p.drawPath(hair);
  }
}

void PaintAccount(QPainter& p) {
  PaintTile(p);
  PaintPerson(p, QRectF(9, 7, 30, 34), kRoyalBlue, false);
}

void PaintHelp(QPainter& p) {
  PaintTile(p);
  p.setPen(QPen(kGoldDark, 1));
  p.setBrush(kRoyalBlue);
  p.drawEllipse(QPointF(24, 24), 15, 15);
  DrawFittedText(p, QRectF(12, 11, 24, 26), "?", PixelFont("DejaVu Serif", 26), kIvory);
}

void PaintTourney(QPainter& p) {
  PaintTile(p);
  // A cup.
  QLinearGradient gold(12, 0, 36, 0);
  gold.setColorAt(0, kGoldDark);
  gold.setColorAt(0.4, kGoldLight);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(140), 1));
  p.setBrush(gold);
  QPainterPath cup;
  cup.moveTo(14, 10);
  cup.lineTo(34, 10);
  cup.cubicTo(34, 24, 28, 28, 24, 28);
  cup.cubicTo(20, 28, 14, 24, 14, 10);
  p.drawPath(cup);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 2.2));
  p.drawArc(QRectF(8, 12, 10, 10), 90 * 16, 180 * 16);
  p.drawArc(QRectF(30, 12, 10, 10), 270 * 16, 180 * 16);
  p.setPen(QPen(kGoldDark.darker(140), 1));
  p.setBrush(gold);
  p.drawRect(QRectF(22, 28, 4, 6));
  p.drawRoundedRect(QRectF(16, 34, 16, 5), 1.5, 1.5);
  DrawSuit(p, 3, QPointF(24, 17), 9, kInk);
}

void PaintSpeed(QPainter& p) {
  // A card flying fast: speed lines behind a tilted card.
  p.setPen(QPen(QColor(0xD4, 0xA8, 0x3A, 200), 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(8 + i * 4, 40 + i * 16), QPointF(48 + i * 4, 40 + i * 16));
  p.save();
  p.translate(78, 64);
  p.rotate(-14);
  p.setPen(QPen(QColor(0x55, 0x50, 0x4A), 1.5));
  p.setBrush(kIvory);
  p.drawRoundedRect(QRectF(-30, -42, 60, 84), 6, 6);
  DrawSuit(p, 0, QPointF(0, 0), 34, kCardRed);
  DrawFittedText(p, QRectF(-27, -40, 16, 16), "A", PixelFont("DejaVu Sans Condensed", 14), kCardRed);
  p.restore();
}

void PaintNewBadge(QPainter& p) {
  QLinearGradient red(0, 0, 0, 16);
  red.setColorAt(0, QColor(0xF0, 0x30, 0x30));
  red.setColorAt(1, QColor(0xA0, 0x08, 0x10));
  p.setPen(QPen(kGold, 1));
  p.setBrush(red);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 15), 7, 7);
  DrawFittedText(p, QRectF(3, 1, 26, 14), "NEW", PixelFont("DejaVu Sans", 10), QColor(0xFF, 0xF0, 0x80));
}

void PaintPhoto(QPainter& p, bool woman) {
  QLinearGradient wall(0, 0, 0, 250);
  wall.setColorAt(0, QColor(0xE8, 0xE0, 0xD0));
  wall.setColorAt(1, QColor(0xB8, 0xAC, 0x98));
  p.fillRect(QRectF(0, 0, 200, 250), wall);
  PaintPerson(p, QRectF(25, 30, 150, 220), woman ? kDeepRed : kRoyalBlue, woman);
}

void PaintShelf(QPainter& p) {
  QLinearGradient wood(0, 0, 0, 54);
  wood.setColorAt(0, QColor(0x9A, 0x5E, 0x2E));
  wood.setColorAt(0.25, QColor(0x7A, 0x44, 0x1C));
  wood.setColorAt(1, QColor(0x4A, 0x26, 0x0E));
  p.setPen(QPen(QColor(0x30, 0x18, 0x08), 1));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(2, 2, 216, 14), 3, 3);
  p.drawRect(QRectF(14, 16, 10, 36));
  p.drawRect(QRectF(196, 16, 10, 36));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawLine(QPointF(6, 5), QPointF(214, 5));
}

// A wooden table radio; its lamp (the "GRadioB/R/G" overlays, drawn at the same point) sits at
// the right of the dial.
void PaintRadio(QPainter& p) {
  QLinearGradient wood(0, 0, 0, 65);
  wood.setColorAt(0, QColor(0xA8, 0x68, 0x34));
  wood.setColorAt(1, QColor(0x5A, 0x30, 0x12));
  p.setPen(QPen(QColor(0x30, 0x18, 0x08), 1.2));
  p.setBrush(wood);
  QPainterPath cabinet;
  cabinet.moveTo(4, 64);
  cabinet.lineTo(4, 26);
  cabinet.cubicTo(4, 6, 30, 2, 73, 2);
  cabinet.cubicTo(116, 2, 142, 6, 142, 26);
  cabinet.lineTo(142, 64);
  cabinet.closeSubpath();
  p.drawPath(cabinet);
  // Speaker cloth.
  p.setBrush(QColor(0xD8, 0xC8, 0x98));
  p.drawRoundedRect(QRectF(12, 14, 62, 42), 8, 8);
  p.setPen(QPen(QColor(0xA8, 0x94, 0x60), 0.8));
  for (double x = 18; x < 72; x += 5) p.drawLine(QPointF(x, 16), QPointF(x, 54));
  // Dial and knobs.
  p.setPen(QPen(kGoldDark, 1));
  p.setBrush(QColor(0xF8, 0xEC, 0xC0));
  p.drawRoundedRect(QRectF(82, 14, 50, 18), 4, 4);
  p.setPen(QPen(kInk, 0.8));
  for (double x = 86; x < 130; x += 4) p.drawLine(QPointF(x, 20), QPointF(x, x == 106 ? 28 : 24));
  p.setPen(QPen(kCardRed, 1.4));
  p.drawLine(QPointF(104, 16), QPointF(104, 30));
  p.setPen(QPen(QColor(0x20, 0x10, 0x08), 1));
  for (const double x : {92.0, 124.0}) {
    p.setBrush(QColor(0x3A, 0x22, 0x10));
    p.drawEllipse(QPointF(x, 46), 7, 7);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(x, 46), 2.5, 2.5);
  }
  PaintLamp(p, QPointF(108, 46), 4.5, QColor(0x50, 0x40, 0x30), false);
}

void PaintRadioLamp(QPainter& p, const QColor& colour, bool lit) { PaintLamp(p, QPointF(108, 46), 5, colour, lit); }

// News and chat indicators: a beacon whose light turns.
void PaintSiren(QPainter& p, const QColor& colour, int frame) {
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.setBrush(QColor(0x60, 0x60, 0x68));
  p.drawRoundedRect(QRectF(6, 25, 20, 6), 2, 2);
  const bool bright = frame % 2 == 0;
  QRadialGradient dome(QPointF(14, 14), 14);
  dome.setColorAt(0, bright ? QColor(255, 255, 255) : colour.lighter(110));
  dome.setColorAt(0.5, bright ? colour.lighter(130) : colour);
  dome.setColorAt(1, colour.darker(bright ? 130 : 220));
  p.setBrush(dome);
  QPainterPath cap;
  cap.moveTo(7, 25);
  cap.lineTo(7, 15);
  cap.cubicTo(7, 5, 25, 5, 25, 15);
  cap.lineTo(25, 25);
  cap.closeSubpath();
  p.drawPath(cap);
  if (bright) {
    QColor ray = colour;
    ray.setAlpha(150);
    p.setPen(QPen(ray, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 8), QPointF(0.8, 5));
    p.drawLine(QPointF(29, 8), QPointF(31.2, 5));
    p.drawLine(QPointF(16, 3), QPointF(16, 0.5));
  }
}

void PaintServer(QPainter& p, bool on) {
  PaintTile(p);
  QLinearGradient steel(12, 0, 36, 0);
  steel.setColorAt(0, QColor(0x50, 0x58, 0x60));
  steel.setColorAt(0.5, QColor(0x90, 0x98, 0xA0));
  steel.setColorAt(1, QColor(0x48, 0x50, 0x58));
  p.setPen(QPen(QColor(0x20, 0x24, 0x28), 1));
  p.setBrush(steel);
  p.drawRoundedRect(QRectF(13, 8, 22, 32), 2, 2);
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(QColor(0x20, 0x24, 0x28), 0.8));
    p.drawLine(QPointF(15, 17 + i * 8), QPointF(33, 17 + i * 8));
    PaintLamp(p, QPointF(29, 13 + i * 8), 2.2, on ? QColor(0x30, 0xE0, 0x40) : QColor(0xE0, 0x20, 0x20), on || i == 0);
  }
}

// Music player buttons: round brass buttons with a black glyph.
void PaintPlayerButton(QPainter& p, const QString& kind) {
  QRadialGradient brass(QPointF(24, 22), 36);
  brass.setColorAt(0, kGoldLight);
  brass.setColorAt(0.6, kGold);
  brass.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(150), 1.2));
  p.setBrush(brass);
  p.drawEllipse(QPointF(30.5, 30.5), 28, 28);
  p.setBrush(QColor(0x2A, 0x12, 0x10));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(30.5, 30.5), 22, 22);
  p.setBrush(kIvory);
  if (kind == "Play") {
    QPainterPath play;
    play.moveTo(24, 19);
    play.lineTo(42, 30.5);
    play.lineTo(24, 42);
    play.closeSubpath();
    p.drawPath(play);
  } else if (kind == "Pause") {
    p.drawRoundedRect(QRectF(22, 19, 6, 23), 1.5, 1.5);
    p.drawRoundedRect(QRectF(33, 19, 6, 23), 1.5, 1.5);
  } else if (kind == "Next") {
    for (const double x : {19.0, 30.0}) {
      QPainterPath arrow;
      arrow.moveTo(x, 20);
      arrow.lineTo(x + 11, 30.5);
      arrow.lineTo(x, 41);
      arrow.closeSubpath();
      p.drawPath(arrow);
    }
    p.drawRect(QRectF(41, 20, 3, 21));
  } else {
    // Volume: minus on the left, plus on the right; the number is written in the middle.
    p.drawRect(QRectF(13, 29, 8, 3));
    p.drawRect(QRectF(41, 29, 8, 3));
    p.drawRect(QRectF(43.5, 26.5, 3, 8));
  }
}

// The picture of the notice window: a warning sign on the tile.
void PaintAttention(QPainter& p) {
  PaintTile(p);
  QPainterPath sign;
  sign.moveTo(24, 9);
  sign.lineTo(39, 36);
  sign.lineTo(9, 36);
  sign.closeSubpath();
  p.setPen(QPen(QColor(0x60, 0x00, 0x08), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kCardRed);
  p.drawPath(sign);
  DrawFittedText(p, QRectF(18, 15, 12, 20), "!", PixelFont("DejaVu Sans", 17), kIvory);
}

// The maker's other games: three small cards fanned on the tile.
void PaintOtherGames(QPainter& p) {
  PaintTile(p);
  const QColor inks[3] = {kCardRed, kInk, kCardRed};
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(24, 40);
    p.rotate((i - 1) * 18);
    p.setPen(QPen(QColor(0x55, 0x50, 0x4A), 0.9));
    p.setBrush(kIvory);
    p.drawRoundedRect(QRectF(-7, -28, 14, 20), 2, 2);
    DrawSuit(p, i == 1 ? 3 : i, QPointF(0, -18), 8, inks[i]);
    p.restore();
  }
}

// Support for the game: a heart over a gold coin.
void PaintSupport(QPainter& p) {
  PaintTile(p);
  QRadialGradient gold(QPointF(28, 30), 14);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark.darker(140), 1));
  p.setBrush(gold);
  p.drawEllipse(QPointF(30, 31), 10, 10);
  DrawSuit(p, 0, QPointF(20, 21), 20, kCardRed);
}

}  // namespace

void AddIconPictures(Catalog& c) {
  c.Add("GAttention", QSize(48, 48), [](QPainter& p, int) { PaintAttention(p); });
  c.Add("GAdvGames48", QSize(48, 48), [](QPainter& p, int) { PaintOtherGames(p); });
  c.Add("GAdvSupport48", QSize(48, 48), [](QPainter& p, int) { PaintSupport(p); });
  const QColor green(0x30, 0xD0, 0x40), red(0xE0, 0x20, 0x20), yellow(0xF8, 0xD0, 0x20);
  c.Add("LampG24", QSize(24, 24), [green](QPainter& p, int) { PaintLamp(p, QPointF(12, 12), 10.5, green); });
  c.Add("LampR24", QSize(24, 24), [red](QPainter& p, int) { PaintLamp(p, QPointF(12, 12), 10.5, red); });
  c.Add("LampY24", QSize(24, 24), [yellow](QPainter& p, int) { PaintLamp(p, QPointF(12, 12), 10.5, yellow); });
  const auto star = [](QColor colour) {
    return [colour](QPainter& p, int) {
      QPainterPath path;
      for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double r = k % 2 ? 3.4 : 7.6;
        const QPointF pt(8 + r * std::cos(a), 8.6 + r * std::sin(a));
        k ? path.lineTo(pt) : path.moveTo(pt);
      }
      path.closeSubpath();
      p.setPen(QPen(colour.darker(200), 0.9));
      p.setBrush(colour);
      p.drawPath(path);
    };
  };
  c.Add("StarG0", QSize(16, 16), star(green));
  c.Add("StarR0", QSize(16, 16), star(red));
  c.Add("StarY0", QSize(16, 16), star(yellow));
  c.Add("Earth48", QSize(48, 48), [](QPainter& p, int) { PaintEarth(p); });
  c.Add("Stats", QSize(48, 48), [](QPainter& p, int) { PaintStats(p); });
  c.Add("Account48", QSize(48, 48), [](QPainter& p, int) { PaintAccount(p); });
  c.Add("GHelp48", QSize(48, 48), [](QPainter& p, int) { PaintHelp(p); });
  c.Add("GTour48", QSize(48, 48), [](QPainter& p, int) { PaintTourney(p); });
  c.Add("GSpeed128", QSize(128, 128), [](QPainter& p, int) { PaintSpeed(p); });
  c.Add("GNew", QSize(32, 16), [](QPainter& p, int) { PaintNewBadge(p); });
  c.Add("GAcNoM", QSize(200, 250), [](QPainter& p, int) { PaintPhoto(p, false); });
  c.Add("GAcNoF", QSize(200, 250), [](QPainter& p, int) { PaintPhoto(p, true); });
  c.Add("GPolkaNw", QSize(220, 54), [](QPainter& p, int) { PaintShelf(p); });
  c.Add("GRadioA", QSize(146, 65), [](QPainter& p, int) { PaintRadio(p); });
  c.Add("GRadioB", QSize(146, 65), [](QPainter& p, int) { PaintRadioLamp(p, QColor(0x70, 0x70, 0x70), false); });
  c.Add("GRadioR", QSize(146, 65), [red](QPainter& p, int) { PaintRadioLamp(p, red, true); });
  c.Add("GRadioG", QSize(146, 65), [green](QPainter& p, int) { PaintRadioLamp(p, green, true); });
  c.Add(
      "GSirenaB", QSize(32, 32), [](QPainter& p, int f) { PaintSiren(p, QColor(0x30, 0x70, 0xF0), f); }, 2, 400);
  c.Add(
      "GSirenaR", QSize(32, 32), [red](QPainter& p, int f) { PaintSiren(p, red, f); }, 2, 400);
  c.Add("GTourOn", QSize(48, 48), [](QPainter& p, int) { PaintServer(p, true); });
  c.Add("GTourOff", QSize(48, 48), [](QPainter& p, int) { PaintServer(p, false); });
  for (const char* kind : {"Play", "Pause", "Next", "Volume"}) {
    const QString k = QString::fromLatin1(kind);
    c.Add("MP_" + k, QSize(61, 61), [k](QPainter& p, int) { PaintPlayerButton(p, k); });
  }
}

}  // namespace tavlo::art
