#include "ui/recording/recording_banner.h"

#include <QPainter>

#include "ui/pictures/picture_registry.h"
#include "ui/recording/game_recorder.h"
#include "ui/widgets/font_roles.h"
#include "ui/widgets/text_helpers.h"

namespace tavlo {

RecordingBanner::RecordingBanner(QWidget& window, const QImage& background, PictureRegistry& pictures,
                                 const FontRoles& fonts, QString text)
    : QWidget(&window), background_(background), pictures_(pictures), fonts_(fonts), text_(std::move(text)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QSize size(GameRecorder::kBannerWidth, GameRecorder::kBannerHeight);
  setGeometry(QRect(QPoint((window.width() - size.width()) / 2, (window.height() - size.height()) / 2), size));
}

void RecordingBanner::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!background_.isNull()) p.drawImage(QPoint(0, 0), background_, geometry());
  p.drawImage(rect(), pictures_.Picture("AdvBar3", size()));
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(fonts_.FontAt(FontRole::Decor, fonts_.Size(FontRole::Serif, 20)));
  p.setPen(QColor(0xFF, 0x00, 0x00));
  TextCentred(p, text_, 0, width(), 10);
}

}  // namespace tavlo
