#include "desk/StandardTexts.h"

#include "desk/DbSession.h"

namespace vonu {

namespace {

const StandardTextKind kKinds[] = {
    {QLatin1Char('P'), 55, " extra productiegegevens", 3},
    {QLatin1Char('A'), 91, " extra aflevergegevens", 5},
    {QLatin1Char('R'), 19, " referentieregels", 1},
    {QLatin1Char('B'), 91, " opmerkingen orderbevestiging", 1},
    {QLatin1Char('O'), 55, " omschrijvingen artikel", 3},
    {QLatin1Char('H'), 19, " afhaalinstructie's verzendingen", 1},
    {QLatin1Char('M'), 37, " opmerkingen verzendingen", 2},
};

const char* const kColumns =
    "Tekst, Type, Productie_1, Productie_2, Productie_3, Aflever_1, Aflever_2, Aflever_3, Aflever_4, Aflever_5, "
    "Referentie_2, Bevestiging, Omschrijving_1, Omschrijving_2, Omschrijving_3, Afhaalinstructie, Opmerking_1, "
    "Opmerking_2";

StandardText fromRow(const DbRows& rows, int i)
{
    StandardText t;
    auto txt = [&](const char* c) { return rows.text(QString::fromLatin1(c), i); };
    t.tekst = rows.value(QStringLiteral("Tekst"), i).toInt();
    const QString type = txt("Type");
    t.type = type.isEmpty() ? QChar() : type.at(0);
    t.productie = {txt("Productie_1"), txt("Productie_2"), txt("Productie_3")};
    t.aflever = {txt("Aflever_1"), txt("Aflever_2"), txt("Aflever_3"), txt("Aflever_4"), txt("Aflever_5")};
    t.referentie2 = txt("Referentie_2");
    t.bevestiging = txt("Bevestiging");
    t.omschrijving = {txt("Omschrijving_1"), txt("Omschrijving_2"), txt("Omschrijving_3")};
    t.afhaalinstructie = txt("Afhaalinstructie");
    t.opmerking = {txt("Opmerking_1"), txt("Opmerking_2")};
    return t;
}

} // namespace

std::vector<QString*> StandardText::lines()
{
    switch (type.toLatin1()) {
    case 'P': return {&productie[0], &productie[1], &productie[2]};
    case 'A': return {&aflever[0], &aflever[1], &aflever[2], &aflever[3], &aflever[4]};
    case 'R': return {&referentie2};
    case 'B': return {&bevestiging};
    case 'O': return {&omschrijving[0], &omschrijving[1], &omschrijving[2]};
    case 'H': return {&afhaalinstructie};
    case 'M': return {&opmerking[0], &opmerking[1]};
    default: return {};
    }
}

std::vector<const QString*> StandardText::lines() const
{
    std::vector<const QString*> out;
    for (QString* s : const_cast<StandardText*>(this)->lines())
        out.push_back(s);
    return out;
}

const StandardTextKind* standardTextKind(QChar type)
{
    for (const StandardTextKind& k : kKinds)
        if (k.type == type)
            return &k;
    return nullptr;
}

StandardTexts::StandardTexts(DbSession& db) : db_(db) {}

std::optional<std::vector<StandardText>> StandardTexts::ofType(QChar type)
{
    const DbRows rows = db_.select(QStringLiteral("select %1 from Standaardtekst where Type = ? order by Tekst")
                                       .arg(QLatin1String(kColumns)),
                                   {QString(type)});
    if (!rows)
        return std::nullopt;
    std::vector<StandardText> texts;
    for (int i = 0; i < rows.size(); ++i)
        texts.push_back(fromRow(rows, i));
    return texts;
}

std::optional<StandardText> StandardTexts::add(QChar type)
{
    // The number and the row in one statement; a collision with another desk
    // fails on the key and is tried again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DbRows rows = db_.select(QStringLiteral("insert into Standaardtekst (Tekst, Type) "
                                                      "select coalesce(max(Tekst), 0) + 1, ? from Standaardtekst "
                                                      "on conflict do nothing returning %1")
                                           .arg(QLatin1String(kColumns)),
                                       {QString(type)});
        if (!rows)
            return std::nullopt;
        if (rows.found())
            return fromRow(rows, 0);
    }
    return std::nullopt;
}

bool StandardTexts::update(const StandardText& text)
{
    // Empty lines are stored as empty texts, never as null.
    StandardText t = text;
    for (QString* line : {&t.productie[0], &t.productie[1], &t.productie[2], &t.aflever[0], &t.aflever[1],
                          &t.aflever[2], &t.aflever[3], &t.aflever[4], &t.referentie2, &t.bevestiging,
                          &t.omschrijving[0], &t.omschrijving[1], &t.omschrijving[2], &t.afhaalinstructie,
                          &t.opmerking[0], &t.opmerking[1]})
        if (line->isNull())
            *line = QStringLiteral("");
    return db_.exec(QStringLiteral("update Standaardtekst set Productie_1 = ?, Productie_2 = ?, Productie_3 = ?, "
                                   "Aflever_1 = ?, Aflever_2 = ?, Aflever_3 = ?, Aflever_4 = ?, Aflever_5 = ?, "
                                   "Referentie_2 = ?, Bevestiging = ?, Omschrijving_1 = ?, Omschrijving_2 = ?, "
                                   "Omschrijving_3 = ?, Afhaalinstructie = ?, Opmerking_1 = ?, Opmerking_2 = ? "
                                   "where Tekst = ?"),
                    {t.productie[0], t.productie[1], t.productie[2], t.aflever[0], t.aflever[1], t.aflever[2],
                     t.aflever[3], t.aflever[4], t.referentie2, t.bevestiging, t.omschrijving[0], t.omschrijving[1],
                     t.omschrijving[2], t.afhaalinstructie, t.opmerking[0], t.opmerking[1], t.tekst});
}

bool StandardTexts::remove(int tekst)
{
    return db_.exec(QStringLiteral("delete from Standaardtekst where Tekst = ?"), {tekst});
}

} // namespace vonu
