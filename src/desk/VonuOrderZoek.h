#pragma once
// The generic search screen of the order desk: what it shows comes from the
// settings row of its title (table, columns, search columns, result column,
// filter menu); every keystroke searches again, filtering or positioning.
// Closing keeps the user's layout and choices in his own settings row.

#include "desk/SearchQueries.h"

#include <QDialog>

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vonu {

class IMessageDialog;

// Options a caller may pass before showing: an extra condition every search
// carries, a text after the caption, a join line and the filter menu entry
// to start with.
struct SearchOptions {
    SearchCondition filter;
    QString searchTitle;
    QString join;
    int menu = 0;
};

class TVonuOrderZoekscherm : public QDialog {
    Q_OBJECT
public:
    TVonuOrderZoekscherm(SearchQueries& queries, IMessageDialog& messages, const QString& user,
                         const QString& admNr, QWidget* parent = nullptr);

    using Options = SearchOptions;
    // Reads the settings of `title` and runs the first search with the
    // caller's initial value. False when the settings cannot be read (shown).
    bool setUp(const QString& title, const QString& initial, const Options& options);
    // The whole protocol: set up, show modally, return the chosen value.
    static std::optional<QString> choose(SearchQueries& queries, IMessageDialog& messages, const QString& user,
                                         const QString& admNr, const QString& title, const QString& initial,
                                         const SearchOptions& options = SearchOptions(),
                                         QWidget* parent = nullptr);

    // The value chosen (Selekteren with a row), else nullopt.
    std::optional<QString> chosen() const { return chosen_; }

    // Operations the keys and controls use; tests call them too.
    void typeText(const QString& text);   // characters typed in the grid
    void backspace();
    void clearSearchText();
    void select();
    void cancel();
    void sortByColumn(int column);
    void moveSortColumn(int step);
    // F5: the rows of the settings' drill-down for the current row, shown
    // over the grid until select or cancel; false when there is none.
    bool drillDown();
    bool inDrillDown() const { return drillDown_.has_value(); }

    QTableWidget* data() const { return data_; }
    QTableWidget* drillGrid() const { return shData_; }
    // The information strip: its label and two texts (hidden when the
    // current row has no row of its own there).
    QLabel* stripLabel() const { return stripLabel_; }
    QLabel* stripText(int i) const { return stripText_[std::size_t(i)]; }
    QComboBox* keuze() const { return keuze_; }
    QComboBox* zoekWijze() const { return zoekWijze_; }
    QComboBox* zoekFilter() const { return zoekFilter_; }
    QComboBox* zoekVolgorde() const { return zoekVolgorde_; }
    QComboBox* zoekInitialisatie() const { return zoekInitialisatie_; }
    QComboBox* zoekTop() const { return zoekTop_; }
    QPushButton* selekteren() const { return selekteren_; }
    QString statusText(int panel) const;
    QString searchField() const { return searchField_; }
    const QString& statement() const { return statement_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void runSearch();
    void updateStrip();
    void leaveDrillDown();
    void setCaption(const QString& caption);
    void markSortColumn();
    void saveSettings();
    void restoreScreen(const QString& title);

    SearchQueries& queries_;
    IMessageDialog& messages_;
    QString user_;
    QString admNr_;
    SearchSettings settings_;
    Options options_;
    QString searchField_;
    QString searchText_;
    QString statement_;
    std::vector<QString> columnFields_;   // the grid columns' fields, in grid order
    SearchResultRows rows_;               // what the grid shows, whole rows
    std::optional<SearchDrillDown> drillDown_;   // set while the drill-down shows
    std::optional<QString> chosen_;
    bool saved_ = false;

    QTableWidget* data_ = nullptr;
    QComboBox* keuze_ = nullptr;
    QComboBox* zoekWijze_ = nullptr;
    QComboBox* zoekFilter_ = nullptr;
    QComboBox* zoekVolgorde_ = nullptr;
    QComboBox* zoekInitialisatie_ = nullptr;
    QComboBox* zoekTop_ = nullptr;
    QPushButton* selekteren_ = nullptr;
    QPushButton* annuleren_ = nullptr;
    QLabel* panel0_ = nullptr;
    QLabel* panel1_ = nullptr;
    QPlainTextEdit* query_ = nullptr;
    QTableWidget* shData_ = nullptr;
    QAction* f5_ = nullptr;
    QLabel* stripLabel_ = nullptr;
    std::array<QLabel*, 2> stripText_{};
};

} // namespace vonu
