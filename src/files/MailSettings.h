#pragma once
// Whether the local settings and the profile allow mailing, the messages
// when they do not, and the SMTP settings a send uses.

#include "files/SmtpMailSender.h"

#include <QStringList>

namespace vonu {

struct LocalSettings;

enum class MailReadiness {
    Ready,
    SettingsMissing,  // sender or server still the placeholder, or port 0
    NoMailbox,        // the profile names no order mailbox
};

// The order mailbox must be filled, the sender address and server name set
// and changed from their placeholders, and the port not 0.
MailReadiness mailReadiness(const LocalSettings& settings, const QString& orderMailbox);
// The lines of the "Fout" message for a readiness other than Ready.
QStringList notReadyLines(MailReadiness readiness);

// Host, port and login from the settings; LOGIN is used when a user name or
// a password is set.
SmtpSettings smtpSettingsFrom(const LocalSettings& settings);

} // namespace vonu
