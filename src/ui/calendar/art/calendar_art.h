#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QStringList>
#include <functional>
#include <map>

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
// `bottom`, 54 x 70. The art is clipped to it and its thin gold frame drawn over the art.
void PaintPanel(QPainter& p, const QColor& top, const QColor& bottom);
void PaintPanelFrame(QPainter& p);
// A few small stars on a night panel, placed by a fixed pattern.
void PaintStars(QPainter& p, int count, const QRectF& area);
// An ellipse of the given size centred at `centre` and turned by `degrees` (leaves, petals).
void DrawTurnedEllipse(QPainter& p, QPointF centre, double width, double height, double degrees);

// The painters of one group by picture name; runs the one for `name`, false when there is none.
using Painters = std::map<QString, std::function<void(QPainter&)>>;
bool PaintFromTable(QPainter& p, const QString& name, const Painters& painters);

}  // namespace tavlo::calendar_art
