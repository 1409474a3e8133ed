#include "media/radio_window.h"

#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include "media/radio.h"
#include "ui/pictures/picture_registry.h"
#include "ui/table/picture_box.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures RadioPictures() {
  DialogPictures p;
  p.ConciseCaption = "Radio";
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.RibbonOverlay = "GFormRadioL";
  p.CardBackground = "GFormRadio";
  p.Title = WordId::Radio;
  return p;
}

// The flag pictures of the country list, by country code.
QString FlagFile(std::string_view code) {
  static const std::pair<std::string_view, const char*> flags[] = {
      {"RUS", "ru"}, {"UA0", "ua"}, {"BEL", "by"}, {"MOL", "md"}, {"EST", "ee"}, {"LAT", "lv"}, {"LIT", "lt"},
      {"ARM", "am"}, {"GEO", "ge"}, {"AZE", "az"}, {"KZ0", "kz"}, {"UZ0", "uz"}, {"USA", "us"}, {"CAN", "ca"},
      {"UK0", "gb"}, {"AUS", "au"}, {"DE0", "de"}, {"FRA", "fr"}, {"ITA", "it"}, {"NED", "nl"}, {"SWE", "se"},
      {"CZ0", "cz"}, {"ESP", "es"}, {"BRA", "br"}, {"IND", "in"}, {"CHI", "cn"}, {"JAP", "jp"}, {"SK0", "kr"}};
  for (const auto& [c, file] : flags) {
    if (c == code) return QString("/usr/share/flags/countries/16x11/%1.png").arg(file);
  }
  return {};
}

}  // namespace

TFormRadio::TFormRadio(PictureRegistry& pictures, DialogLook& look, Radio& radio, QWidget* parent)
    : DialogFrame(pictures, look, RadioPictures(), parent), radio_(radio) {
  setWindowTitle(look.Word ? look.Word(WordId::ZanInternetRadio) : QString());
  // The window needs room for the logo (180 x 180) beside the lists and the switch under them.
  setFixedSize(340, CardStyle() ? 420 : HeaderHeight() + 350);
  const int top = CardStyle() ? 60 : RedLine().bottom() + 6;

  countries_ = new QComboBox(this);
  countries_->setObjectName("ComboBoxCountry");
  for (const RadioCountry& c : RadioCountries()) {
    const QImage flag(FlagFile(c.Code));
    countries_->addItem(flag.isNull() ? QIcon() : QIcon(QPixmap::fromImage(flag.scaled(14, 12))),
                        QString::fromLatin1(c.Name.data(), static_cast<qsizetype>(c.Name.size())));
  }
  countries_->setGeometry(5, top, 150, 24);
  stations_ = new QListWidget(this);
  stations_->setObjectName("ListBoxStations");
  stations_->setGeometry(5, top + 28, 150, 152);

  logo_ = new PictureBox(this);
  logo_->Place(QRect(155, top, 180, 180));
  onOff_ = new PictureBox(this);
  onOff_->Place(QRect(5, top + 186, 145, 90));
  onOff_->setCursor(Qt::PointingHandCursor);
  minus_ = new TZanCardsButton(pictures, this);
  plus_ = new TZanCardsButton(pictures, this);
  StyleButton(*minus_);
  StyleButton(*plus_);
  minus_->setText("-");
  plus_->setText("+");
  minus_->setGeometry(165, top + 216, 30, 30);
  volume_ = new PictureBox(this);
  volume_->Place(QRect(200, top + 216, 78, 30));
  plus_->setGeometry(283, top + 216, 30, 30);
  OkButton().setGeometry(5, height() - 50, 330, 45);
  for (PictureBox* box : {logo_, onOff_, volume_}) box->show();

  connect(countries_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    radio_.SetFilter(index);
    ListStations(index + 1);
  });
  connect(stations_, &QListWidget::currentRowChanged, this, [this](int) {
    if (!filling_) TuneSelected();
  });
  connect(onOff_, &PictureBox::MouseReleased, this, [this](QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    radio_.Toggle();
    emit Toggled();
  });
  connect(minus_, &QAbstractButton::clicked, this, [this] { radio_.StepVolume(false); });
  connect(plus_, &QAbstractButton::clicked, this, [this] { radio_.StepVolume(true); });
  connect(&radio_, &Radio::Changed, this, &TFormRadio::Redraw);

  filling_ = true;
  countries_->setCurrentIndex(radio_.State().KakStations);
  filling_ = false;
  ListStations(radio_.State().KakStations + 1);
  Redraw();
}

void TFormRadio::ListStations(int filter) {
  const std::optional<std::vector<Station>> stations = radio_.Stations(filter);
  if (!stations) return;  // an unreadable list leaves the window's list as it was
  filling_ = true;
  stations_->clear();
  keys_.clear();
  const QImage flag(FlagFile(RadioCountries()[static_cast<std::size_t>(filter - 1)].Code));
  int current = -1;
  for (const Station& s : *stations) {
    auto* item = new QListWidgetItem(QString::fromStdString(s.Name), stations_);
    if (!flag.isNull()) item->setIcon(QIcon(QPixmap::fromImage(flag.scaled(14, 12))));
    keys_.append(QString::fromStdString(s.Key));
    if (current < 0 && s.Name == radio_.State().Name) current = stations_->count() - 1;
  }
  filling_ = false;
  stations_->setToolTip(QString::fromStdString(radio_.State().Name));
  if (current >= 0) {
    filling_ = true;
    stations_->setCurrentRow(current);
    filling_ = false;
  } else if (stations_->count() > 0) {
    stations_->setCurrentRow(0);  // tunes the first station
  }
}

void TFormRadio::TuneSelected() {
  const int row = stations_->currentRow();
  if (row < 0 || row >= keys_.size()) return;
  const std::optional<std::vector<Station>> all = radio_.Stations(countries_->currentIndex() + 1);
  if (!all) return;
  for (const Station& s : *all) {
    if (QString::fromStdString(s.Key) == keys_[row]) {
      radio_.Tune(s);
      stations_->setToolTip(QString::fromStdString(radio_.State().Name));
      return;
    }
  }
}

QImage TFormRadio::RadioPicture(const QString& name, QSize size) {
  const std::optional<QImage> picture = Pictures().LibraryPicture(Radio::kLibrary, name);
  if (!picture) return {};
  return picture->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TFormRadio::Redraw() {
  const RadioState& s = radio_.State();
  const auto draw = [this](PictureBox* box, const QImage& picture, const QImage& over = {}) {
    box->Canvas().fill(palette().color(QPalette::Window));
    QPainter p(&box->Canvas());
    if (!picture.isNull()) p.drawImage(0, 0, picture);
    if (!over.isNull()) p.drawImage((box->width() - over.width()) / 2, (box->height() - over.height()) / 2, over);
    p.end();
    box->Refresh();
  };
  draw(onOff_, RadioPicture(s.Enabled ? "RRADIO_MAING" : "RRADIO_MAINR", onOff_->size()));
  volumeName_ = QString::fromStdString(RadioVolumePicture(s.Volume));
  draw(volume_, RadioPicture(volumeName_, volume_->size()));
  draw(logo_, RadioPicture("RRADIO_RAMKA", logo_->size()),
       RadioPicture(QString::fromStdString(s.Resurs), QSize(150, 150)));
  onOff_->setToolTip(QString::fromStdString(s.Name));
}

}  // namespace tavlo
