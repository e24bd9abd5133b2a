#pragma once
// Key and visibility tests the screens' handlers share.

#include <QKeyEvent>
#include <QWidget>

namespace vonu {

// Enter on either keyboard block.
inline bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The paste key of the platform (Ctrl+V, Shift+Insert).
inline bool isPaste(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Paste);
}

// Shown in its window, whether or not the window itself is on screen.
inline bool shown(const QWidget* w)
{
    return !w->isHidden();
}

} // namespace vonu
