#pragma once
// A send runs on a worker thread while a modal progress dialog with a
// cancel button keeps the screen painted and lets the user stop a server
// that has gone silent. The dialog is the only window that takes input
// meanwhile, so nothing can change the order under the send.

#include "files/MailTransport.h"

class QWidget;

namespace vonu {

// Returns when the send has ended, succeeded, failed or been cancelled; the
// sender is used on the worker thread only until then.
MailResult sendWithProgress(IMailSender& sender, const MailMessage& message, const QString& text,
                            QWidget* parent);

} // namespace vonu
