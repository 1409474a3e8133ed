#pragma once

#include <QString>

#include "ui/dialogs/dialog_frame.h"

class QTextBrowser;

namespace tavlo {

// The rules and how-to-play document the program carries, by language: its resource path and
// whether it is written in that language (otherwise the English one stands in).
struct HelpDocument {
  QString Path;
  bool Translated = false;
  QString LanguageName;  // the player's language, named in English for the notice
};
HelpDocument HelpDocumentFor(int languageIndex);

// The help window: the program's own rules and how-to-play document in the dialog frame.
class THelpWindow : public DialogFrame {
  Q_OBJECT

 public:
  THelpWindow(PictureRegistry& pictures, DialogLook& look, int languageIndex, QWidget* parent);

  QTextBrowser& Browser() { return *browser_; }
  // Opens the document at one of its topics ("end": the end of a deal) instead of its start.
  void OpenAtTopic(const QString& anchor) { topic_ = anchor; }
  const HelpDocument& Document() const { return document_; }

 private:
  void showEvent(QShowEvent* event) override;

  HelpDocument document_;
  QTextBrowser* browser_ = nullptr;
  QString topic_;
};

}  // namespace tavlo
