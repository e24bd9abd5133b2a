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
const char* const Bij = "%1 bij %2 %3";
const char* const NietIngericht = "Zoekscherm \"%1\" is niet ingericht.";
} // namespace Tekst

const char* const kTops[] = {"10", "25", "50", "75", "100", "250", "500", "750", "1000", "2500", "5000",
                             "7500", "10000", "25000", "50000", "75000", "100000", "250000", "500000",
                             "750000", "1000000"};
constexpr int kMaxSearchText = 60;
const QColor kSortColour(0xFF, 0xFF, 0x80);   // light yellow
const QColor kTitleColour(0x00, 0x80, 0x80);  // teal

// The grid's rows and columns from a result; titles teal and bold.
void fillGrid(QTableWidget* grid, const QStringList& titles, const std::vector<QStringList>& rows)
{
    grid->clear();
    grid->setColumnCount(int(titles.size()));
    grid->setHorizontalHeaderLabels(titles);
    QFont bold = grid->horizontalHeader()->font();
    bold.setBold(true);
    grid->horizontalHeader()->setFont(bold);
    for (int i = 0; i < grid->columnCount(); ++i)
        if (QTableWidgetItem* h = grid->horizontalHeaderItem(i))
            h->setForeground(kTitleColour);
    grid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int col = 0; col < grid->columnCount(); ++col) {
            auto* item = new QTableWidgetItem(rows[std::size_t(r)].value(col));
            if (col == 0)
                item->setBackground(kSortColour);
            grid->setItem(r, col, item);
        }
}

QTableWidget* grid(QWidget* parent, const QString& name)
{
    auto* g = new QTableWidget(parent);
    g->setObjectName(name);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(18);
    QPalette pal = g->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    g->setPalette(pal);
    return g;
}

QLabel* stripBox(QWidget* parent, const QString& name, bool yellow)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    if (yellow) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
        l->setPalette(pal);
    }
    l->hide();
    return l;
}

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
    data_ = grid(this, QStringLiteral("Data"));
    data_->horizontalHeader()->setSectionsMovable(true);
    data_->installEventFilter(this);
    // The drill-down lies over the grid while it shows.
    shData_ = grid(this, QStringLiteral("ShData"));
    shData_->installEventFilter(this);
    shData_->hide();
    stripLabel_ = stripBox(this, QStringLiteral("L_ShowDescription"), true);
    stripText_[0] = stripBox(this, QStringLiteral("ShowField0"), false);
    stripText_[1] = stripBox(this, QStringLiteral("ShowField1"), false);
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
    connect(data_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous) {
        if (row != previous)
            updateStrip();
    });
    connect(shData_, &QTableWidget::cellDoubleClicked, this, [this] { leaveDrillDown(); });
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
    f5_ = action(QString(), QKeySequence(Qt::Key_F5), [this] { drillDown(); });
    f5_->setVisible(false);
    f5_->setEnabled(false);
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
        showMessage(messages_, u8(Tekst::Fout), {u8(Tekst::NietIngericht).arg(title)});
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
    if (const auto drill = SearchDrillDown::parse(settings_.searchInfo)) {
        f5_->setText(drill->caption);
        f5_->setVisible(true);
        f5_->setEnabled(true);
    }
    const bool strip = !settings_.showFile.isEmpty();
    stripLabel_->setText(settings_.showDescription);
    stripLabel_->setVisible(strip);
    for (QLabel* text : stripText_)
        text->hide();
    setCaption(QString());
    runSearch();
    // The strip changes the layout.
    resizeEvent(nullptr);
    return true;
}

void TVonuOrderZoekscherm::setCaption(const QString& drillCaption)
{
    QString caption = admNr_ + QLatin1Char(' ');
    if (!drillCaption.isEmpty()) {
        setWindowTitle(caption + drillCaption);
        return;
    }
    caption += settings_.title;
    if (!options_.searchTitle.trimmed().isEmpty())
        caption += QLatin1Char(' ') + options_.searchTitle.trimmed();
    setWindowTitle(caption);
}

void TVonuOrderZoekscherm::updateStrip()
{
    if (settings_.showFile.isEmpty())
        return;
    const int row = data_->currentRow();
    const int column = int(settings_.searchResult.split(QLatin1Char(','), Qt::SkipEmptyParts).size());
    std::optional<std::pair<QString, QString>> texts;
    if (row >= 0 && row < int(rows_.rows.size())) {
        QString error;
        texts = queries_.stripTexts(settings_, rows_.rows[std::size_t(row)].value(column), &error);
        if (!error.isEmpty()) {
            // A settings row naming what the database lacks: said once, then
            // the strip stays empty.
            settings_.showFile.clear();
            showMessage(messages_, u8(Tekst::Fout), {error});
        }
    }
    stripText_[0]->setText(texts ? texts->first : QString());
    stripText_[1]->setText(texts ? texts->second : QString());
    stripText_[0]->setVisible(texts && !settings_.showField[0].isEmpty());
    stripText_[1]->setVisible(texts && !settings_.showField[1].isEmpty());
}

bool TVonuOrderZoekscherm::drillDown()
{
    const auto drill = SearchDrillDown::parse(settings_.searchInfo);
    const int row = data_->currentRow();
    if (drillDown_ || !drill || row < 0 || row >= int(rows_.rows.size()))
        return false;
    // The value of the drill-down's column in the current row (the grid's
    // query fetches it when the settings show or return it).
    qsizetype found = -1;
    for (qsizetype c = 0; c < rows_.columns.size() && found < 0; ++c)
        if (rows_.columns.at(c).compare(drill->column, Qt::CaseInsensitive) == 0)
            found = c;
    if (found < 0)
        return false;
    const QString value = rows_.rows[std::size_t(row)].value(int(found));
    const SearchResultRows rows = queries_.drillDown(*drill, value);
    if (!rows.ok)
        return false;
    drillDown_ = drill;
    query_->hide();
    statement_ = rows.statement;
    setCaption(u8(Tekst::Bij).arg(drill->caption, drill->column, value.trimmed()));
    fillGrid(shData_, rows.columns, rows.rows);
    keuze_->setEnabled(false);
    for (QComboBox* c : {zoekWijze_, zoekFilter_, zoekVolgorde_, zoekInitialisatie_, zoekTop_})
        c->hide();
    shData_->setGeometry(data_->geometry());
    shData_->show();
    shData_->raise();
    if (shData_->rowCount() > 0)
        shData_->selectRow(0);
    shData_->setFocus();
    return true;
}

void TVonuOrderZoekscherm::leaveDrillDown()
{
    if (!drillDown_)
        return;
    drillDown_.reset();
    query_->hide();
    shData_->hide();
    shData_->clear();
    shData_->setRowCount(0);
    keuze_->setEnabled(true);
    for (QComboBox* c : {zoekWijze_, zoekFilter_, zoekVolgorde_, zoekInitialisatie_, zoekTop_})
        c->show();
    setCaption(QString());
    data_->setFocus();
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
    rows_ = queries_.run(settings_, r);
    const SearchResultRows& rows = rows_;
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
    updateStrip();
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
    if (drillDown_) {
        leaveDrillDown();
        return;
    }
    const int row = data_->currentRow() >= 0 ? data_->currentRow() : (data_->rowCount() > 0 ? 0 : -1);
    if (row >= 0 && data_->item(row, 0)) {
        chosen_ = data_->item(row, 0)->data(Qt::UserRole).toString();
        panel1_->setText(*chosen_);
    }
    accept();
}

void TVonuOrderZoekscherm::cancel()
{
    if (drillDown_) {
        leaveDrillDown();
        return;
    }
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
    if (watched == shData_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            leaveDrillDown();
            return true;
        }
    }
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
    if (event)
        QDialog::resizeEvent(event);
    const int w = width(), h = height();
    const int gridWidth = std::max(100, w - 90);
    const int top = keuze_->isVisibleTo(this) ? 29 : 4;
    keuze_->setGeometry(4, 4, gridWidth, 22);
    const bool strip = !settings_.showFile.isEmpty();
    const int b = (keuze_->isVisibleTo(this) ? 24 : 0) + (strip ? 24 : 0);
    const int gridHeight = std::max(40, h - b - ((h - b - 81) % 18 + 18) % 18 - 60);
    data_->setGeometry(4, top, gridWidth, gridHeight);
    shData_->setGeometry(4, top, gridWidth, gridHeight);
    query_->setGeometry(4, top, gridWidth, gridHeight);
    if (strip) {
        const int labelWidth = std::max(20, settings_.showDescriptionWidth);
        const int width0 = std::max(20, settings_.showFieldWidth[0]);
        const int width1 = std::max(20, settings_.showFieldWidth[1]);
        stripLabel_->setGeometry(4, h - 74, labelWidth + 5, 20);
        stripText_[0]->setGeometry(labelWidth + 10, h - 74, width0 + 5, 20);
        stripText_[1]->setGeometry(labelWidth + width0 + 14, h - 74, width1 + 5, 20);
    }
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
