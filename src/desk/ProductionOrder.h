#pragma once
// The production order of a stored order: its production lines turned into
// the printable rows of the user's scratch table ProductieOrder (article
// heads, packing and quantity lines, size details, the packing summary with
// colli and weights), with the packages of every line gathered in the
// scratch table OrderVerpakking and combined into colli by the database.
//
// Every statement binds its values; the scratch tables hold their texts in
// unbounded columns, so a long description or an apostrophe never makes the
// print fail.

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>

namespace vonu {

class DbSession;
struct DbRows;

// Display numbers of the production papers: thousands point, decimal comma,
// halves rounded away from zero. whole(1234.5) = "1.235".
QString formatNumber(double value, int decimals);
inline QString wholeNumber(double value) { return formatNumber(value, 0); }
// A size: three decimals when it has a fraction ("2,500"), else whole ("3").
QString sizeNumber(double value);
// "12,5 kg" for 12.46: the weight rounded up from four hundredths on.
// Empty when the weight or the quantity is zero.
QString weightText(double gewicht, double aantal);
// The description of a detail row: the three texts trimmed and joined by
// blanks, a leading "GEBOORD" or "ONGEBOORD" taken off the second and third.
QString detailDescription(const QString& o1, const QString& o2, const QString& o3);
// The execution mark: "Geboord" / "Ongeboord" from the second or third text,
// else the article's execution text.
QString executionMark(const QString& o2, const QString& o3, const QString& uitvoering);
// A text cut into pieces of at most `width` characters (at least one piece).
QStringList splitText(const QString& text, int width);

// Packing limits and rules of the constants row.
struct PackingRules {
    double maxMmDoos = 0;     // longest piece that goes into a box
    double minKgDoos = 0;     // below this shipment weight: over-bundle labels
    double maxKgDoos = 0;
    double maxKgBundel = 0;
    bool overbundelenBundel = false;
    bool overbundelenDoos = false;
    bool overbundelenKoker = false;
    bool overbundelenPak = false;
    bool overbundelenPallet = false;

    static PackingRules fromConstants(const DbSession& db);
    // True when packages of this colli kind get over-bundle labels.
    bool overbundles(const QString& soort) const;
};

// One row of the print table as the reports read it: column -> text.
struct ProductionPrintRow {
    std::map<QString, QString> values;
    QString value(const QString& column) const;
};

class ProductionOrder {
public:
    // The variant of the control copy: the sizes as they were entered.
    static inline const QString kIngevoerdeMaten = QStringLiteral("IngevoerdeMaten");
    // The columns of the print table, in order.
    static const QStringList& printColumns();

    // The status text while `fill` runs; the caller shows it.
    static QString fillingText();

    ProductionOrder(DbSession& db, PackingRules rules);
    ~ProductionOrder();
    ProductionOrder(const ProductionOrder&) = delete;
    ProductionOrder& operator=(const ProductionOrder&) = delete;

    // Creates the user's print table afresh (empty); false when the database
    // refused (the reason has been shown).
    bool createPrintTable();
    // Fills the print table (created first) and the packing table for the
    // order; `variant` empty for the production order or kIngevoerdeMaten.
    // Sets *enteredSizes when a line has corrected or entered sizes (never
    // clears it). Detail rows without quantity and size are deleted from the
    // stored order on the way. False when a statement failed.
    bool fill(const QString& ordernummer, const QString& variant, bool* enteredSizes = nullptr);
    // The print table's rows in print order.
    QList<ProductionPrintRow> printRows();

    // Scratch table names as the database made them (quoted identifiers).
    const QString& printTable() const { return printTable_; }
    const QString& packingTable() const { return packingTable_; }

private:
    struct Line;
    struct Article;
    struct LineFacts;

    bool createScratch(const QString& table, const QString& columns, QString* name);
    const Article& article(const QString& code);
    bool handleLine(QList<Line>& lines, int k, const QString& variant, bool* enteredSizes);
    bool slips(const QList<Line>& lines, int k);
    bool packingSummary(const Line* first);
    bool insertPrintRow(const QString& type, const std::map<QString, QString>& values,
                        const QVariant& regelId = QVariant());
    bool insertPacking(const QString& type, const QString& soort, double aantal, double gewicht, int etiket);
    QString procedureText(const QString& procedure, const QString& column, const QString& artikel,
                          const QString& ean, const QString& oorsprong, const QString& lastName,
                          const QVariant& lastValue);

    DbSession& db_;
    PackingRules rules_;
    QString printTable_;
    QString packingTable_;
    QString orderKey_;
    QString debnr_;
    QString verzend_;
    int regel_ = 0;
    std::map<QString, Article> articles_;
};

} // namespace vonu
