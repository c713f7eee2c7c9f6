#include "actions/ProcessLauncher.h"

#include "actions/WindowsCommandLine.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>

namespace voltrail {

namespace {

void ReportFailure(const std::string& commandLine, const QString& reason)
{
    std::fprintf(stderr, "ZT-VOLTRAIL: cannot start \"%s\": %s\n", commandLine.c_str(), qPrintable(reason));
}

} // namespace

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.empty() || words.front().empty()) {
        ReportFailure(commandLine, QStringLiteral("the command line names no program"));
        return;
    }
    const QString name = QString::fromStdString(words.front());
    const QString program = name.contains(QLatin1Char('/')) ? name : QStandardPaths::findExecutable(name);
    if (program.isEmpty()) {
        ReportFailure(commandLine, QStringLiteral("no program \"%1\" on PATH").arg(name));
        return;
    }
    QStringList arguments;
    for (size_t i = 1; i < words.size(); ++i)
        arguments << QString::fromStdString(words[i]);

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (windowStyle == kStyleHidden) {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    if (!process.startDetached())
        ReportFailure(commandLine, process.errorString());
}

} // namespace voltrail
