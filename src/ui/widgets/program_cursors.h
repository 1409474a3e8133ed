#pragma once

#include <QCursor>
#include <QImage>

class QWidget;

namespace tavlo {

// The pointers the program uses: the arrow, the hand over what can be clicked, the wait
// while the computer thinks, and the text cursor of input fields.
enum class PointerKind { Arrow, Hand, Wait, Edit };

// The program's own red pointer of that kind when `own` is set ("Red mouse cursor"),
// the desktop's otherwise.
QCursor ProgramCursor(PointerKind kind, bool own);

// The picture of the program's own pointer (32 x 32, hot spot in the cursor).
QImage OwnPointerPicture(PointerKind kind);

// Puts one widget's pointer and remembers its kind for ApplyProgramCursors.
void SetPointer(QWidget& widget, PointerKind kind, bool own);

// Whether the widget wears a hand (the program's own or the desktop's): something to click.
bool ShowsHand(const QWidget& widget);

// Gives a window and everything in it the pointers of the choice: the arrow on the window,
// the hand on its buttons, the text cursor on its input fields.
void ApplyProgramCursors(QWidget& root, bool own);

}  // namespace tavlo
