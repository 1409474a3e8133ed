#pragma once

#include <QSize>
#include <functional>
#include <vector>

#include "settings/settings.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/layout/scale.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tavlo {

// What the options change outside the settings themselves; the main window fills these in.
// Every hook may be empty.
struct OptionsEffects {
  std::function<void()> MusicChanged;         // start or stop the music
  std::function<void()> GifAnimationChanged;  // menu animations restart or stop
  std::function<void()> CursorChanged;        // cursors reapplied
  std::function<void()> ButtonsChanged;       // owner-drawn buttons of the window redrawn
  std::function<void()> NetGameChanged;       // the menu switches club files
  std::function<void(int)> LanguageChanged;   // every caption of the window renamed
  std::function<void()> WindowSizeChanged;    // the window is laid out again
  std::function<void()> LooksChanged;         // deck, backs, background, fonts or designs reloaded
  std::function<void()> RadioListChanged;     // the station list is prepared again
  std::function<void()> OpenSpeed;            // the speed dialog, modal
  std::function<void()> OpenPassport;         // the world top ten identity window
  std::function<void()> Salute;               // the click effect at the pointer
  std::function<void(const QString&)> Notice;
  // The download buttons (files 1..9 of the download list): whether a file is present in the
  // program or parent folder, and a download of it that calls `done` when it has ended.
  std::function<bool(int)> FilePresent;
  std::function<void(int, std::function<void(bool)>)> Download;
  std::function<bool()> MenuShown;
  QSize Screen{1920, 1080};  // what the screen can hold
};

// The window sizes a screen of this size can hold, in the order of the list
// (small, full screen, average 1, average 2, large).
std::vector<WindowSizeMode> OfferedWindowSizes(QSize screen);

// The options dialog: nine tabs whose controls each write their setting at once and apply
// its effect. There is no cancel; Escape and "Ok" both keep every change.
class TFormOptions : public DialogFrame {
  Q_OBJECT

 public:
  TFormOptions(PictureRegistry& pictures, DialogLook& look, Settings& settings, OptionsEffects effects,
               QWidget* parent);

  QTabWidget& Tabs() { return *tabs_; }
  QCheckBox& IgnoreFirstSixBox() { return *checkBox8_; }
  QRadioButton& KoronkiChoice(int mode) { return *koronki_[mode]; }
  QCheckBox& ShowCardsAtEndBox() { return *checkBox5_; }
  // The expert computer player for games against the computer.
  QCheckBox& ExpertBox() { return *expertBox_; }
  QCheckBox& SoundBox() { return *checkBox1_; }
  QCheckBox& MusicBox() { return *checkBox2_; }
  QCheckBox& GifAnimationBox() { return *checkBox3_; }
  QCheckBox& FlyCardsBox() { return *checkBox4_; }
  QCheckBox& CursorBox() { return *checkBoxCur_; }
  QCheckBox& NewButtonsBox() { return *checkBoxBut_; }
  QCheckBox& NetBox() { return *checkBoxNet_; }
  TZanCardsButton& SpeedButton() { return *button3_; }
  TZanCardsButton& PassportButton() { return *button4_; }
  QComboBox& WindowSizeList() { return *comboBoxWSize_; }
  QComboBox& LanguageList() { return *comboBoxLan_; }
  QComboBox& DeckList() { return *comboBox1_; }
  QComboBox& BackSetList() { return *comboBox2_; }
  QRadioButton& BackChoice(int k) { return *backChoice_[k]; }  // 0 change, 1 always one, 2 random
  QComboBox& FontRoleList() { return *comboBoxFont_; }
  QFontComboBox& FontFaceList() { return *fontComboBox1_; }
  QSpinBox& FontScaleBox() { return *spinEdit1_; }
  TZanCardsButton& FontDefaultButton() { return *button2_; }
  QComboBox& BackgroundList() { return *comboBoxBG1_; }
  QComboBox& ColourList() { return *comboBoxBG2_; }
  QCheckBox& SaveGamesBox() { return *checkBoxSG1_; }
  QComboBox& GifAreaList() { return *comboBoxSG1_; }
  QSpinBox& GifDelayBox() { return *spinEditSG1_; }
  QRadioButton& RadioFromServer() { return *rgRadio_[0]; }
  QRadioButton& RadioFromDisk() { return *rgRadio_[1]; }
  QComboBox& MenuDesignList() { return *comboBoxD1_; }
  QComboBox& TableDesignList() { return *comboBoxD2_; }
  QComboBox& DialogDesignList() { return *comboBoxD3_; }
  QCheckBox& SaluteButtonsBox() { return *checkBoxD1_; }
  QCheckBox& SaluteCardsBox() { return *checkBoxD2_; }
  QLabel& FlagPicture() { return *flag_; }
  QLabel& SampleCard(int k) { return *samples_[k]; }
  // The download button of file n (1..9) on the "DLL" tab; the "Cards" tab repeats those of
  // the deck libraries (1, 2 and 8).
  TZanCardsButton& DownloadButton(int n) { return *downloads_[n]; }
  TZanCardsButton& CardsTabDownloadButton(int k) { return *cardDownloads_[k]; }  // k 0..2

  // Every caption in the current language (after a language change).
  void ApplyCaptions();

 private:
  QWidget* BuildGeneralTab();
  QWidget* BuildCardsTab();
  QWidget* BuildDecksTab();
  QWidget* BuildGameTab();
  QWidget* BuildFontsTab();
  QWidget* BuildBackgroundTab();
  QWidget* BuildSaveGamesTab();
  QWidget* BuildLibrariesTab();
  QWidget* BuildDesignTab();
  // The controls show the settings as they stand (after loading fell back, for instance).
  void FillFromSettings();
  void FillWindowSizes();
  void UpdateBackChoices();
  void UpdateEnabled();
  void DrawSamples();
  void DrawFlag();
  void ShowFontRole(int role);
  void OnDesignChosen();
  void OnDownload(int n);
  // Buttons enabled at full light only while their file is missing; the options that need the
  // design library follow it.
  void UpdateDownloads();
  TZanCardsButton* MakeDownloadButton(int n, QWidget* page);
  void Relayout();
  QString T(WordId word) const;

  Settings& settings_;
  OptionsEffects effects_;
  bool filling_ = false;  // controls being filled from the settings: their handlers stay quiet

  QTabWidget* tabs_ = nullptr;
  QGroupBox* groupBox1_ = nullptr;
  QGroupBox* groupBox2_ = nullptr;
  QGroupBox* groupBox3_ = nullptr;
  QGroupBox* radioGroup2_ = nullptr;
  QGroupBox* radioGroup4_ = nullptr;
  QGroupBox* rgRadioBox_ = nullptr;
  QGroupBox* groupBoxD4_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  QCheckBox* checkBox2_ = nullptr;
  QCheckBox* checkBox3_ = nullptr;
  QCheckBox* checkBox4_ = nullptr;
  QCheckBox* checkBox5_ = nullptr;
  QCheckBox* checkBox8_ = nullptr;
  QCheckBox* expertBox_ = nullptr;
  QCheckBox* checkBoxCur_ = nullptr;
  QCheckBox* checkBoxBut_ = nullptr;
  QCheckBox* checkBoxNet_ = nullptr;
  QCheckBox* checkBoxSG1_ = nullptr;
  QCheckBox* checkBoxD1_ = nullptr;
  QCheckBox* checkBoxD2_ = nullptr;
  QRadioButton* koronki_[3] = {};
  QRadioButton* backChoice_[3] = {};
  QRadioButton* rgRadio_[2] = {};
  TZanCardsButton* button2_ = nullptr;
  TZanCardsButton* button3_ = nullptr;
  TZanCardsButton* button4_ = nullptr;
  QComboBox* comboBoxWSize_ = nullptr;
  QComboBox* comboBoxLan_ = nullptr;
  QComboBox* comboBox1_ = nullptr;
  QComboBox* comboBox2_ = nullptr;
  QComboBox* comboBoxFont_ = nullptr;
  QFontComboBox* fontComboBox1_ = nullptr;
  QSpinBox* spinEdit1_ = nullptr;
  QComboBox* comboBoxBG1_ = nullptr;
  QComboBox* comboBoxBG2_ = nullptr;
  QComboBox* comboBoxSG1_ = nullptr;
  QSpinBox* spinEditSG1_ = nullptr;
  QComboBox* comboBoxD1_ = nullptr;
  QComboBox* comboBoxD2_ = nullptr;
  QComboBox* comboBoxD3_ = nullptr;
  QLabel* flag_ = nullptr;
  QLabel* samples_[4] = {};
  TZanCardsButton* downloads_[10] = {};
  TZanCardsButton* cardDownloads_[3] = {};
  bool downloading_ = false;
  QLabel* wsizeLabel_ = nullptr;
  QLabel* lanLabel_ = nullptr;
  QLabel* scaleLabel_ = nullptr;
  QLabel* designLabels_[3] = {};
  QLabel* bgLabels_[2] = {};
  QLabel* sgLabels_[2] = {};
};

}  // namespace tavlo
