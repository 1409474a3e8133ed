#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

namespace {

struct LanguageTexts {
  const char* suffix;
  const char* product;
  const char* localClub;
  const char* netClub;
};

// Japanese and Korean use the English pictures, so they need no line here.
const LanguageTexts kLanguages[] = {
    {"Eng", "Tavlo", "Elite Club", "Network Club"},   {"Rus", "Тавло", "Элитный клуб", "Сетевой клуб"},
    {"Deu", "Tavlo", "Elite-Club", "Netzwerk-Club"},  {"Fra", "Tavlo", "Club d'élite", "Club en réseau"},
    {"Spa", "Tavlo", "Club de élite", "Club en red"}, {"Chi", "塔夫洛", "精英俱乐部", "网络俱乐部"},
    {"Ita", "Tavlo", "Club d'élite", "Club in rete"}, {"Cze", "Tavlo", "Elitní klub", "Síťový klub"},
};

QString FaceFor(const char* suffix) {
  return QString::fromLatin1(suffix) == "Chi" ? QStringLiteral("WenQuanYi Micro Hei") : QStringLiteral("DejaVu Serif");
}

// The menu captions are red lettering with white light and dark red depth only, so that the
// seven colour variants (channel moves) turn them into clean orange, yellow, green, ... captions.
QLinearGradient CaptionFill(double top, double bottom) {
  QLinearGradient fill(0, top, 0, bottom);
  fill.setColorAt(0.0, QColor(0xFF, 0xC8, 0xC8));
  fill.setColorAt(0.35, QColor(0xF0, 0x20, 0x20));
  fill.setColorAt(1.0, QColor(0x90, 0x00, 0x00));
  return fill;
}

void PaintCaption(QPainter& p, const QString& text, const QString& family) {
  const QRectF box(60, 2, 280, 66);
  QFont font = PixelFont(family, 58);
  font.setLetterSpacing(QFont::PercentageSpacing, 108);
  const QRectF letters =
      DrawCarvedText(p, box, text, font, CaptionFill(8, 64), QColor(0x50, 0, 0), 2.4, QColor(0x30, 0, 0, 150));
  // A flourish either side of the name, close to its letters.
  p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const double side : {-1.0, 1.0}) {
    const double x = side < 0 ? letters.left() - 10 : letters.right() + 10;
    QPainterPath curl;
    curl.moveTo(x, 40);
    curl.cubicTo(x + side * 14, 30, x + side * 26, 48, x + side * 42, 36);
    p.drawPath(curl);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x10, 0x10));
    p.drawEllipse(QPointF(x + side * 44, 35), 2.6, 2.6);
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
  }
}

void PaintClubTitle(QPainter& p, const QString& text, const QString& family) {
  const QRectF box(40, 2, 270, 36);
  const QRectF letters = DrawCarvedText(p, box, text, PixelFont(family, 30), CaptionFill(6, 36), QColor(0x50, 0, 0),
                                        1.4, QColor(0x30, 0, 0, 140));
  const double left = std::max(4.0, letters.left() - 30);
  const double right = std::min(346.0, letters.right() + 30);
  p.setPen(QPen(QColor(0xB0, 0x10, 0x10), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(left, 20), QPointF(letters.left() - 8, 20));
  p.drawLine(QPointF(letters.right() + 8, 20), QPointF(right, 20));
  p.setBrush(QColor(0xD0, 0x10, 0x10));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(left, 20), 2.5, 2.5);
  p.drawEllipse(QPointF(right, 20), 2.5, 2.5);
}

// Header strips of the grey dialog design: a burgundy band with a gold moulding, on which the
// dialog writes its title in yellow.
void PaintCapStrip(QPainter& p, double width) {
  const QRectF band(1, 4, width - 2, 56);
  QLinearGradient fill(0, band.top(), 0, band.bottom());
  fill.setColorAt(0.0, QColor(0xB4, 0x22, 0x2C));
  fill.setColorAt(0.5, kDeepRed);
  fill.setColorAt(1.0, QColor(0x5E, 0x08, 0x10));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(band, 8, 8);
  DrawGoldFrame(p, band.adjusted(2.5, 2.5, -2.5, -2.5), 6, 2.2);
  QColor ornament = kGold;
  ornament.setAlpha(200);
  // The title is written over the middle, so the suits keep to the ends: all four on wide
  // strips, fewer on narrow ones.
  const int perSide = width >= 400 ? 4 : width >= 280 ? 2 : 1;
  static_assert(CapStripSuitsReach(300) == 18 + 17 + 10);
  for (int s = 0; s < perSide; ++s) {
    DrawSuit(p, s, QPointF(18 + s * 17, 32), 12, ornament);
    DrawSuit(p, 3 - s, QPointF(width - 18 - s * 17, 32), 12, ornament);
  }
}

// Ribbons of the "red ribbons" design: a red band with swallow-tailed ends folded behind it.
void PaintRibbon(QPainter& p, QSizeF size) {
  const double w = size.width();
  const double h = size.height();
  const double bandTop = h * 0.2;
  const double bandBottom = h * 0.78;
  const double tail = std::min(w * 0.12, h * 0.6);
  QColor back = kDeepRed.darker(140);
  p.setPen(QPen(QColor(0x40, 0, 0), 1.2));
  for (const double side : {-1.0, 1.0}) {
    const double edge = side < 0 ? 0 : w;
    QPainterPath end;
    end.moveTo(edge - side * tail * 1.6, bandTop + h * 0.14);
    end.lineTo(edge, bandTop + h * 0.14);
    end.lineTo(edge - side * tail * 0.45, (bandTop + bandBottom) / 2 + h * 0.14);
    end.lineTo(edge, bandBottom + h * 0.14);
    end.lineTo(edge - side * tail * 1.6, bandBottom + h * 0.14);
    end.closeSubpath();
    p.setBrush(back);
    p.drawPath(end);
  }
  const QRectF band(tail, bandTop, w - 2 * tail, bandBottom - bandTop);
  QLinearGradient fill(0, band.top(), 0, band.bottom());
  fill.setColorAt(0.0, QColor(0xE0, 0x3A, 0x3A));
  fill.setColorAt(0.45, kCardRed);
  fill.setColorAt(1.0, QColor(0x80, 0x08, 0x12));
  p.setBrush(fill);
  QPainterPath body;
  body.moveTo(band.topLeft());
  body.quadTo(QPointF(band.center().x(), band.top() - h * 0.12), band.topRight());
  body.lineTo(band.bottomRight());
  body.quadTo(QPointF(band.center().x(), band.bottom() - h * 0.12), band.bottomLeft());
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(QPen(kGold, std::max(1.2, h / 45)));
  p.setBrush(Qt::NoBrush);
  QPainterPath stitch;
  const double inset = std::max(3.0, h / 14);
  stitch.moveTo(band.left() + inset, band.top() + inset);
  stitch.quadTo(QPointF(band.center().x(), band.top() + inset - h * 0.12),
                QPointF(band.right() - inset, band.top() + inset));
  stitch.moveTo(band.left() + inset, band.bottom() - inset);
  stitch.quadTo(QPointF(band.center().x(), band.bottom() - inset - h * 0.12),
                QPointF(band.right() - inset, band.bottom() - inset));
  p.drawPath(stitch);
}

void PaintHeadline(QPainter& p) {
  // A gold cartouche holding the four suits: the headline under the game's name.
  const QRectF plate(30, 14, 240, 62);
  QLinearGradient ivory(0, plate.top(), 0, plate.bottom());
  ivory.setColorAt(0, kIvory);
  ivory.setColorAt(1, kIvoryShade);
  p.setPen(Qt::NoPen);
  p.setBrush(ivory);
  p.drawRoundedRect(plate, 30, 30);
  DrawGoldFrame(p, plate, 30, 3);
  for (const double side : {-1.0, 1.0}) {
    const QPointF tip(150 + side * 146, 45);
    QPainterPath leaf;
    leaf.moveTo(150 + side * 122, 45);
    leaf.cubicTo(150 + side * 132, 28, 150 + side * 140, 36, tip.x(), tip.y());
    leaf.cubicTo(150 + side * 140, 54, 150 + side * 132, 62, 150 + side * 122, 45);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(kGold);
    p.drawPath(leaf);
  }
  const QColor suitColours[4] = {kCardRed, kCardRed, kInk, kInk};
  const int order[4] = {3, 0, 2, 1};
  for (int i = 0; i < 4; ++i) {
    const int s = order[i];
    DrawSuit(p, s, QPointF(75 + i * 50, 45), 34, suitColours[s]);
  }
}

void PaintLogo(QPainter& p) {
  const QPointF c(32, 32);
  QRadialGradient gold(QPointF(26, 24), 34);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(0.7, kGold);
  gold.setColorAt(1, kGoldDark);
  p.setPen(QPen(kGoldDark, 1.5));
  p.setBrush(gold);
  p.drawEllipse(c, 30, 30);
  p.setBrush(kDeepRed);
  p.setPen(QPen(kGoldLight, 1.2));
  p.drawEllipse(c, 23, 23);
  DrawSuit(p, 3, QPointF(26, 30), 22, kIvory);
  DrawSuit(p, 0, QPointF(39, 37), 16, QColor(0xFF, 0x50, 0x50));
}

void PaintWaitBanner(QPainter& p) {
  const QRectF plate(2, 2, 346, 76);
  QLinearGradient ivory(0, plate.top(), 0, plate.bottom());
  ivory.setColorAt(0, kIvory);
  ivory.setColorAt(1, QColor(0xF2, 0xE2, 0xB8));
  p.setPen(Qt::NoPen);
  p.setBrush(ivory);
  p.drawRoundedRect(plate, 14, 14);
  DrawGoldFrame(p, plate.adjusted(3, 3, -3, -3), 11, 3);
  DrawSuit(p, 3, QPointF(26, 40), 22, kInk);
  DrawSuit(p, 0, QPointF(324, 40), 22, kCardRed);
  // A row of dots under the caller's text: progress without promising a figure.
  for (int i = 0; i < 9; ++i) {
    QColor dot = kGold;
    dot.setAlpha(90 + i * 18);
    p.setBrush(dot);
    p.drawEllipse(QPointF(135 + i * 10, 58), 3, 3);
  }
}

// Flags of the language choice: simple, recognisable geometry at 32 x 22.
void PaintFlag(QPainter& p, const QString& code) {
  const QRectF r(0, 0, 32, 22);
  const auto stripes = [&](QColor a, QColor b, QColor c, bool vertical) {
    for (int i = 0; i < 3; ++i) {
      const QColor colour = i == 0 ? a : i == 1 ? b : c;
      p.fillRect(vertical ? QRectF(i * 32.0 / 3, 0, 32.0 / 3 + 0.3, 22) : QRectF(0, i * 22.0 / 3, 32, 22.0 / 3 + 0.3),
                 colour);
    }
  };
  p.setPen(Qt::NoPen);
  if (code == "Eng") {
    p.fillRect(r, QColor(0x01, 0x21, 0x69));
    p.setPen(QPen(Qt::white, 4.4));
    p.drawLine(QPointF(0, 0), QPointF(32, 22));
    p.drawLine(QPointF(32, 0), QPointF(0, 22));
    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1.6));
    p.drawLine(QPointF(0, 0), QPointF(32, 22));
    p.drawLine(QPointF(32, 0), QPointF(0, 22));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(13, 0, 6, 22), Qt::white);
    p.fillRect(QRectF(0, 8, 32, 6), Qt::white);
    p.fillRect(QRectF(14.2, 0, 3.6, 22), QColor(0xC8, 0x10, 0x2E));
    p.fillRect(QRectF(0, 9.2, 32, 3.6), QColor(0xC8, 0x10, 0x2E));
  } else if (code == "Rus") {
    stripes(Qt::white, QColor(0x00, 0x39, 0xA6), QColor(0xD5, 0x2B, 0x1E), false);
  } else if (code == "Deu") {
    stripes(QColor(0x10, 0x10, 0x10), QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00), false);
  } else if (code == "Fra") {
    stripes(QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39), true);
  } else if (code == "Ita") {
    stripes(QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37), true);
  } else if (code == "Spa") {
    p.fillRect(r, QColor(0xAA, 0x15, 0x1B));
    p.fillRect(QRectF(0, 5.5, 32, 11), QColor(0xF1, 0xBF, 0x00));
  } else if (code == "Chi") {
    p.fillRect(r, QColor(0xDE, 0x29, 0x10));
    p.setBrush(QColor(0xFF, 0xDE, 0x00));
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
      const double a = -M_PI / 2 + k * M_PI / 5;
      const double rad = k % 2 ? 1.9 : 4.6;
      const QPointF pt(7 + rad * std::cos(a), 7 + rad * std::sin(a));
      k ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
    for (const QPointF small : {QPointF(13, 3), QPointF(15, 6), QPointF(15, 10), QPointF(13, 13)}) {
      p.drawEllipse(small, 1.1, 1.1);
    }
  } else if (code == "Cze") {
    p.fillRect(QRectF(0, 0, 32, 11), Qt::white);
    p.fillRect(QRectF(0, 11, 32, 11), QColor(0xD7, 0x14, 0x1A));
    QPainterPath wedge;
    wedge.moveTo(0, 0);
    wedge.lineTo(16, 11);
    wedge.lineTo(0, 22);
    wedge.closeSubpath();
    p.setBrush(QColor(0x11, 0x45, 0x7E));
    p.drawPath(wedge);
  } else if (code == "Jap") {
    p.fillRect(r, Qt::white);
    p.setBrush(QColor(0xBC, 0x00, 0x2D));
    p.drawEllipse(QPointF(16, 11), 6.5, 6.5);
  } else if (code == "Kor") {
    p.fillRect(r, Qt::white);
    p.setBrush(QColor(0xCD, 0x2E, 0x3A));
    p.drawPie(QRectF(10, 5, 12, 12), 0, 180 * 16);
    p.setBrush(QColor(0x00, 0x47, 0xA0));
    p.drawPie(QRectF(10, 5, 12, 12), 180 * 16, 180 * 16);
    p.setPen(QPen(Qt::black, 1.1));
    for (const QPointF at : {QPointF(5, 4), QPointF(27, 4), QPointF(5, 18), QPointF(27, 18)}) {
      for (int bar = -1; bar <= 1; ++bar) {
        p.drawLine(at + QPointF(-2.5, bar * 1.6), at + QPointF(2.5, bar * 1.6));
      }
    }
  }
  p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0.4, 0.4, -0.4, -0.4));
}

}  // namespace

void AddHeaderPictures(Catalog& c) {
  for (const LanguageTexts& language : kLanguages) {
    const QString suffix = QString::fromLatin1(language.suffix);
    const QString family = FaceFor(language.suffix);
    const QString product = QString::fromUtf8(language.product);
    const QString local = QString::fromUtf8(language.localClub);
    const QString net = QString::fromUtf8(language.netClub);
    c.Add("Cap" + suffix, QSize(400, 70), [product, family](QPainter& p, int) { PaintCaption(p, product, family); });
    c.Add("Elite" + suffix, QSize(350, 40), [local, family](QPainter& p, int) { PaintClubTitle(p, local, family); });
    c.Add("Net__" + suffix, QSize(350, 40), [net, family](QPainter& p, int) { PaintClubTitle(p, net, family); });
  }
  for (const int width : {150, 280, 300, 430, 550, 610}) {
    c.Add(QString("GCap%1").arg(width), QSize(width, 64), [width](QPainter& p, int) { PaintCapStrip(p, width); });
  }
  for (const QSize size : {QSize(200, 100), QSize(280, 90), QSize(360, 100), QSize(380, 120), QSize(590, 116)}) {
    c.Add(QString("GLenta%1x%2").arg(size.width(), 3, 10, QLatin1Char('0')).arg(size.height(), 3, 10, QLatin1Char('0')),
          size, [size](QPainter& p, int) { PaintRibbon(p, QSizeF(size)); });
  }
  c.Add("GTitle", QSize(300, 90), [](QPainter& p, int) { PaintHeadline(p); });
  c.Add("Logo", QSize(64, 64), [](QPainter& p, int) { PaintLogo(p); });
  c.Add("AdvBar3", QSize(350, 80), [](QPainter& p, int) { PaintWaitBanner(p); });
  for (const char* code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
    const QString name = QString::fromLatin1(code);
    c.Add("FlagO" + name, QSize(32, 22), [name](QPainter& p, int) { PaintFlag(p, name); });
  }
}

}  // namespace tavlo::art
