#include "desk/EanEntry.h"
#include "base/Text.h"
#include "widgets/WidgetInput.h"

#include "desk/DbSession.h"
#include "desk/VonuOrderEANInvoer.h"
#include "order/LineEntry.h"
#include "order/LineWindow.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>

namespace vonu {

namespace {

namespace Tekst {
const char* const OpMaat = "Op maat";
const char* const MaatNiet = "Maat %1 Mtr niet gevonden!";
const char* const BewerkingNiet = "Bewerking %1 niet gevonden!";
const char* const SubartikelNiet = "Subartikel %1 niet gevonden!";
} // namespace Tekst

// The first entry from index 1 whose trimmed text is `code`; 0 when none.
int entryOf(const QComboBox* box, const QString& code)
{
    for (int i = 1; i < box->count(); ++i)
        if (box->itemText(i).trimmed() == code)
            return i;
    return 0;
}

QStringList entries(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

// Restores the rebate dialog's permission however the placement ends.
class RebateDialogSuppressed {
public:
    explicit RebateDialogSuppressed(PanelEntry& panels) : panels_(panels), before_(panels.rebateDialog())
    {
        panels_.setRebateDialog(SponningDialoog::Onderdrukt);
    }
    ~RebateDialogSuppressed() { panels_.setRebateDialog(before_); }
    RebateDialogSuppressed(const RebateDialogSuppressed&) = delete;
    RebateDialogSuppressed& operator=(const RebateDialogSuppressed&) = delete;

private:
    PanelEntry& panels_;
    SponningDialoog before_;
};

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
    if (screen_.debiteur()->isEnabled())
        return;
    const std::optional<QString> code = ask_(db_.constant(QStringLiteral("EAN_leverancier")).toString().trimmed());
    if (!code)
        return;
    EanPriceContext context;
    context.debiteur = screen_.debiteur()->text();
    context.verzend = screen_.ordervoor()->currentText().left(2);
    context.orderdatum = screen_.orderdatum()->date();
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

QWidget* EanEntry::focusTarget(int r, bool opMaat) const
{
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    if (!opMaat)
        return rij.aantal;
    // A made-to-measure article counted per piece has no details: its
    // typed size comes first then.
    if (shown(screen_.details()))
        return screen_.detailRij(1).aantal;
    return shown(rij.maatInvoer) ? static_cast<QWidget*>(rij.maatInvoer) : rij.aantal;
}

void EanEntry::fill(int r, const EanProduct& product)
{
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    OrderModel& order = screen_.order();
    LineEntry& lines = screen_.lineEntry();
    const int line = order.lines().rowAt(r);
    const QString opMaat = u8(Tekst::OpMaat);
    melding_.clear();

    // The article, as if chosen: a filled row is replaced without asking,
    // the code itself says what the operator wants.
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        rij.artikel->setCurrentIndex(screen_.articleEntryIndex(product.artikel));
    }
    order.setField(line, Veld::Artikel, rij.artikel->currentText());
    lines.prepareLine(r);
    order.setField(line, Veld::EAN, product.ean);
    screen_.lineWindow().updateRange();

    if (product.opMaat()) {
        if (rij.lengte->currentText().trimmed() != opMaat) {
            rij.lengte->setFocus(Qt::OtherFocusReason);
            lines.lengthEntered(r);
            const int index = rij.lengte->findText(opMaat);
            if (index >= 0) {
                {
                    TVonuOrderscherm::UpdateGuard guard(screen_);
                    rij.lengte->setCurrentIndex(index);
                }
                order.setField(line, Veld::Lengte, rij.lengte->currentText());
                lines.applyLengthChoice(r);
            }
        }
    } else if (product.vasteMaat()) {
        const int index = eanMaatIndex(product.maat, entries(rij.maat));
        if (index >= 0) {
            rij.maat->setFocus(Qt::OtherFocusReason);
            {
                TVonuOrderscherm::UpdateGuard guard(screen_);
                rij.maat->setCurrentIndex(index);
            }
            order.setField(line, Veld::Maat, rij.maat->currentText());
        } else {
            note(u8(Tekst::MaatNiet).arg(eanMaatGetal(product.maat)));
        }
    }

    // The execution, only on a line whose article has one to choose.
    if (!product.uitvoering.isEmpty() && order.flag(line, Vlag::Uitvoering)) {
        const int index = rij.uitvoering->findText(product.uitvoering);
        if (index >= 0 && index != rij.uitvoering->currentIndex()) {
            TVonuOrderscherm::UpdateGuard guard(screen_);
            rij.uitvoering->setCurrentIndex(index);
        }
        order.setField(line, Veld::Uitvoering, rij.uitvoering->currentText());
        order.setField(line, Veld::Omschrijving_2, rij.uitvoering->currentText());
    }

    {
        RebateDialogSuppressed suppressed(screen_.panelEntry());
        for (const EanBegeleidend& b : product.begeleidend)
            placeAccompanying(b);
    }

    QWidget* target = focusTarget(r, product.opMaat());
    target->setFocus(Qt::OtherFocusReason);
    if (!melding_.isEmpty())
        screen_.setStatusText(0, melding_);
    if (product.sponning && order.flag(line, Vlag::Sponning)) {
        screen_.panelEntry().openSponning(r);
        target->setFocus(Qt::OtherFocusReason);
    }
}

void EanEntry::placeAccompanying(const EanBegeleidend& b)
{
    PanelEntry& panels = screen_.panelEntry();
    const auto keuze = [&](int n) {
        return b.bewerking ? screen_.bewerkingRij(n).keuze : screen_.subartikelRij(n).keuze;
    };
    const int index = entryOf(keuze(1), b.code);
    if (index <= 0) {
        note(u8(b.bewerking ? Tekst::BewerkingNiet : Tekst::SubartikelNiet).arg(b.code));
        return;
    }
    // The first shown row when it is free, else the second.
    const int n = keuze(1)->currentText().trimmed().isEmpty() ? 1 : 2;
    QComboBox* box = keuze(n);
    box->setFocus(Qt::OtherFocusReason);
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        box->setCurrentIndex(index);
    }
    if (b.bewerking)
        panels.bewerkingChanged(n);
    else
        panels.subartikelChanged(n);
}

} // namespace vonu
