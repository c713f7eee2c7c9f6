#pragma once

#include "settings/QSettingsBackend.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakeWindowStacking.h"
#include "support/NativeStore.h"
#include "support/RecordingLauncher.h"
#include "ui/Services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace voltrail::test {

// A private config directory for the real store, for the whole test binary.
class ConfigHome {
public:
    ConfigHome() : private_(dir_.isValid() && UsePrivateNativeStore(dir_.path())) {}
    ~ConfigHome() { ReleasePrivateNativeStore(); }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    bool isValid() const { return private_; }
    QString path() const { return dir_.path(); }
    // Where the store keeps its files.
    QString folder() const { return dir_.path() + QStringLiteral("/ZT_VOLTRAIL"); }

    // A store file as a person with an editor would leave it.
    bool WriteFile(const QString& section, const QByteArray& content) const
    {
        QDir().mkpath(folder());
        QFile f(folder() + '/' + section + QStringLiteral(".conf"));
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    }

private:
    QTemporaryDir dir_;
    bool private_;
};

// The real store under one section name, as a program of that file name has it.
struct DiskProgram {
    explicit DiskProgram(const std::string& section) : backend(section) {}
    QSettingsBackend backend;
    SettingsStore store{backend};
    RecordingLauncher launcher;
    FakeWindowStacking stacking;
    FakeClock clock;
    Services services{store, launcher, stacking, clock};

    QByteArray OnDisk() const { return NativeStoreContent(backend.location()); }
};

} // namespace voltrail::test
