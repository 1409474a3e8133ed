#include "ui/libraries/design_library.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "lang/languages.h"
#include "lang/word_table.h"
#include "ui/libraries/library_writer.h"
#include "ui/libraries/motifs.h"
#include "ui/pictures/art_palette.h"
#include "ui/pictures/suit_shapes.h"

namespace tavlo::libraries {

namespace {

const QColor kPurple(0x3A, 0x12, 0x4E);
const QColor kPurpleDark(0x1A, 0x06, 0x26);
const QColor kPurpleLight(0x7A, 0x3A, 0x9A);

QString Text(WordId word, int language) {
  const std::string_view text = Word(word, language);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The purple ground of the card style with faint suits scattered over it.
QImage PurpleGround(QSize size, unsigned seed) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(size.width() * 0.4, size.height() * 0.35), std::hypot(size.width(), size.height()) * 0.7);
  g.setColorAt(0, kPurpleLight);
  g.setColorAt(0.55, kPurple);
  g.setColorAt(1, kPurpleDark);
  p.fillRect(image.rect(), g);
  p.setPen(Qt::NoPen);
  unsigned state = seed * 2654435761u + 1;
  const double unit = std::max(size.width(), size.height()) / 760.0;
  for (int k = 0; k < 70; ++k) {
    state = state * 1664525u + 1013904223u;
    const double x = (state >> 8) % 10000 / 10000.0 * size.width();
    state = state * 1664525u + 1013904223u;
    const double y = (state >> 8) % 10000 / 10000.0 * size.height();
    const double side = (18 + (state >> 4) % 30) * unit;
    p.setBrush(QColor(255, 255, 255, 10 + static_cast<int>((state >> 12) % 14)));
    p.drawPath(art::SuitPath(k % 4, QRectF(x, y, side, side)));
  }
  // A gold rule a little inside the edge.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xD4, 0xA8, 0x3A, 160), 2 * unit));
  const double m = 6 * unit;
  p.drawRoundedRect(QRectF(m, m, size.width() - 2 * m, size.height() - 2 * m), 10 * unit, 10 * unit);
  return image;
}

// A title in gold with a dark shadow, fitted into `box`.
void GoldTitle(QPainter& p, const QRectF& box, const QString& text, Qt::Alignment align) {
  QFont font("Comic Sans MS");
  font.setBold(true);
  int px = static_cast<int>(box.height() * 0.62);
  font.setPixelSize(px);
  while (px > 8 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) font.setPixelSize(--px);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(box.translated(2, 2), align | Qt::AlignVCenter, text);
  p.setPen(art::kGoldLight);
  p.drawText(box, align | Qt::AlignVCenter, text);
}

struct DialogArt {
  const char* background;       // card-style background; also the base of the overlays
  const char* suffixedOverlay;  // overlay + language suffix, or nullptr
  const char* plainOverlay;     // ribbon overlay without a language, or nullptr
  const char* caption;          // design 1 caption picture
  bool captionSuffixed;
  WordId title;
};

const DialogArt kDialogs[] = {
    {"GFormSpeed", "GFormSpeed", nullptr, "Speed", true, WordId::Speed},
    {"GFormOpt", "GFormOpt", nullptr, "Options", true, WordId::Options},
    {"GFormPw", nullptr, "GFormPwL", "Pw", false, WordId::Welcome},
    {"GFormWait", nullptr, nullptr, nullptr, false, WordId::Welcome},
    {"GFormPass", "GFormPass", nullptr, "Passport", true, WordId::Passport},
    {"GFormEndG", "GFormEndG", nullptr, "EndGame", true, WordId::CompletionOfGame},
    {"GFormCount", nullptr, "GFormCountL", "CountInfo", false, WordId::GeneralScore},
    {"GFormHistory", "GFormHistory", nullptr, "History", true, WordId::HistoryOfGames},
    {"GFormAcc1", "GFormAcc1", nullptr, "MyAccount", true, WordId::MyAccount},
    {"GFormRadio", nullptr, "GFormRadioL", "Radio", false, WordId::Options},
    {"GFormTopTen", nullptr, "GFormTopTenL", "OnlineTopTen", false, WordId::TopTen},
    {"GFormServerW", nullptr, "GFormServerWL", "WorldTopTen1", false, WordId::TopTen},
    {"GFormChat", nullptr, "GFormChatL", "ZanGamesChat", true, WordId::ZanGamesChat},
    {"GFormStat", nullptr, "GFormStatL", "WorldStats", false, WordId::TopTen},
    {"GFormTour", nullptr, "GFormTourL", "WorldOnlineTournament", false, WordId::TopTen},
    {"GFormAbout", nullptr, nullptr, nullptr, false, WordId::About},
};

// Captions without a language suffix carry these English texts.
QString PlainCaption(const QString& name) {
  if (name == "Pw") return "Password";
  if (name == "CountInfo") return "General score";
  if (name == "Radio") return "Radio";
  if (name == "OnlineTopTen") return "Online Top Ten";
  if (name == "WorldTopTen1") return "World Top Ten";
  if (name == "WorldTopTen2") return "World Top Ten";
  if (name == "WorldStats") return "World statistics";
  if (name == "WorldOnlineTournament") return "World online tournament";
  return name;
}

// The overlay: the title over the top band, left free for the dialog's icon.
QImage Overlay(const QString& title) {
  QImage image(QSize(420, 90), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  GoldTitle(p, QRectF(95, 16, 210, 50), title, Qt::AlignLeft);
  return image;
}

// A language-free ribbon overlay: the four suits in gold.
QImage Emblem() {
  QImage image(QSize(420, 90), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 0, 140), 1.5));
  for (int suit = 0; suit < 4; ++suit) {
    p.setBrush(suit < 2 ? QColor(0xE0, 0x30, 0x40) : art::kGoldLight);
    p.drawPath(art::SuitPath(suit, QRectF(110 + suit * 46, 26, 34, 34)));
  }
  return image;
}

// The caption picture of the concise grey header: 48 high, an emblem and the title.
QImage Caption(const QString& title) {
  QImage image(QSize(300, 48), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient band(0, 0, 300, 0);
  band.setColorAt(0, kPurple);
  band.setColorAt(1, QColor(0x3A, 0x12, 0x4E, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRoundedRect(QRectF(0, 4, 300, 40), 8, 8);
  p.setBrush(art::kGold);
  p.drawPath(art::SuitPath(3, QRectF(8, 10, 28, 28)));
  GoldTitle(p, QRectF(44, 4, 250, 40), title, Qt::AlignLeft);
  return image;
}

// Icon strips: frames of 48 x 48 side by side. Kind 0 turns a gear, the others spin a gold
// coin with a suit on it.
QImage IconStrip(int frames, int kind) {
  QImage image(QSize(48 * frames, 48), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int f = 0; f < frames; ++f) {
    p.save();
    p.translate(48 * f + 24, 24);
    const double phase = 2 * std::numbers::pi * f / frames;
    if (kind == 0) {
      p.rotate(360.0 * f / frames / 8 * 2);
      QPainterPath gear;
      gear.addEllipse(QPointF(0, 0), 14, 14);
      for (int t = 0; t < 8; ++t) {
        QTransform r;
        r.rotate(45.0 * t);
        QPainterPath tooth;
        tooth.addRect(QRectF(-4, -20, 8, 8));
        gear = gear.united(r.map(tooth));
      }
      QPainterPath hole;
      hole.addEllipse(QPointF(0, 0), 5, 5);
      p.setPen(QPen(art::kGoldDark, 1.2));
      p.setBrush(art::kGold);
      p.drawPath(gear.subtracted(hole));
    } else {
      const double squeeze = std::max(0.06, std::abs(std::cos(phase)));
      p.scale(squeeze, 1);
      QRadialGradient coin(QPointF(-5, -6), 24);
      coin.setColorAt(0, art::kGoldLight);
      coin.setColorAt(1, art::kGoldDark);
      p.setPen(QPen(art::kGoldDark, 1.5));
      p.setBrush(coin);
      p.drawEllipse(QPointF(0, 0), 20, 20);
      p.setPen(Qt::NoPen);
      const int suit = (kind + (std::cos(phase) < 0 ? 2 : 0)) % 4;
      p.setBrush(suit < 2 ? art::kDeepRed : art::kInk);
      p.drawPath(art::SuitPath(suit, QRectF(-11, -11, 22, 22)));
    }
    p.restore();
  }
  return image;
}

// The click effect: a gold ring that widens and fades, with sparks flying out; 30 frames.
QImage TouchStrip() {
  constexpr int kFrames = 30;
  QImage image(QSize(100 * kFrames, 100), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int f = 0; f < kFrames; ++f) {
    const double t = (f + 1.0) / kFrames;
    const QPointF c(100 * f + 50, 50);
    const int alpha = static_cast<int>(255 * (1 - t));
    QColor gold = art::kGoldLight;
    gold.setAlpha(alpha);
    p.setPen(QPen(gold, 4 * (1 - t) + 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8 + 38 * t, 8 + 38 * t);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 8; ++k) {
      const double a = k * std::numbers::pi / 4 + t;
      QColor spark = k % 2 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xE0, 0x30, 0x40);
      spark.setAlpha(alpha);
      p.setBrush(spark);
      p.drawPath(StarPath(c + QPointF(std::cos(a), std::sin(a)) * (10 + 34 * t), 5 * (1 - t) + 1.5, 4));
    }
  }
  return image;
}

}  // namespace

void WriteDesignLibrary(LibraryWriter& writer) {
  writer.AddJpeg("BGLilu", PurpleGround(QSize(1520, 1000), 1));
  // Each picture suffix once, drawn in the first language that uses it.
  std::vector<std::pair<QString, int>> suffixes;
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string_view s = Language(language).PictureSuffix;
    const QString suffix = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    if (std::none_of(suffixes.begin(), suffixes.end(), [&](const auto& seen) { return seen.first == suffix; })) {
      suffixes.emplace_back(suffix, language);
    }
  }
  unsigned seed = 2;
  for (const DialogArt& dialog : kDialogs) {
    writer.AddJpeg(dialog.background, PurpleGround(QSize(800, 700), seed++));
    if (dialog.plainOverlay) writer.AddPng(dialog.plainOverlay, Emblem());
    if (dialog.caption && !dialog.captionSuffixed) writer.AddPng(dialog.caption, Caption(PlainCaption(dialog.caption)));
    for (const auto& [suffix, language] : suffixes) {
      const QString title = Text(dialog.title, language);
      if (dialog.suffixedOverlay) writer.AddPng(dialog.suffixedOverlay + suffix, Overlay(title));
      if (dialog.caption && dialog.captionSuffixed) writer.AddPng(dialog.caption + suffix, Caption(title));
    }
  }
  for (const auto& [suffix, language] : suffixes) {
    writer.AddPng("MyAccountR" + suffix, Caption(Text(WordId::MyAccount, language)));
  }
  writer.AddPng("WorldTopTen2", Caption(PlainCaption("WorldTopTen2")));
  struct Strip {
    const char* name;
    int frames;
    int kind;
  };
  for (const Strip& strip : {Strip{"GIcon48Speed", 10, 1}, Strip{"GIcon48Opt", 10, 0}, Strip{"GIcon48Pass", 31, 2},
                             Strip{"GIcon48WT", 20, 3}, Strip{"GIcon48COunt", 60, 1}, Strip{"GIcon48History", 12, 2},
                             Strip{"GIcon48Acc", 15, 3}, Strip{"GIcon48Chat", 10, 1}, Strip{"GIcon48Stat", 19, 2},
                             Strip{"GIcon48Tour", 20, 3}}) {
    writer.AddPng(strip.name, IconStrip(strip.frames, strip.kind));
  }
  writer.AddPng("GTouch", TouchStrip());
}

}  // namespace tavlo::libraries
