#pragma once

#include <QByteArray>
#include <QString>

namespace voltrail::test {

// Where the real store keeps a section: the INI file under the config
// directory here, the user's registry key on Windows.
QString NativeStoreLocation(const QString& configHome, const QString& section);

// What the store at that location holds, read without QSettings, as
// "key=value" lines.
QByteArray NativeStoreContent(const QString& location);

} // namespace voltrail::test
