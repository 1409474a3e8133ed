#include "ui/libraries/deck_pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "ui/pictures/art_palette.h"
#include "ui/pictures/card_art.h"

namespace tavlo::libraries {

namespace {

// SVG decks name their cards "1_club" .. "king_spade" (KDE) or "club_1" .. "spade_king".
QString SvgRank(int rank) {
  static const char* names[14] = {"", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
  return QString::fromLatin1(names[rank]);
}

QString SvgSuit(int suitIndex) {
  static const char* names[4] = {"heart", "diamond", "club", "spade"};
  return QString::fromLatin1(names[suitIndex & 3]);
}

}  // namespace

DeckPainter::DeckPainter(const QString& svgFile, bool kdeNames)
    : svg_(std::make_unique<QSvgRenderer>(svgFile)), kdeNames_(kdeNames) {
  valid_ = svg_->isValid();
  for (int suit = 0; valid_ && suit < 4; ++suit) {
    for (int rank = 1; valid_ && rank <= 13; ++rank) valid_ = svg_->elementExists(ElementId(rank, suit));
  }
}

DeckPainter::DeckPainter(int variation) : variation_(variation), valid_(variation >= 1 && variation <= 7) {}

DeckPainter::~DeckPainter() = default;

QString DeckPainter::ElementId(int rank, int suitIndex) const {
  return kdeNames_ ? SvgRank(rank) + "_" + SvgSuit(suitIndex) : SvgSuit(suitIndex) + "_" + SvgRank(rank);
}

QImage DeckPainter::Face(int rank, int suitIndex, QSize size) const {
  if (!svg_) return VariedBuiltInFace(variation_, rank, suitIndex, size);
  QImage card(size, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  {
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A little bleed pushes the deck's own outline and rounded corners out of the picture:
    // the table draws its own outline (classic size) or rounds the card (large sizes).
    const double bx = size.width() * 0.03;
    const double by = size.height() * 0.022;
    svg_->render(&p, ElementId(rank, suitIndex), QRectF(-bx, -by, size.width() + 2 * bx, size.height() + 2 * by));
  }
  // What the deck left transparent at the corners takes the colour of its card stock.
  const QColor stock = card.pixelColor(std::max(1, size.width() / 14), size.height() / 2);
  QImage face(size, QImage::Format_RGB32);
  face.fill(stock.alpha() > 200 ? QColor(stock.red(), stock.green(), stock.blue()) : QColor(Qt::white));
  QPainter p(&face);
  p.drawImage(0, 0, card);
  return face;
}

// --- variations of the built-in deck ---

namespace {

struct Variation {
  QColor stock;   // the card stock replacing ivory
  QColor red;     // the ink of the hearts and diamonds
  QColor black;   // the ink of the clubs and spades
  QColor second;  // diamonds and clubs in four-colour decks (invalid: two colours only)
  QColor secondBlack;
  QColor border;  // a band around the face (invalid: none)
};

const Variation& VariationStyle(int v) {
  static const Variation styles[8] = {
      {},
      // 1: sand stock, terracotta and turquoise inks
      {QColor(0xF3, 0xE3, 0xC3), QColor(0xB0, 0x4A, 0x1E), QColor(0x0E, 0x4E, 0x58), {}, {}, QColor(0x8A, 0x3B, 0x16)},
      // 2: folk print: cream, bright red and dark green with a red band
      {QColor(0xFF, 0xF4, 0xD6), QColor(0xD7, 0x1E, 0x1E), QColor(0x1C, 0x4A, 0x22), {}, {}, QColor(0xC8, 0x1E, 0x1E)},
      // 3: four colours on white
      {QColor(0xFF, 0xFF, 0xFF),
       QColor(0xD0, 0x10, 0x20),
       QColor(0x14, 0x1E, 0x6E),
       QColor(0xE0, 0x80, 0x00),
       QColor(0x10, 0x7A, 0x2A),
       {}},
      // 4: four colours on old paper with a gold band
      {QColor(0xF1, 0xE2, 0xBE), QColor(0xA8, 0x1C, 0x12), QColor(0x2A, 0x22, 0x50), QColor(0xC0, 0x70, 0x10),
       QColor(0x2E, 0x5E, 0x1E), QColor(0xC0, 0x94, 0x2E)},
      // 5: pale blue stock, deep inks and a navy band
      {QColor(0xE8, 0xF0, 0xFA), QColor(0xB4, 0x10, 0x3C), QColor(0x10, 0x24, 0x4A), {}, {}, QColor(0x1F, 0x3A, 0x8A)},
      // 6: mint stock, plum and teal inks
      {QColor(0xEA, 0xF7, 0xEE), QColor(0x9A, 0x1A, 0x6A), QColor(0x0E, 0x5E, 0x63), {}, {}, QColor(0x3C, 0x8F, 0x75)},
      // 7: rice paper, vermilion and black inks with a vermilion band
      {QColor(0xFB, 0xF1, 0xDA), QColor(0xE0, 0x30, 0x18), QColor(0x18, 0x14, 0x10), {}, {}, QColor(0xC0, 0x24, 0x10)},
  };
  return styles[std::clamp(v, 0, 7)];
}

// Each variation dresses its court cards in its own colours.
int HueTurn(int variation) {
  static const int turns[8] = {0, 20, 0, 0, 330, 200, 120, 340};
  return turns[std::clamp(variation, 0, 7)];
}

// How far `c` lies along the line from `from` to `to` (0..1), or -1 when it lies off that line:
// the painted pips and indices are ink blended into the stock at their edges.
double AlongLine(QColor c, QColor from, QColor to) {
  const double d[3] = {double(to.red() - from.red()), double(to.green() - from.green()),
                       double(to.blue() - from.blue())};
  const double v[3] = {double(c.red() - from.red()), double(c.green() - from.green()), double(c.blue() - from.blue())};
  const double len2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  if (len2 <= 0) return -1;
  const double t = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / len2;
  if (t < -0.02 || t > 1.02) return -1;
  double off = 0;
  for (int k = 0; k < 3; ++k) off += (v[k] - t * d[k]) * (v[k] - t * d[k]);
  return off <= 18.0 * 18.0 ? std::clamp(t, 0.0, 1.0) : -1;
}

QColor Mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace

QImage VariedBuiltInFace(int variation, int rank, int suitIndex, QSize size) {
  const Variation& style = VariationStyle(variation);
  QImage face = art::PaintCardFace(rank, suitIndex, size).convertToFormat(QImage::Format_ARGB32);
  const bool redSuit = suitIndex == 0 || suitIndex == 1;
  QColor ink = redSuit ? style.red : style.black;
  if (style.second.isValid() && suitIndex == 1) ink = style.second;
  if (style.secondBlack.isValid() && suitIndex == 2) ink = style.secondBlack;
  const QColor paintedInk = redSuit ? art::kCardRed : art::kInk;
  for (int y = 0; y < face.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
    for (int x = 0; x < face.width(); ++x) {
      const QColor c = QColor::fromRgba(line[x]);
      if (c.alpha() == 0) continue;
      const double t = AlongLine(c, art::kIvory, paintedInk);
      QColor out;
      if (t >= 0) {
        out = Mix(style.stock, ink, t);
      } else {
        // Court and medallion colours turn to the variation's own hues and take on the stock's tint.
        QColor turned = c;
        if (c.hsvSaturation() > 40) {
          turned = QColor::fromHsv((c.hsvHue() + HueTurn(variation)) % 360, c.hsvSaturation(), c.value());
        }
        out = QColor::fromRgbF(turned.redF() * style.stock.redF(), turned.greenF() * style.stock.greenF(),
                               turned.blueF() * style.stock.blueF());
      }
      out.setAlpha(c.alpha());
      line[x] = out.rgba();
    }
  }
  if (style.border.isValid()) {
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    const double band = std::max(1.0, size.width() / 36.0);
    const QRectF inner =
        QRectF(0, 0, size.width(), size.height()).adjusted(band * 1.5, band * 1.5, -band * 1.5, -band * 1.5);
    const double radius = art::CornerRadius(QSizeF(size)) * 0.6;
    p.setPen(QPen(style.border, band));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius, radius);
  }
  return face;
}

}  // namespace tavlo::libraries
