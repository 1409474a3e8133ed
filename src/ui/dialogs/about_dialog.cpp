#include "ui/dialogs/about_dialog.h"

#include <QLabel>

#include "ui/pictures/picture_registry.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures AboutPictures() {
  DialogPictures p;
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.CardBackground = "GFormAbout";
  p.Title = WordId::About;
  return p;
}

}  // namespace

TFormAbout::TFormAbout(PictureRegistry& pictures, DialogLook& look, const QString& productName, QWidget* parent)
    : DialogFrame(pictures, look, AboutPictures(), parent) {
  const auto word = [&look](WordId w) { return look.Word ? look.Word(w) : QString(); };
  setWindowTitle(word(WordId::About));
  const struct {
    WordId label;
    QString value;
  } rows[] = {
      {WordId::AboutVersion, "V 5.7f"},
      {WordId::AboutAuthor, "Tavlo team"},
      {WordId::AboutProgramming, "Tavlo team"},
      {WordId::AboutGraphics, "Tavlo team"},
      {WordId::AboutMusic, "General MIDI"},
      {WordId::AboutTranslation, "Tavlo team"},
  };
  const int top = CardStyle() ? 20 : RedLine().bottom() + 12;
  const QColor ink = CardStyle() ? look.DesignFontColour : QColor(Qt::black);
  auto* title = new QLabel(productName, this);
  title->setFont(look.Fonts.Font(FontRole::Decor, 28, true));
  title->setStyleSheet(QString("color: %1; background: transparent;").arg(ink.name()));
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(10, top, 340, 36);
  int y = top + 44;
  for (const auto& row : rows) {
    const QString line = word(row.label) + ": " + row.value;
    lines_ << line;
    auto* label = new QLabel(line, this);
    label->setFont(look.Fonts.Font(FontRole::Serif, 16));
    label->setStyleSheet(title->styleSheet());
    label->setGeometry(20, y, 320, 22);
    y += 24;
  }
  OkButton().setGeometry(10, y + 8, 340, 35);
  setFixedSize(360, y + 8 + 35 + 10);
}

}  // namespace tavlo
