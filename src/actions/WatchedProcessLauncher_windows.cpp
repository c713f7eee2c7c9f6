#include "actions/WatchedProcessLauncher.h"

#include "actions/OutputTail.h"
#include "actions/WindowsProcessStart.h"

#include <QProcess>
#include <memory>
#include <windows.h>

namespace voltrail {

namespace {

// Console tools write in the OEM code page.
std::string OemToUtf8(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    const int wide =
        MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), wide);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), size, nullptr, nullptr);
    return out;
}

// One started line, from its start to the moment its end is handed on. It
// has no parent: were it deleted with the application, QProcess would end
// the tool. It deletes itself once the tool has ended.
class ProcessWatch final : public QObject {
public:
    ProcessWatch(WindowsProcessStart start, ToolLauncher::EndHandler onEnd)
        : start_(std::move(start)), onEnd_(std::move(onEnd))
    {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // The exact line, with the exact program: nothing of Qt's own quoting.
        process_.setProgram(QString::fromStdWString(*start_.application));
        process_.setCreateProcessArgumentsModifier([this](QProcess::CreateProcessArguments* args) {
            args->applicationName = start_.application->c_str();
            args->arguments = start_.commandLine.data();
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_HIDE;
        });
        connect(&process_, &QProcess::readyRead, this, [this] { Read(); });
        connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
            Read();
            ToolEnd end;
            end.how = status == QProcess::CrashExit ? ToolEnd::How::Crashed : ToolEnd::How::Exited;
            end.code = code;
            Finish(std::move(end));
        });
        connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                Finish({ToolEnd::How::NotStarted, 0, process_.errorString().toStdString(), ""});
        });
    }

    void Start() { process_.start(QIODevice::ReadOnly); }

private:
    void Read()
    {
        const QByteArray bytes = process_.readAll();
        tail_.Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }

    void Finish(ToolEnd end)
    {
        if (!onEnd_)
            return;
        OutputTail text;
        text.Append(OemToUtf8(tail_.kept()));
        end.lastErrorLine = text.LastLine();
        end.errorOutput = text.kept();
        std::exchange(onEnd_, {})(end);
        deleteLater();
    }

    WindowsProcessStart start_;
    ToolLauncher::EndHandler onEnd_;
    OutputTail tail_;
    QProcess process_;
};

} // namespace

WatchedProcessLauncher::WatchedProcessLauncher(std::optional<std::wstring> program)
    : program_(std::move(program))
{
}

void WatchedProcessLauncher::LaunchTool(const std::string& commandLine, EndHandler onEnd)
{
    WindowsProcessStart start = PrepareWindowsProcessStart(commandLine);
    if (program_ && start.refusal.empty())
        start.application = program_;
    if (!start.refusal.empty() || !start.application) {
        const std::string why =
            start.refusal.empty() ? "only the system's shutdown.exe is started watched" : start.refusal;
        onEnd({ToolEnd::How::NotStarted, 0, why, ""});
        return;
    }
    auto* watch = new ProcessWatch(std::move(start), std::move(onEnd));
    watch->Start();
}

} // namespace voltrail
