#include "ui/dialogs/help_window.h"

#include <QFile>
#include <QTextBrowser>

#include "lang/languages.h"
#include "ui/widgets/zan_button.h"

// The document is compiled into this static library; nothing else would keep it linked in.
static void LoadHelpResource() { Q_INIT_RESOURCE(help); }

namespace tavlo {
namespace {

DialogPictures HelpPictures() {
  DialogPictures p;
  p.Strip = "GCap610";
  p.Ribbon = "GLenta590x116";
  p.CardBackground = "GFormHistory";
  p.Title = WordId::Help;
  return p;
}

constexpr int kWidth = 720;
constexpr int kBrowserHeight = 520;

}  // namespace

HelpDocument HelpDocumentFor(int languageIndex) {
  static const bool loaded = (LoadHelpResource(), true);
  (void)loaded;
  static const char* const kSuffix[kLanguageCount] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};
  static const char* const kName[kLanguageCount] = {"English", "Russian", "German",  "French",   "Spanish",
                                                    "Chinese", "Italian", "Czech",   "Japanese", "Korean"};
  const int language = EffectiveLanguage(languageIndex);
  const QString own = QString(":/help/help_%1.html").arg(kSuffix[language]);
  if (QFile::exists(own)) return {own, true, kName[language]};
  return {":/help/help_en.html", false, kName[language]};
}

THelpWindow::THelpWindow(PictureRegistry& pictures, DialogLook& look, int languageIndex, QWidget* parent)
    : DialogFrame(pictures, look, HelpPictures(), parent), document_(HelpDocumentFor(languageIndex)) {
  setWindowTitle(look.Word ? look.Word(WordId::Help) : QString("Help"));
  const int top = CardStyle() ? 20 : RedLine().bottom() + 8;
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setFont(look.Fonts.Font(FontRole::Serif, 16));
  browser_->setGeometry(10, top, kWidth - 20, kBrowserHeight);
  QFile file(document_.Path);
  if (file.open(QIODevice::ReadOnly)) browser_->setHtml(QString::fromUtf8(file.readAll()));
  OkButton().setGeometry(10, top + kBrowserHeight + 8, kWidth - 20, 35);
  setFixedSize(kWidth, top + kBrowserHeight + 8 + 35 + 10);
}

void THelpWindow::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  // The document is laid out once the window has its size.
  if (!topic_.isEmpty()) browser_->scrollToAnchor(topic_);
}

}  // namespace tavlo
