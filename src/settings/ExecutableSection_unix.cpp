#include "settings/SectionName.h"

#include <QCoreApplication>

namespace voltrail {

std::string CurrentExecutableSection()
{
    // Executables here carry no extension: the whole file name is the section.
    return SectionFromExecutablePath(QCoreApplication::applicationFilePath().toStdString(), false);
}

} // namespace voltrail
