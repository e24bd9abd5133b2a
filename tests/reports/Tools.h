#pragma once
// Runs the command-line tools the report tests check their output with
// (pdftotext, pdfinfo, pdffonts, pdftoppm, zbarimg, zint).

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vonu::test {

struct ToolResult {
    bool ok = false;        // started, finished in time, exit code 0
    QByteArray out;
    QByteArray err;
};

inline ToolResult runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    ToolResult r;
    if (!p.waitForStarted(10000)) {
        r.err = "cannot start " + program.toLocal8Bit();
        return r;
    }
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = "time-out";
        return r;
    }
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

// The text of a PDF with its layout kept (pages separated by form feeds).
inline QString pdfText(const QString& pdf)
{
    const ToolResult r = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return QString::fromUtf8(r.out);
}

} // namespace vonu::test
