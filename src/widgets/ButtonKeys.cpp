#include "widgets/ButtonKeys.h"

#include "widgets/WidgetInput.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QShortcutEvent>

namespace vonu {

namespace {

class EnterClicks final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            auto* button = static_cast<QAbstractButton*>(watched);
            if (button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The accelerator of a control, empty when it has none.
QKeySequence acceleratorOf(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return QKeySequence::mnemonic(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
        return QKeySequence::mnemonic(label->text());
    return {};
}

bool reachable(const QWidget* w)
{
    return w->isVisible() && w->isEnabled();
}

class SharedAccelerators final : public QObject {
public:
    static constexpr const char* Name = "vonu_sharedAccelerators";
    explicit SharedAccelerators(QWidget* window) : QObject(window), window_(window) { setObjectName(Name); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous())
            return QObject::eventFilter(watched, event);
        QWidget* first = firstInTabOrder(shortcut->key());
        if (!first)
            return QObject::eventFilter(watched, event);
        if (auto* button = qobject_cast<QAbstractButton*>(first)) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        } else if (auto* label = qobject_cast<QLabel*>(first)) {
            label->buddy()->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }

private:
    QWidget* firstInTabOrder(const QKeySequence& key) const
    {
        // Labels are not in the focus chain; one whose buddy is counts at
        // its buddy's place.
        const QList<QLabel*> labels = window_->findChildren<QLabel*>();
        QWidget* w = window_->nextInFocusChain();
        for (int guard = 0; w && w != window_ && guard < 10000; w = w->nextInFocusChain(), ++guard) {
            if (w->window() != window_)
                continue;
            for (QLabel* label : labels) {
                if (label->buddy() == w && reachable(label) && reachable(w) && acceleratorOf(label) == key)
                    return label;
            }
            if (qobject_cast<QAbstractButton*>(w) && reachable(w) && acceleratorOf(w) == key)
                return w;
        }
        return nullptr;
    }

    QPointer<QWidget> window_;
};

} // namespace

void clickOnEnter(QAbstractButton* button)
{
    button->installEventFilter(new EnterClicks(button));
}

void pressFirstOfSharedAccelerators(QWidget* window)
{
    QObject* filter = window->findChild<QObject*>(QString::fromLatin1(SharedAccelerators::Name),
                                                  Qt::FindDirectChildrenOnly);
    if (!filter)
        filter = new SharedAccelerators(window);
    // Every button and label, also those without an accelerator yet: the
    // screens change captions at start-up.
    QList<QWidget*> controls;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        controls << b;
    for (QLabel* l : window->findChildren<QLabel*>())
        controls << l;
    for (QWidget* w : controls) {
        w->removeEventFilter(filter);
        w->installEventFilter(filter);
    }
}

} // namespace vonu
