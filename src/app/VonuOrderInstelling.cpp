#include "app/VonuOrderInstelling.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace vonu {

namespace {

constexpr int ClientWidth = 423;
constexpr int ClientHeight = 168;
constexpr int StatusBarHeight = 19;

// Two columns of three fields, each with its label above it.
constexpr int ColumnLeft[2] = {8, 216};
constexpr int ColumnWidth = 199;
constexpr int RowTop[3] = {4, 44, 84};
constexpr int LabelHeight = 14;
constexpr int FieldHeight = 21;

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int column, int row)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(ColumnLeft[column], RowTop[row], ColumnWidth, LabelHeight);
    return label;
}

QLineEdit* addEdit(QWidget* parent, const QString& name, const QString& text, int column, int row)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(ColumnLeft[column], RowTop[row] + LabelHeight + 2, ColumnWidth, FieldHeight);
    return edit;
}

} // namespace

TVonuOrderInstellingscherm::TVonuOrderInstellingscherm(const LocalSettings& settings,
                                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("VonuOrderInstellingscherm"));
    setWindowTitle(QStringLiteral("Instellingen"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);

    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    addLabel(this, QStringLiteral("L_EmailVerzenden"),
             QStringLiteral("eMail gebruiken voor orders en offerte's"), 0, 0);
    K_EmailVerzenden = new QFrame(this);
    K_EmailVerzenden->setObjectName(QStringLiteral("K_EmailVerzenden"));
    K_EmailVerzenden->setGeometry(ColumnLeft[0], RowTop[0] + LabelHeight + 2, FieldHeight + 4,
                                  FieldHeight);
    K_EmailVerzenden->setAutoFillBackground(true);
    EmailVerzenden = new QCheckBox(K_EmailVerzenden);
    EmailVerzenden->setObjectName(QStringLiteral("EmailVerzenden"));
    EmailVerzenden->setGeometry(4, 2, FieldHeight - 4, FieldHeight - 4);
    EmailVerzenden->setChecked(settings.sendsByEmail());

    addLabel(this, QStringLiteral("L_EmailAdres"), QStringLiteral("Uw emailadres (verplicht)"), 0, 1);
    EmailAdres = addEdit(this, QStringLiteral("EmailAdres"), settings.emailAdres, 0, 1);
    addLabel(this, QStringLiteral("L_ServerNaam"), QStringLiteral("SMTP Servernaam (verplicht)"), 0, 2);
    ServerNaam = addEdit(this, QStringLiteral("ServerNaam"), settings.serverNaam, 0, 2);
    addLabel(this, QStringLiteral("L_ServerPoort"),
             QStringLiteral("SMTP Serverpoort (verplicht, meestal 25)"), 1, 0);
    ServerPoort = addEdit(this, QStringLiteral("ServerPoort"), QString::number(settings.serverPoort), 1, 0);
    addLabel(this, QStringLiteral("L_ServerGebruiker"),
             QStringLiteral("SMTP Gebruikersnaam (niet altijd verplicht)"), 1, 1);
    ServerGebruiker = addEdit(this, QStringLiteral("ServerGebruiker"), settings.serverGebruiker, 1, 1);
    addLabel(this, QStringLiteral("L_ServerWachtwoord"),
             QStringLiteral("SMTP Wachtwoord (niet altijd verplicht)"), 1, 2);
    ServerWachtwoord = addEdit(this, QStringLiteral("ServerWachtwoord"), settings.serverWachtwoord, 1, 2);

    Ok = new QPushButton(QStringLiteral("&Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setGeometry(ClientWidth - 8 - 75, ClientHeight - StatusBarHeight - 2 - 21, 75, 21);
    Ok->setAutoDefault(false);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);
    StatusBar->addWidget(new QLabel(StatusBar), 1);

    m_fields = {EmailVerzenden, EmailAdres, ServerNaam, ServerPoort, ServerGebruiker, ServerWachtwoord};
    for (int i = 0; i + 1 < m_fields.size(); ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(ServerWachtwoord, Ok);
    for (QWidget* field : m_fields)
        field->installEventFilter(this);

    paintEmailVerzendenFrame(false);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool TVonuOrderInstellingscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EmailVerzenden && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        paintEmailVerzendenFrame(event->type() == QEvent::FocusIn);

    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int index = m_fields.indexOf(static_cast<QWidget*>(watched));
            if (index >= 0) {
                if (index + 1 < m_fields.size())
                    m_fields[index + 1]->setFocus(Qt::TabFocusReason);
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
    p.setColor(QPalette::Window, focused ? palette().color(QPalette::Active, QPalette::Highlight)
                                         : QColor(Qt::white));
    K_EmailVerzenden->setPalette(p);
}

LocalSettings TVonuOrderInstellingscherm::edited(const QPoint& mainScreenTopLeft) const
{
    LocalSettings s;
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

bool runSettingsScreen(LocalSettings& settings, const QString& iniPath,
                       const QPoint& mainScreenTopLeft, IMessageDialog& messages, QWidget* parent)
{
    {
        TVonuOrderInstellingscherm screen(settings, parent);
        screen.exec();
        settings = screen.edited(mainScreenTopLeft);
    }
    QString error;
    if (saveLocalSettings(iniPath, settings, &error))
        return true;
    showMessage(messages, QStringLiteral("Fout"),
                {QStringLiteral("De instellingen zijn niet opgeslagen!"), iniPath, error});
    return false;
}

} // namespace vonu
