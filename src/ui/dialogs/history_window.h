#pragma once

#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "records/history_clock.h"
#include "records/history_file.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

// The kind column's text of a history record line ("Local", "Net", "Account", "Tourney").
QString HistoryKindText(std::string_view recordLine);

// "History of games": the valid history files in a list and the lines of the chosen one in a
// grid. `historyFileNo` is the selection kept between openings within one run (0 at start,
// -1 when there is no history).
class TFHistory : public DialogFrame {
  Q_OBJECT

 public:
  TFHistory(PictureRegistry& pictures, DialogLook& look, std::filesystem::path historyFolder, int& historyFileNo,
            const HistoryClock& clock, QWidget* parent);
  QListWidget& FileList() { return *listBox1_; }
  QTableWidget& Grid() { return *sg_; }
  // The colours a row of each kind is drawn in.
  static QColor KindColour(const QString& kind, const QPalette& palette);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FillGrid();
  void Relayout();

  std::filesystem::path folder_;
  int& historyFileNo_;
  std::vector<HistoryCheck> files_;
  QListWidget* listBox1_ = nullptr;
  QTableWidget* sg_ = nullptr;
  QTimer secondIcon_;  // the card style shows the icon at both ends of the header
};

}  // namespace tavlo
