#pragma once
// Keys that press buttons the way users of this program expect:
// - Enter on a focused button presses it (Qt leaves that to "default"
//   buttons, which the screens do not use, because Enter walks the fields);
// - Alt+letter shared by several controls of one window presses the first of
//   them in tab order (Qt would only move the focus between them).

class QAbstractButton;
class QWidget;

namespace vonu {

// Enter and Return on the focused button click it.
void clickOnEnter(QAbstractButton* button);

// Makes every accelerator of `window` that more than one of its controls
// carry press the first visible, enabled one in tab order: a button is
// clicked, a label gives the focus to its buddy. Captions may change later;
// controls added later need another call.
void pressFirstOfSharedAccelerators(QWidget* window);

} // namespace vonu
