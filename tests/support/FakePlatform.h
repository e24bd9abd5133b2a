#pragma once
// Every platform seam as a scripted or recording fake, bundled into one
// Platform: a test builds a FakePlatform, hands `platform` to the code under
// test and scripts or reads the parts it cares about.

#include "base/Platform.h"
#include "files/FileDialogs.h"
#include "files/MailTransport.h"
#include "reports/PrintTarget.h"
#include "support/ScriptedMessages.h"

#include <QList>
#include <functional>

namespace vonu::test {

// The file-open dialog: answers from a queue (an empty text is a cancel);
// with the queue empty it answers `answer`. Records what was asked.
class ScriptedFileDialogs final : public IFileDialogs {
public:
    QString openFile(const QString& caption, const QString& startFolder, const QString& filter) override;

    QString answer;
    QStringList answers;
    QStringList captions;
    QStringList folders;
    QStringList filters;
};

// The printer: the print dialog accepts when `accept` is set; every print is
// kept as its pages.
class RecordingPrinter final : public report::IPrintTarget {
public:
    bool choosePrinter() override
    {
        ++dialogs;
        return accept;
    }
    bool selectPrinter(const QString& name) override
    {
        selected << name;
        return selectable;
    }
    bool print(const report::PageModel& pages, QString* error = nullptr) override;
    void preview(const report::PageModel& pages) override { previewed << pages; }

    bool accept = true;
    bool selectable = true;
    QString failure;   // when set, print() fails with this reason
    int dialogs = 0;
    QStringList selected;
    QList<report::PageModel> printed;
    QList<report::PageModel> previewed;
};

// The mail transport: records every message and answers `result`. `make`,
// when set, makes the sender instead (a client of a loopback SMTP server).
class RecordingMail final : public IMailTransport {
public:
    std::unique_ptr<IMailSender> sender(const SmtpSettings& settings) override;

    MailResult result = MailResult::success();
    std::function<std::unique_ptr<IMailSender>(const SmtpSettings&)> make;
    QList<MailMessage> sent;
    int senders = 0;
};

struct FakePlatform {
    ScriptedMessages messages;
    FixedClock clock{QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3))};
    RecordingSound sound;
    ScriptedFileDialogs fileDialogs;
    RecordingPrinter printer;
    RecordingMail mail;
    Platform platform{messages, clock, sound, fileDialogs, printer, mail};
};

} // namespace vonu::test
