#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>

#include "lang/word_ids.h"
#include "ui/widgets/font_roles.h"

namespace tavlo {

class PictureRegistry;
class TZanCardsButton;

// The four looks of the program's dialogs, in the order of the options list.
enum class DialogDesign { GrayAristocratic = 0, GrayConcise = 1, GrayRibbons = 2, Purple = 3 };

// What every dialog frame reads from the program when it opens.
struct DialogLook {
  DialogDesign Design = DialogDesign::GrayAristocratic;
  bool NewButtons = false;
  bool OwnCursor = true;
  FontRoles Fonts;
  QString LanguageSuffix = "Eng";
  int LanguageIndex = 0;  // the interface language, for lists that carry their own translations
  QColor DesignFontColour = QColor(0xC8, 0xAF, 0x32);   // 0x32AFC8
  QColor DesignEditColour = QColor(0x88, 0x00, 0xE2);   // 0xE20088
  std::function<QString(WordId)> Word;
  // A missing design picture: the notice "Can`t find the file ZanCGraph1.dll" is shown
  // and the design falls back to "Gray aristocratic" for the whole program.
  std::function<void()> DesignLibraryMissing;
  // The card style's background could not be loaded: the program goes on in "Gray aristocratic"
  // (no notice), and the setting says so until the player chooses again.
  std::function<void()> CardStyleUnavailable;
};

// The pictures one dialog wears in each design.
struct DialogPictures {
  QString ConciseCaption;      // design 1: caption picture from the design library ("Speed" + suffix)
  QString Strip = "GCap300";   // design 2: built-in header strip
  QString Ribbon;              // design 3: built-in ribbon ("GLenta280x090")
  QString RibbonOverlay;       // design 3: overlay from the design library
  QString CardBackground;      // card style: background JPEG from the design library
  QString CardOverlay;         // card style: overlay PNG, may be empty
  QString IconStrip;           // card style: animated 48 x 48 icon strip, may be empty
  QPoint IconAt;
  int IconFrames = 0;
  int IconInterval = 100;
  WordId Title = WordId::Options;  // the title word written in the aristocratic header
};

// The common frame of the program's dialogs: a header band in the three grey designs
// (a picture caption, a strip with the title in shadowed capitals, or a ribbon), a red
// line under it and the OK button; or, in the card style, a full background picture
// with an animated icon. Escape closes it.
class DialogFrame : public QDialog {
  Q_OBJECT

 public:
  DialogFrame(PictureRegistry& pictures, DialogLook& look, DialogPictures frame, QWidget* parent);

  DialogDesign Design() const { return design_; }
  bool CardStyle() const { return design_ == DialogDesign::Purple; }
  // Height of the header band (Image0) in the grey designs; 0 in the card style.
  int HeaderHeight() const;
  // The title written on the aristocratic header strip, the room between the strip's ornaments
  // (empty in the other designs) and the font that fits it.
  QString TitleText() const;
  QRect TitleBox() const;
  QFont TitleFont() const;
  // The red line under the header (Panel1), and where the dialog's own controls begin.
  QRect RedLine() const;
  TZanCardsButton& OkButton() { return *button1_; }
  // Styles a button of the dialog as the frame styles its own (colour set, fonts, Nata).
  void StyleButton(TZanCardsButton& button) const;
  // The icon frame shown now (card style), counting from 1.
  int IconFrame() const { return iconFrame_; }
  void SetIconInterval(int ms);
  // After a language change: the header and overlay pictures of the new language.
  void ReloadLanguagePictures(const DialogPictures& frame);
  PictureRegistry& Pictures() { return pictures_; }
  const DialogLook& Look() const { return look_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The pointers of the cursor choice go on every control the dialog has built by now.
  void showEvent(QShowEvent* event) override;
  void DrawIllustration(const QImage& picture, QPoint at);

 private:
  void StepIcon();
  static std::map<QString, int>& IconCounters();

  PictureRegistry& pictures_;
  DialogLook& look_;
  DialogPictures frame_;
  DialogDesign design_;
  QImage cardBackground_;
  std::optional<QImage> cardOverlay_;
  std::optional<QImage> conciseCaption_;
  std::optional<QImage> ribbonOverlay_;
  QImage illustration_;
  QPoint illustrationAt_;
  TZanCardsButton* button1_ = nullptr;
  QTimer timer48_;
  int iconFrame_ = 0;
};

}  // namespace tavlo
