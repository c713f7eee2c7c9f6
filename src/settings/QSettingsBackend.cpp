#include "settings/QSettingsBackend.h"

#include "settings/SectionName.h"

#include "text/PlainText.h"

#include <QStringList>
#include <cstdio>

namespace voltrail {

QSettingsBackend::QSettingsBackend(const std::string& section)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kApplicationName),
                                            QString::fromStdString(section)))
{
    // Our values are plain text: keep the store readable as such.
    settings_->setFallbacksEnabled(false);
}

std::optional<std::string> QSettingsBackend::Read(const std::string& key)
{
    const QVariant value = settings_->value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited INI line with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void QSettingsBackend::Write(const std::string& key, const std::string& value)
{
    settings_->setValue(QString::fromStdString(key), QString::fromStdString(value));
}

void QSettingsBackend::Flush()
{
    settings_->sync();
    ReportFailure();
}

void QSettingsBackend::Refresh()
{
    // QSettings reads its file once and then answers from memory; sync() reads
    // it again when it has changed on disk since, and merges in any writes of
    // ours that are not on disk yet (writing them out as well), so none is lost.
    settings_->sync();
    ReportFailure();
}

void QSettingsBackend::ReportFailure()
{
    if (settings_->status() == QSettings::NoError || failureReported_)
        return;
    failureReported_ = true;
    const char* reason =
        settings_->status() == QSettings::AccessError ? "it cannot be written" : "it cannot be read";
    // The path holds the name the program was started under: shown inert.
    const std::string line = ReportLine("ZT-VOLTRAIL: settings are not saved to " + location().toStdString() +
                                        ": " + reason + "; the program goes on.");
    std::fprintf(stderr, "%s\n", line.c_str());
}

QString QSettingsBackend::location() const
{
    return settings_->fileName();
}

} // namespace voltrail
