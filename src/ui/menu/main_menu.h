#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "lang/word_ids.h"
#include "ui/layout/scale.h"
#include "ui/widgets/font_roles.h"

namespace tavlo {

class HintBalloon;
class PictureBox;
class PictureRegistry;
class TZanCardsButton;

// Everything the menu shows that it does not own.
struct MenuView {
  Layout layout;
  WindowSizeMode mode = WindowSizeMode::Small;
  const QImage* background = nullptr;
  int menuDesign = 0;
  int captionVariant = 1;
  int clubListMode = 1;
  bool networkClub = false;
  bool animate = true;          // the two menu animations run
  QString languageSuffix = "Eng";
  std::array<QString, 5> clubRows;   // the club list, already shortened
  std::array<bool, 5> emptyRows{};
  QColor designFontColour = QColor(0xC8, 0xAF, 0x32);
  bool accountSignedIn = false;
  int accountState = 1;           // 1 signed out, 2 signed in, 3 a rated game chosen or running
  QString accountNick;
  bool accountRecordRead = false; // the fifth row shows the account's game record as read
  bool calendarShown = false;   // the desk calendar stands between the candlesticks and the title
};

// Icons of the menu's side columns.
enum class MenuIcon { Help, Tournament, Account, WorldTopTen, Statistics };

// The main menu: its buttons, headline pictures, candlesticks with flames, the two
// animations, the clocks of large screens and the icon columns, laid out at the
// current scale; animated on every tick of the window's timer.
class MainMenu : public QObject {
  Q_OBJECT

 public:
  using WordFn = std::function<QString(WordId)>;

  MainMenu(QWidget* form, PictureRegistry& pictures, const FontRoles& fonts, WordFn word);

  void Show(const MenuView& view);
  void Hide();
  bool Shown() const { return shown_; }
  // One tick of the menu animation at the given time.
  void Animate(const QDateTime& now);
  // Captions in the current language (after a language change).
  void ApplyCaptions();
  void SetClubListMode(int mode);
  void SetClubRows(const std::array<QString, 5>& rows, const std::array<bool, 5>& empty);
  // The account lamp and star on the account icon, its hint and the fifth row's colour.
  void SetAccount(int state, const QString& nick, bool recordRead);
  const QImage& AccountIconPicture() const { return accountIcon_; }
  PictureBox& AccountIcon() { return *icons_[2]; }

  TZanCardsButton& ClubRow(int row) { return *rows_[static_cast<std::size_t>(row - 1)]; }
  TZanCardsButton& NewPlayerButton() { return *newPlayer_; }
  TZanCardsButton& TopTenButton() { return *topTen_; }
  TZanCardsButton& OptionsButton() { return *options_; }
  TZanCardsButton& ExitButton() { return *exit_; }
  TZanCardsButton& ModeButton() { return *mode_; }
  TZanCardsButton& HistoryButton() { return *history_; }
  TZanCardsButton& HeaderPanel() { return *header_; }
  // Every widget the menu shows, for layout checks.
  std::vector<QWidget*> Controls() const;
  int FlameCounter() const { return flameCounter_; }
  const FontRoles& Fonts() const { return fonts_; }
  bool ClocksShown() const;

  // The statistics display of large screens: seven pages, one club figure each. Showing a page
  // asks for its figure (the main window reads the club in the background and answers with
  // ShowStatisticsFigure; nothing, when the club did not answer).
  static constexpr int kStatisticsPages = 7;
  static WordId StatisticsPageWord(int page);
  std::function<void(int page)> StatisticsFigureWanted;
  // Shows a page (the menu's tick turns them once a minute) and asks for its figure.
  void ShowStatisticsPage(int page);
  void ShowStatisticsFigure(int page, std::optional<std::int64_t> figure);
  int StatisticsPage() const { return statisticsPage_; }
  // The page's figure as drawn, and its hint; "" while unknown.
  QString StatisticsFigureText() const { return statisticsFigure_; }
  std::pair<QString, QString> StatisticsHint() const;
  PictureBox& StatisticsDisplay() { return *clocks_[1]; }
  // Where the news and chat marks stand: on large screens (scale 1.6 and more) a 220 x 125 shelf
  // centred between "New Player" and the right animation and between the last club row and the
  // bottom; below that, nothing (the marks stand beside "New Player").
  std::optional<QRect> IndicatorShelf() const;

 signals:
  void ClubRowClicked(int row);
  void NewPlayerClicked();
  void TopTenClicked();
  void OptionsClicked();
  void ExitClicked();
  void ModeClicked();
  void HistoryClicked();
  void CaptionClicked();
  void IconClicked(MenuIcon icon);
  // The menu was laid out and shown, or hidden (the menu's neighbours follow it).
  void ShownChanged(bool shown);

 private:
  TZanCardsButton* MakeButton();
  PictureBox* MakePicture();
  void DrawSeeThrough(PictureBox* box, const QImage& picture);
  void DrawCaptionPictures();
  void DrawFlames();
  void DrawClock(const QDateTime& now);
  void DrawGif(int index);

  QWidget* form_;
  PictureRegistry& pictures_;
  const FontRoles& fonts_;
  WordFn word_;
  MenuView view_;
  bool shown_ = false;

  std::array<TZanCardsButton*, 5> rows_{};
  TZanCardsButton* newPlayer_ = nullptr;
  TZanCardsButton* topTen_ = nullptr;
  TZanCardsButton* options_ = nullptr;
  TZanCardsButton* exit_ = nullptr;
  TZanCardsButton* mode_ = nullptr;
  TZanCardsButton* history_ = nullptr;
  TZanCardsButton* header_ = nullptr;
  PictureBox* title_ = nullptr;
  PictureBox* caption_ = nullptr;
  PictureBox* elite_ = nullptr;
  std::array<PictureBox*, 2> candles_{};
  std::array<PictureBox*, 2> gifs_{};
  std::array<PictureBox*, 2> clocks_{};
  std::array<PictureBox*, 5> icons_{};
  HintBalloon* hint_ = nullptr;

  int flameCounter_ = 0;
  std::array<int, 2> gifFrame_{};
  std::array<qint64, 2> gifNextAt_{};
  int statisticsMinuteShown_ = -1;
  int statisticsPage_ = 0;
  QString statisticsFigure_;
  bool statisticsNoConnect_ = false;
  QImage accountIcon_;
};

}  // namespace tavlo
