#include "settings/SectionName.h"

namespace voltrail {

std::string SectionFromExecutablePath(std::string_view path, bool stripExtension)
{
    const auto slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (stripExtension) {
        const auto dot = name.find_last_of('.');
        if (dot != std::string_view::npos && dot > 0)
            name = name.substr(0, dot);
    }
    return std::string(name);
}

std::string SectionFromStartName(std::string_view startName, std::string_view executablePath,
                                 bool stripExtension)
{
    std::string section = SectionFromExecutablePath(startName, stripExtension);
    if (section.empty())
        section = SectionFromExecutablePath(executablePath, stripExtension);
    return section;
}

} // namespace voltrail
