#include "ui/dialogs/notice.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QUrl>

#include "ui/layout/text_fit.h"
#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {

TFormLink::TFormLink(PictureRegistry& pictures, const QString& line1, const QString& line2, const QString& link,
                     QWidget* parent)
    : QDialog(parent), lines_{line1, line2, link} {
  setWindowTitle("Attention");
  setModal(true);
  QFont font("Comic Sans MS");
  font.setPixelSize(20);
  font.setBold(true);
  QFont linkFont = font;
  linkFont.setUnderline(true);
  int widest = 0;
  for (int k = 0; k < 3; ++k) {
    if (lines_[k].isEmpty()) continue;
    auto* label = new QLabel(lines_[k], this);
    label->setObjectName(QString("Label%1").arg(k + 1));
    label->setFont(k == 2 ? linkFont : font);
    label->move(59, 5 + 16 * k);
    label->adjustSize();
    widest = std::max(widest, QFontMetrics(k == 2 ? linkFont : font).horizontalAdvance(lines_[k]));
    if (k == 2) {
      label->setStyleSheet("color: blue;");
      label->setCursor(Qt::PointingHandCursor);
      connect(label, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
      label->setText(QString("<a href=\"%1\" style=\"color: blue;\">%1</a>").arg(lines_[k].toHtmlEscaped()));
      label->setOpenExternalLinks(false);
      label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    }
  }
  const int width = NoticeClientWidth(widest);
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(pictures.Picture("GAttention", QSize(48, 48))));
  picture->setGeometry(5, 5, 48, 48);
  auto* ok = new TZanCardsButton(pictures, this);
  ok->setObjectName("Button1");
  ok->setText("Ok");
  ok->setGeometry(5, 58, width - 10, 27);
  QFont buttonFont("Comic Sans MS");
  buttonFont.setPixelSize(18);
  buttonFont.setBold(true);
  ok->setFont(buttonFont);
  connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
  setFixedSize(width, 90);
  ok->setFocus();
}

QString TFormLink::Line(int k) const { return k >= 1 && k <= 3 ? lines_[k - 1] : QString(); }

void TFormLink::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ShowNotice(PictureRegistry& pictures, QWidget* parent, const QString& line1, const QString& line2,
                const QString& link) {
  TFormLink notice(pictures, line1, line2, link, parent);
  notice.exec();
}

}  // namespace tavlo
