#pragma once

#include "ui/Services.h"

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace voltrail {
class ZT_VOLTRAIL_MAIN;
}

namespace voltrail::test {

// The windows by the short names tests use: "bar", "settings", "run option",
// "confirm", "auto-timer", "simple", "console".
QStringList WindowNames();

// Builds the named window as its opener does and runs its load step, owned
// by the bar (or, for "bar", a new bar); null for an unknown name.
std::unique_ptr<QWidget> LoadWindow(const QString& name, Services& services, ZT_VOLTRAIL_MAIN& bar);

} // namespace voltrail::test
