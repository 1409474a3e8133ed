#include "ui/dialogs/options_dialog.h"
#include "ui/widgets/caption_fit.h"

#include "lang/word_captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStandardItemModel>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QIcon>
#include <QPixmap>
#include <QTabWidget>
#include <QVBoxLayout>

#include "lang/languages.h"
#include "ui/downloads/library_download.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

DialogPictures OptionsPictures(const QString& suffix) {
  DialogPictures p;
  p.ConciseCaption = "Options" + suffix;
  p.Strip = "GCap300";
  p.Ribbon = "GLenta280x090";
  p.RibbonOverlay = "GFormOpt" + suffix;
  p.CardBackground = "GFormOpt";
  p.CardOverlay = "GFormOpt" + suffix;
  p.IconStrip = "GIcon48Opt";
  p.IconAt = QPoint(35, 22);
  p.IconFrames = 10;
  p.IconInterval = 60;
  p.Title = WordId::Options;
  return p;
}

constexpr int kClientWidth = 640;
constexpr int kTabsHeight = 330;
constexpr int kDeckCount = 48;
// Download numbers of the deck libraries (A, B, C) and of the design library.
constexpr int kDeckLibraryDownloads[3] = {1, 2, 8};
constexpr int kDesignLibraryDownload = 9;
// The colour list in the order of the setting: green, red, orange, yellow, light blue,
// dark blue, violet (the form colours of the menu).
constexpr WordId kColourWords[7] = {WordId::ColourGreen,  WordId::ColourRed,       WordId::ColourOrange,
                                    WordId::ColourYellow, WordId::ColourLightBlue, WordId::ColourDarkBlue,
                                    WordId::ColourViolet};
constexpr std::uint32_t kColourSwatches[7] = {0x008000, 0x000080, 0x004080, 0x008080, 0x808000, 0x800000, 0x800080};

QColor Bgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

WordId WindowSizeWord(WindowSizeMode mode) {
  switch (mode) {
    case WindowSizeMode::Small:
      return WordId::SmallWindow;
    case WindowSizeMode::FullScreen:
      return WordId::FullScreen;
    case WindowSizeMode::Average1:
      return WordId::AverageWindow1;
    case WindowSizeMode::Average2:
      return WordId::AverageWindow2;
    case WindowSizeMode::Large:
      return WordId::LargeWindow;
  }
  return WordId::SmallWindow;
}

// The back sets 8..11 hold ten backs drawn at random; the others change by weekday or stay.
bool RandomBackSet(int set) { return set >= 8 && set <= 11; }

}  // namespace

std::vector<WindowSizeMode> OfferedWindowSizes(QSize screen) {
  const int w = screen.width();
  const int h = screen.height();
  std::vector<WindowSizeMode> modes{WindowSizeMode::Small, WindowSizeMode::FullScreen};
  if (w >= 990 && h >= 670) modes.push_back(WindowSizeMode::Average1);
  if (w >= 1290 && h >= 870) modes.push_back(WindowSizeMode::Average2);
  if (w >= 1520 && h >= 1020) modes.push_back(WindowSizeMode::Large);
  return modes;
}

TFormOptions::TFormOptions(PictureRegistry& pictures, DialogLook& look, Settings& settings, OptionsEffects effects,
                           QWidget* parent)
    : DialogFrame(pictures, look, OptionsPictures(look.LanguageSuffix), parent),
      settings_(settings),
      effects_(std::move(effects)) {
  setObjectName("FormOptions");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("PageControl1");
  tabs_->addTab(BuildGeneralTab(), QString());
  tabs_->addTab(BuildCardsTab(), QString());
  tabs_->addTab(BuildDecksTab(), QString());
  tabs_->addTab(BuildGameTab(), QString());
  tabs_->addTab(BuildFontsTab(), QString());
  tabs_->addTab(BuildBackgroundTab(), QString());
  tabs_->addTab(BuildSaveGamesTab(), QString());
  tabs_->addTab(BuildLibrariesTab(), QString());
  tabs_->addTab(BuildDesignTab(), QString());
  tabs_->setFont(Look().Fonts.Font(FontRole::Decor, 14));
  if (CardStyle()) {
    tabs_->setStyleSheet(QString("QWidget { color: %1; } QComboBox, QSpinBox, QFontComboBox { background: %2; "
                                 "color: yellow; }")
                             .arg(Look().DesignFontColour.name(), Look().DesignEditColour.name()));
  }
  OkButton().SetHeightSB(THeightSB::D45);
  connect(&OkButton(), &QAbstractButton::pressed, this, [this] {
    if (settings_.SaluteButtons && effects_.Salute) effects_.Salute();
  });
  FillFromSettings();
  ApplyCaptions();
  Relayout();
}

QString TFormOptions::T(WordId word) const { return Look().Word ? Look().Word(word) : QString(); }

void TFormOptions::Relayout() {
  const int top = CardStyle() ? 80 : RedLine().isNull() ? 75 : HeaderHeight() + 18;
  setFixedSize(kClientWidth, top + kTabsHeight + 10 + 45 + 8);
  tabs_->setGeometry(8, top, kClientWidth - 16, kTabsHeight);
  OkButton().setGeometry(8, top + kTabsHeight + 10, kClientWidth - 16, 45);
}

// --- the tabs ---

QWidget* TFormOptions::BuildGeneralTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet1");
  auto* grid = new QGridLayout(page);
  groupBox1_ = new QGroupBox(page);
  auto* box = new QVBoxLayout(groupBox1_);
  checkBox1_ = new QCheckBox(groupBox1_);
  checkBox2_ = new QCheckBox(groupBox1_);
  checkBox3_ = new QCheckBox(groupBox1_);
  checkBox4_ = new QCheckBox(groupBox1_);
  checkBoxCur_ = new QCheckBox(groupBox1_);
  checkBoxBut_ = new QCheckBox(groupBox1_);
  for (QCheckBox* c : {checkBox1_, checkBox2_, checkBox3_, checkBox4_, checkBoxCur_, checkBoxBut_}) box->addWidget(c);
  button3_ = new TZanCardsButton(Pictures(), page);
  button4_ = new TZanCardsButton(Pictures(), page);
  for (TZanCardsButton* b : {button3_, button4_}) {
    StyleButton(*b);
    b->SetHeightSB(THeightSB::D30);
    b->setFont(Look().Fonts.Font(FontRole::Decor, 16, true));
  }
  checkBoxNet_ = new QCheckBox(page);
  comboBoxWSize_ = new QComboBox(page);
  comboBoxWSize_->setObjectName("ComboBoxWSize");
  comboBoxLan_ = new QComboBox(page);
  comboBoxLan_->setObjectName("ComboBoxLan");
  // Each language beside its 14 x 12 flag.
  comboBoxLan_->setIconSize(QSize(14, 12));
  for (int k = 0; k < kLanguageCount; ++k) {
    const std::string_view name = Language(k).Name;
    const std::string_view flag = Language(k).FlagPicture;
    const QImage picture = Pictures().Picture(QString::fromUtf8(flag.data(), static_cast<qsizetype>(flag.size())), QSize(14, 12));
    comboBoxLan_->addItem(QIcon(QPixmap::fromImage(picture)), QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  wsizeLabel_ = new QLabel(page);
  lanLabel_ = new QLabel(page);
  flag_ = new QLabel(page);
  flag_->setObjectName("ImageFlag");
  flag_->setFixedSize(48, 32);
  grid->addWidget(groupBox1_, 0, 0, 4, 1);
  grid->addWidget(button3_, 0, 1, 1, 2);
  grid->addWidget(button4_, 1, 1, 1, 2);
  grid->addWidget(checkBoxNet_, 2, 1, 1, 2);
  grid->addWidget(wsizeLabel_, 4, 0);
  grid->addWidget(comboBoxWSize_, 5, 0);
  grid->addWidget(lanLabel_, 4, 1);
  grid->addWidget(comboBoxLan_, 5, 1);
  grid->addWidget(flag_, 5, 2);

  connect(checkBox1_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.SoundOn = on;
  });
  connect(checkBox2_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.MusicOn = on;
    if (effects_.MusicChanged) effects_.MusicChanged();
  });
  connect(checkBox3_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.GifAnimationOn = on;
    if (effects_.GifAnimationChanged) effects_.GifAnimationChanged();
  });
  connect(checkBox4_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.FlyCardsOn = on;
  });
  connect(checkBoxCur_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.OwnCursor = on;
    if (effects_.CursorChanged) effects_.CursorChanged();
  });
  connect(checkBoxBut_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.NewButtons = on;
    // This dialog's own buttons change with the window's.
    for (TZanCardsButton* b : findChildren<TZanCardsButton*>()) b->SetNata(on);
    if (effects_.ButtonsChanged) effects_.ButtonsChanged();
  });
  connect(checkBoxNet_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.NetGame = on;
    if (effects_.NetGameChanged) effects_.NetGameChanged();
  });
  connect(comboBoxWSize_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    settings_.WindowSizeMode = comboBoxWSize_->itemData(index).toInt();
    if (effects_.WindowSizeChanged) effects_.WindowSizeChanged();
    FillFromSettings();
  });
  connect(comboBoxLan_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    settings_.LanguageIndex = index;
    if (effects_.LanguageChanged) effects_.LanguageChanged(index);
    const std::string_view suffix = Language(index).PictureSuffix;
    ReloadLanguagePictures(OptionsPictures(QString::fromUtf8(suffix.data(), static_cast<qsizetype>(suffix.size()))));
    ApplyCaptions();
    FitCaptions(*this);
  });
  connect(button3_, &QAbstractButton::clicked, this, [this] {
    if (settings_.SaluteButtons && effects_.Salute) effects_.Salute();
    if (effects_.OpenSpeed) effects_.OpenSpeed();
    button3_->setText(T(WordId::Speed) + "=" + QString::number(settings_.FlySpeed));
  });
  connect(button4_, &QAbstractButton::clicked, this, [this] {
    if (settings_.SaluteButtons && effects_.Salute) effects_.Salute();
    if (effects_.OpenPassport) effects_.OpenPassport();
  });
  return page;
}

QWidget* TFormOptions::BuildCardsTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet2");
  auto* grid = new QGridLayout(page);
  comboBox1_ = new QComboBox(page);
  comboBox1_->setObjectName("ComboBox1");
  grid->addWidget(comboBox1_, 0, 0, 1, 4);
  for (int k = 0; k < 4; ++k) {
    samples_[k] = new QLabel(page);
    samples_[k]->setFixedSize(71, 96);
    grid->addWidget(samples_[k], 1, k);
  }
  auto* row = new QHBoxLayout;
  for (int k = 0; k < 3; ++k) {
    cardDownloads_[k] = MakeDownloadButton(kDeckLibraryDownloads[k], page);
    row->addWidget(cardDownloads_[k]);
  }
  grid->addLayout(row, 2, 0, 1, 4);
  grid->setRowStretch(3, 1);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    settings_.DeckNumber = index;
    if (effects_.LooksChanged) effects_.LooksChanged();
    FillFromSettings();  // a deck that could not be loaded has become deck 0
  });
  return page;
}

QWidget* TFormOptions::BuildDecksTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet3");
  auto* grid = new QGridLayout(page);
  comboBox2_ = new QComboBox(page);
  comboBox2_->setObjectName("ComboBox2");
  comboBox2_->addItem("Classical");
  for (int k = 1; k <= 12; ++k) comboBox2_->addItem(QString::number(k));
  radioGroup2_ = new QGroupBox(page);
  auto* box = new QVBoxLayout(radioGroup2_);
  for (int k = 0; k < 3; ++k) {
    backChoice_[k] = new QRadioButton(radioGroup2_);
    box->addWidget(backChoice_[k]);
    connect(backChoice_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (filling_ || !on) return;
      settings_.BackChange = k == 1 ? 1 : 0;
    });
  }
  grid->addWidget(comboBox2_, 0, 0);
  grid->addWidget(radioGroup2_, 1, 0);
  grid->setRowStretch(2, 1);
  connect(comboBox2_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    settings_.BackSet = index;
    if (effects_.LooksChanged) effects_.LooksChanged();
    FillFromSettings();  // backs that could not be loaded have become set 0
  });
  return page;
}

QWidget* TFormOptions::BuildGameTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet4");
  auto* grid = new QGridLayout(page);
  groupBox3_ = new QGroupBox(page);
  auto* main = new QVBoxLayout(groupBox3_);
  checkBox8_ = new QCheckBox(groupBox3_);
  main->addWidget(checkBox8_);
  radioGroup4_ = new QGroupBox(groupBox3_);
  auto* koronki = new QVBoxLayout(radioGroup4_);
  for (int k = 0; k < 3; ++k) {
    koronki_[k] = new QRadioButton(radioGroup4_);
    koronki->addWidget(koronki_[k]);
    connect(koronki_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (!filling_ && on) settings_.Rules.KoronkiMode = k;
    });
  }
  main->addWidget(radioGroup4_);
  expertBox_ = new QCheckBox(groupBox3_);
  expertBox_->setObjectName("CheckBoxExpert");
  main->addWidget(expertBox_);
  connect(expertBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.ExpertComputer = on;
  });
  groupBox2_ = new QGroupBox(page);
  auto* minor = new QVBoxLayout(groupBox2_);
  checkBox5_ = new QCheckBox(groupBox2_);
  minor->addWidget(checkBox5_);
  grid->addWidget(groupBox3_, 0, 0);
  grid->addWidget(groupBox2_, 1, 0);
  grid->setRowStretch(2, 1);
  connect(checkBox8_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.Rules.IgnoreFirstSix = on;
  });
  connect(checkBox5_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.Rules.ShowCardsAtEnd = on;
  });
  return page;
}

QWidget* TFormOptions::BuildFontsTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet5");
  auto* grid = new QGridLayout(page);
  comboBoxFont_ = new QComboBox(page);
  comboBoxFont_->setObjectName("ComboBoxFont");
  for (int k = 0; k < kFontRoleCount; ++k) comboBoxFont_->addItem(QString());
  fontComboBox1_ = new QFontComboBox(page);
  fontComboBox1_->setObjectName("FontComboBox1");
  spinEdit1_ = new QSpinBox(page);
  spinEdit1_->setObjectName("SpinEdit1");
  spinEdit1_->setRange(50, 150);
  scaleLabel_ = new QLabel(page);
  button2_ = new TZanCardsButton(Pictures(), page);
  StyleButton(*button2_);
  button2_->SetHeightSB(THeightSB::D30);
  button2_->setFont(Look().Fonts.Font(FontRole::Decor, 16, true));
  grid->addWidget(comboBoxFont_, 0, 0, 1, 2);
  grid->addWidget(fontComboBox1_, 1, 0, 1, 2);
  grid->addWidget(scaleLabel_, 2, 0);
  grid->addWidget(spinEdit1_, 2, 1);
  grid->addWidget(button2_, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  connect(comboBoxFont_, &QComboBox::currentIndexChanged, this, [this](int role) {
    if (role >= 0) ShowFontRole(role);
  });
  connect(fontComboBox1_, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
    if (filling_) return;
    settings_.FontFace[static_cast<std::size_t>(comboBoxFont_->currentIndex())] = font.family().toStdString();
    if (effects_.LooksChanged) effects_.LooksChanged();
  });
  connect(spinEdit1_, &QSpinBox::valueChanged, this, [this](int percent) {
    if (filling_ || percent < 50 || percent > 150) return;
    settings_.FontScale[static_cast<std::size_t>(comboBoxFont_->currentIndex())] = percent;
    if (effects_.LooksChanged) effects_.LooksChanged();
  });
  connect(button2_, &QAbstractButton::clicked, this, [this] {
    if (settings_.SaluteButtons && effects_.Salute) effects_.Salute();
    const Settings defaults;
    settings_.FontFace = defaults.FontFace;
    settings_.FontScale = defaults.FontScale;
    ShowFontRole(comboBoxFont_->currentIndex());
    if (effects_.LooksChanged) effects_.LooksChanged();
  });
  return page;
}

QWidget* TFormOptions::BuildBackgroundTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet6");
  auto* grid = new QGridLayout(page);
  comboBoxBG1_ = new QComboBox(page);
  comboBoxBG1_->setObjectName("ComboBoxBG1");
  for (int k = 0; k < 10; ++k) comboBoxBG1_->addItem(QString());
  comboBoxBG2_ = new QComboBox(page);
  comboBoxBG2_->setObjectName("ComboBoxBG2");
  for (int k = 0; k < 7; ++k) {
    QPixmap swatch(16, 16);
    swatch.fill(Bgr(kColourSwatches[k]));
    comboBoxBG2_->addItem(QIcon(swatch), QString());
  }
  bgLabels_[0] = new QLabel(page);
  bgLabels_[1] = new QLabel(page);
  grid->addWidget(bgLabels_[0], 0, 0);
  grid->addWidget(comboBoxBG1_, 1, 0);
  grid->addWidget(bgLabels_[1], 2, 0);
  grid->addWidget(comboBoxBG2_, 3, 0);
  grid->setRowStretch(4, 1);
  auto changed = [this] {
    if (filling_) return;
    settings_.BackgroundNumber = comboBoxBG1_->currentIndex() + 1;
    settings_.BackgroundColour = comboBoxBG2_->currentIndex();
    // The card-style menu has its own background: only the setting changes.
    if (settings_.MenuDesign == 1) return;
    if (effects_.LooksChanged) effects_.LooksChanged();
    FillFromSettings();  // a background that could not be loaded has become 2 and 0
  };
  connect(comboBoxBG1_, &QComboBox::currentIndexChanged, this, changed);
  connect(comboBoxBG2_, &QComboBox::currentIndexChanged, this, changed);
  return page;
}

QWidget* TFormOptions::BuildSaveGamesTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet7");
  auto* grid = new QGridLayout(page);
  checkBoxSG1_ = new QCheckBox(page);
  comboBoxSG1_ = new QComboBox(page);
  comboBoxSG1_->addItem(QString());
  comboBoxSG1_->addItem(QString());
  spinEditSG1_ = new QSpinBox(page);
  spinEditSG1_->setRange(10, 5000);
  sgLabels_[0] = new QLabel(page);
  sgLabels_[1] = new QLabel(page);
  grid->addWidget(checkBoxSG1_, 0, 0);
  grid->addWidget(sgLabels_[0], 1, 0);
  grid->addWidget(comboBoxSG1_, 2, 0);
  grid->addWidget(sgLabels_[1], 3, 0);
  grid->addWidget(spinEditSG1_, 4, 0);
  grid->setRowStretch(5, 1);
  connect(checkBoxSG1_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    settings_.SaveGamesAsGif = on;
    UpdateEnabled();
  });
  connect(comboBoxSG1_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!filling_ && index >= 0) settings_.GifArea = index + 1;
  });
  connect(spinEditSG1_, &QSpinBox::valueChanged, this, [this](int ms) {
    if (!filling_ && ms >= 10 && ms <= 5000) settings_.GifDelay = ms;
  });
  return page;
}

QWidget* TFormOptions::BuildLibrariesTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet8");
  auto* grid = new QGridLayout(page);
  rgRadioBox_ = new QGroupBox(page);
  rgRadioBox_->setObjectName("RGRadio");
  auto* box = new QVBoxLayout(rgRadioBox_);
  for (int k = 0; k < 2; ++k) {
    rgRadio_[k] = new QRadioButton(rgRadioBox_);
    box->addWidget(rgRadio_[k]);
    connect(rgRadio_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (filling_ || !on) return;
      settings_.RadioListFromServer = k == 0;
      if (effects_.RadioListChanged) effects_.RadioListChanged();
    });
  }
  grid->addWidget(rgRadioBox_, 0, 0, 1, 3);
  for (int n = 1; n <= 9; ++n) {
    downloads_[n] = MakeDownloadButton(n, page);
    grid->addWidget(downloads_[n], 1 + (n - 1) / 3, (n - 1) % 3);
  }
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* TFormOptions::BuildDesignTab() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet9");
  auto* grid = new QGridLayout(page);
  comboBoxD1_ = new QComboBox(page);
  comboBoxD2_ = new QComboBox(page);
  comboBoxD3_ = new QComboBox(page);
  for (QComboBox* list : {comboBoxD1_, comboBoxD2_}) {
    list->addItem(QString());
    list->addItem(QString());
  }
  for (int k = 0; k < 4; ++k) comboBoxD3_->addItem(QString());
  for (int k = 0; k < 3; ++k) designLabels_[k] = new QLabel(page);
  groupBoxD4_ = new QGroupBox(page);
  auto* salute = new QVBoxLayout(groupBoxD4_);
  checkBoxD1_ = new QCheckBox(groupBoxD4_);
  checkBoxD2_ = new QCheckBox(groupBoxD4_);
  salute->addWidget(checkBoxD1_);
  salute->addWidget(checkBoxD2_);
  grid->addWidget(designLabels_[0], 0, 0);
  grid->addWidget(comboBoxD1_, 1, 0);
  grid->addWidget(designLabels_[1], 2, 0);
  grid->addWidget(comboBoxD2_, 3, 0);
  grid->addWidget(designLabels_[2], 4, 0);
  grid->addWidget(comboBoxD3_, 5, 0);
  grid->addWidget(groupBoxD4_, 0, 1, 4, 1);
  grid->setRowStretch(6, 1);
  for (QComboBox* list : {comboBoxD1_, comboBoxD2_, comboBoxD3_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this](int) {
      if (!filling_) OnDesignChosen();
    });
  }
  connect(checkBoxD1_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.SaluteButtons = on;
  });
  connect(checkBoxD2_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) settings_.SaluteCards = on;
  });
  return page;
}

// --- handlers and filling ---

TZanCardsButton* TFormOptions::MakeDownloadButton(int n, QWidget* page) {
  auto* button = new TZanCardsButton(Pictures(), page);
  button->setObjectName(QStringLiteral("Download%1").arg(n));
  button->setText(DownloadFileName(n));
  StyleButton(*button);
  button->SetHeightSB(THeightSB::D30);
  button->setMinimumWidth(180);
  connect(button, &QAbstractButton::clicked, this, [this, n] { OnDownload(n); });
  return button;
}

void TFormOptions::OnDownload(int n) {
  if (downloading_ || !effects_.Download) return;
  downloading_ = true;
  UpdateDownloads();
  QPointer<TFormOptions> self(this);
  effects_.Download(n, [self](bool) {
    if (!self) return;
    self->downloading_ = false;
    self->UpdateDownloads();
    // A new deck, back or design library may make choices loadable that were not.
    self->FillFromSettings();
  });
}

void TFormOptions::UpdateDownloads() {
  const auto present = [this](int n) { return effects_.FilePresent ? effects_.FilePresent(n) : true; };
  const auto apply = [this](TZanCardsButton* button, bool missing) {
    button->setEnabled(missing && !downloading_);
    button->SetKLightSB(missing ? 0 : 50);
  };
  for (int n = 1; n <= 9; ++n) apply(downloads_[n], !present(n));
  for (int k = 0; k < 3; ++k) apply(cardDownloads_[k], !present(kDeckLibraryDownloads[k]));
  const bool design = present(kDesignLibraryDownload);
  groupBoxD4_->setEnabled(design);
  if (!design) {
    checkBoxD1_->setChecked(false);
    checkBoxD2_->setChecked(false);
    settings_.SaluteButtons = false;
    settings_.SaluteCards = false;
  }
  // The card-style dialog design ("Purple") needs the design library too.
  if (auto* model = qobject_cast<QStandardItemModel*>(comboBoxD3_->model())) {
    if (QStandardItem* purple = model->item(3)) purple->setEnabled(design);
  }
}

void TFormOptions::OnDesignChosen() {
  const int menu = comboBoxD1_->currentIndex();
  const int table = comboBoxD2_->currentIndex();
  const int dialog = comboBoxD3_->currentIndex();
  const bool needsLibrary = menu == 1 || table == 1 || dialog >= 1;
  if (needsLibrary && !Pictures().LibraryPicture(kDesignLibrary, "GFormOpt")) {
    settings_.MenuDesign = 0;
    settings_.TableDesign = 0;
    settings_.DialogDesign = 0;
    FillFromSettings();
    if (effects_.LooksChanged) effects_.LooksChanged();
    if (effects_.Notice) effects_.Notice(T(WordId::CantFindFile) + " " + kDesignLibrary);
    return;
  }
  settings_.MenuDesign = menu;
  settings_.TableDesign = table;
  settings_.DialogDesign = dialog;
  if (effects_.LooksChanged) effects_.LooksChanged();
  FillFromSettings();
}

void TFormOptions::FillWindowSizes() {
  comboBoxWSize_->clear();
  for (WindowSizeMode mode : OfferedWindowSizes(effects_.Screen)) {
    comboBoxWSize_->addItem(T(WindowSizeWord(mode)), static_cast<int>(mode));
  }
  comboBoxWSize_->setCurrentIndex(std::max(0, comboBoxWSize_->findData(settings_.WindowSizeMode)));
}

void TFormOptions::FillFromSettings() {
  filling_ = true;
  checkBox1_->setChecked(settings_.SoundOn);
  checkBox2_->setChecked(settings_.MusicOn);
  checkBox3_->setChecked(settings_.GifAnimationOn);
  checkBox4_->setChecked(settings_.FlyCardsOn);
  checkBoxCur_->setChecked(settings_.OwnCursor);
  checkBoxBut_->setChecked(settings_.NewButtons);
  checkBoxNet_->setChecked(settings_.NetGame);
  FillWindowSizes();
  comboBoxLan_->setCurrentIndex(EffectiveLanguage(settings_.LanguageIndex));
  comboBox1_->setCurrentIndex(std::clamp(settings_.DeckNumber, 0, kDeckCount - 1));
  comboBox2_->setCurrentIndex(std::clamp(settings_.BackSet, 0, 12));
  UpdateBackChoices();
  checkBox8_->setChecked(settings_.Rules.IgnoreFirstSix);
  koronki_[std::clamp(settings_.Rules.KoronkiMode, 0, 2)]->setChecked(true);
  checkBox5_->setChecked(settings_.Rules.ShowCardsAtEnd);
  expertBox_->setChecked(settings_.ExpertComputer);
  comboBoxBG1_->setCurrentIndex(std::clamp(settings_.BackgroundNumber, 1, 10) - 1);
  comboBoxBG2_->setCurrentIndex(std::clamp(settings_.BackgroundColour, 0, 6));
  checkBoxSG1_->setChecked(settings_.SaveGamesAsGif);
  comboBoxSG1_->setCurrentIndex(std::clamp(settings_.GifArea, 1, 2) - 1);
  spinEditSG1_->setValue(settings_.GifDelay);
  rgRadio_[settings_.RadioListFromServer ? 0 : 1]->setChecked(true);
  comboBoxD1_->setCurrentIndex(std::clamp(settings_.MenuDesign, 0, 1));
  comboBoxD2_->setCurrentIndex(std::clamp(settings_.TableDesign, 0, 1));
  comboBoxD3_->setCurrentIndex(std::clamp(settings_.DialogDesign, 0, 3));
  checkBoxD1_->setChecked(settings_.SaluteButtons);
  checkBoxD2_->setChecked(settings_.SaluteCards);
  filling_ = false;
  ShowFontRole(std::max(0, comboBoxFont_->currentIndex()));
  UpdateEnabled();
  UpdateDownloads();
  DrawSamples();
  DrawFlag();
}

void TFormOptions::UpdateBackChoices() {
  const bool random = RandomBackSet(settings_.BackSet);
  const bool wasFilling = filling_;
  filling_ = true;
  backChoice_[0]->setEnabled(!random);
  backChoice_[1]->setEnabled(!random);
  backChoice_[2]->setEnabled(random);
  if (random) {
    settings_.BackChange = 0;  // "Random" is stored as the weekday change
    backChoice_[2]->setChecked(true);
  } else {
    // A set without random backs turns a chosen "Random" into "To change decks".
    backChoice_[settings_.BackChange == 1 ? 1 : 0]->setChecked(true);
  }
  filling_ = wasFilling;
}

void TFormOptions::UpdateEnabled() {
  const bool bothCardStyle = settings_.MenuDesign == 1 && settings_.TableDesign == 1;
  comboBoxBG1_->setEnabled(!bothCardStyle);
  comboBoxBG2_->setEnabled(!bothCardStyle);
  checkBoxSG1_->setEnabled(settings_.WindowSizeMode == 1);
  comboBoxSG1_->setEnabled(checkBoxSG1_->isChecked());
  spinEditSG1_->setEnabled(checkBoxSG1_->isChecked());
  checkBox3_->setEnabled(!effects_.MenuShown || effects_.MenuShown());
}

void TFormOptions::ShowFontRole(int role) {
  const bool wasFilling = filling_;
  filling_ = true;
  const auto k = static_cast<std::size_t>(std::clamp(role, 0, kFontRoleCount - 1));
  fontComboBox1_->setCurrentFont(QFont(QString::fromStdString(settings_.FontFace[k])));
  spinEdit1_->setValue(settings_.FontScale[k]);
  filling_ = wasFilling;
}

void TFormOptions::DrawSamples() {
  const LoadedDeck deck = LoadDeck(Pictures(), settings_.DeckNumber, 1, QSize(71, 96));
  // The four aces, one of each suit.
  constexpr int kSampleCards[4] = {13, 26, 39, 52};
  for (int k = 0; k < 4; ++k) {
    QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    QPainter p(&card);
    p.fillRect(0, 0, 71, 96, Qt::black);
    const QImage& face = deck.faces[static_cast<std::size_t>(kSampleCards[k] - 1)];
    if (!face.isNull()) p.drawImage(QRect(1, 1, 69, 94), face);
    p.end();
    samples_[k]->setPixmap(QPixmap::fromImage(card));
  }
}

void TFormOptions::DrawFlag() {
  const std::string_view flag = Language(settings_.LanguageIndex).FlagPicture;
  const QImage picture =
      Pictures().Picture(QString::fromUtf8(flag.data(), static_cast<qsizetype>(flag.size())), flag_->size());
  flag_->setPixmap(QPixmap::fromImage(picture));
  flag_->setProperty("flagName", QString::fromUtf8(flag.data(), static_cast<qsizetype>(flag.size())));
}

void TFormOptions::ApplyCaptions() {
  setWindowTitle(T(WordId::Options));
  const WordId tabWords[9] = {WordId::OptionsGeneral, WordId::OptionsCards, WordId::OptionsDecks,
                              WordId::OptionsGame,    WordId::Fonts,        WordId::BackgroundShort,
                              WordId::SaveGames,      WordId::OptionsGame,  WordId::Design};
  for (int k = 0; k < 9; ++k) tabs_->setTabText(k, k == 7 ? QString("DLL") : T(tabWords[k]));
  groupBox1_->setTitle(T(WordId::Multimedia));
  checkBox1_->setText(T(WordId::Sound));
  checkBox2_->setText(T(WordId::Music));
  checkBox3_->setText(T(WordId::GifAnimation));
  checkBox4_->setText(T(WordId::FlyCards));
  checkBoxCur_->setText(T(WordId::RedMouseCursor));
  checkBoxBut_->setText(T(WordId::NewButtons));
  checkBoxNet_->setText(T(WordId::Multiplayer));
  button3_->setText(T(WordId::Speed) + "=" + QString::number(settings_.FlySpeed));
  button4_->setText(T(WordId::Passport));
  {
    const bool wasFilling = filling_;
    filling_ = true;
    FillWindowSizes();
    for (int k = 0; k < kDeckCount; ++k) {
      const QString name = T(DeckCaption(k));
      if (comboBox1_->count() <= k) {
        comboBox1_->addItem(name);
      } else {
        comboBox1_->setItemText(k, name);
      }
    }
    filling_ = wasFilling;
  }
  radioGroup2_->setTitle(T(WordId::Modification));
  backChoice_[0]->setText(T(WordId::ChangeDecks));
  backChoice_[1]->setText(T(WordId::AlwaysOne));
  backChoice_[2]->setText(T(WordId::RandomBacks));
  groupBox3_->setTitle(T(WordId::Main));
  checkBox8_->setText(T(WordId::IgnoreFirstSix));
  radioGroup4_->setTitle(T(WordId::KoronkiOption));
  koronki_[0]->setText(T(WordId::WithoutKoronki));
  koronki_[1]->setText(T(WordId::Cheap));
  koronki_[2]->setText(T(WordId::Expensive));
  groupBox2_->setTitle(T(WordId::Minor));
  checkBox5_->setText(T(WordId::ShowCardsAtEnd));
  expertBox_->setText(T(WordId::ExpertComputer));
  comboBoxFont_->setItemText(0, T(WordId::LargeFont));
  comboBoxFont_->setItemText(1, T(WordId::SmallFont));
  comboBoxFont_->setItemText(2, T(WordId::SpecialFont) + " 1");
  comboBoxFont_->setItemText(3, T(WordId::SpecialFont) + " 2");
  scaleLabel_->setText(T(WordId::ScalePercent));
  button2_->setText(T(WordId::Default));
  bgLabels_[0]->setText(T(WordId::Background));
  bgLabels_[1]->clear();
  for (int k = 0; k < 10; ++k) comboBoxBG1_->setItemText(k, T(BackgroundCaption(k + 1)));
  for (int k = 0; k < 7; ++k) comboBoxBG2_->setItemText(k, T(kColourWords[k]));
  checkBoxSG1_->setText(T(WordId::SaveGamesAsGifs));
  comboBoxSG1_->setItemText(0, T(WordId::SaveMainWindowOnly));
  comboBoxSG1_->setItemText(1, T(WordId::SaveScreenContents));
  sgLabels_[0]->clear();
  sgLabels_[1]->setText(T(WordId::FrameDelay));
  rgRadioBox_->setTitle(T(WordId::ReadingRadioList));
  rgRadio_[0]->setText(T(WordId::FromServer));
  rgRadio_[1]->setText(T(WordId::FromDisk));
  designLabels_[0]->setText(T(WordId::MainMenuDesign));
  designLabels_[1]->setText(T(WordId::GameTableDesign));
  designLabels_[2]->setText(T(WordId::AuxiliaryWindowDesign));
  for (QComboBox* list : {comboBoxD1_, comboBoxD2_}) {
    list->setItemText(0, T(WordId::Customizable));
    list->setItemText(1, T(WordId::DesignPurple));
  }
  comboBoxD3_->setItemText(0, T(WordId::DesignGrayAristocratic));
  comboBoxD3_->setItemText(1, T(WordId::DesignGrayConcise));
  comboBoxD3_->setItemText(2, T(WordId::DesignGrayRedRibbons));
  comboBoxD3_->setItemText(3, T(WordId::DesignPurple));
  groupBoxD4_->setTitle(T(WordId::Salute));
  checkBoxD1_->setText(T(WordId::SaluteButtons));
  checkBoxD2_->setText(T(WordId::SaluteCards));
  DrawFlag();
  update();
}

}  // namespace tavlo
