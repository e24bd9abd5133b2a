#include "files/ArtikelnummerGrid.h"

#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "order/OrderModel.h"

namespace vonu {

int ArtikelnummerGrid::rowOf(const QString& code) const
{
    const QString wanted = code.trimmed();
    for (int r = 0; r < codes.size(); ++r)
        if (codes.at(r).trimmed() == wanted)
            return r;
    return -1;
}

int ArtikelnummerGrid::columnOf(const QString& verzend) const
{
    if (verzend == QLatin1String("XX"))
        return 0;
    for (int j = 0; j < addressCodes.size(); ++j)
        if ((QStringLiteral("Adres ") + addressCodes.at(j)).mid(6, 2) == verzend)
            return j + 1;
    return -1;
}

QStringList customerArticleCodes(const CustomerProfile& profile, int addressIndex)
{
    QStringList codes;
    const TXMLSleutel s = profile.sleutel();
    const TXMLVerzendadres address = addressIndex >= 0 ? s.Verzendadressen().Item(addressIndex) : TXMLVerzendadres();
    for (const TXMLVerzendadresartikel a : address.Verzendadresartikelen()) {
        if (codes.size() >= MaxKlantartikelen)
            break;
        codes << a.Artikel();
    }
    for (const TXMLDebiteurartikel a : s.Debiteurartikelen())
        if (!codes.contains(a.Artikel()) && codes.size() < MaxKlantartikelen)
            codes << a.Artikel();
    return codes;
}

ArtikelnummerGrid buildArtikelnummerGrid(const CustomerProfile& profile, const Catalog& catalog,
                                         const QStringList& customerArticles)
{
    const TXMLSleutel s = profile.sleutel();
    // The list ends at its first empty entry; the extension fills from there.
    QStringList list;
    for (const QString& code : customerArticles) {
        if (code.isEmpty() || list.size() >= MaxKlantartikelen)
            break;
        list << code;
    }
    for (const TXMLVerzendadres v : s.Verzendadressen())
        for (const TXMLVerzendadresartikel a : v.Verzendadresartikelen())
            if (!list.contains(a.Artikel()) && list.size() < MaxKlantartikelen)
                list << a.Artikel();

    ArtikelnummerGrid grid;
    for (const TXMLArtikel a : catalog.assortiment().Artikelen()) {
        const QString offer = a.ArtikelVonuArtikel();
        if (offer == QLatin1String("J") || (offer != QLatin1String("I") && list.contains(a.Artikel()))) {
            grid.codes << a.Artikel();
            grid.descriptions << a.ArtikelOmschrijving_1() + QLatin1Char(' ') + a.ArtikelOmschrijving_2();
        }
    }
    const QStringList empty(grid.codes.size(), QString());
    grid.numbers.append(empty);
    for (const TXMLDebiteurartikel a : s.Debiteurartikelen()) {
        const int row = grid.rowOf(a.Artikel());
        const QString number = a.DebiteurartikelArtikelKlant().trimmed();
        if (row >= 0 && !number.isEmpty())
            grid.numbers[0][row] = number;
    }
    for (const TXMLVerzendadres v : s.Verzendadressen()) {
        grid.addressCodes << v.Verzend();
        grid.addressNames << v.VerzendadresZoeknaam();
        QStringList column = empty;
        for (const TXMLVerzendadresartikel a : v.Verzendadresartikelen()) {
            const int row = grid.rowOf(a.Artikel());
            const QString number = a.VerzendadresartikelArtikelKlant().trimmed();
            if (row >= 0 && !number.isEmpty())
                column[row] = number;
        }
        grid.numbers.append(column);
    }
    return grid;
}

void applyArtikelnummers(ArtikelnummerGrid& grid, const MorvekDocument& file)
{
    for (const TXMLArtikelnummer n : file.GetMorvek().Artikelnummers()) {
        const int column = grid.columnOf(n.Verzend());
        const int row = grid.rowOf(n.Artikel());
        if (column >= 0 && row >= 0)
            grid.numbers[column][row] = n.ArtikelnummerArtikelKlant();
    }
}

MorvekDocument buildArtikelnummersDocument(const ArtikelnummerGrid& grid, const QString& debiteur, int* written)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLMorvek root = doc.GetMorvek();
    root.setSchemaAttributes();
    TXMLArtikelnummers items = root.Artikelnummers();
    int count = 0;
    for (int c = 0; c < grid.columnCount(); ++c) {
        for (int r = 0; r < grid.rowCount(); ++r) {
            const QString number = grid.numbers[c].value(r).trimmed();
            if (number.isEmpty())
                continue;
            TXMLArtikelnummer n = items.Add();
            n.setDebiteur(debiteur.trimmed());
            n.setVerzend(c == 0 ? QStringLiteral("XX") : grid.addressCodes.at(c - 1).trimmed());
            n.setArtikel(grid.codes.at(r).trimmed());
            n.setArtikelnummerArtikelKlant(number);
            ++count;
        }
    }
    if (written)
        *written = count;
    return doc;
}

} // namespace vonu
