#include "desk/VonuOrderZoek.h"

#include "base/Platform.h"
#include "base/Text.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

namespace vonu {

namespace {

namespace Tekst {
const char* const Positie = "Positie";
const char* const Filter = "Filter";
const char* const Voorin = "Voorin";
const char* const Bevat = "Bevat";
const char* const Oplopend = "Oplopend";
const char* const Aflopend = "Aflopend";
const char* const Statusbar = "Statusbar";
const char* const Vooraan = "Vooraan";
const char* const HintWijze = "Wijze van tonen gegevens";
const char* const HintFilter = "Filterplaats in zoektekst";
const char* const HintVolgorde = "Volgorde gegevens";
const char* const HintInit = "Initialisatiewijze";
const char* const HintTop = "Maximaal aantal te tonen regels";
const char* const Selekteren = "&Selekteren";
const char* const Annuleren = "&Annuleren";
const char* const Ledigen = "&Zoektekst ledigen";
const char* const Zoekschermen = "&Zoekschermen";
const char* const Query = "Query";
const char* const Fout = "Fout";
const char* const Bevestiging = "Bevestiging";
const char* const Herstellen1 = "Wilt u het zoekscherm %1";
const char* const Herstellen2 = "van %1 herstellen?";
} // namespace Tekst

const char* const kTops[] = {"10", "25", "50", "75", "100", "250", "500", "750", "1000", "2500", "5000",
                             "7500", "10000", "25000", "50000", "75000", "100000", "250000", "500000",
                             "750000", "1000000"};
constexpr int kMaxSearchText = 60;
const QColor kSortColour(0xFF, 0xFF, 0x80);   // light yellow

QComboBox* choice(QWidget* parent, const QString& name, const QStringList& items, const char* hint)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setToolTip(u8(hint));
    c->setCurrentIndex(-1);
    return c;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

TVonuOrderZoekscherm::TVonuOrderZoekscherm(SearchQueries& queries, IMessageDialog& messages, const QString& user,
                                           const QString& admNr, QWidget* parent)
    : QDialog(parent), queries_(queries), messages_(messages), user_(user), admNr_(admNr)
{
    setObjectName(QStringLiteral("VonuOrderZoekscherm"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    resize(500, 308);
    keuze_ = new QComboBox(this);
    keuze_->setObjectName(QStringLiteral("Keuze"));
    keuze_->hide();
    data_ = new QTableWidget(this);
    data_->setObjectName(QStringLiteral("Data"));
    data_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    data_->setSelectionBehavior(QAbstractItemView::SelectRows);
    data_->setSelectionMode(QAbstractItemView::SingleSelection);
    data_->verticalHeader()->hide();
    data_->verticalHeader()->setDefaultSectionSize(18);
    data_->horizontalHeader()->setSectionsMovable(true);
    data_->setAlternatingRowColors(false);
    QPalette pal = data_->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    data_->setPalette(pal);
    data_->installEventFilter(this);
    query_ = new QPlainTextEdit(this);
    query_->setObjectName(QStringLiteral("Query"));
    query_->setReadOnly(true);
    query_->hide();

    zoekWijze_ = choice(this, QStringLiteral("ZoekWijze"), {u8(Tekst::Positie), u8(Tekst::Filter)}, Tekst::HintWijze);
    zoekFilter_ = choice(this, QStringLiteral("ZoekFilter"), {u8(Tekst::Voorin), u8(Tekst::Bevat)}, Tekst::HintFilter);
    zoekVolgorde_ = choice(this, QStringLiteral("ZoekVolgorde"), {u8(Tekst::Oplopend), u8(Tekst::Aflopend)},
                           Tekst::HintVolgorde);
    zoekInitialisatie_ = choice(this, QStringLiteral("ZoekInitialisatie"), {u8(Tekst::Statusbar), u8(Tekst::Vooraan)},
                                Tekst::HintInit);
    QStringList tops;
    for (const char* t : kTops)
        tops << QString::fromLatin1(t);
    zoekTop_ = choice(this, QStringLiteral("ZoekTop"), tops, Tekst::HintTop);
    selekteren_ = new QPushButton(u8(Tekst::Selekteren), this);
    selekteren_->setObjectName(QStringLiteral("Selekteren"));
    annuleren_ = new QPushButton(u8(Tekst::Annuleren), this);
    annuleren_->setObjectName(QStringLiteral("Annuleren"));
    for (QPushButton* b : {selekteren_, annuleren_})
        b->setAutoDefault(false);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    panel0_ = new QLabel(bar);
    panel0_->setFixedWidth(150);
    panel1_ = new QLabel(bar);
    panel1_->setMinimumWidth(50);
    bar->addWidget(panel0_);
    bar->addWidget(panel1_, 1);
    bar->setGeometry(0, height() - 20, width(), 20);

    connect(selekteren_, &QPushButton::clicked, this, &TVonuOrderZoekscherm::select);
    connect(annuleren_, &QPushButton::clicked, this, &TVonuOrderZoekscherm::cancel);
    connect(data_, &QTableWidget::cellDoubleClicked, this, [this] { select(); });
    connect(data_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int logical) {
        sortByColumn(logical);
    });
    connect(keuze_, &QComboBox::currentIndexChanged, this, [this] {
        searchText_.clear();
        runSearch();
        data_->setFocus();
    });
    for (QComboBox* c : {zoekWijze_, zoekFilter_, zoekVolgorde_, zoekTop_})
        connect(c, &QComboBox::activated, this, [this] {
            zoekFilter_->setEnabled(zoekWijze_->currentIndex() == 1);
            runSearch();
            data_->setFocus();
        });

    auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    action(u8(Tekst::Ledigen), QKeySequence(Qt::Key_Delete), [this] { clearSearchText(); });
    action(u8(Tekst::Query), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] {
        query_->setPlainText(statement_);
        query_->setVisible(!query_->isVisible());
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const QString& title : queries_.defaultTitles()) {
        auto* a = new QAction(u8(Tekst::Zoekschermen) + QStringLiteral(": ") + title, this);
        connect(a, &QAction::triggered, this, [this, title] { restoreScreen(title); });
        addAction(a);
    }
}

QString TVonuOrderZoekscherm::statusText(int panel) const
{
    return panel == 0 ? panel0_->text() : panel1_->text();
}

bool TVonuOrderZoekscherm::setUp(const QString& title, const QString& initial, const Options& options)
{
    const auto settings = queries_.read(user_, title);
    if (!settings) {
        showMessage(messages_, u8(Tekst::Fout), {QStringLiteral("Zoekscherm \"%1\" is niet ingericht.").arg(title)});
        return false;
    }
    settings_ = *settings;
    options_ = options;
    if (settings_.windowState == 2)
        setWindowState(Qt::WindowMaximized);
    else if (settings_.windowState == 0 && settings_.width > 0 && settings_.height > 0)
        setGeometry(settings_.left, settings_.top, settings_.width, settings_.height);
    zoekWijze_->setCurrentIndex(settings_.locate ? 0 : 1);
    zoekFilter_->setCurrentIndex(settings_.startsWith ? 0 : 1);
    zoekVolgorde_->setCurrentIndex(settings_.descending ? 1 : 0);
    zoekInitialisatie_->setCurrentIndex(settings_.fromTop ? 1 : 0);
    zoekTop_->setCurrentIndex(zoekTop_->findText(QString::number(settings_.searchTop.value_or(1000))));
    if (zoekTop_->currentIndex() < 0)
        zoekTop_->setCurrentIndex(zoekTop_->findText(QStringLiteral("1000")));
    zoekFilter_->setEnabled(!settings_.locate);

    searchText_ = settings_.fromTop ? QString() : initial.trimmed();
    const auto withFile = [this](const QString& name) {
        return name.contains(QLatin1Char('.')) ? name : settings_.file + QLatin1Char('.') + name;
    };
    searchField_ = withFile(!searchText_.isEmpty() && isDigit(searchText_.at(0)) ? settings_.searchNumber
                                                                                  : settings_.searchAlpha);
    {
        const QSignalBlocker block(keuze_);
        keuze_->clear();
        for (const auto& [menuTitle, filter] : settings_.menu)
            keuze_->addItem(menuTitle);
        keuze_->setVisible(!settings_.menu.empty());
        keuze_->setCurrentIndex(settings_.menu.empty() ? -1 : std::clamp(options.menu, 0, keuze_->count() - 1));
    }
    data_->clear();
    data_->setColumnCount(int(settings_.columns.size()));
    columnFields_.clear();
    QStringList titles;
    for (std::size_t i = 0; i < settings_.columns.size(); ++i) {
        const SearchGridColumn& c = settings_.columns[i];
        titles << c.title;
        columnFields_.push_back(c.field);
        data_->setColumnWidth(int(i), c.width);
        if (searchText_.isEmpty() && c.sort)
            searchField_ = withFile(c.field);
    }
    data_->setHorizontalHeaderLabels(titles);
    QFont bold = data_->horizontalHeader()->font();
    bold.setBold(true);
    data_->horizontalHeader()->setFont(bold);
    for (int i = 0; i < data_->columnCount(); ++i)
        if (QTableWidgetItem* h = data_->horizontalHeaderItem(i)) {
            h->setForeground(QColor(0x00, 0x80, 0x80));
            h->setTextAlignment(settings_.columns[std::size_t(i)].number ? Qt::AlignRight | Qt::AlignVCenter
                                                                         : Qt::AlignLeft | Qt::AlignVCenter);
        }
    QString caption = admNr_ + QLatin1Char(' ') + settings_.title;
    if (!options.searchTitle.trimmed().isEmpty())
        caption += QLatin1Char(' ') + options.searchTitle.trimmed();
    setWindowTitle(caption);
    runSearch();
    return true;
}

void TVonuOrderZoekscherm::runSearch()
{
    SearchRequest r;
    r.text = searchText_;
    r.field = searchField_;
    r.locate = zoekWijze_->currentIndex() == 0;
    r.startsWith = zoekFilter_->currentIndex() != 1;
    r.descending = zoekVolgorde_->currentIndex() == 1;
    r.top = zoekTop_->currentIndex() >= 0 ? zoekTop_->currentText().toInt() : 1000;
    r.filter = options_.filter;
    r.join = options_.join;
    if (keuze_->isVisibleTo(this) && keuze_->currentIndex() >= 0)
        r.menuFilter = settings_.menu.at(std::size_t(keuze_->currentIndex())).second;
    const SearchResultRows rows = queries_.run(settings_, r);
    statement_ = rows.statement;
    panel1_->setText(searchText_);
    data_->setRowCount(0);
    if (!rows.error.isEmpty())
        showMessage(messages_, u8(Tekst::Fout), {rows.error});
    const int resultColumns = int(settings_.searchResult.split(QLatin1Char(','), Qt::SkipEmptyParts).size());
    const int offset = resultColumns + (settings_.showFindSource.isEmpty() ? 0 : 1);
    data_->setUpdatesEnabled(false);
    data_->setRowCount(int(rows.rows.size()));
    for (int i = 0; i < int(rows.rows.size()); ++i) {
        const QStringList& row = rows.rows[std::size_t(i)];
        for (int c = 0; c < int(settings_.columns.size()); ++c) {
            auto* item = new QTableWidgetItem(row.value(offset + c));
            item->setData(Qt::UserRole, row.mid(0, resultColumns).join(QLatin1Char(',')));
            if (settings_.columns[std::size_t(c)].number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            data_->setItem(i, c, item);
        }
    }
    data_->setUpdatesEnabled(true);
    const int current = rows.located >= 0 ? rows.located : (rows.rows.empty() ? -1 : 0);
    if (current >= 0)
        data_->selectRow(current);
    markSortColumn();
    panel0_->setText(QStringLiteral("%1 %2").arg(rows.rows.size()).arg(settings_.title));
}

void TVonuOrderZoekscherm::markSortColumn()
{
    for (int c = 0; c < data_->columnCount(); ++c) {
        const QString field = settings_.file + QLatin1Char('.') + SearchColumn::parse(columnFields_[std::size_t(c)]).column;
        const bool sort = field.compare(searchField_, Qt::CaseInsensitive) == 0 ||
                          columnFields_[std::size_t(c)].compare(searchField_, Qt::CaseInsensitive) == 0;
        settings_.columns[std::size_t(c)].sort = sort;
        for (int r = 0; r < data_->rowCount(); ++r)
            if (QTableWidgetItem* item = data_->item(r, c))
                item->setBackground(sort ? QBrush(kSortColour) : QBrush());
    }
}

void TVonuOrderZoekscherm::typeText(const QString& text)
{
    for (const QChar ch : text) {
        const QString typed = searchText_.trimmed();
        if (!typed.isEmpty() && isDigit(typed.at(0)) != isDigit(ch) &&
            settings_.searchAlpha.compare(settings_.searchNumber, Qt::CaseInsensitive) != 0) {
            const QString name = isDigit(ch) ? settings_.searchNumber : settings_.searchAlpha;
            searchField_ = name.contains(QLatin1Char('.')) ? name : settings_.file + QLatin1Char('.') + name;
            searchText_.clear();
        }
        if (searchText_.size() < kMaxSearchText)
            searchText_ += ch;
    }
    searchText_ = searchText_.trimmed().isEmpty() ? QString() : searchText_;
    runSearch();
}

void TVonuOrderZoekscherm::backspace()
{
    if (searchText_.isEmpty())
        return;
    searchText_.chop(1);
    runSearch();
}

void TVonuOrderZoekscherm::clearSearchText()
{
    searchText_.clear();
    runSearch();
}

void TVonuOrderZoekscherm::sortByColumn(int column)
{
    if (column < 0 || column >= int(columnFields_.size()) || settings_.searchResult.contains(QLatin1Char(',')))
        return;
    searchText_.clear();
    const QString field = settings_.file + QLatin1Char('.') + SearchColumn::parse(columnFields_[std::size_t(column)]).column;
    if (field.compare(searchField_, Qt::CaseInsensitive) == 0)
        zoekVolgorde_->setCurrentIndex(zoekVolgorde_->currentIndex() == 1 ? 0 : 1);
    searchField_ = field;
    runSearch();
}

void TVonuOrderZoekscherm::moveSortColumn(int step)
{
    int current = 0;
    for (int c = 0; c < data_->columnCount() && c < 9; ++c)
        if (settings_.columns[std::size_t(c)].sort) {
            current = c;
            break;
        }
    const int next = current + step;
    if (next < 0 || next >= data_->columnCount())
        return;
    searchText_.clear();
    searchField_ = settings_.file + QLatin1Char('.') + SearchColumn::parse(columnFields_[std::size_t(next)]).column;
    runSearch();
}

void TVonuOrderZoekscherm::select()
{
    const int row = data_->currentRow() >= 0 ? data_->currentRow() : (data_->rowCount() > 0 ? 0 : -1);
    if (row >= 0 && data_->item(row, 0)) {
        chosen_ = data_->item(row, 0)->data(Qt::UserRole).toString();
        panel1_->setText(*chosen_);
    }
    accept();
}

void TVonuOrderZoekscherm::cancel()
{
    chosen_.reset();
    reject();
}

void TVonuOrderZoekscherm::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

void TVonuOrderZoekscherm::saveSettings()
{
    if (saved_ || settings_.title.isEmpty())
        return;
    saved_ = true;
    SearchSettings s = settings_;
    s.windowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    s.top = y();
    s.left = x();
    s.height = height();
    s.width = width();
    s.locate = zoekWijze_->currentIndex() == 0;
    s.startsWith = zoekFilter_->currentIndex() != 1;
    s.descending = zoekVolgorde_->currentIndex() == 1;
    s.fromTop = zoekInitialisatie_->currentIndex() == 1;
    s.searchTop = zoekTop_->currentIndex() >= 0 ? std::optional<int>(zoekTop_->currentText().toInt()) : std::nullopt;
    // The columns in the order and widths the user left them.
    s.columns.clear();
    QHeaderView* header = data_->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        SearchGridColumn c = settings_.columns[std::size_t(logical)];
        c.width = header->sectionSize(logical);
        s.columns.push_back(c);
    }
    queries_.save(user_, s);
}

void TVonuOrderZoekscherm::restoreScreen(const QString& title)
{
    if (askYesNo(messages_, u8(Tekst::Bevestiging),
                 {u8(Tekst::Herstellen1).arg(title), u8(Tekst::Herstellen2).arg(user_)}))
        queries_.restore(user_, title);
}

bool TVonuOrderZoekscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == data_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            select();
            return true;
        case Qt::Key_Escape:
            cancel();
            return true;
        case Qt::Key_Backspace:
            backspace();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            moveSortColumn(key->key() == Qt::Key_Left ? -1 : 1);
            return true;
        default:
            break;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typeText(text);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TVonuOrderZoekscherm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int w = width(), h = height();
    const int gridWidth = std::max(100, w - 90);
    const int top = keuze_->isVisibleTo(this) ? 29 : 4;
    keuze_->setGeometry(4, 4, gridWidth, 22);
    const int b = keuze_->isVisibleTo(this) ? 24 : 0;
    const int gridHeight = std::max(40, h - b - ((h - b - 81) % 18 + 18) % 18 - 60);
    data_->setGeometry(4, top, gridWidth, gridHeight);
    query_->setGeometry(4, top, gridWidth, gridHeight);
    const int x = gridWidth + 10;
    selekteren_->setGeometry(x, top, 75, 25);
    annuleren_->setGeometry(x, top + 30, 75, 25);
    int y = top + 64;
    for (QComboBox* c : {zoekWijze_, zoekFilter_, zoekVolgorde_, zoekInitialisatie_, zoekTop_}) {
        c->setGeometry(x, y, 75, 22);
        y += 26;
    }
    if (auto* bar = findChild<QStatusBar*>())
        bar->setGeometry(0, h - 20, w, 20);
}

std::optional<QString> TVonuOrderZoekscherm::choose(SearchQueries& queries, IMessageDialog& messages,
                                                    const QString& user, const QString& admNr, const QString& title,
                                                    const QString& initial, const Options& options, QWidget* parent)
{
    TVonuOrderZoekscherm screen(queries, messages, user, admNr, parent);
    if (!screen.setUp(title, initial, options))
        return std::nullopt;
    screen.data_->setFocus();
    screen.exec();
    return screen.chosen();
}

} // namespace vonu
