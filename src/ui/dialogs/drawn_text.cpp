#include "ui/dialogs/drawn_text.h"

#include "ui/widgets/text_helpers.h"

namespace tavlo {

void PaintTexts(QPainter& painter, const std::vector<DrawnText>& texts) {
  for (const DrawnText& t : texts) {
    painter.setFont(t.Font);
    if (t.Shadow) {
      DrawShadowText(painter, t.Text, t.Left, t.Right, t.Align, t.Colour, t.Top);
      continue;
    }
    painter.setPen(t.Colour);
    switch (t.Align) {
      case 'c':
        TextCentred(painter, t.Text, t.Left, t.Right, t.Top);
        break;
      case 'r':
        TextRight(painter, t.Text, t.Right, t.Top);
        break;
      default:
        TextAt(painter, t.Text, t.Left, t.Top);
        break;
    }
  }
}

}  // namespace tavlo
