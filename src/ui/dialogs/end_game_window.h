#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>
#include <vector>

#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/drawn_text.h"

namespace tavlo {

// What the end-of-cycle window is shown for.
struct EndGameResult {
  int Place = 0;             // 1..10 a top-ten place, 0 none; above 10 a world place (club account)
  std::int32_t Score = 0;    // the cycle's score
  bool NetworkClub = false;  // the network club's top ten
  bool AccountSignedIn = false;
  bool RatedPlay = false;  // rated club-account play
  int Bonus = 0;           // club-currency bonus of rated play, 0 none
};

// The picture of the end-of-cycle window (texts and pictures on Image1, 450 x 460).
struct EndGameDrawing {
  std::vector<DrawnText> Texts;
  std::vector<DrawnPicture> Pictures;
  QString Animation;  // "GEndBest", "GEndGood" or "GEndBads"
  bool LoopAnimation = false;
  std::string Sound;  // "WFiBest", "WFiGood" or "WFiBads"
};
EndGameDrawing DrawEndGame(const EndGameResult& result, PictureRegistry& pictures, const FontRoles& fonts,
                           const std::function<QString(WordId)>& word);

// "The completion of game": the place a finished cycle of 40 deals reached.
class TFormEndGame : public DialogFrame {
  Q_OBJECT

 public:
  TFormEndGame(PictureRegistry& pictures, DialogLook& look, const EndGameResult& result,
               std::function<void(std::string_view)> playEffect, QWidget* parent);
  const EndGameDrawing& Drawing() const { return drawing_; }
  // The animation frame shown now (0-based) and whether it still runs.
  int AnimationFrame() const { return frame_; }
  bool AnimationRunning() const { return animation_.isActive(); }
  QPoint ImageAt() const { return imageAt_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void done(int result) override;

 private:
  void StepAnimation();

  EndGameDrawing drawing_;
  std::function<void(std::string_view)> playEffect_;
  QPoint imageAt_;
  QPoint animationAt_;
  QTimer animation_;
  int frame_ = 0;
  bool activated_ = false;
};

}  // namespace tavlo
