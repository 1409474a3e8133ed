#include "picture_sheets.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/card.h"
#include "ui/layout/colour_sets.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/button_rows.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {

namespace {

bool Save(const QImage& image, const QString& path, int& written) {
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  ++written;
  return true;
}

// A card as the table shows it at 71 x 96: the black outline with cut corners and the
// 69 x 94 face inside it.
QImage ClassicCard(const QImage& face) {
  QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setPen(Qt::black);
  p.drawLine(2, 0, 68, 0);
  p.drawLine(2, 95, 68, 95);
  p.drawLine(0, 2, 0, 93);
  p.drawLine(70, 2, 70, 93);
  for (const QPoint corner : {QPoint(1, 1), QPoint(69, 1), QPoint(1, 94), QPoint(69, 94)}) p.drawPoint(corner);
  p.drawImage(1, 1, face);
  return card;
}

QImage DeckCard(PictureRegistry& registry, TCardCode card, int back, QSize size) {
  if (size == QSize(71, 96)) {
    const QSize face(69, 94);
    return ClassicCard(back > 0 ? registry.CardBack(back, face) : registry.CardFace(card, face));
  }
  return back > 0 ? registry.CardBack(back, size) : registry.CardFace(card, size);
}

// The deck laid out on felt: one row per suit, two to ace, and a row of the seven backs.
QImage DeckSheet(PictureRegistry& registry, QSize size) {
  const int gap = size.width() / 8;
  const int cols = 13;
  const int rows = 5;
  QImage sheet(gap + cols * (size.width() + gap), gap + rows * (size.height() + gap), QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      const QImage card = DeckCard(registry, MakeCard(rank, kSuitOrder[suit]), 0, size);
      p.drawImage(gap + (rank - 1) * (size.width() + gap), gap + suit * (size.height() + gap), card);
    }
  }
  for (int back = 1; back <= 7; ++back) {
    p.drawImage(gap + (back - 1) * (size.width() + gap), gap + 4 * (size.height() + gap),
                DeckCard(registry, kNoCard, back, size));
  }
  return sheet;
}

// Built-in pictures at their design size (large ones shrunk to fit a cell), each with its name
// and size, on felt: the names from `first`, at most 48 to a page.
QImage ContactSheet(PictureRegistry& registry, const QStringList& names, int first) {
  const int cell = 170;
  const int label = 16;
  const int cols = 8;
  const int count = std::min(48, static_cast<int>(names.size()) - first);
  const int rows = (count + cols - 1) / cols;
  QImage sheet(cols * cell, rows * (cell + label), QImage::Format_RGB32);
  sheet.fill(QColor(0x55, 0x58, 0x5C));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  for (int i = 0; i < count; ++i) {
    const QString& name = names[first + i];
    const int x = (i % cols) * cell;
    const int y = (i / cols) * (cell + label);
    const QImage picture = registry.Picture(name);
    QSize shown = picture.size();
    if (shown.width() > cell - 6 || shown.height() > cell - 6) shown.scale(cell - 6, cell - 6, Qt::KeepAspectRatio);
    const QRect target(x + (cell - shown.width()) / 2, y + (cell - shown.height()) / 2, shown.width(), shown.height());
    p.fillRect(target.adjusted(-2, -2, 2, 2), art::kFelt);
    p.drawImage(target, picture);
    p.setPen(Qt::white);
    p.drawText(QRect(x, y + cell, cell, label), Qt::AlignCenter,
               QStringLiteral("%1 %2x%3").arg(name).arg(picture.width()).arg(picture.height()));
  }
  return sheet;
}

// A few classic-size cards enlarged pixel for pixel, to judge the 71 x 96 deck closely.
QImage ClassicCloseUp(PictureRegistry& registry) {
  const TCardCode cards[] = {MakeCard(9, kClubs),  MakeCard(9, kHearts),  MakeCard(8, kDiamonds),
                             MakeCard(6, kSpades), MakeCard(10, kSpades), MakeCard(11, kHearts),
                             MakeCard(12, kClubs), MakeCard(13, kSpades)};
  const int zoom = 3;
  QImage sheet((71 * zoom + 8) * 9 + 8, 96 * zoom + 16, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  int x = 8;
  for (const TCardCode card : cards) {
    p.drawImage(QRect(x, 8, 71 * zoom, 96 * zoom), DeckCard(registry, card, 0, QSize(71, 96)));
    x += 71 * zoom + 8;
  }
  p.drawImage(QRect(x, 8, 71 * zoom, 96 * zoom), DeckCard(registry, kNoCard, 1, QSize(71, 96)));
  return sheet;
}

// A button put together from its pieces the way the owner-drawn button does it, then moved to a
// colour set, so that the pieces can be judged in use.
QImage ComposeButton(PictureRegistry& registry, int w, int h, bool nata, TColorSB set) {
  const int reference = h <= 30 ? 30 : h <= 45 ? 45 : 60;
  const int e0 = reference == 30 ? 8 : reference == 45 ? 13 : 17;
  const int e = static_cast<int>(std::lround(e0 * static_cast<double>(h) / reference));
  const QString prefix = QString(nata ? "Q" : "R") + QString::number(reference - 1);
  QImage button(w, h, QImage::Format_ARGB32);
  button.fill(Qt::transparent);
  QPainter p(&button);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize end(e, h - 1);
  p.drawImage(QRect(QPoint(0, 0), end), registry.Picture(prefix + "_L", end));
  p.drawImage(QRect(QPoint(w - e - 1, 0), end), registry.Picture(prefix + "_R", end));
  if (nata || h != reference || set == TColorSB::DCards) {
    const QSize middle(w - 2 * e - 1, h - 1);
    p.drawImage(QRect(QPoint(e, 0), middle), registry.Picture(prefix + "_2", middle));
  } else {
    for (int row = 0; row <= h - 2; ++row) {
      p.setPen(ButtonRowColour(h, row));
      p.drawLine(e0, row, w - e0 - 2, row);
    }
  }
  p.end();
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(button.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const Rgb moved = RecolourForSet(Rgb{qRed(line[x]), qGreen(line[x]), qBlue(line[x])}, set, 0, nata);
      line[x] = qRgba(moved.R, moved.G, moved.B, qAlpha(line[x]));
    }
  }
  return button;
}

void DrawButton(QPainter& p, PictureRegistry& registry, QRect rect, const QString& caption, TColorSB set, bool nata,
                const QFont& font, const QColor& fontColour) {
  p.drawImage(rect.topLeft(), ComposeButton(registry, rect.width(), rect.height(), nata, set));
  p.setFont(font);
  p.setPen(fontColour);
  p.drawText(rect.translated(0, nata ? -1 : 0), Qt::AlignCenter, caption);
}

// Buttons at the three height classes and one free height, classic and alternative, in red.
QImage ButtonSheet(PictureRegistry& registry) {
  QImage sheet(2 * 260 + 30, 4 * 75 + 10, QImage::Format_RGB32);
  sheet.fill(QColor(0xD4, 0xD0, 0xC8));
  QPainter p(&sheet);
  int y = 10;
  for (const int h : {30, 45, 60, 38}) {
    QFont font("Comic Neue");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(h * 0.6));
    for (int set = 0; set < 2; ++set) {
      DrawButton(p, registry, QRect(10 + set * 270, y, 240, h), QStringLiteral("New Player %1").arg(h), TColorSB::DRed,
                 set == 1, font, Qt::white);
    }
    y += h + 15;
  }
  return sheet;
}

// The main menu of the small window put together from the built-in pictures, as the menu lays
// them out, to judge whether the pictures belong together.
QImage MenuMock(PictureRegistry& registry) {
  QImage menu(760, 500, QImage::Format_RGB32);
  QPainter p(&menu);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, registry.Picture("FonG", QSize(760, 500)));
  p.drawImage(180, 12, registry.Picture("CapEng"));
  p.drawImage(230, 85, registry.Picture("GTitle"));
  p.drawImage(205, 183, registry.Picture("EliteEng"));
  for (const int left : {60, 600}) {
    p.drawImage(left, 30, registry.Picture("Candlestick"));
    int frame = left / 100;
    for (const QPoint offset : {QPoint(16, 15), QPoint(41, 1), QPoint(66, 15)}) {
      p.drawImage(QPoint(left, 30) + offset, registry.Frame("CandleFlame", frame++ % 6, QSize(20, 30)));
    }
  }
  p.drawImage(7, 290, registry.Frame("GifMenu1", 9, QSize(160, 200)));
  p.drawImage(592, 290, registry.Frame("GifMenu2", 3, QSize(160, 200)));
  p.drawImage(5, 111, registry.Picture("GHelp48"));
  p.drawImage(5, 164, registry.Picture("GTour48"));
  p.drawImage(707, 58, registry.Picture("Earth48"));
  p.drawImage(707, 111, registry.Picture("Stats"));
  p.drawImage(707, 164, registry.Picture("Account48"));
  p.drawImage(731, 188, registry.Picture("LampY24"));
  QFont decor("Comic Neue");
  decor.setBold(true);
  decor.setPixelSize(20);
  QFont fixed("DejaVu Sans Mono");
  fixed.setPixelSize(13);
  fixed.setBold(true);
  const QColor aqua(0x00, 0xFF, 0xFF);
  DrawButton(p, registry, QRect(180, 225, 400, 30), " The members of club    Games    Score ", TColorSB::DBlue, false,
             fixed, Qt::white);
  const char* members[] = {"1. Anna              12      +340", "2. Boris             40      -120",
                           "3. Clara              4       +15", "4. Dmitri             0         0", "5. -"};
  for (int k = 0; k < 5; ++k) {
    DrawButton(p, registry, QRect(180, 265 + 30 * k, 400, 30), members[k], TColorSB::DNavy, false, fixed, aqua);
  }
  DrawButton(p, registry, QRect(280, 425, 200, 30), "New Player", TColorSB::DNavy, false, decor, aqua);
  DrawButton(p, registry, QRect(40, 225, 100, 30), "Top Ten", TColorSB::DRed, false, decor, Qt::white);
  DrawButton(p, registry, QRect(40, 255, 100, 30), "History", TColorSB::DRed, false, decor, Qt::white);
  DrawButton(p, registry, QRect(620, 225, 100, 30), "Options", TColorSB::DRed, false, decor, Qt::white);
  DrawButton(p, registry, QRect(620, 255, 100, 30), "Mode", TColorSB::DRed, false, decor, Qt::white);
  DrawButton(p, registry, QRect(330, 465, 100, 30), "Exit", TColorSB::DRed, false, decor, Qt::white);
  return menu;
}

// The score boards, plates and information board of the table at the small window size.
QImage TableMock(PictureRegistry& registry) {
  QImage table(760, 500, QImage::Format_RGB32);
  QPainter p(&table);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, registry.Picture("FonG", QSize(760, 500)));
  p.drawImage(48, 80, registry.Picture("TabloSm"));
  p.drawImage(48, 301, registry.Picture("TabloSm"));
  for (const QPoint board : {QPoint(48, 80), QPoint(48, 301)}) {
    p.drawImage(board + QPoint(17, 17), registry.Picture(board.y() < 200 ? "GWest" : "GNorth"));
    p.drawImage(board + QPoint(118, 17), registry.Picture(board.y() < 200 ? "GEast" : "GSouth"));
  }
  p.drawImage(570, 10, registry.Picture("RamkaBBSm"));
  p.drawImage(620, 80, registry.Picture("Cher"));
  p.drawImage(570, 373, registry.Picture("RamkaERSm"));
  QFont serif("Comic Neue");
  serif.setBold(true);
  serif.setPixelSize(18);
  const struct {
    QPoint at;
    const char* name;
  } plates[] = {{{45, 278}, "West"}, {{299, 108}, "North"}, {{555, 278}, "East"}, {{299, 372}, "Player"}};
  for (const auto& plate : plates) {
    p.drawImage(plate.at, registry.Picture("SPYellow"));
    p.drawImage(plate.at + QPoint(7, 0), registry.Picture(plate.at.x() < 100   ? "GWest"
                                                          : plate.at.y() < 200 ? "GNorth"
                                                          : plate.at.x() > 500 ? "GEast"
                                                                               : "GSouth"));
    p.setFont(serif);
    p.setPen(Qt::white);
    p.drawText(QRect(plate.at, QSize(160, 20)), Qt::AlignCenter, plate.name);
  }
  p.drawImage(QPoint(299, 108) + QPoint(30, 1), registry.Picture("GPointer"));
  p.drawImage(QPoint(299, 372) + QPoint(133, 0), registry.Picture("Circle"));
  p.drawImage(QPoint(299, 372) + QPoint(136, 3), registry.Picture("ZvezdaBSm"));
  // Hands: backs for the others, faces for South; a trick in the middle.
  const QSize face(69, 94);
  for (int i = 0; i < 13; ++i) {
    const QImage back = ClassicCard(registry.CardBack(3, face));
    p.drawImage(215 + 10 + i * 20, 8, back);
    p.drawImage(10 + i * 13, 178, back);
    p.drawImage(520 + i * 13, 178, back);
    p.drawImage(215 + i * 20, 395, ClassicCard(registry.CardFace(CardFromNumber(4 * i + 1 + (i % 4)), face)));
  }
  p.drawImage(269 + 74, 150, ClassicCard(registry.CardFace(MakeCard(12, kSpades), face)));
  p.drawImage(269 + 148, 150 + 52, ClassicCard(registry.CardFace(MakeCard(11, kSpades), face)));
  p.drawImage(269, 150 + 52, ClassicCard(registry.CardFace(MakeCard(13, kSpades), face)));
  return table;
}

// The menu caption and club title in the seven caption colour variants.
QImage CaptionSheet(PictureRegistry& registry) {
  QImage sheet(2 * 410 + 10, 7 * 80 + 10, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  for (int variant = 1; variant <= 7; ++variant) {
    const int y = 10 + (variant - 1) * 80;
    p.drawImage(10, y, Recolour(registry.Picture("CapEng"), variant));
    p.drawImage(420, y + 15, Recolour(registry.Picture("Net__Deu"), variant));
  }
  return sheet;
}

// Pictures the large window shows at twice their design size, painted at that size.
QImage ScaleTwoSheet(PictureRegistry& registry) {
  const char* names[] = {"CapRus",  "GTitle",     "EliteEng", "TabloBg",  "SPYellowB", "RamkaBBBg", "VItog",
                         "GCap300", "Hand_Right", "GWest",    "GifMenu1", "GEndGood",  "Logo",      "GMedal"};
  QImage sheet(1720, 1900, QImage::Format_RGB32);
  sheet.fill(art::kFelt);
  QPainter p(&sheet);
  int x = 10, y = 10, rowHeight = 0;
  for (const char* name : names) {
    const QImage picture = registry.Picture(name, registry.DesignSize(name) * 2);
    if (x + picture.width() > sheet.width() - 10) {
      x = 10;
      y += rowHeight + 10;
      rowHeight = 0;
    }
    p.drawImage(x, y, picture);
    x += picture.width() + 10;
    rowHeight = std::max(rowHeight, picture.height());
  }
  return sheet;
}

QString CardFileName(TCardCode card) {
  static const char* ranks[14] = {"", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* suits[4] = {"hearts", "diamonds", "clubs", "spades"};
  return QStringLiteral("%1-%2").arg(QLatin1String(ranks[RankValueOf(card)]),
                                     QLatin1String(suits[SuitIndexOf(card.suit)]));
}

}  // namespace

int WritePictureSheets(PictureRegistry& registry, const QString& folder) {
  int written = 0;
  for (const QSize size : {QSize(71, 96), QSize(146, 198)}) {
    const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    for (int n = 1; n <= 52; ++n) {
      const TCardCode card = CardFromNumber(n);
      Save(DeckCard(registry, card, 0, size), QStringLiteral("%1/card-%2-%3.png").arg(folder, tag, CardFileName(card)),
           written);
    }
    for (int back = 1; back <= 7; ++back) {
      Save(DeckCard(registry, kNoCard, back, size), QStringLiteral("%1/back-%2-%3.png").arg(folder, tag).arg(back),
           written);
    }
    Save(DeckSheet(registry, size), QStringLiteral("%1/deck-%2.png").arg(folder, tag), written);
  }
  Save(MenuMock(registry), QStringLiteral("%1/menu-pieces.png").arg(folder), written);
  Save(TableMock(registry), QStringLiteral("%1/table-pieces.png").arg(folder), written);
  Save(CaptionSheet(registry), QStringLiteral("%1/captions.png").arg(folder), written);
  Save(ScaleTwoSheet(registry), QStringLiteral("%1/scale-2.png").arg(folder), written);
  Save(ButtonSheet(registry), QStringLiteral("%1/buttons.png").arg(folder), written);
  Save(ClassicCloseUp(registry), QStringLiteral("%1/deck-71x96-closeup.png").arg(folder), written);
  const QStringList names = registry.PictureNames();
  for (int first = 0, page = 1; first < names.size(); first += 48, ++page) {
    Save(ContactSheet(registry, names, first),
         QStringLiteral("%1/pictures-%2.png").arg(folder).arg(page, 2, 10, QLatin1Char('0')), written);
  }
  return written;
}

}  // namespace tavlo
