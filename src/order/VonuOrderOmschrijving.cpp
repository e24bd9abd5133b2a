#include "order/VonuOrderOmschrijving.h"
#include "base/Text.h"

#include "base/Platform.h"
#include "order/OrderModel.h"
#include "widgets/ButtonKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Detailomschrijvingen regel ";
const char* const Label1 = "Detailomschrijving 1 (op factuur, bevestiging, etc)";
const char* const Label2 = "Detailomschrijving 2 (op werkbriefje)";
const char* const Label3 = "Detailomschrijving 3 (op werkbriefje)";
const char* const Ok = "&Ok";
const char* const Standaardtekst = "Sta&ndaardtekst";
const char* const Waarschuwing = "Waarschuwing";
const char* const GeenPlaats = "Niet voldoende plaats voor alle tekst!";
} // namespace Tekst

const std::array<int, 3> LineFields = {Veld::Omschrijving_1, Veld::Omschrijving_2, Veld::Omschrijving_3};

// Entering a field puts the caret where typing is wanted: on the first
// placeholder "_" (selected, so typing replaces it), else at the end.
void placeCaret(QLineEdit* field)
{
    const int mark = field->text().indexOf(QLatin1Char('_'));
    if (mark >= 0)
        field->setSelection(mark, 1);
    else
        field->end(false);
}

constexpr int Breedte = 300;

} // namespace

TVonuOrderOmschrijvingscherm::TVonuOrderOmschrijvingscherm(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform), ok_(new QPushButton(u8(Tekst::Ok), this)),
      standaardtekst_(new QAction(u8(Tekst::Standaardtekst), this))
{
    setObjectName(QStringLiteral("VonuOrderOmschrijvingscherm"));
    setWindowTitle(u8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    const std::array<const char*, Velden> labels = {Tekst::Label1, Tekst::Label2, Tekst::Label3};
    for (int i = 0; i < Velden; ++i) {
        auto* label = new QLabel(u8(labels[std::size_t(i)]), this);
        label->setGeometry(8, 6 + i * 42, Breedte - 16, 15);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Omschrijving") + QString::number(i + 1));
        field->setMaxLength(MaxLengte);
        field->setGeometry(8, 22 + i * 42, Breedte - 16, 21);
        field->installEventFilter(this);
        field->setContextMenuPolicy(Qt::ActionsContextMenu);
        field->addAction(standaardtekst_);
        label->setBuddy(field);
        labels_[std::size_t(i)] = label;
        velden_[std::size_t(i)] = field;
    }
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setAutoDefault(false);
    clickOnEnter(ok_);
    ok_->setGeometry((Breedte - 75) / 2, 22 + Velden * 42, 75, 25);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // The screen opens on the first field; Ok comes after the third.
    setTabOrder(velden_[0], velden_[1]);
    setTabOrder(velden_[1], velden_[2]);
    setTabOrder(velden_[2], ok_);
    standaardtekst_->setShortcut(Qt::Key_F5);
    standaardtekst_->setShortcutContext(Qt::WindowShortcut);
    connect(standaardtekst_, &QAction::triggered, this, &TVonuOrderOmschrijvingscherm::kiesStandaardtekst);
    addAction(standaardtekst_);
    setStandaardtekst({});
    setFixedSize(Breedte, 22 + Velden * 42 + 35);
}

void TVonuOrderOmschrijvingscherm::laad(const OrderModel& order, int line)
{
    setWindowTitle(u8(Tekst::Caption) + QString::number(line));
    for (int i = 0; i < Velden; ++i)
        velden_[std::size_t(i)]->setText(order.field(line, LineFields[std::size_t(i)]));
}

void TVonuOrderOmschrijvingscherm::schrijfTerug(OrderModel& order, int line) const
{
    for (int i = 0; i < Velden; ++i)
        order.setField(line, LineFields[std::size_t(i)], velden_[std::size_t(i)]->text());
}

void TVonuOrderOmschrijvingscherm::bewerk(OrderModel& order, int line, Platform& platform,
                                          StandaardOmschrijving bron, QWidget* parent)
{
    TVonuOrderOmschrijvingscherm screen(platform, parent);
    screen.setStandaardtekst(std::move(bron));
    screen.laad(order, line);
    screen.exec();
    screen.schrijfTerug(order, line);
}

void TVonuOrderOmschrijvingscherm::setStandaardtekst(StandaardOmschrijving bron)
{
    bron_ = std::move(bron);
    standaardtekst_->setVisible(bool(bron_));
    standaardtekst_->setEnabled(bool(bron_));
}

void TVonuOrderOmschrijvingscherm::kiesStandaardtekst()
{
    if (!bron_)
        return;
    if (const std::optional<Regels> regels = bron_())
        plaatsRegels(*regels);
}

void TVonuOrderOmschrijvingscherm::plaatsRegels(const Regels& regels)
{
    int laatste = -1;  // field filled last
    bool geenPlaats = false;
    for (int r = 0; r < Velden; ++r) {
        const QString regel = regels[std::size_t(r)];
        if (regel.trimmed().isEmpty())
            continue;
        bool placed = false;
        for (int v = r; v < Velden && !placed; ++v) {
            QLineEdit* field = velden_[std::size_t(v)];
            if (field->text().trimmed().isEmpty()) {
                field->setText(regel);
                laatste = v;
                placed = true;
            }
        }
        geenPlaats = geenPlaats || !placed;
    }
    if (geenPlaats) {
        platform_.sound.beep();
        showMessage(platform_.messages, u8(Tekst::Waarschuwing), {QString(), u8(Tekst::GeenPlaats)});
    }
    for (QLineEdit* field : velden_) {
        if (field->text().contains(QLatin1Char('_'))) {
            field->setFocus(Qt::OtherFocusReason);
            placeCaret(field);
            return;
        }
    }
    if (laatste == Velden - 1) {
        accept();
        return;
    }
    if (laatste >= 0) {
        QLineEdit* next = velden_[std::size_t(laatste + 1)];
        next->setFocus(Qt::OtherFocusReason);
        placeCaret(next);
    }
}

void TVonuOrderOmschrijvingscherm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    velden_[0]->setFocus(Qt::ActiveWindowFocusReason);
}

bool TVonuOrderOmschrijvingscherm::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    const auto found = std::find(velden_.begin(), velden_.end(), field);
    if (field && found != velden_.end()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                const auto next = found + 1;
                if (next == velden_.end())
                    accept();
                else
                    (*next)->setFocus(Qt::TabFocusReason);
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // After the line edit's own focus handling, which may select all.
            field->event(event);
            placeCaret(field);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vonu
