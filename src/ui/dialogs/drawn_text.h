#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace tavlo {

// One text of a record window's picture, kept so that what is painted can be read back.
struct DrawnText {
  QString Text;
  int Left = 0;
  int Right = 0;
  char Align = 'l';  // 'l' at Left, 'c' centred between Left and Right, 'r' ending at Right
  int Top = 0;
  QColor Colour;
  QFont Font;
  bool Shadow = false;
};

// A picture drawn over a record window's picture.
struct DrawnPicture {
  QString Name;
  QPoint At;
  QImage Picture;
};

void PaintTexts(QPainter& painter, const std::vector<DrawnText>& texts);

}  // namespace tavlo
