#pragma once
// The seams through which the program reaches the user and the machine.
// Screens and logic receive a Platform and never call a modal dialog, the
// system clock, the speaker or another outside service directly, so tests
// can script every answer. Every seam is always there: main() hands in the
// real ones, tests their fakes, and no code asks whether one is missing.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vonu {

class IFileDialogs;
class IMailTransport;
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

// The speaker: the short beep of a refused key or value, and a sound file
// played once without blocking. Failures are silent.
class ISound {
public:
    virtual ~ISound() = default;
    virtual void beep() = 0;
    virtual void playOnce(const QString& fileName) = 0;
};

// References, not pointers: a Platform cannot be built with a seam missing.
struct Platform {
    IMessageDialog& messages;
    IClock& clock;
    ISound& sound;
    IFileDialogs& fileDialogs;
    report::IPrintTarget& printer;
    IMailTransport& mail;
};

// Convenience wrappers for the message shapes every screen uses.
int showMessage(IMessageDialog& dialog, const QString& caption, const QStringList& lines,
                const QStringList& buttons = {QStringLiteral("OK")});
// A yes/no question: "&Ja" on button 1, "&Nee" on button 2; only button 1 is yes.
bool askYesNo(IMessageDialog& dialog, const QString& caption, const QStringList& lines);

} // namespace vonu
