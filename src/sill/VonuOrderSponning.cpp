#include "sill/VonuOrderSponning.h"
#include "base/Text.h"
#include "widgets/ButtonKeys.h"
#include "widgets/Placement.h"
#include "widgets/WidgetInput.h"

#include "data/AppState.h"
#include "base/Platform.h"
#include "order/VonuOrder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Gewenste sponningen ";
const char* const Ok = "&Ok";
const char* const KopArtikel = "Artikel";
const char* const KopOmschrijving = "Omschrijving";
const char* const KopSponning = "Sponning";
const char* const KopZijde = "Waar uitnemen ...";
const char* const LinksEnRechts = "Links en rechts";
const char* const AlleenLinks = "Alleen links";
const char* const AlleenRechts = "Alleen rechts";
const char* const Fout = "Fout";
const char* const FoutRegel1 = "Sponning links/rechts niet correct ingevoerd!";
const char* const FoutRegel2 = "Tweede sponningsbewerking wordt verwijderd...";
const char* const FoutRegel3 = "Corrigeer eventueel sponning links/rechts...";
} // namespace Tekst

constexpr int RijHoogte = 40;
constexpr int EersteRij = 26;
constexpr int Breedte = 700;
constexpr int KnopBreedte = 75;
constexpr int KnopHoogte = 25;
constexpr int StatusHoogte = 20;
constexpr int VeldHoogte = 19;

const Catalog& catalogOf(const TVonuOrderscherm& screen)
{
    return screen.appState().catalog;
}

} // namespace

TVonuOrderSponningscherm::TVonuOrderSponningscherm(IMessageDialog& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), ok_(new QPushButton(u8(Tekst::Ok), this)),
      statusBar_(new QStatusBar(this))
{
    setObjectName(QStringLiteral("VonuOrderSponningscherm"));
    setWindowTitle(u8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    const std::array<std::pair<const char*, int>, 4> koppen = {{
        {Tekst::KopArtikel, 8}, {Tekst::KopOmschrijving, 120}, {Tekst::KopSponning, 470}, {Tekst::KopZijde, 560}}};
    for (std::size_t i = 0; i < koppen.size(); ++i) {
        koppen_[i] = new QLabel(u8(koppen[i].first), this);
        koppen_[i]->setGeometry(koppen[i].second, 6, 130, 16);
    }
    for (int i = 0; i < Rijen; ++i)
        buildRow(i);

    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setAutoDefault(false);
    clickOnEnter(ok_);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    laad({}, QString());
}

void TVonuOrderSponningscherm::buildRow(int index)
{
    Rij& rij = rij_[std::size_t(index)];
    const QString n = QString::number(index + 1);
    const int top = EersteRij + index * RijHoogte;
    rij.artikel = new QLineEdit(this);
    rij.artikel->setObjectName(QStringLiteral("Artikel") + n);
    rij.artikel->setReadOnly(true);
    rij.artikel->setFocusPolicy(Qt::NoFocus);
    rij.artikel->setGeometry(8, top, 105, VeldHoogte);
    for (int d = 0; d < 2; ++d) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Omschrijving") + n + QString::number(d + 1));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setGeometry(120, top + d * VeldHoogte, 340, VeldHoogte);
        rij.omschrijving[std::size_t(d)] = e;
    }
    rij.sponning = new QLineEdit(this);
    rij.sponning->setObjectName(QStringLiteral("Sponning") + n);
    rij.sponning->setMaxLength(sponning::MaatLengte);
    rij.sponning->setGeometry(470, top, 80, VeldHoogte);
    rij.sponning->installEventFilter(this);
    rij.zijde = new QComboBox(this);
    rij.zijde->setObjectName(QStringLiteral("SponningLR") + n);
    rij.zijde->addItems({u8(Tekst::LinksEnRechts), u8(Tekst::AlleenLinks), u8(Tekst::AlleenRechts)});
    rij.zijde->setGeometry(560, top, 130, 21);
    rij.zijde->installEventFilter(this);
}

QLineEdit* TVonuOrderSponningscherm::omschrijving(int rij, int nummer) const
{
    return rij_.at(std::size_t(rij - 1)).omschrijving.at(std::size_t(nummer - 1));
}

void TVonuOrderSponningscherm::laad(const std::vector<sponning::SponningBewerking>& bewerkingen,
                                    const QString& sponningTekst)
{
    for (Rij& rij : rij_) {
        rij.artikel->clear();
        rij.omschrijving[0]->clear();
        rij.omschrijving[1]->clear();
        rij.sponning->clear();
        rij.zijde->setCurrentIndex(0);
        rij.bewerkingsRij = 0;
    }
    for (const sponning::SponningBewerking& b : bewerkingen) {
        auto free = std::find_if(rij_.begin(), rij_.end(), [](const Rij& r) { return r.artikel->text().isEmpty(); });
        if (free == rij_.end())
            break;  // a third rebate operation is ignored
        free->artikel->setText(b.artikel);
        free->omschrijving[0]->setText(b.omschrijving1);
        free->omschrijving[1]->setText(b.omschrijving2);
        free->bewerkingsRij = b.rij;
    }
    prefill(sponning::vastgelegd(sponningTekst, 1));
    prefill(sponning::vastgelegd(sponningTekst, 2));

    int hidden = 0;
    for (Rij& rij : rij_) {
        rij.getoond = !rij.artikel->text().trimmed().isEmpty();
        for (QWidget* w : std::initializer_list<QWidget*>{rij.artikel, rij.omschrijving[0], rij.omschrijving[1],
                                                          rij.sponning, rij.zijde})
            w->setVisible(rij.getoond);
        if (!rij.getoond)
            ++hidden;
    }
    const int okTop = EersteRij + Rijen * RijHoogte + 4 - hidden * RijHoogte;
    ok_->setGeometry((Breedte - KnopBreedte) / 2, okTop, KnopBreedte, KnopHoogte);
    const int height = okTop + KnopHoogte + 8 + StatusHoogte;
    statusBar_->setGeometry(0, height - StatusHoogte, Breedte, StatusHoogte);
    setFixedSize(Breedte, height);
}

void TVonuOrderSponningscherm::prefill(const sponning::VastgelegdeSponning& s)
{
    if (!s.aanwezig())
        return;
    for (Rij& rij : rij_) {
        // The same operation twice: the second record fills the second row.
        if (rij.artikel->text() == s.artikel && rij.sponning->text().isEmpty()) {
            rij.sponning->setText(s.maat);
            rij.zijde->setCurrentIndex(int(sponning::zijdeVanLetter(s.zijde)));
            return;
        }
    }
}

void TVonuOrderSponningscherm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The dialog sizes itself to its rows: centred once that size is known,
    // on the screen rather than over the main screen.
    centreOnScreen(this);
    for (Rij& rij : rij_) {
        if (rij.sponning->text() == QLatin1String("0"))
            rij.sponning->clear();
    }
    QWidget* focus = ok_;
    for (Rij& rij : rij_) {
        if (rij.getoond && rij.sponning->text().isEmpty()) {
            focus = rij.sponning;
            break;
        }
    }
    focus->setFocus(Qt::OtherFocusReason);
}

bool TVonuOrderSponningscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (int i = 0; i < Rijen; ++i) {
            if (watched == rij_[std::size_t(i)].sponning)
                return keyInSize(rij_[std::size_t(i)].sponning, key);
            if (watched == rij_[std::size_t(i)].zijde)
                return keyInSide(i + 1, key);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TVonuOrderSponningscherm::keyInSize(QLineEdit* edit, QKeyEvent* key)
{
    if (isEnter(key)) {
        for (const Rij& rij : rij_) {
            if (rij.sponning == edit)
                rij.zijde->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Backspace || !text.at(0).isPrint())
        return false;  // editing keys pass
    if (text == QLatin1String(".")) {
        edit->insert(QStringLiteral(","));
        return true;
    }
    return !QString::fromLatin1(sponning::MaatTekens).contains(text.at(0));
}

bool TVonuOrderSponningscherm::keyInSide(int rij, QKeyEvent* key)
{
    if (!isEnter(key))
        return false;
    if (rij == 1 && rij_[1].getoond)
        rij_[1].sponning->setFocus(Qt::TabFocusReason);
    else
        accept();
    return true;
}

void TVonuOrderSponningscherm::done(int result)
{
    if (!checked_) {
        checked_ = true;
        closeCheck();
    }
    QDialog::done(result);
}

void TVonuOrderSponningscherm::closeCheck()
{
    int links = 0;
    int rechts = 0;
    for (const Rij& rij : rij_) {
        if (!rij.getoond)
            continue;
        const int keuze = rij.zijde->currentIndex();
        links += (keuze == 0 || keuze == 1) ? 1 : 0;
        rechts += (keuze == 0 || keuze == 2) ? 1 : 0;
    }
    if (links <= 1 && rechts <= 1)
        return;
    showMessage(messages_, u8(Tekst::Fout),
                {u8(Tekst::FoutRegel1), u8(Tekst::FoutRegel2), u8(Tekst::FoutRegel3)});
    rij_[1].zijde->setCurrentIndex(-1);
}

bool TVonuOrderSponningscherm::tweedeVervallen() const
{
    return rij_[1].getoond && rij_[1].zijde->currentIndex() < 0;
}

QString TVonuOrderSponningscherm::tekst() const
{
    auto sponningVan = [](const Rij& rij) {
        return sponning::Sponning{rij.artikel->text(), rij.sponning->text(),
                                  sponning::Zijde(std::max(0, rij.zijde->currentIndex()))};
    };
    std::optional<sponning::Sponning> a;
    std::optional<sponning::Sponning> b;
    if (rij_[0].getoond)
        a = sponningVan(rij_[0]);
    if (rij_[1].getoond && rij_[1].zijde->currentIndex() >= 0)
        b = sponningVan(rij_[1]);
    return sponning::maakTekst(a, b);
}

// ------------------------------------------------------------ entry points

SponningUitkomst editRebates(TVonuOrderscherm& screen, int line)
{
    OrderModel& order = screen.order();
    SponningUitkomst uitkomst;
    {
        TVonuOrderSponningscherm dialog(screen.platform().messages, &screen);
        dialog.setWindowTitle(u8(Tekst::Caption) +
                              (QStringLiteral("regel ") + QString::number(line) + QLatin1Char(' ')).left(9));
        dialog.laad(sponning::sponningBewerkingen(order, catalogOf(screen), line),
                    order.field(line, Veld::Sponning));
        screen.showRebate(line);
        dialog.exec();

        uitkomst.tekst = dialog.tekst();
        if (dialog.tweedeVervallen())
            uitkomst.vervallenRij = dialog.bewerkingsRij(2);
    }

    // The refused second rebate leaves the line: its operation row is the
    // one that supplied it, wherever the panel's highlight stands.
    if (uitkomst.vervallenRij > 0) {
        order.setBewerking(line, uitkomst.vervallenRij, 1, QString());
        screen.clearOperationRow(line, uitkomst.vervallenRij);
    }
    order.setField(line, Veld::Sponning, uitkomst.tekst);
    uitkomst.plaatsing =
        sponning::plaatsOmschrijvingen(order, line, sponning::omschrijvingen(uitkomst.tekst));
    if (uitkomst.plaatsing != sponning::Plaatsing::Geplaatst) {
        screen.platform().sound.beep();
        screen.setStatusText(0, sponning::plaatsingMelding(uitkomst.plaatsing));
    }
    screen.showRebate(line);
    return uitkomst;
}

sponning::Controle rebateConsequences(TVonuOrderscherm& screen, int line, SponningDialoog dialoog)
{
    OrderModel& order = screen.order();
    const sponning::Controle c = sponning::controleerNaBewerking(order, catalogOf(screen), line);
    if (c.veldGewijzigd)
        screen.showRebate(line);
    if (c.dialoogNodig && dialoog == SponningDialoog::Toegestaan)
        editRebates(screen, line);
    return c;
}

SponningKoppeling sponningKoppeling()
{
    SponningKoppeling k;
    k.regels = [](OrderModel& order, const Catalog& catalog, int line) {
        const sponning::Controle c = sponning::controleerNaBewerking(order, catalog, line);
        return SponningGevolg{c.veldGetoond, c.veldGewijzigd, c.dialoogNodig};
    };
    k.dialoog = [](TVonuOrderscherm& screen, int line) { editRebates(screen, line); };
    return k;
}

} // namespace vonu
