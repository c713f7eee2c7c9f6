#include "support/NativeStore.h"

#include "settings/SectionName.h"

#include <QFile>

namespace voltrail::test {

bool UsePrivateNativeStore(const QString& configHome)
{
    return qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
}

void ReleasePrivateNativeStore() {}

QString NativeStoreLocation(const QString& configHome, const QString& section)
{
    return configHome + '/' + QLatin1String(kApplicationName) + '/' + section + QStringLiteral(".conf");
}

QByteArray NativeStoreContent(const QString& location)
{
    QFile file(location);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace voltrail::test
