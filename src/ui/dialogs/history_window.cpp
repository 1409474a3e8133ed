#include "ui/dialogs/history_window.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "lang/cp1251.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures HistoryPictures(const QString& suffix) {
  DialogPictures p;
  p.ConciseCaption = "History" + suffix;
  p.Strip = "GCap610";
  p.Ribbon = "GLenta590x116";
  p.RibbonOverlay = "GFormHistory" + suffix;
  p.CardBackground = "GFormHistory";
  p.CardOverlay = "GFormHistory" + suffix;
  p.IconStrip = "GIcon48History";
  p.IconAt = QPoint(697, 23);
  p.IconFrames = 12;
  p.IconInterval = 100;
  p.Title = WordId::HistoryOfGames;
  return p;
}

QColor Bgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

constexpr int kColumnWidths[7] = {45, 65, 210, 45, 55, 55, 80};
// Columns of a record line (1-based first column, width) shown as they stand.
constexpr int kFieldStart[6] = {1, 6, 16, 67, 70, 80};
constexpr int kFieldWidth[6] = {5, 10, 51, 3, 10, 10};
constexpr int kPlayerColumn = 2;
constexpr QPoint kLeftIcon(25, 23);

// Cells are drawn as the history window draws them: the player's name two pixels in from the
// left, every other column centred; the row colours come from the items.
class HistoryCellDelegate : public QStyledItemDelegate {
 public:
  HistoryCellDelegate(QColor current, QObject* parent) : QStyledItemDelegate(parent), current_(current) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const auto* grid = qobject_cast<const QTableWidget*>(parent());
    const bool currentRow = grid && grid->rowCount() > 1 && grid->currentRow() == index.row();
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect, currentRow             ? current_
                                   : background.isValid() ? background.value<QBrush>().color()
                                                          : option.palette.color(QPalette::Base));
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    painter->setFont(option.font);
    const QString text = index.data().toString();
    if (index.column() == kPlayerColumn) {
      painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
      painter->drawText(option.rect, Qt::AlignCenter, text);
    }
  }

 private:
  QColor current_;
};

}  // namespace

QString HistoryKindText(std::string_view line) {
  const char kind = line.size() >= 90 ? line[89] : ' ';
  switch (kind) {
    case 'L':
      return "Local";
    case 'N':
      return "Net";
    case 'A':
      return "Account";
    case 'T':
      return "Tourney";
    default:
      return QString();
  }
}

QColor TFHistory::KindColour(const QString& kind, const QPalette& palette) {
  if (kind == "Net") return Bgr(0x008000);
  if (kind == "Account") return Bgr(0x0000FF);
  if (kind == "Tourney") return Bgr(0xFF0000);
  return palette.color(QPalette::WindowText);
}

TFHistory::TFHistory(PictureRegistry& pictures, DialogLook& look, std::filesystem::path historyFolder,
                     int& historyFileNo, const HistoryClock& clock, QWidget* parent)
    : DialogFrame(pictures, look, HistoryPictures(look.LanguageSuffix), parent),
      folder_(std::move(historyFolder)),
      historyFileNo_(historyFileNo) {
  setObjectName("FHistory");
  auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::HistoryOfGames));
  // In this window the OK button's caption is yellow and lights up white.
  OkButton().SetFontColor(CardStyle() ? look.DesignFontColour : QColor(255, 255, 0));
  OkButton().SetColorMouse(QColor(Qt::white));
  OkButton().SetHeightSB(THeightSB::D45);

  listBox1_ = new QListWidget(this);
  listBox1_->setObjectName("ListBox1");
  // Height 10 in points is 13 pixels on the 96 dpi screen the layout is designed for.
  listBox1_->setFont(look.Fonts.Font(FontRole::Fixed, 13));
  files_ = ValidHistoryFiles(folder_, clock);
  for (std::size_t k = 0; k < files_.size(); ++k) {
    listBox1_->addItem(QString("File I%1 ").arg(static_cast<int>(k + 1), 4, 10, QChar('0')) +
                       QString::fromStdString(files_[k].Date));
  }
  const int count = static_cast<int>(files_.size());
  if (count == 0) {
    historyFileNo_ = -1;
    listBox1_->addItem("No History Files");
    listBox1_->setEnabled(false);
  } else if (historyFileNo_ <= 0 || historyFileNo_ > count) {
    historyFileNo_ = count;
  }

  sg_ = new QTableWidget(1, 7, this);
  sg_->setObjectName("SG");
  sg_->verticalHeader()->hide();
  sg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sg_->setSelectionMode(QAbstractItemView::NoSelection);
  sg_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  sg_->setFont(look.Fonts.Font(FontRole::Serif, 14));
  QStringList headers;
  for (WordId w : {WordId::HistoryTime, WordId::HistoryDate, WordId::HistoryPlayer, WordId::HistoryGames,
                   WordId::HistoryResult, WordId::HistoryRating, WordId::HistoryType}) {
    headers << word(w);
  }
  sg_->setHorizontalHeaderLabels(headers);
  for (int c = 0; c < 7; ++c) sg_->setColumnWidth(c, kColumnWidths[c]);
  const QColor headerText = CardStyle() ? Bgr(0x00FFFF) : Bgr(0x000080);
  const QColor headerBack = CardStyle() ? look.DesignEditColour : Bgr(0xFFE6E6);
  sg_->horizontalHeader()->setStyleSheet(
      QString("QHeaderView::section { color: %1; background: %2; }").arg(headerText.name(), headerBack.name()));
  if (CardStyle()) {
    listBox1_->setStyleSheet(
        QString("QListWidget { color: yellow; background: %1; }").arg(look.DesignEditColour.name()));
    sg_->setStyleSheet(QString("QTableWidget { background: %1; }").arg(Bgr(0xFFB9E3).name()));
  } else {
    listBox1_->setStyleSheet("QListWidget { color: black; background: white; }");
  }
  sg_->setItemDelegate(new HistoryCellDelegate(CardStyle() ? Bgr(0xB4FFFF) : Bgr(0xCCCCFF), sg_));

  if (historyFileNo_ > 0) listBox1_->setCurrentRow(historyFileNo_ - 1);
  connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0 || files_.empty()) return;
    historyFileNo_ = row + 1;
    FillGrid();
    Relayout();
  });
  FillGrid();
  Relayout();
  if (CardStyle()) {
    connect(&secondIcon_, &QTimer::timeout, this, [this] { update(QRect(kLeftIcon, QSize(48, 48))); });
    secondIcon_.start(100);
  }
}

void TFHistory::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  if (!CardStyle() || IconFrame() < 1) return;
  if (const auto strip = Pictures().LibraryPicture(kDesignLibrary, "GIcon48History")) {
    QPainter p(this);
    p.drawImage(kLeftIcon, *strip, QRect((IconFrame() - 1) * 48, 0, 48, 48));
  }
}

void TFHistory::FillGrid() {
  std::vector<std::string> lines;
  if (historyFileNo_ > 0) lines = HistoryRecordLines(HistoryFilePath(folder_, historyFileNo_));
  sg_->clearContents();
  sg_->setRowCount(std::max<int>(1, static_cast<int>(lines.size())));
  const QColor rowBack = CardStyle() ? Bgr(0xFFB9E3) : palette().color(QPalette::Base);
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    const std::string& line = lines[static_cast<std::size_t>(r)];
    const QString kind = HistoryKindText(line);
    const QColor colour = KindColour(kind, palette());
    for (int c = 0; c < 7; ++c) {
      QString text;
      if (c < 6) {
        const auto start = static_cast<std::size_t>(kFieldStart[c] - 1);
        text = QString::fromStdString(Cp1251ToUtf8(line.substr(start, static_cast<std::size_t>(kFieldWidth[c]))));
        // Blank-padded fixed columns: the cell shows the field's text.
        text = text.trimmed();
      } else {
        text = kind;
      }
      auto* item = new QTableWidgetItem(text);
      item->setForeground(colour);
      item->setBackground(rowBack);
      sg_->setItem(r, c, item);
    }
  }
  if (!lines.empty()) sg_->setCurrentCell(0, 0);
}

void TFHistory::Relayout() {
  const int listWidth = historyFileNo_ <= 16 ? 180 : 193;
  const int top = CardStyle() ? 90 : HeaderHeight() + 20;
  int gridWidth = 2;
  for (int w : kColumnWidths) gridWidth += w;
  gridWidth += 18;  // the vertical scroll bar
  const int height = 360;
  listBox1_->setGeometry(5, top, listWidth, height - 55);
  OkButton().setGeometry(5, top + height - 45, listWidth, 45);
  sg_->setGeometry(listWidth + 10, top, gridWidth, height);
  setFixedSize(std::max(760, listWidth + gridWidth + 15), top + height + 8);
}

}  // namespace tavlo
