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

// The name the program was started under counts, not the file it resolves
// to: a symbolic link named otherwise is a copy of its own. When the start
// name holds no file name (empty, or ending in a separator), the executable's
// own path is used instead.
std::string SectionFromStartName(std::string_view startName, std::string_view executablePath,
                                 bool stripExtension);

// The section of the program that is running now (one file per OS); startName
// is argv[0], empty when there is none.
std::string CurrentExecutableSection(std::string_view startName);

} // namespace voltrail
