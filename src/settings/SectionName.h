#pragma once

#include <string>
#include <string_view>

namespace voltrail {

inline constexpr const char* kApplicationName = "ZT_VOLTRAIL";

// The section of the store is the running executable's file name without its
// extension, so a renamed copy keeps settings of its own. Only the last
// extension goes ("a.b.exe" gives "a.b"); where executables carry none, pass
// stripExtension = false and the whole file name is the section.
std::string SectionFromExecutablePath(std::string_view path, bool stripExtension);

// The section of the program that is running now (one file per OS).
std::string CurrentExecutableSection();

} // namespace voltrail
