#include "order/VonuOrderZoekArtikelRijen.h"

#include "order/OrderModel.h"

#include <algorithm>

namespace vonu {

namespace {

bool offered(const QString& klasse, const QString& code, const InKlantLijst& inKlantLijst)
{
    const QString k = klasse.trimmed();
    if (k == QLatin1String("I"))
        return false;
    if (k == QLatin1String("K"))
        return inKlantLijst && inKlantLijst(code);
    return true;
}

QString joined(const QString& a, const QString& b)
{
    return (a.trimmed() + QLatin1Char(' ') + b.trimmed());
}

} // namespace

std::vector<ZoekArtikelRij> zoekArtikelRijen(const TXMLArtikel& artikel, ZoekSoort soort,
                                             const InKlantLijst& inKlantLijst)
{
    std::vector<ZoekArtikelRij> rows;
    if (artikel.isNull())
        return rows;
    if (soort == ZoekSoort::Subartikel) {
        for (const TXMLSubartikel s : artikel.Subartikelen()) {
            const QString code = s.Artikel().trimmed();
            if (offered(s.SubartikelVonuArtikel(), code, inKlantLijst))
                rows.push_back({code, joined(s.SubartikelOmschrijving_1(), s.SubartikelOmschrijving_2())});
        }
        return rows;
    }
    for (const TXMLBewerking b : artikel.Bewerkingen()) {
        const QString code = b.Artikel().trimmed();
        if (b.BewerkingALT_toets().trimmed() == QLatin1String("R"))
            continue;
        if (offered(b.BewerkingVonuArtikel(), code, inKlantLijst))
            rows.push_back({code, joined(b.BewerkingOmschrijving_1(), b.BewerkingOmschrijving_2())});
    }
    return rows;
}

PanelPlek plekVoorKeuze(RowWindow& window, int maximum, const std::function<bool(int row)>& gevuld)
{
    PanelPlek plek;
    for (int r = 1; r <= window.visibleRows(); ++r) {
        if (!gevuld(window.rowAt(r))) {
            plek.schermRij = r;
            break;
        }
    }
    if (plek.schermRij == 0) {
        const int last = window.visibleRows();
        int top = window.top();
        while (gevuld(top + last - 1) && top + last - 1 < window.tableRows())
            ++top;
        if (gevuld(top + last - 1))
            return plek;  // every row of the table is taken
        window.setMaximum(std::max(maximum, top + last - 2));
        plek.verschoven = window.moveTo(top + last - 2);
        plek.schermRij = last;
    }
    plek.tabelRij = window.rowAt(plek.schermRij);
    window.moveTo(plek.tabelRij - 1);
    return plek;
}

PanelPlek plekVoorKeuze(OrderModel& order, int line, ZoekSoort soort)
{
    if (soort == ZoekSoort::Subartikel)
        return plekVoorKeuze(order.subartikelen(), order.subartikelScrollMaximum(line),
                             [&](int row) { return order.subartikelInUse(line, row); });
    return plekVoorKeuze(order.bewerkingen(), order.bewerkingScrollMaximum(line),
                         [&](int row) { return order.bewerkingInUse(line, row); });
}

} // namespace vonu
