#pragma once
// The quantity text of a made-to-measure line, derived from its detail
// rows: pieces, a slash and the metres with one decimal, for example
// "3/3,8". A "*" marks what is still missing, so the completeness check
// refuses the line until every row has both values.

#include <QChar>
#include <QString>

#include <cstdint>

namespace vonu {

class OrderModel;

struct DetailTotaal {
    std::int64_t stuks = 0;
    std::int64_t lengte = 0;       // sum of quantity x size, mm
    std::int64_t gefactureerd = 0; // billed length: per piece the size rounded up to whole
                                   // decimetres, never less than one metre
    bool aantalOntbreekt = false;  // a row with a size but no quantity
    bool maatOntbreekt = false;    // a row with a quantity but no size
};

// Sums detail rows 1..125 of `line`. Rows with both values empty are
// skipped; a value that is not a whole number from 0 to 99,999,999 marks
// its side as missing and the row adds nothing.
DetailTotaal detailTotaal(const OrderModel& order, int line);

// The metres of `mm` millimetres rounded up to whole decimetres, with one
// decimal: 3800 gives "3,8", 3801 gives "3,9".
QString meters(std::int64_t mm, QChar decimaal = u',');

// "pieces[*]/metres[*]"; `meterDm` bills the rounded length (articles
// counted "Meter-dm"). A line without pieces and without length reads "*".
QString detailTotaalTekst(const DetailTotaal& totaal, bool meterDm, QChar decimaal = u',');

} // namespace vonu
