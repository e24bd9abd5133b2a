#include "support/FakePlatform.h"

namespace vonu::test {

QString ScriptedFileDialogs::openFile(const QString& caption, const QString& startFolder, const QString& filter)
{
    captions << caption;
    folders << startFolder;
    filters << filter;
    return answers.isEmpty() ? answer : answers.takeFirst();
}

bool RecordingPrinter::print(const report::PageModel& pages, QString* error)
{
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return false;
    }
    printed << pages;
    return true;
}

namespace {

class Recorder final : public IMailSender {
public:
    explicit Recorder(RecordingMail& mail) : mail_(mail) {}
    MailResult send(const MailMessage& message) override
    {
        mail_.sent << message;
        return mail_.result;
    }

private:
    RecordingMail& mail_;
};

} // namespace

std::unique_ptr<IMailSender> RecordingMail::sender(const SmtpSettings& settings)
{
    ++senders;
    if (make)
        return make(settings);
    return std::make_unique<Recorder>(*this);
}

} // namespace vonu::test
