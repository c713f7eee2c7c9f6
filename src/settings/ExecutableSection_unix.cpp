#include "settings/SectionName.h"

#include <QCoreApplication>

namespace voltrail {

std::string CurrentExecutableSection(std::string_view startName)
{
    // The executable's own path has its symbolic links resolved, so it names
    // the original, not the copy; it serves only when argv[0] names nothing.
    // Executables here carry no extension: the whole file name is the section.
    return SectionFromStartName(startName, QCoreApplication::applicationFilePath().toStdString(), false);
}

} // namespace voltrail
