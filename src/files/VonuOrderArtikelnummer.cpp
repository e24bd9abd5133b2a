#include "files/VonuOrderArtikelnummer.h"

#include "base/Text.h"
#include "files/VonuOrderArtikelnummerLegenda.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Artikelnummers";
const char* const Gewijzigd = "Artikelnummers (gewijzigd)";
const char* const ArtikelMorvek = "Artikel Morvek";
const char* const Omschrijving = "Omschrijving";
const char* const AlleAdressen = "Alle adressen";
const char* const Adres = "Adres ";
const char* const Ok = "&Ok";
const char* const Legenda = "&Legenda";
} // namespace Tekst

// Cell editors report their keys to the screen (which limits what is typed;
// a maximum length on the editor would cut a longer number already stored).
// Escape keeps the cell's text and closes the screen, as Ok does.
class NumberDelegate : public QStyledItemDelegate {
public:
    NumberDelegate(QDialog* screen, QObject* parent) : QStyledItemDelegate(parent), screen_(screen) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
        w->installEventFilter(screen_);
        return w;
    }

protected:
    // Runs before the editor's other filters: the view's own handling of
    // Escape would throw the typed text away.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            if (auto* editor = qobject_cast<QWidget*>(watched)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            QMetaObject::invokeMethod(screen_, &QDialog::accept, Qt::QueuedConnection);
            return true;
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    QDialog* screen_;
};

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TVonuOrderArtikelnummerscherm::TVonuOrderArtikelnummerscherm(TVonuOrderArtikelnummerLegendascherm& legend,
                                                             QWidget* parent)
    : QDialog(parent), legend_(legend)
{
    setObjectName(QStringLiteral("TVonuOrderArtikelnummerscherm"));
    setWindowTitle(u8(Tekst::Caption));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    artikel_ = new QTableWidget(this);
    artikel_->setObjectName(QStringLiteral("Artikel"));
    artikel_->horizontalHeader()->hide();
    artikel_->verticalHeader()->hide();
    artikel_->setTabKeyNavigation(true);
    artikel_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    artikel_->setItemDelegate(new NumberDelegate(this, artikel_));
    artikel_->installEventFilter(this);
    ok_ = new QPushButton(u8(Tekst::Ok), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    legenda_ = new QPushButton(u8(Tekst::Legenda), this);
    legenda_->setObjectName(QStringLiteral("Legenda"));
    status_ = new QStatusBar(this);
    status_->setSizeGripEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(legenda_, &QPushButton::clicked, this, [this] { legend_.showLegend(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(legenda_);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(artikel_);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    setFixedSize(792, 509);
}

void TVonuOrderArtikelnummerscherm::setGrid(const ArtikelnummerGrid& grid)
{
    grid_ = grid;
    const int columns = 3 + int(grid.addressCodes.size());
    artikel_->clear();
    artikel_->setColumnCount(columns);
    artikel_->setRowCount(1 + grid.rowCount());
    artikel_->setItem(0, 0, fixedItem(u8(Tekst::ArtikelMorvek)));
    artikel_->setItem(0, 1, fixedItem(u8(Tekst::Omschrijving)));
    artikel_->setItem(0, 2, fixedItem(u8(Tekst::AlleAdressen)));
    for (int j = 0; j < grid.addressCodes.size(); ++j)
        artikel_->setItem(0, 3 + j, fixedItem(u8(Tekst::Adres) + grid.addressCodes.at(j)));
    artikel_->setColumnWidth(0, 120);
    artikel_->setColumnWidth(1, 418);
    for (int c = 2; c < columns; ++c)
        artikel_->setColumnWidth(c, 110);
    for (int r = 0; r < grid.rowCount(); ++r) {
        artikel_->setItem(r + 1, 0, fixedItem(grid.codes.at(r)));
        artikel_->setItem(r + 1, 1, fixedItem(grid.descriptions.at(r)));
        for (int c = 0; c < grid.columnCount(); ++c)
            artikel_->setItem(r + 1, 2 + c, new QTableWidgetItem(grid.numbers[c].value(r)));
        artikel_->setRowHeight(r + 1, 17);
    }
    legend_.verzendadressen()->setRowCount(0);
    for (int j = 0; j < grid.addressCodes.size(); ++j)
        legend_.addAddress(grid.addressCodes.at(j), grid.addressNames.value(j));
    if (grid.rowCount() > 0)
        artikel_->setCurrentCell(1, 2);
}

ArtikelnummerGrid TVonuOrderArtikelnummerscherm::grid() const
{
    ArtikelnummerGrid g = grid_;
    for (int c = 0; c < g.columnCount(); ++c)
        for (int r = 0; r < g.rowCount(); ++r) {
            const QTableWidgetItem* item = artikel_->item(r + 1, 2 + c);
            g.numbers[c][r] = item ? item->text() : QString();
        }
    return g;
}

bool TVonuOrderArtikelnummerscherm::isChanged() const
{
    return windowTitle() == u8(Tekst::Gewijzigd);
}

void TVonuOrderArtikelnummerscherm::markChanged()
{
    setWindowTitle(u8(Tekst::Gewijzigd));
}

bool TVonuOrderArtikelnummerscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter goes one row down, never past the last one.
        const int row = artikel_->currentRow();
        if (QWidget* editor = qobject_cast<QWidget*>(watched); editor && editor != artikel_)
            artikel_->setFocus();
        if (row >= 0 && row + 1 < artikel_->rowCount())
            artikel_->setCurrentCell(row + 1, artikel_->currentColumn());
        return true;
    }
    const QString text = key->text();
    if (!text.isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
        key->key() != Qt::Key_Escape) {
        markChanged();
        // A cell takes typing up to 17 characters; a longer number that was
        // already there stays whole.
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && text.at(0).isPrint() &&
            edit->text().size() - edit->selectedText().size() + text.size() > MaxNummer)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vonu
