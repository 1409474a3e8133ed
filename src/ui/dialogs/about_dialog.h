#pragma once

#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

// TFormAbout: the program information window - the product name and version, who made
// it, and where to write.
class TFormAbout : public DialogFrame {
  Q_OBJECT

 public:
  TFormAbout(PictureRegistry& pictures, DialogLook& look, const QString& productName, QWidget* parent);
  // The "label: value" lines as shown.
  const QStringList& Lines() const { return lines_; }

 private:
  QStringList lines_;
};

}  // namespace tavlo
