#include "desk/VonuOrderZoek_tekst.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "desk/DbSession.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace vonu {

namespace {
namespace Tekst {
const char* const Caption = "Standaardteksten";
const char* const Selekteren = "&Selekteren";
const char* const Annuleren = "&Annuleren";
const char* const Toevoegen = "&Toevoegen";
const char* const Wijzigen = "&Wijzigen";
const char* const Verwijderen = "&Verwijderen";
const char* const Bevestiging = "Bevestiging";
const char* const VerwijderVraag = "Wilt u deze standaardtekst verwijderen?";
const char* const EditorCaption = "Bewerken/Toevoegen standaardteksten";
const char* const ToevoegenTitel = "Toevoegen ";
const char* const BewerkenTitel = "Bewerken ";
const char* const Ok = "&Ok";
} // namespace Tekst

QString shown(const StandardText& t)
{
    QStringList lines;
    for (const QString* s : t.lines())
        lines << *s;
    return lines.join(QLatin1Char('\n'));
}

int lengthOf(QChar type)
{
    switch (type.toLatin1()) {
    case 'P': return 85;
    case 'R': return 40;
    case 'O': return 60;
    default: return 65;
    }
}

} // namespace

void readPlacement(DbSession& db, const QString& user, QWidget& screen)
{
    const DbRows rows = db.call(QStringLiteral("APC_Leesscherm"),
                                {{QStringLiteral("Gebruiker"), user}, {QStringLiteral("Scherm"), screen.objectName()},
                                 {QStringLiteral("Soort"), QStringLiteral("S")}});
    if (!rows.found() || rows.value(QStringLiteral("Active")).isNull())
        return;
    const int state = rows.value(QStringLiteral("WindowState")).toInt();
    if (state == 2) {
        screen.setWindowState(Qt::WindowMaximized);
        return;
    }
    const int w = rows.value(QStringLiteral("Width")).toInt(), h = rows.value(QStringLiteral("Height")).toInt();
    if (state == 0 && w > 50 && h > 50)
        screen.setGeometry(rows.value(QStringLiteral("left")).toInt(), rows.value(QStringLiteral("Top")).toInt(), w, h);
}

void writePlacement(DbSession& db, const QString& user, const QWidget& screen)
{
    const int state = screen.isMaximized() ? 2 : screen.isMinimized() ? 1 : 0;
    db.call(QStringLiteral("APC_Schrijfscherm"),
            {{QStringLiteral("Gebruiker"), user}, {QStringLiteral("Scherm"), screen.objectName()},
             {QStringLiteral("WindowState"), state}, {QStringLiteral("Boven"), screen.y()},
             {QStringLiteral("Links"), screen.x()}, {QStringLiteral("Hoogte"), screen.height()},
             {QStringLiteral("Breedte"), screen.width()}});
}

TVonuOrderZoek_tekstscherm::TVonuOrderZoek_tekstscherm(DbSession& db, IMessageDialog& messages, QChar type,
                                                       const QString& admNr, QWidget* parent)
    : QDialog(parent), db_(db), library_(db), messages_(messages), type_(type), admNr_(admNr)
{
    setObjectName(QStringLiteral("VonuOrderZoek_tekstscherm"));
    const StandardTextKind* kind = standardTextKind(type);
    setWindowTitle(admNr + QLatin1Char(' ') + u8(Tekst::Caption) + (kind ? u8(kind->titleSuffix) : QString()));
    resize(620, 420);
    list_ = new QTableWidget(this);
    list_->setObjectName(QStringLiteral("Lijst"));
    list_->setColumnCount(1);
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(kind ? kind->rowHeight : 19);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    list_->setGeometry(4, 4, width() - 90, height() - 8);
    list_->installEventFilter(this);
    auto button = [this](const char* text, const QString& name, int y) {
        auto* b = new QPushButton(u8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(width() - 90 + 13, y, 75, 25);
        return b;
    };
    selekteren_ = button(Tekst::Selekteren, QStringLiteral("Selekteren"), 4);
    auto* annuleren = button(Tekst::Annuleren, QStringLiteral("Annuleren"), 34);
    auto* toevoegen = button(Tekst::Toevoegen, QStringLiteral("Toevoegen"), 74);
    auto* wijzigen = button(Tekst::Wijzigen, QStringLiteral("Wijzigen"), 104);
    auto* verwijderen = button(Tekst::Verwijderen, QStringLiteral("Verwijderen"), 134);
    wijzigen->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    connect(selekteren_, &QPushButton::clicked, this, &TVonuOrderZoek_tekstscherm::select);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    connect(toevoegen, &QPushButton::clicked, this, &TVonuOrderZoek_tekstscherm::toevoegen);
    connect(wijzigen, &QPushButton::clicked, this, &TVonuOrderZoek_tekstscherm::wijzigen);
    connect(verwijderen, &QPushButton::clicked, this, &TVonuOrderZoek_tekstscherm::verwijderen);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { select(); });

    edit = [this](StandardText& text, bool isNew) {
        TVonuOrderStandaardTekst1scherm editor(text, isNew, admNr_, this);
        readPlacement(db_, db_.userName(), editor);
        const bool ok = editor.exec() == QDialog::Accepted;
        writePlacement(db_, db_.userName(), editor);
        return ok;
    };
}

bool TVonuOrderZoek_tekstscherm::reload()
{
    const auto texts = library_.ofType(type_);
    if (!texts)
        return false;
    const int row = list_->currentRow();
    texts_ = *texts;
    list_->setRowCount(int(texts_.size()));
    for (int i = 0; i < int(texts_.size()); ++i)
        list_->setItem(i, 0, new QTableWidgetItem(shown(texts_[std::size_t(i)])));
    if (!texts_.empty())
        list_->selectRow(std::clamp(row, 0, int(texts_.size()) - 1));
    return true;
}

void TVonuOrderZoek_tekstscherm::select()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= int(texts_.size()))
        return;
    chosen_ = texts_[std::size_t(row)];
    selekteren_->setEnabled(false);
    accept();
}

void TVonuOrderZoek_tekstscherm::toevoegen()
{
    auto text = library_.add(type_);
    if (!text)
        return;
    // An added text that was not confirmed does not stay behind.
    if (edit && edit(*text, true))
        library_.update(*text);
    else
        library_.remove(text->tekst);
    reload();
    for (int i = 0; i < int(texts_.size()); ++i)
        if (texts_[std::size_t(i)].tekst == text->tekst)
            list_->selectRow(i);
}

void TVonuOrderZoek_tekstscherm::wijzigen()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= int(texts_.size()))
        return;
    StandardText text = texts_[std::size_t(row)];
    if (edit && edit(text, false))
        library_.update(text);
    reload();
}

void TVonuOrderZoek_tekstscherm::verwijderen()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= int(texts_.size()))
        return;
    if (!askYesNo(messages_, u8(Tekst::Bevestiging), {QString(), u8(Tekst::VerwijderVraag)}))
        return;
    library_.remove(texts_[std::size_t(row)].tekst);
    reload();
}

void TVonuOrderZoek_tekstscherm::done(int result)
{
    writePlacement(db_, db_.userName(), *this);
    QDialog::done(result);
}

bool TVonuOrderZoek_tekstscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            select();
            return true;
        }
        if (key == Qt::Key_Insert) {
            toevoegen();
            return true;
        }
        if (key == Qt::Key_Delete) {
            verwijderen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<StandardText> TVonuOrderZoek_tekstscherm::choose(DbSession& db, IMessageDialog& messages, QChar type,
                                                              const QString& admNr, QWidget* parent)
{
    TVonuOrderZoek_tekstscherm screen(db, messages, type, admNr, parent);
    if (!screen.reload())
        return std::nullopt;
    readPlacement(db, db.userName(), screen);
    screen.list_->setFocus();
    screen.exec();
    return screen.chosen();
}

// ---------------------------------------------------------------------------

TVonuOrderStandaardTekst1scherm::TVonuOrderStandaardTekst1scherm(StandardText& text, bool isNew,
                                                                 const QString& admNr, QWidget* parent)
    : QDialog(parent), text_(text)
{
    setObjectName(QStringLiteral("VonuOrderStandaardTekst1scherm"));
    const StandardTextKind* kind = standardTextKind(text.type);
    setWindowTitle(admNr + QLatin1Char(' ') + u8(isNew ? Tekst::ToevoegenTitel : Tekst::BewerkenTitel) +
                   (kind ? u8(kind->titleSuffix).mid(1) : QString()));
    int y = 10;
    if (text.type == QLatin1Char('B')) {
        memo = new QPlainTextEdit(this);
        memo->setObjectName(QStringLiteral("Bevestiging"));
        memo->setPlainText(text.bevestiging);
        memo->setGeometry(10, y, 560, 120);
        y += 130;
    } else {
        for (const QString* line : text.lines()) {
            auto* e = new QLineEdit(*line, this);
            e->setMaxLength(std::max(lengthOf(text.type), int(line->size())));
            e->setGeometry(10, y, 560, 20);
            e->installEventFilter(this);
            fields.push_back(e);
            y += 24;
        }
    }
    ok_ = new QPushButton(u8(Tekst::Ok), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setGeometry(410, y + 6, 75, 25);
    auto* annuleren = new QPushButton(u8(Tekst::Annuleren), this);
    annuleren->setObjectName(QStringLiteral("Annuleren"));
    annuleren->setGeometry(495, y + 6, 75, 25);
    for (QPushButton* b : {ok_, annuleren})
        b->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    resize(580, y + 40);
}

void TVonuOrderStandaardTekst1scherm::apply()
{
    if (memo) {
        text_.bevestiging = memo->toPlainText();
        return;
    }
    const std::vector<QString*> lines = text_.lines();
    for (std::size_t i = 0; i < lines.size() && i < fields.size(); ++i)
        *lines[i] = fields[i]->text();
}

bool TVonuOrderStandaardTekst1scherm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const auto it = std::find(fields.begin(), fields.end(), watched);
            if (it != fields.end())
                (it + 1 != fields.end() ? static_cast<QWidget*>(*(it + 1)) : ok_)->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vonu
