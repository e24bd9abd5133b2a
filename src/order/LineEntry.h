#pragma once
// The handlers of the order-line fields and the header fields: what each
// change, key and exit does, how a line is prepared for its article, the
// length choice, the typed search in the article field and the Enter
// routes between the fields.

#include <QHash>
#include <QObject>

class QKeyEvent;
class QWidget;

namespace vonu {

class TVonuOrderscherm;

class LineEntry : public QObject {
    Q_OBJECT
public:
    // The fields of a line row and the header fields the handlers watch.
    enum class Veldsoort {
        Regel, Artikel, Kleur, Lengte, Correctie, Maat, MaatInvoer, Uitvoering, Aantal, Sponning,
        Omschrijving, Orderdatum, Ordernummer, Referentie
    };

    explicit LineEntry(TVonuOrderscherm& screen);
    ~LineEntry() override;

    // Row r (1..6) handlers; each does nothing while the screen moves
    // values itself.
    void articleChanged(int r);
    // Prepares row r and its line for the article the row shows.
    void prepareLine(int r);
    void lengthEntered(int r);
    void lengthChanged(int r);
    void applyLengthChoice(int r);
    void colourChanged(int r);
    void executionChanged(int r);
    void sizeChanged(int r);
    void correctionChanged(int r);
    void leaveArticle(int r);
    void leaveQuantity(int r);
    void leaveTypedSize(int r);
    // Stores what the rows show but the line does not hold yet, as leaving
    // each field would (the rows are about to move or the order is read).
    void storePendingEdits();
    // The typed search in the empty article field of row r: one character
    // (already upper case for a-z) or Backspace.
    void typedSearch(int r, QChar character, bool backspace);
    // Where Enter in field `soort` of row r goes (nullptr: nowhere).
    QWidget* enterTarget(int r, Veldsoort soort) const;
    // The next row's article field; in row 6 the rows scroll by one line
    // unless the scroll bar is at its maximum.
    void nextRow(int r);

signals:
    // Double click on the rebate field of row r.
    void rebateRequested(int row);
    // Order desk: the description button of row r (its length is shown).
    void descriptionRequested(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Plaats {
        int row = 0;  // 0 for a header field
        Veldsoort soort = Veldsoort::Regel;
    };
    bool handleKey(const Plaats& p, QWidget* field, QKeyEvent* key);
    // Row r shows its line again after the rules changed it.
    void showPreparedLine(int r, int line);
    // The typed size of row r through the size check; a refused size takes
    // the focus back when `focusBack`.
    void storeTypedSize(int r, bool focusBack);
    void leave(const Plaats& p);
    QWidget* afterColour(int r) const;
    QWidget* firstDetailOrSize(int r) const;
    QWidget* currentDetail() const;
    bool detailsShown() const;
    int lineOf(int r) const;

    TVonuOrderscherm& screen_;
    QHash<QObject*, Plaats> plaatsen_;
};

} // namespace vonu
