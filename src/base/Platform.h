#pragma once
// The seams through which the program reaches the user and the machine.
// Screens and logic receive a Platform and never call a modal dialog, the
// system clock or another outside service directly, so tests can script
// every answer. Later subsystems add their seams here (file dialogs,
// printing, mail).

#include <QDateTime>
#include <functional>
#include <memory>
#include <QString>
#include <QStringList>

namespace vonu {

class IFileDialogs;
class IMailSender;
struct SmtpSettings;
namespace report {
class IPrintTarget;
}

// One request to the message dialog: a caption, up to ten text lines and up
// to four button captions (empty captions are unused buttons).
struct MessageRequest {
    QString caption;
    QStringList lines;    // Tekst0 ... Tekst9
    QStringList buttons;  // Knop1 ... Knop4
};

class IMessageDialog {
public:
    virtual ~IMessageDialog() = default;
    // Shows the dialog modally; returns the pressed button 1..4, or 0 when it
    // was closed without a button (Escape, close box).
    virtual int show(const MessageRequest& request) = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public IClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Plays a short sound once without blocking; failures are silent.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void playOnce(const QString& fileName) = 0;
};

// Makes the mail sender for the given server settings (a real SMTP client
// in the program, a recorder in tests).
using MailSenderFactory = std::function<std::unique_ptr<IMailSender>(const SmtpSettings&)>;

struct Platform {
    IMessageDialog* messages = nullptr;
    IClock* clock = nullptr;
    ISoundPlayer* sound = nullptr;
    // The screens that need these are wired only when they are set.
    IFileDialogs* fileDialogs = nullptr;
    report::IPrintTarget* printer = nullptr;
    MailSenderFactory mail = nullptr;
};

// Convenience wrappers for the message shapes every screen uses.
int showMessage(IMessageDialog& dialog, const QString& caption, const QStringList& lines,
                const QStringList& buttons = {QStringLiteral("OK")});
// A yes/no question: "&Ja" on button 1, "&Nee" on button 2; only button 1 is yes.
bool askYesNo(IMessageDialog& dialog, const QString& caption, const QStringList& lines);

} // namespace vonu
