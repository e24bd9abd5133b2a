#include "app/Boodschap.h"
#include "app/MorvekVonu.h"
#include "app/SoundPlayer.h"
#include "files/QtFileDialogs.h"
#include "files/SmtpMailSender.h"
#include "reports/QtPrintTarget.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VonuOrder"));

    vonu::MeldingMessageDialog messages;
    vonu::SystemClock clock;
    vonu::SoundPlayer sound;
    vonu::QtFileDialogs fileDialogs;
    vonu::report::QtPrintTarget printer;
    vonu::SmtpMailTransport mail(clock);
    vonu::Platform platform{messages, clock, sound, fileDialogs, printer, mail};

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    vonu::MorvekVonu program(platform, QDir::currentPath(), arguments);
    program.show();
    return app.exec();
}
