#include "ui/table/chat_panel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "ui/layout/table_layout.h"
#include "ui/pictures/picture_registry.h"
#include "ui/table/picture_box.h"

namespace tavlo {
namespace {

constexpr int kChatInputLength = 15;

QColor CodeColour(QChar code) {
  switch (code.unicode()) {
    case '1':
      return QColor(128, 0, 0);
    case '2':
      return QColor(0, 0, 128);
    case '3':
      return QColor(0, 128, 0);
    default:
      return QColor(128, 128, 0);
  }
}

}  // namespace

ChatPanel::ChatPanel(QWidget* form, PictureRegistry& pictures, const FontRoles& fonts)
    : QObject(form), pictures_(pictures), fonts_(fonts) {
  memo_ = new PictureBox(form);
  memo_->setObjectName("ImageMemo");
  input_ = new QLineEdit(form);
  input_->setObjectName("ChatInput");
  input_->setMaxLength(kChatInputLength);
  send_ = new QPushButton(">", form);
  send_->setObjectName("BitBtn1");
  // Clicking the button gives it focus, so that the keys typed after it are collected.
  send_->setFocusPolicy(Qt::ClickFocus);
  send_->installEventFilter(this);
  connect(input_, &QLineEdit::returnPressed, this, &ChatPanel::OnSend);
  connect(send_, &QPushButton::clicked, this, &ChatPanel::OnSend);
  SetVisible(false);
}

void ChatPanel::Place(const Layout& layout, bool smallWindow, const QImage* background) {
  layout_ = layout;
  smallWindow_ = smallWindow;
  background_ = background;
  const DesignRect& r = kChatPanel;
  const QRect placed(layout.PlaceX(r.Left, r.Width()), layout.PlaceY(r.Top, r.Height()), layout.ScaleLen(r.Width()),
                     layout.ScaleLen(r.Height()));
  memo_->Place(placed);
  const int l = placed.left();
  const int b = placed.top() + placed.height();
  const int inputTop = b + layout.ScaleLen(1) + RoundHalfEven((layout.ScaleLen(35) - layout.ScaleLen(20)) / 2.0);
  QFont font = fonts_.FontAt(FontRole::Serif, layout.ScaleLen(14));
  input_->setFont(font);
  font.setBold(true);
  send_->setFont(font);
  input_->setGeometry(l, inputTop, placed.width() - layout.ScaleLen(36), layout.ScaleLen(20));
  send_->setGeometry(placed.right() + 1 - layout.ScaleLen(35), b + layout.ScaleLen(1), layout.ScaleLen(35),
                     layout.ScaleLen(35));
  Redraw();
}

void ChatPanel::SetVisible(bool visible) {
  memo_->setVisible(visible);
  input_->setVisible(visible);
  send_->setVisible(visible);
}

bool ChatPanel::Visible() const { return memo_->isVisible(); }

void ChatPanel::Clear() {
  rows_.fill(QString());
  Redraw();
}

void ChatPanel::SetInputEnabled(bool enabled) {
  input_->setEnabled(enabled);
  send_->setEnabled(enabled);
}

void ChatPanel::AddTableChatLine(const QString& codedText) {
  if (codedText.isEmpty()) return;
  QString line = codedText;
  const QChar code = line.at(0) >= '1' && line.at(0) <= '4' ? line.at(0) : QChar('1');
  line.remove(0, 1);
  // Shortened from its end (at most 12 characters) while wider than the panel's rows.
  const QFontMetrics metrics(fonts_.FontAt(FontRole::Serif, layout_.ScaleLen(14)));
  int removed = 0;
  while (removed < 12 && !line.isEmpty() && metrics.horizontalAdvance(line) > layout_.ScaleLen(85)) {
    line.chop(1);
    ++removed;
  }
  if (removed > 0) line += "...";
  auto free = std::find_if(rows_.begin(), rows_.end(), [](const QString& row) { return row.isEmpty(); });
  if (free == rows_.end()) {
    std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
    free = rows_.end() - 1;
  }
  *free = QString(code) + line;
  Redraw();
}

QStringList ChatPanel::Lines() const {
  QStringList lines;
  for (const QString& row : rows_) {
    if (!row.isEmpty()) lines << row.mid(1);
  }
  return lines;
}

void ChatPanel::Redraw() {
  QImage& canvas = memo_->Canvas();
  if (canvas.isNull()) return;
  if (background_) memo_->PaintBackground(*background_);
  QPainter p(&canvas);
  const QSize size = canvas.size();
  p.drawImage(QRect(QPoint(0, 0), size), pictures_.Picture(smallWindow_ ? "RamkaERSm" : "RamkaERBg", size));
  p.setFont(fonts_.FontAt(FontRole::Serif, layout_.ScaleLen(14)));
  const QFontMetrics metrics(p.font());
  for (int k = 1; k <= 4; ++k) {
    const QString& row = rows_[static_cast<std::size_t>(k - 1)];
    if (row.isEmpty()) continue;
    p.setPen(CodeColour(row.at(0)));
    p.drawText(layout_.ScaleLen(20), layout_.ScaleLen(14 * k + 3) + metrics.ascent(), row.mid(1));
  }
  p.end();
  memo_->Refresh();
}

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != send_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      typed_.clear();
      break;
    case QEvent::KeyPress: {
      const QString text = static_cast<QKeyEvent*>(event)->text();
      // Only printable keys count.
      if (text.isEmpty() || !text.at(0).isPrint()) break;
      typed_ += text;
      bool number = false;
      if (typed_.trimmed().toInt(&number) == kShowAllCardsNumber && number) {
        typed_.clear();
        emit ShowAllCardsTyped();
      }
      break;
    }
    default:
      break;
  }
  return false;
}

void ChatPanel::OnSend() {
  const QString text = input_->text();
  if (text.isEmpty()) return;
  input_->clear();
  emit Send(text);
}

}  // namespace tavlo
