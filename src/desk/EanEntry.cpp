#include "desk/EanEntry.h"
#include "base/Text.h"

#include "desk/DbSession.h"
#include "desk/VonuOrderEANInvoer.h"
#include "order/LineWindow.h"
#include "order/OrderValues.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"


namespace vonu {

namespace {

namespace Tekst {
const char* const MaatNiet = "Maat %1 Mtr niet gevonden!";
const char* const BewerkingNiet = "Bewerking %1 niet gevonden!";
const char* const SubartikelNiet = "Subartikel %1 niet gevonden!";
} // namespace Tekst

// The first entry from index 1 whose trimmed text is `code`; 0 when none.
int entryOf(const QStringList& choices, const QString& code)
{
    for (int i = 1; i < choices.size(); ++i)
        if (choices.at(i).trimmed() == code)
            return i;
    return 0;
}

} // namespace

EanEntry::EanEntry(TVonuOrderscherm& screen, DbSession& db, AskCode ask)
    : screen_(screen), db_(db), ask_(std::move(ask))
{
}

EanEntry::AskCode EanEntry::dialoog(QWidget* parent)
{
    return [parent](const QString& voorvoegsel) { return TVonuOrderEANInvoerscherm::vraag(voorvoegsel, parent); };
}

void EanEntry::run(int r)
{
    // Only for the order of an accepted debtor.
    if (screen_.debtorEntryEnabled())
        return;
    const std::optional<QString> code = ask_(db_.constant(QStringLiteral("EAN_leverancier")).toString().trimmed());
    if (!code)
        return;
    EanPriceContext context;
    context.debiteur = screen_.debtorHeader().debiteur;
    context.verzend = screen_.shipToCode(screen_.shipToIndex());
    context.orderdatum = screen_.headerValues().orderdatum;
    EanLookup lookup(db_);
    apply(r, lookup.lookup(*code, context));
}

void EanEntry::refuse(const QString& melding)
{
    screen_.platform().sound.beep();
    screen_.setStatusText(0, melding);
}

void EanEntry::note(const QString& melding)
{
    // Leaving the article field clears the status panel, so what the entry
    // has to say waits until the focus is where it ends. Each part that
    // cannot be placed beeps; the last message stays.
    screen_.platform().sound.beep();
    melding_ = melding;
}

void EanEntry::apply(int r, const EanLookupResult& result)
{
    if (result.status != EanLookupResult::Status::Gevonden) {
        if (!result.melding.isEmpty())
            refuse(result.melding);
        return;
    }
    // An article this shipping address is not offered is not entered; the
    // empty list tells the operator as much as a message would.
    if (screen_.articleEntryIndex(result.product.artikel) <= 0)
        return;
    fill(r, result.product);
}

void EanEntry::fill(int r, const EanProduct& product)
{
    OrderModel& order = screen_.order();
    const int line = order.lines().rowAt(r);
    LineRules rules = screen_.rules();
    melding_.clear();

    // The article, as if chosen: a filled row is replaced without asking,
    // the code itself says what the operator wants.
    rules.changeArticle(line, screen_.articleEntries().value(screen_.articleEntryIndex(product.artikel)));
    order.setField(line, Veld::EAN, product.ean);

    if (product.opMaat()) {
        if (order.field(line, Veld::Lengte).trimmed() != Waarde::OpMaat
            && rules.lengthChoices(line).contains(Waarde::OpMaat))
            rules.changeLength(line, Waarde::OpMaat);
    } else if (product.vasteMaat()) {
        // The catalog's own entry ("3,00 Mtr"), however the code's size was written.
        const QStringList sizes = rules.sizeChoices(line);
        const int index = eanMaatIndex(product.maat, sizes);
        if (index >= 0)
            order.setField(line, Veld::Maat, sizes.at(index));
        else
            note(u8(Tekst::MaatNiet).arg(eanMaatGetal(product.maat)));
    }

    // The execution, only on a line whose article has one to choose.
    if (order.flag(line, Vlag::Uitvoering)
        && (product.uitvoering == Waarde::Geboord || product.uitvoering == Waarde::Ongeboord))
        rules.changeExecution(line, product.uitvoering);

    // The accompanying articles with their consequences. The rules open no
    // dialog; the rebate dialog comes once, below, when all are placed.
    for (const EanBegeleidend& b : product.begeleidend)
        placeAccompanying(rules, line, b);

    screen_.showLineInRow(r);
    if (line == order.lines().current())
        screen_.lineWindow().refillPanels();
    screen_.lineWindow().updateRange();

    screen_.focusQuantity(r, product.opMaat());
    if (!melding_.isEmpty())
        screen_.setStatusText(0, melding_);
    if (product.sponning && order.flag(line, Vlag::Sponning)) {
        screen_.panelEntry().openSponning(r);
        screen_.focusQuantity(r, product.opMaat());
    }
}

void EanEntry::placeAccompanying(LineRules& rules, int line, const EanBegeleidend& b)
{
    OrderModel& order = screen_.order();
    const QStringList choices = b.bewerking ? rules.bewerkingChoices(line) : rules.subartikelChoices(line);
    const int index = entryOf(choices, b.code);
    if (index <= 0) {
        note(u8(b.bewerking ? Tekst::BewerkingNiet : Tekst::SubartikelNiet).arg(b.code));
        return;
    }
    // The first free row of the line.
    int row = 1;
    while (!(b.bewerking ? order.bewerking(line, row, 1) : order.subartikel(line, row, 1)).trimmed().isEmpty())
        ++row;
    if (b.bewerking)
        rules.changeBewerking(line, row, choices.at(index));
    else
        rules.changeSubartikel(line, row, choices.at(index));
}

} // namespace vonu
