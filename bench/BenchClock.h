#pragma once

// What the benchmarks share: timing a press several times, printing the
// figures, and keeping the offscreen platform's chatter out of them.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace voltrail::bench {

struct Figures {
    double median = 0;
    double worst = 0;
    double first = 0;
};

inline Figures Measure(int repetitions, const std::function<void()>& press)
{
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer clock;
        clock.start();
        press();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    Figures f;
    f.first = ms.front();
    std::sort(ms.begin(), ms.end());
    f.median = ms[ms.size() / 2];
    f.worst = ms.back();
    return f;
}

inline void Print(const char* what, const Figures& f, int lines)
{
    std::printf("%-44s median %8.3f ms   worst %8.3f ms   first %8.3f ms", what, f.median, f.worst, f.first);
    if (lines > 0)
        std::printf("   (%.3f ms a line)", f.median / lines);
    std::printf("\n");
}

// The offscreen platform warns at every window shown; keep the figures readable.
inline void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (!message.contains(QLatin1String("This plugin does not support")) &&
        !message.startsWith(QLatin1String("QStandardPaths")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

// Before the application exists: a private config directory, no display
// needed, and the platform's chatter kept out of the figures.
inline void PrepareEnvironment(const QString& configDirectory)
{
    qputenv("XDG_CONFIG_HOME", configDirectory.toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
}

} // namespace voltrail::bench
