#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QStringList>

namespace tavlo::calendar_art {

// The pictures of the calendar library "ZanCalendar01.dll", painted by our own code when the
// program is built: the blank sheet "R_BASE" (60 x 100), the zodiac signs "R_01" .. "R_12"
// (26 x 30, drawn at (17, 65) on the day page) and the Chinese years and holidays (54 x 70, drawn
// at (3, 27)). Every picture is painted at the size it is shown, so it is sharp.

QStringList PictureNames();
QSize PictureSize(const QString& name);
// A transparent picture of its size with the art painted in; null for an unknown name.
QImage PaintPicture(const QString& name);

// Painters of one group each; `name` is one of the group's names. False for a name not in the group.
bool PaintSheet(QPainter& p, const QString& name);
bool PaintFlag(QPainter& p, const QString& name);
bool PaintFeast(QPainter& p, const QString& name);
bool PaintDay(QPainter& p, const QString& name);

// The rounded panel every holiday and Chinese-year picture stands on: a gradient from `top` to
// `bottom` inside a thin gold frame, 54 x 70.
void PaintPanel(QPainter& p, const QColor& top, const QColor& bottom);
// A few small stars on a night panel, placed by a fixed pattern.
void PaintStars(QPainter& p, int count, const QRectF& area);

}  // namespace tavlo::calendar_art
