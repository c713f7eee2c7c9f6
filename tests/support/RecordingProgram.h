#pragma once

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

namespace voltrail::test {

// A directory holding recording stand-ins for named programs. Each records its
// arguments, one NUL-ended word each, one line per call, to <name>.log and
// exits. Put dir() first on PATH so that nothing real is ever started.
class RecordingPrograms {
public:
    explicit RecordingPrograms(const QStringList& names)
    {
        for (const QString& name : names)
            setBehaviour(name, {});
    }

    QString dir() const { return dir_.path(); }

    // What `name` does once it has recorded its call: shell text run after
    // the recording (e.g. writing to stderr, exiting with a status).
    void setBehaviour(const QString& name, const QByteArray& behaviour) const
    {
        const QString path = dir_.filePath(name);
        // A new file in the old one's place: a copy still running reads on
        // in the old one.
        QSaveFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n"
                     "log=\"$(dirname \"$0\")/$(basename \"$0\").log\"\n"
                     "for a in \"$@\"; do printf '%s\\0' \"$a\"; done >> \"$log\"\n"
                     "printf '\\n' >> \"$log\"\n" +
                     behaviour + '\n');
        script.commit();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Prepends the directory to PATH for this process and its children.
    void putFirstOnPath() const { qputenv("PATH", (dir() + QLatin1Char(':')).toUtf8() + qgetenv("PATH")); }

    // One entry per call: the words the program was given.
    QList<QStringList> calls(const QString& name) const
    {
        QList<QStringList> out;
        QFile log(dir_.filePath(name + QStringLiteral(".log")));
        if (!log.open(QIODevice::ReadOnly))
            return out;
        const QList<QByteArray> lines = log.readAll().split('\n');
        for (const QByteArray& line : lines) {
            if (line.isEmpty())
                continue;
            QStringList words;
            QList<QByteArray> parts = line.split('\0');
            parts.removeLast(); // after the last NUL
            for (const QByteArray& part : parts)
                words << QString::fromUtf8(part);
            out << words;
        }
        return out;
    }

private:
    QTemporaryDir dir_;
};

} // namespace voltrail::test
