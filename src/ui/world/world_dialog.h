#pragma once

#include <QPoint>

#include "lang/word_table.h"
#include "ui/dialogs/dialog_frame.h"

namespace tavlo {

// The club's world windows share one look: the top-ten background and the globe's animated icon;
// they differ in the concise caption, the width of the header strip and the title.
inline DialogPictures WorldDialogPictures(const char* conciseCaption, const char* strip, WordId title) {
  DialogPictures p;
  p.ConciseCaption = conciseCaption;
  p.Strip = strip;
  p.Ribbon = "GLenta380x120";
  p.CardBackground = "GFormTopTen";
  p.IconStrip = "GIcon48WT";
  p.IconAt = QPoint(34, 20);
  p.IconFrames = 20;
  p.IconInterval = 60;
  p.Title = title;
  return p;
}

}  // namespace tavlo
