#include "widgets/CharacterFilter.h"

#include "widgets/WidgetInput.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace vonu {

namespace {

namespace Tekst {
const QString Waarschuwing = QStringLiteral("Waarschuwing");
const QString NietOvergenomen = QStringLiteral("De geplakte tekst is niet overgenomen:");
const QString TeLang = QStringLiteral("Dit veld neemt ten hoogste %1 tekens; met de geplakte tekst zouden het er %2 zijn.");
const QString Cijfers = QStringLiteral("Dit veld neemt alleen cijfers.");
const QString CijfersMetKomma = QStringLiteral("Dit veld neemt alleen cijfers en één komma.");
const QString NummerTekens = QStringLiteral("Dit veld neemt alleen letters, cijfers, spaties en '-'.");
const QString NietToegestaan = QStringLiteral("Niet toegestaan: %1");
const QString TweedeKomma = QStringLiteral("een tweede komma");
const QString Regeleinde = QStringLiteral("regeleinde");
const QString Tab = QStringLiteral("tab");
const QString Teken = QStringLiteral("teken U+%1");
const QString Meer = QStringLiteral("…");
} // namespace Tekst

constexpr int ToonLengte = 60;   // of the pasted text in the message

// A character as the message names it.
QString named(QChar c)
{
    if (c == u'\n' || c == u'\r')
        return Tekst::Regeleinde;
    if (c == u'\t')
        return Tekst::Tab;
    if (!c.isPrint())
        return Tekst::Teken.arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    return QStringLiteral("'%1'").arg(c);
}

// The pasted text on one line, cut when long.
QString onOneLine(const QString& text)
{
    QString s;
    for (QChar c : text)
        s += c.isPrint() ? c : QChar(u' ');
    if (s.size() > ToonLengte)
        s = s.left(ToonLengte) + Tekst::Meer;
    return QStringLiteral("'%1'").arg(s);
}

QString ruleText(CharacterFilter::Soort soort)
{
    switch (soort) {
    case CharacterFilter::Soort::Cijfers:
        return Tekst::Cijfers;
    case CharacterFilter::Soort::CijfersMetKomma:
        return Tekst::CijfersMetKomma;
    case CharacterFilter::Soort::NummerTekens:
        return Tekst::NummerTekens;
    }
    return {};
}

// The paste entry of a line edit's standard menu: named so by newer Qt,
// else known by its (translated) text.
QAction* pasteAction(const QMenu& menu)
{
    if (auto* named = menu.findChild<QAction*>(QStringLiteral("edit-paste")))
        return named;
    const QString plakken = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* a : menu.actions()) {
        if (a->text().section(u'\t', 0, 0) == plakken)
            return a;
    }
    return nullptr;
}

} // namespace

CharacterFilter::CharacterFilter(Soort soort, QLineEdit* field, IMessageDialog& messages)
    : QValidator(field), soort_(soort), field_(field), messages_(messages), before_(field->text())
{
    // The field's own text is already the edited one while it asks; the
    // text before the edit is kept here (texts set by the program too).
    QObject::connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    field->setValidator(this);
    field->installEventFilter(this);
}

bool CharacterFilter::allows(Soort soort, QChar c)
{
    if (c >= u'0' && c <= u'9')
        return true;
    switch (soort) {
    case Soort::Cijfers:
        return false;
    case Soort::CijfersMetKomma:
        return c == u',';
    case Soort::NummerTekens:
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ' || c == u'-';
    }
    return false;
}

qsizetype CharacterFilter::refused(Soort soort, const QString& text)
{
    qsizetype n = 0;
    for (QChar c : text)
        n += allows(soort, c) ? 0 : 1;
    if (soort == Soort::CijfersMetKomma && text.count(u',') > 1)
        n += text.count(u',') - 1;
    return n;
}

QValidator::State CharacterFilter::validate(QString& input, int&) const
{
    return refused(soort_, input) <= refused(soort_, before_) ? Acceptable : Invalid;
}

QStringList CharacterFilter::pasteRefusal(Soort soort, const QString& before, const QString& pasted,
                                          const QString& result, int maxLength)
{
    QStringList why;
    QStringList wrong;
    for (QChar c : pasted) {
        const QString n = named(c);
        if (!allows(soort, c) && !wrong.contains(n))
            wrong << n;
    }
    const bool secondComma = soort == Soort::CijfersMetKomma && result.count(u',') > 1;
    if (secondComma)
        wrong << Tekst::TweedeKomma;
    if (!wrong.isEmpty() || refused(soort, result) > refused(soort, before)) {
        why << ruleText(soort);
        if (!wrong.isEmpty())
            why << Tekst::NietToegestaan.arg(wrong.join(QStringLiteral(", ")));
    }
    if (result.size() > maxLength)
        why << Tekst::TeLang.arg(maxLength).arg(result.size());
    if (why.isEmpty())
        return {};
    return QStringList{Tekst::NietOvergenomen, onOneLine(pasted)} + why;
}

bool CharacterFilter::refuse(const QString& pasted, const QString& result)
{
    const QStringList why = pasteRefusal(soort_, field_->text(), pasted, result, field_->maxLength());
    if (why.isEmpty())
        return false;
    showMessage(messages_, Tekst::Waarschuwing, why);
    return true;
}

void CharacterFilter::paste(const QString& text)
{
    const bool selection = field_->hasSelectedText();
    const int start = selection ? field_->selectionStart() : field_->cursorPosition();
    QString result = field_->text();
    result.replace(start, selection ? field_->selectedText().size() : 0, text);
    if (!refuse(text, result))
        field_->insert(text);
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_ || field_->isReadOnly() || !field_->isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!isPaste(static_cast<QKeyEvent*>(event)))
            return false;
        paste(QGuiApplication::clipboard()->text());
        return true;
    case QEvent::ContextMenu: {
        // The field's own menu, its paste through here.
        std::unique_ptr<QMenu> menu(field_->createStandardContextMenu());
        if (QAction* plakken = pasteAction(*menu)) {
            plakken->disconnect(field_);
            connect(plakken, &QAction::triggered, this, [this] { paste(QGuiApplication::clipboard()->text()); });
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where the system has one.
        auto* mouse = static_cast<QMouseEvent*>(event);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection())
            return false;
        field_->deselect();
        paste(clipboard->text(QClipboard::Selection));
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        // A move inside the field adds nothing.
        if (drop->source() == field_ || !drop->mimeData()->hasText())
            return false;
        const QString text = drop->mimeData()->text();
        QString result = field_->text();
        result.insert(field_->cursorPositionAt(drop->position().toPoint()), text);
        if (!refuse(text, result))
            return false;
        drop->ignore();
        return true;
    }
    default:
        return false;
    }
}

} // namespace vonu
