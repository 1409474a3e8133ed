#include "ui/calendar/art/calendar_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "ui/pictures/art_common.h"
#include "ui/pictures/art_palette.h"

namespace tavlo::calendar_art {

namespace {

const QRectF kPanel(0.5, 0.5, 53, 69);

constexpr const char* kHolidayPictures[] = {
    "R_NEWYEAR", "R_LOVE000", "R_WOMEN00", "R_THEATRE", "R_EARTH00", "R_BOOK000", "R_MAYDAY0", "R_CHILDRN", "R_ALLPROG",
    "R_DOVE000", "R_MUSIC00", "R_UNITED0", "R_FIREWRK", "R_SPUTNIK", "R_MOON000", "R_ENGFLAG", "R_CLOVER0", "R_CROWN00",
    "R_POPPY00", "R_GIFTBOX", "R_STUDENT", "R_RUSORDN", "R_KOSMOS0", "R_RUSFLAG", "R_DEUFLAG", "R_DEUWALL", "R_LANTERN",
    "R_FRAFLAG", "R_ISPFLAG", "R_KATKRES", "R_USAFLAG", "R_FATHER0", "R_SHIP000", "R_HALLO00", "R_USABLAG", "R_ROGDEST",
    "R_PRAKRES", "R_PASHA00", "R_BLINY00", "R_CANDLE0", "R_BIRCH00", "R_APPLE00", "R_PASHAK0"};

constexpr const char* kChineseYears[] = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK",
                                         "R_VOSHORS", "R_VOSKOZA", "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};

}  // namespace

QStringList PictureNames() {
  QStringList names{"R_BASE"};
  for (int k = 1; k <= 12; ++k) names << QString("R_%1").arg(k, 2, 10, QChar('0'));
  for (const char* name : kChineseYears) names << name;
  for (const char* name : kHolidayPictures) names << name;
  return names;
}

QSize PictureSize(const QString& name) {
  if (name == "R_BASE") return QSize(60, 100);
  if (name.size() == 4) return QSize(26, 30);  // "R_01" .. "R_12"
  return QSize(54, 70);
}

QImage PaintPicture(const QString& name) {
  if (!PictureNames().contains(name)) return {};
  QImage image(PictureSize(name), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Panel pictures keep their art inside the rounded panel, under its frame.
  const bool panel = PictureSize(name) == QSize(54, 70);
  if (panel) {
    QPainterPath inside;
    inside.addRoundedRect(kPanel, 5, 5);
    p.setClipPath(inside);
  }
  const bool painted = PaintSheet(p, name) || PaintFlag(p, name) || PaintFeast(p, name) || PaintDay(p, name);
  if (panel) {
    p.setClipping(false);
    PaintPanelFrame(p);
  }
  p.end();
  return painted ? image : QImage();
}

void PaintPanel(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient g(kPanel.topLeft(), kPanel.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(kPanel, 5, 5);
  p.restore();
}

void PaintPanelFrame(QPainter& p) { art::DrawGoldFrame(p, kPanel.adjusted(0.5, 0.5, -0.5, -0.5), 5, 1.2); }

void PaintStars(QPainter& p, int count, const QRectF& area) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int k = 0; k < count; ++k) {
    // A fixed scatter: the same picture on every build.
    const double x = area.left() + std::fmod(k * 17.3 + 5.1, area.width());
    const double y = area.top() + std::fmod(k * 11.7 + 3.3, area.height());
    p.setBrush(QColor(255, 250, 220, 150 + (k * 37) % 100));
    const double r = k % 3 == 0 ? 0.9 : 0.6;
    p.drawEllipse(QPointF(x, y), r, r);
  }
  p.restore();
}

void DrawTurnedEllipse(QPainter& p, QPointF centre, double width, double height, double degrees) {
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  p.drawEllipse(QRectF(-width / 2, -height / 2, width, height));
  p.restore();
}

bool PaintFromTable(QPainter& p, const QString& name, const Painters& painters) {
  const auto it = painters.find(name);
  if (it == painters.end()) return false;
  it->second(p);
  return true;
}

}  // namespace tavlo::calendar_art
