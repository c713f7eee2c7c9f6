#pragma once

#include <QByteArray>
#include <QString>

namespace voltrail::test {

// Points the real store of this process at a private place named after
// configHome, a fresh folder: that folder here, a registry key of its own on
// Windows, where every test program shares the user's registry. Release()
// gives the user's own store back and removes the private one.
bool UsePrivateNativeStore(const QString& configHome);
void ReleasePrivateNativeStore();

// Where the real store keeps a section: the INI file under the config
// directory here, the user's registry key on Windows.
QString NativeStoreLocation(const QString& configHome, const QString& section);

// What the store at that location holds, read without QSettings, as
// "key=value" lines.
QByteArray NativeStoreContent(const QString& location);

} // namespace voltrail::test
