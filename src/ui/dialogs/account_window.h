#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <array>
#include <functional>

#include "net/club/account_session.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

class TZanCardsButton;
class TFAcc2;

// The account window: the club account's six tabs (account, results, club top ten, Zans, own
// profile, the club's leader). Everything it shows comes from the AccountSession; its buttons call
// the session, which talks to the club while the window keeps painting.
class TFAcc1 : public DialogFrame {
  Q_OBJECT

 public:
  // `fromClubList`: opened from the club list's fifth row, where "Play global rating" is offered.
  TFAcc1(PictureRegistry& pictures, DialogLook& look, AccountSession& session, bool fromClubList, QWidget* parent);

  // Where the photo chooser asks for a file (tests answer it); a file dialog by default.
  std::function<QString()> ChoosePhotoFile;
  // Opens an address with the system's handler; copying goes to the clipboard.
  std::function<void(const QString& address)> OpenAddress;
  // Called with the profile editor before it is shown (tests drive it).
  std::function<void(TFAcc2&)> ProfileEditorShown;

  QTabWidget& Tabs() { return *tabs_; }
  QLineEdit& NickBox() { return *nick_; }
  QLineEdit& PasswordBox() { return *password_; }
  QLineEdit& CityBox() { return *city_; }
  QLineEdit& EMailBox() { return *email_; }
  QLineEdit& CountryBox() { return *country_; }
  QLineEdit& RegistrationBox() { return *registration_; }
  QComboBox& RegionChoice() { return *region_; }
  QComboBox& CountryChoice() { return *countryChoice_; }
  QComboBox& SexChoice() { return *sex_; }
  QCheckBox& HidePassword() { return *hidePassword_; }
  QCheckBox& RatedPlay() { return *ratedPlay_; }
  TZanCardsButton& CreateButton() { return *create_; }
  TZanCardsButton& LoginButton() { return *login_; }
  TZanCardsButton& SaveButton() { return *save_; }
  TZanCardsButton& DeleteButton() { return *delete_; }
  QLabel& MembersLabel() { return *members_; }
  // The judgement behind each lamp: nick, city, password, e-mail (1 red, 2 yellow, 3 green).
  std::array<int, 4> Judgements() const { return judged_; }
  // Results tab: the nine values in the order of their rows.
  QString ResultValue(int row) const { return results_[static_cast<std::size_t>(row)]->text(); }
  TZanCardsButton& ResultsRefresh() { return *resultsRefresh_; }
  // Top ten tab: the row's nick and rating cells (row 1..10).
  QString TopTenCell(int row, int column) const;
  TZanCardsButton& TopTenRefresh() { return *topRefresh_; }
  // Zans tab.
  QLabel& BalanceLabel() { return *balance_; }
  QSpinBox& AmountBox() { return *amount_; }
  QLineEdit& RecipientBox() { return *recipient_; }
  TZanCardsButton& TransferButton() { return *transfer_; }
  TZanCardsButton& AddZansButton() { return *addZans_; }
  TZanCardsButton& ZansRefresh() { return *zansRefresh_; }
  // About me and President tabs.
  QString ProfileValue(int row) const { return profileValues_[static_cast<std::size_t>(row)]->text(); }
  TZanCardsButton& ProfileButton() { return *profileButton_; }
  QString PresidentValue(int row) const { return presidentValues_[static_cast<std::size_t>(row)]->text(); }
  QWidget& PresidentPage() { return *presidentPage_; }
  QLabel& PresidentTitle() { return *presidentTitle_; }

  // Redraws every tab from the session.
  void ShowSession();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* BuildAccountTab();
  QWidget* BuildResultsTab();
  QWidget* BuildTopTenTab();
  QWidget* BuildZansTab();
  QWidget* BuildAboutTab();
  QWidget* BuildPresidentTab();
  TZanCardsButton* MakeButton(QWidget* parent, const QString& caption);
  QLabel* MakeLabel(QWidget* parent, const QString& text, int size = 11, bool bold = false);
  void OnTextEdited(QLineEdit* box);
  void UpdateAccountControls();
  void FillCountries();
  void ShowResults();
  void ShowTopTen();
  void ShowZans();
  void ShowAbout();
  void ShowPresident();
  void OpenProfileEditor();
  void OnPresidentClick(QPoint at);
  QString W(WordId word) const;

  AccountSession& session_;
  bool fromClubList_;
  bool filling_ = false;  // the boxes are being filled from the session, not typed
  std::array<int, 4> judged_{1, 1, 1, 1};

  QTabWidget* tabs_ = nullptr;
  QLineEdit* nick_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* country_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* registration_ = nullptr;
  QComboBox* region_ = nullptr;
  QComboBox* countryChoice_ = nullptr;
  QComboBox* sex_ = nullptr;
  QCheckBox* hidePassword_ = nullptr;
  QCheckBox* ratedPlay_ = nullptr;
  TZanCardsButton* create_ = nullptr;
  TZanCardsButton* login_ = nullptr;
  TZanCardsButton* save_ = nullptr;
  TZanCardsButton* delete_ = nullptr;
  std::array<QLabel*, 4> lamps_{};
  QLabel* members_ = nullptr;

  std::array<QLabel*, 9> results_{};
  TZanCardsButton* resultsRefresh_ = nullptr;
  std::array<std::array<QLabel*, 6>, 10> topCells_{};
  TZanCardsButton* topRefresh_ = nullptr;

  QLabel* balance_ = nullptr;
  QSpinBox* amount_ = nullptr;
  QLineEdit* recipient_ = nullptr;
  TZanCardsButton* transfer_ = nullptr;
  TZanCardsButton* addZans_ = nullptr;
  TZanCardsButton* zansRefresh_ = nullptr;

  QLabel* ownPhoto_ = nullptr;
  std::array<QLabel*, 14> profileValues_{};
  TZanCardsButton* profileButton_ = nullptr;

  QWidget* presidentPage_ = nullptr;
  QLabel* presidentTitle_ = nullptr;
  QLabel* presidentPhoto_ = nullptr;
  QLabel* presidentNames_ = nullptr;
  std::array<QLabel*, 12> presidentValues_{};
};

// The title written on the ribbon of the "Gray with red ribbons" design, which has no picture of the
// account windows' titles.
void PaintRibbonTitle(DialogFrame& frame, const QString& title);

// Typing rules of the account boxes: a character the account rules refuse never enters the box.
// In the nick and the city only characters judged invalid are refused; in the password and the
// e-mail also Cyrillic letters.
class AccountTextValidator : public QValidator {
 public:
  AccountTextValidator(bool latinOnly, QObject* parent) : QValidator(parent), latinOnly_(latinOnly) {}
  State validate(QString& input, int& position) const override;

 private:
  bool latinOnly_;
};

}  // namespace tavlo
