#pragma once
// The arithmetic of storing an order: how quantities, sizes, fixings and
// packages are counted. Pure functions, shared by the store, the quantity
// pass and the sales lines, so each rule exists once.

#include <QString>

#include <optional>
#include <vector>

namespace vonu {

// Rounding to one decimal as the order desk has always done it: the whole
// number nearest to (x + 0.04999) x 10, an exact half to the even
// neighbour, divided by 10. In effect a fraction is rounded up from 0.0001.
double round1(double x);
// Nearest whole number, an exact half to the even neighbour.
double roundHalfEven(double x);

// A number as typed on screen: decimal comma (a point is accepted too),
// surrounding blanks ignored. nullopt when it is not a number.
std::optional<double> parseDecimal(const QString& text);
// A number written into the database: decimal point, no exponent, no
// trailing zeros ("1.3", "3750", "0").
QString decimalText(double value);

// The article field of a stored line: "article" or "article<blanks>EAN"
// (first 20 characters the article, the 13 after it the EAN), or a
// customer's line whose article code stands in characters 31-46.
struct LineArticle {
    QString artikel;
    QString ean;
};
LineArticle splitLineArticle(const QString& text);

// A size text with any trailing unit or remark removed ("1250 mm" ->
// "1250"): trailing characters are dropped while the last is not a figure
// or a comma.
QString sizeFigures(const QString& maat);

// Pieces P, pricing quantity O and size M of a line.
struct LineQuantity {
    double p = 0;
    double o = 0;
    double m = 0;
};
// flag11: the line has details ("P/O" in Aantal); flag3: a size line.
// metreByLength: the article is unknown, or counted "Aantal x maat" in
// metres. nullopt when Aantal or Maat holds no number.
std::optional<LineQuantity> lineQuantity(const QString& aantal, const QString& maat, bool flag11, bool flag3,
                                         bool metreByLength);

// The size of a detail after the line's correction: one `maatcorrectie`
// per started 1000 mm of the entered size, then the sub-articles'
// correction. *corrected is set when either applied.
double correctedSize(double entered, bool correctie, double maatcorrectie, double subCorrectie, bool* corrected);

// A number as a numeric column with `scale` decimals holds it when
// decimalText wrote it there: its figures rounded half away from zero.
double storedNumber(double value, int scale);

// The size corrections of one line whose article counts in metres, over its
// detail rows in mm (entered size and pieces, as stored): the size of each
// after the corrections, whether one applied, and the quantity of the main
// row when the article is counted by length ("Aantal x maat": the metres,
// rounded; "Meter-dm": each piece of at most a metre as a whole metre) and
// the line has such rows.
struct DetailLength {
    double entered = 0;
    double aantal = 0;
};
struct LineCorrection {
    std::vector<double> sizes;
    std::vector<bool> corrected;
    std::optional<double> quantity;
};
LineCorrection correctLine(const std::vector<DetailLength>& details, bool correctie, double maatcorrectie,
                           double subCorrectie, const QString& berekening);

// How many fixings go along a length L by spreading mode `wijze` (first
// character "A", "B" or other), end distance udk, spacing hoh and free
// middle zone mv.
int piecesPerLength(const QString& wijze, double length, double udk, double hoh, double mv);

// Packages needed for n pieces with `content` pieces per package (a
// content of 0 or less counts as one package per quantity).
double packages(double n, double content);

// The description of an operation that is one of the line's rebates, and
// the rebate text with that rebate blanked so it is described only once.
// Empty when the article is neither rebate of the text.
QString rebateDescription(const QString& article, QString& rebateText);

} // namespace vonu
