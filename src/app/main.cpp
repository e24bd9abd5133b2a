#include "app/Boodschap.h"
#include "app/CommandLine.h"
#include "app/MorvekVonu.h"
#include "app/SoundPlayer.h"
#include "app/StartupCheck.h"
#include "base/SystemKeychain.h"
#include "files/QtFileDialogs.h"
#include "files/SmtpMailSender.h"
#include "reports/QtPrintTarget.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before QApplication exists: no display is needed for them.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = vonu::terminalAnswer(given)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VonuOrder"));
    // The desktop entry and icon the installed package provides.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.morvek.VonuOrder"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vonuorder")));

    const bool check = vonu::startupCheckRequested();
    vonu::MeldingMessageDialog dialogs;
    vonu::PrintedMessages printed;
    vonu::IMessageDialog& messages = check ? static_cast<vonu::IMessageDialog&>(printed) : dialogs;
    vonu::SystemClock clock;
    vonu::SoundPlayer sound;
    vonu::QtFileDialogs fileDialogs;
    vonu::report::QtPrintTarget printer;
    vonu::SmtpMailTransport mail(clock);
    vonu::Platform platform{messages, clock, sound, fileDialogs, printer, mail};
    vonu::SystemKeychain keychain;

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    vonu::MorvekVonu program(platform, QDir::currentPath(), arguments);
    // A check runs with nobody to answer an unlock prompt of the keychain.
    if (!check)
        program.setKeychain(keychain);
    program.show();
    if (check)
        QTimer::singleShot(0, &program, [&] { app.exit(vonu::finishStartupCheck(program, printed)); });
    return app.exec();
}
