#include "app/VonuOrderInstelling.h"

#include "base/Text.h"
#include "widgets/ButtonKeys.h"
#include "widgets/Placement.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Instellingen";
const char* const EmailVerzenden = "eMail gebruiken voor orders en offerte's";
const char* const EmailAdres = "Uw emailadres (verplicht)";
const char* const ServerNaam = "SMTP Servernaam (verplicht)";
const char* const ServerPoort = "SMTP Serverpoort (verplicht, meestal 25)";
const char* const ServerGebruiker = "SMTP Gebruikersnaam (niet altijd verplicht)";
const char* const ServerWachtwoord = "SMTP Wachtwoord (niet altijd verplicht)";
const char* const Ok = "&Ok";
const char* const Fout = "Fout";
const char* const NietOpgeslagen = "De instellingen zijn niet opgeslagen!";
const char* const WachtwoordInBestand = "Geen wachtwoordkluis: het wachtwoord staat leesbaar in MorvekVonu.Ini.";
const char* const Waarschuwing = "Waarschuwing";
const char* const KluisWeigert = "Het wachtwoord kon niet in de wachtwoordkluis worden bewaard.";
const char* const DaaromInBestand = "Het staat daarom leesbaar in MorvekVonu.Ini.";
} // namespace Tekst

constexpr int ClientWidth = 423;
constexpr int ClientHeight = 168;
constexpr int StatusBarHeight = 19;

// Four rows; each label sits above its field and gets the width its text
// needs, so a row shares its width between a long and a short label.
constexpr int LabelHeight = 13;
constexpr int FieldHeight = 20;
constexpr int RowTop[4] = {2, 38, 74, 110};

struct Place {
    int row, left, labelWidth, fieldWidth;
};
constexpr Place EmailVerzendenPlace{0, 8, 236, 25};
constexpr Place EmailAdresPlace{0, 252, 163, 163};
constexpr Place ServerNaamPlace{1, 8, 163, 163};
constexpr Place ServerPoortPlace{1, 179, 236, 60};
constexpr Place ServerGebruikerPlace{2, 8, 250, 200};
constexpr Place ServerWachtwoordPlace{3, 8, 250, 200};

int fieldTop(const Place& p)
{
    return RowTop[p.row] + LabelHeight + 1;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const Place& p)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(p.left, RowTop[p.row], p.labelWidth, LabelHeight);
    return label;
}

QLineEdit* addEdit(QWidget* parent, const QString& name, const QString& text, const Place& p)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(p.left, fieldTop(p), p.fieldWidth, FieldHeight);
    return edit;
}

} // namespace

TVonuOrderInstellingscherm::TVonuOrderInstellingscherm(const LocalSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      original_(settings)
{
    setObjectName(QStringLiteral("VonuOrderInstellingscherm"));
    setWindowTitle(u8(Tekst::Caption));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);

    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    addLabel(this, QStringLiteral("L_EmailVerzenden"),
             u8(Tekst::EmailVerzenden), EmailVerzendenPlace);
    K_EmailVerzenden = new QFrame(this);
    K_EmailVerzenden->setObjectName(QStringLiteral("K_EmailVerzenden"));
    K_EmailVerzenden->setGeometry(EmailVerzendenPlace.left, fieldTop(EmailVerzendenPlace),
                                  EmailVerzendenPlace.fieldWidth, FieldHeight);
    K_EmailVerzenden->setAutoFillBackground(true);
    EmailVerzenden = new QCheckBox(K_EmailVerzenden);
    EmailVerzenden->setObjectName(QStringLiteral("EmailVerzenden"));
    EmailVerzenden->setGeometry(4, 1, FieldHeight - 2, FieldHeight - 2);
    EmailVerzenden->setChecked(settings.sendsByEmail());

    addLabel(this, QStringLiteral("L_EmailAdres"), u8(Tekst::EmailAdres),
             EmailAdresPlace);
    EmailAdres = addEdit(this, QStringLiteral("EmailAdres"), settings.emailAdres, EmailAdresPlace);
    addLabel(this, QStringLiteral("L_ServerNaam"), u8(Tekst::ServerNaam),
             ServerNaamPlace);
    ServerNaam = addEdit(this, QStringLiteral("ServerNaam"), settings.serverNaam, ServerNaamPlace);
    addLabel(this, QStringLiteral("L_ServerPoort"),
             u8(Tekst::ServerPoort), ServerPoortPlace);
    ServerPoort =
        addEdit(this, QStringLiteral("ServerPoort"), QString::number(settings.serverPoort), ServerPoortPlace);
    addLabel(this, QStringLiteral("L_ServerGebruiker"),
             u8(Tekst::ServerGebruiker), ServerGebruikerPlace);
    ServerGebruiker =
        addEdit(this, QStringLiteral("ServerGebruiker"), settings.serverGebruiker, ServerGebruikerPlace);
    addLabel(this, QStringLiteral("L_ServerWachtwoord"),
             u8(Tekst::ServerWachtwoord), ServerWachtwoordPlace);
    ServerWachtwoord =
        addEdit(this, QStringLiteral("ServerWachtwoord"), settings.serverWachtwoord, ServerWachtwoordPlace);
    // Someone looking over the shoulder sees dots, not the password.
    ServerWachtwoord->setEchoMode(QLineEdit::Password);

    Ok = new QPushButton(u8(Tekst::Ok), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setGeometry(ClientWidth - 8 - 75, ClientHeight - StatusBarHeight - 2 - 21, 75, 21);
    Ok->setAutoDefault(false);
    clickOnEnter(Ok);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);
    status_ = new QLabel(StatusBar);
    StatusBar->addWidget(status_, 1);

    fields_ = {EmailVerzenden, EmailAdres, ServerNaam, ServerPoort, ServerGebruiker, ServerWachtwoord};
    for (int i = 0; i + 1 < fields_.size(); ++i)
        setTabOrder(fields_[i], fields_[i + 1]);
    setTabOrder(ServerWachtwoord, Ok);
    for (QWidget* field : fields_)
        field->installEventFilter(this);

    paintEmailVerzendenFrame(false);

    centreOnScreen(this);
}

bool TVonuOrderInstellingscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EmailVerzenden && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        paintEmailVerzendenFrame(event->type() == QEvent::FocusIn);

    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int index = fields_.indexOf(static_cast<QWidget*>(watched));
            if (index >= 0) {
                if (index + 1 < fields_.size())
                    fields_[index + 1]->setFocus(Qt::TabFocusReason);
                else
                    accept();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TVonuOrderInstellingscherm::paintEmailVerzendenFrame(bool focused)
{
    QPalette p = K_EmailVerzenden->palette();
    p.setColor(QPalette::Window,
               focused ? palette().color(QPalette::Active, QPalette::Highlight) : QColor(Qt::white));
    K_EmailVerzenden->setPalette(p);
}

void TVonuOrderInstellingscherm::sayPasswordInFile()
{
    status_->setText(u8(Tekst::WachtwoordInBestand));
}

QString TVonuOrderInstellingscherm::statusText() const
{
    return status_->text();
}

LocalSettings TVonuOrderInstellingscherm::edited(const QPoint& mainScreenTopLeft) const
{
    // Settings the screen does not show (the trusted certificate) stay.
    LocalSettings s = original_;
    s.boven = mainScreenTopLeft.y();
    s.links = mainScreenTopLeft.x();
    s.emailVerzenden = EmailVerzenden->isChecked() ? QStringLiteral("Ja") : QStringLiteral("Nee");
    s.emailAdres = EmailAdres->text();
    s.serverNaam = ServerNaam->text();
    s.serverPoort = portFromText(ServerPoort->text());
    s.serverGebruiker = ServerGebruiker->text();
    s.serverWachtwoord = ServerWachtwoord->text();
    return s;
}

bool storeSettings(LocalSettingsStore& store, const LocalSettings& settings, IMessageDialog& messages,
                   QString* error)
{
    const LocalSettingsStore::SaveResult result = store.save(settings);
    if (!result.keychainRefusal.isEmpty())
        showMessage(messages, u8(Tekst::Waarschuwing),
                    {u8(Tekst::KluisWeigert), u8(Tekst::DaaromInBestand), result.keychainRefusal});
    if (error)
        *error = result.error;
    return result.saved;
}

bool runSettingsScreen(LocalSettings& settings, LocalSettingsStore& store, const QPoint& mainScreenTopLeft,
                       IMessageDialog& messages, QWidget* parent)
{
    {
        TVonuOrderInstellingscherm screen(settings, parent);
        if (!store.keychainAvailable(settings))
            screen.sayPasswordInFile();
        screen.exec();
        settings = screen.edited(mainScreenTopLeft);
    }
    QString error;
    if (storeSettings(store, settings, messages, &error))
        return true;
    showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietOpgeslagen), store.iniPath(), error});
    return false;
}

} // namespace vonu
