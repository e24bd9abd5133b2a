#include "desk/SillMacroQueries.h"

#include "desk/DbSession.h"

namespace vonu {

namespace {

std::optional<int> optionalInt(const DbRows& rows, const QString& column, int row = 0)
{
    const QVariant v = rows.value(column, row);
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

} // namespace

std::optional<int> SillMacroQueries::macroCount(const QString& article)
{
    const DbRows r =
        db_.select(QStringLiteral("select Maatinvoer * (select count(*) from ArtikelOnderdorpelmacro m where "
                                  "m.Artikel = a.Artikel) as Aantal "
                                  "from Artikel a where a.Artikel = ?"),
                   {article.trimmed()});
    if (!r)
        return std::nullopt;
    return r.found() ? r.value(QStringLiteral("Aantal")).toInt() : 0;
}

std::optional<sill::SillProposal> SillMacroQueries::proposal(const QString& article)
{
    const DbRows r = db_.select(
        QStringLiteral(
            "select\n"
            "  count(*) as MacroAantal,\n"
            "  sum(case when UDK is null or HOH is null then 1 else 0 end) + case when count(*) = 1 then 0 "
            "else 1 end as MaatAantal,\n"
            "  case\n"
            "    when count(*) = 1 then 'BW'\n"
            "    when sum(case when UDK is not null and HOH is null then 1 else 0 end) > 0 then 'BB'\n"
            "    when count(*) = 4 and sum(case when UDK is not null and HOH is not null then Bewerking else "
            "0 end) = 2 then 'HR'\n"
            "    when count(*) = 4 and sum(case when UDK is not null and HOH is not null then Bewerking else "
            "0 end) = 3 then 'HL'\n"
            "    when count(*) = 5 then 'H2'\n"
            "    when count(*) = 6 then 'H1'\n"
            "  end as TypeOnderdorpel\n"
            "from ArtikelOnderdorpelmacro\n"
            "where Artikel = ? and KeuzeVoorstel = true"),
        {article.trimmed()});
    if (!r)
        return std::nullopt;
    sill::SillProposal p;
    p.macroAantal = r.value(QStringLiteral("MacroAantal")).toInt();
    p.maatAantal = r.value(QStringLiteral("MaatAantal")).toInt();
    p.type = sill::sillTypeFromCode(r.text(QStringLiteral("TypeOnderdorpel")));
    return p;
}

std::optional<bool> SillMacroQueries::inSimpleChoice(const QString& article, int position,
                                                     const QString& macro)
{
    const DbRows r = db_.select(QStringLiteral("select KeuzeSimpel from ArtikelOnderdorpelmacro where "
                                               "Artikel = ? and Bewerking = ? and Macro = ?"),
                                {article.trimmed(), position, macro});
    if (!r.found())
        return std::nullopt;
    return r.flag(QStringLiteral("KeuzeSimpel"));
}

QList<SillMacroChoice> SillMacroQueries::choices(const QString& article, int position, bool simpleOnly)
{
    QString sql =
        QStringLiteral("select Omschrijving, ArtikelOnderdorpelmacro.Macro, UDK, HOH, KeuzeVoorstel from "
                       "ArtikelOnderdorpelmacro\n"
                       "join Onderdorpelmacro on Onderdorpelmacro.Macro = ArtikelOnderdorpelmacro.Macro\n"
                       "where Artikel = ? and Bewerking = ?\n");
    if (simpleOnly)
        sql += QStringLiteral("and KeuzeSimpel = true\n");
    sql += QStringLiteral("order by Keuze, ArtikelOnderdorpelmacro.Macro");
    const DbRows r = db_.select(sql, {article.trimmed(), position});
    QList<SillMacroChoice> list;
    for (int i = 0; i < r.size(); ++i) {
        SillMacroChoice c;
        c.omschrijving = r.text(QStringLiteral("Omschrijving"), i);
        c.macro = r.text(QStringLiteral("Macro"), i);
        c.udk = optionalInt(r, QStringLiteral("UDK"), i);
        c.hoh = optionalInt(r, QStringLiteral("HOH"), i);
        c.voorstel = r.flag(QStringLiteral("KeuzeVoorstel"), i);
        list.append(c);
    }
    return list;
}

std::optional<SillMacroDistances> SillMacroQueries::distances(const QString& article, int position,
                                                              const QString& macro)
{
    const DbRows r = db_.select(
        QStringLiteral(
            "select UDK, HOH from ArtikelOnderdorpelmacro where Artikel = ? and Bewerking = ? and Macro = ?"),
        {article.trimmed(), position, macro});
    if (!r.found())
        return std::nullopt;
    return SillMacroDistances{optionalInt(r, QStringLiteral("UDK")), optionalInt(r, QStringLiteral("HOH"))};
}

std::optional<SillWindowPlacement> SillMacroQueries::readPlacement(const QString& screen)
{
    const DbRows r =
        db_.call(QStringLiteral("APC_Leesscherm"), {{QStringLiteral("Gebruiker"), db_.userName()},
                                                    {QStringLiteral("Scherm"), screen},
                                                    {QStringLiteral("Soort"), QStringLiteral("S")}});
    if (!r.found() || r.value(QStringLiteral("Active")).isNull())
        return std::nullopt;
    SillWindowPlacement p;
    p.windowState = r.value(QStringLiteral("WindowState")).toInt();
    p.top = r.value(QStringLiteral("Top")).toInt();
    p.left = r.value(QStringLiteral("left")).toInt();
    p.height = r.value(QStringLiteral("Height")).toInt();
    p.width = r.value(QStringLiteral("Width")).toInt();
    return p;
}

void SillMacroQueries::writePlacement(const QString& screen, const SillWindowPlacement& placement)
{
    db_.call(QStringLiteral("APC_Schrijfscherm"), {{QStringLiteral("Gebruiker"), db_.userName()},
                                                   {QStringLiteral("Scherm"), screen},
                                                   {QStringLiteral("WindowState"), placement.windowState},
                                                   {QStringLiteral("Boven"), placement.top},
                                                   {QStringLiteral("Links"), placement.left},
                                                   {QStringLiteral("Hoogte"), placement.height},
                                                   {QStringLiteral("Breedte"), placement.width}});
}

} // namespace vonu
