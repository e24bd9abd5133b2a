#include "files/MailProgress.h"

#include "base/Text.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Verzenden";
const char* const Annuleren = "&Annuleren";
const char* const WordtAfgebroken = "Verzenden wordt afgebroken...";
} // namespace Tekst

} // namespace

MailResult sendWithProgress(IMailSender& sender, const MailMessage& message, const QString& text,
                            QWidget* parent)
{
    MailResult result;
    QThread* worker = QThread::create([&] { result = sender.send(message); });

    QDialog dialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setObjectName(QStringLiteral("Verzendvoortgang"));
    dialog.setWindowTitle(u8(Tekst::Caption));
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    auto* bar = new QProgressBar(&dialog);
    bar->setRange(0, 0);  // no count to show: a busy bar
    auto* cancel = new QPushButton(u8(Tekst::Annuleren), &dialog);
    cancel->setObjectName(QStringLiteral("Annuleren"));
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);

    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&] {
        cancel->setEnabled(false);
        label->setText(u8(Tekst::WordtAfgebroken));
        sender.cancel();
    });
    // Escape and the close box would leave the send running unseen: they cancel too.
    QObject::connect(&dialog, &QDialog::rejected, &dialog, [&] {
        if (!worker->isFinished()) {
            sender.cancel();
            dialog.show();
        }
    });

    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    dialog.show();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
    delete worker;
    dialog.hide();
    return result;
}

} // namespace vonu
