#pragma once

#include <QDialog>
#include <QString>

namespace tavlo {

class PictureRegistry;

// The notice window "Attention": up to three lines, the third a link opened in the
// browser; empty lines are hidden. It is as wide as its widest line needs (at least 400).
class TFormLink : public QDialog {
  Q_OBJECT

 public:
  TFormLink(PictureRegistry& pictures, const QString& line1, const QString& line2, const QString& link,
            QWidget* parent);
  QString Line(int k) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString lines_[3];
};

// Shows the notice modally and returns when it is closed.
void ShowNotice(PictureRegistry& pictures, QWidget* parent, const QString& line1, const QString& line2 = {},
                const QString& link = {});

}  // namespace tavlo
