#include "actions/ProcessStart_unix.h"

#include "actions/WindowsCommandLine.h"
#include "text/PlainText.h"

#include <QStandardPaths>
#include <cstring>
#include <vector>

extern char** environ;

namespace voltrail {

ProcessStart StartCommandLine(const std::string& commandLine, const SpawnSetup::Options& options)
{
    // A NUL would end a word early and start something other than what the
    // caller shows.
    if (commandLine.find('\0') != std::string::npos)
        return {0, "the command line holds a NUL character"};
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.empty() || words.front().empty())
        return {0, "the command line names no program"};
    const QString name = QString::fromStdString(words.front());
    const QString found = name.contains(QLatin1Char('/')) ? name : QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        return {0, "no program " + QuoteTyped(words.front()) + " on PATH"};
    const std::string program = found.toStdString();

    std::vector<std::string> arguments(words.begin(), words.end());
    std::vector<char*> argv;
    for (auto& word : arguments)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const SpawnSetup setup(options);
    pid_t pid = 0;
    const int error =
        posix_spawn(&pid, program.c_str(), setup.actions(), setup.attributes(), argv.data(), environ);
    if (error != 0)
        return {0, program + ": " + std::strerror(error)};
    return {pid, {}};
}

} // namespace voltrail
