#pragma once

#include <vector>

#include "records/club_file.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/drawn_text.h"

namespace tavlo {

// The texts of the local top ten picture (450 x 500), from the lines of a club file; a
// club file that could not be read shows the headings and empty places.
std::vector<DrawnText> TopTenTexts(const ClubFileContents& club, bool networkClub, const FontRoles& fonts,
                                   const std::function<QString(WordId)>& word);

// "Top Ten": the ten best cycles of the local (or network) club.
class TFormTopTen : public DialogFrame {
  Q_OBJECT

 public:
  TFormTopTen(PictureRegistry& pictures, DialogLook& look, const ClubFileContents& club, bool networkClub,
              QWidget* parent);
  const std::vector<DrawnText>& Texts() const { return texts_; }
  // Where Image1 stands on the window.
  QPoint ImageAt() const { return imageAt_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<DrawnText> texts_;
  QPoint imageAt_;
};

}  // namespace tavlo
