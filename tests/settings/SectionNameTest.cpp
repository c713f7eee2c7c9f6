#include "settings/SectionName.h"

#include <gtest/gtest.h>

using voltrail::SectionFromExecutablePath;

TEST(SectionName, IsTheExecutableFileNameWithoutItsExtension)
{
    struct Case {
        const char* path;
        bool strip;
        const char* section;
    };
    const Case cases[] = {
        {"C:\\Tools\\ZT-VOLTRAIL-V1.exe", true, "ZT-VOLTRAIL-V1"},
        {"C:\\Tools\\ZT-VOLTRAIL-V1.EXE", true, "ZT-VOLTRAIL-V1"},
        {"D:/copy/My Copy.exe", true, "My Copy"},
        {"a.b.exe", true, "a.b"},
        {"ZT-VOLTRAIL-V1", true, "ZT-VOLTRAIL-V1"},
        {"C:\\x.y\\noext", true, "noext"},
        {"/usr/bin/ZT-VOLTRAIL-V1", false, "ZT-VOLTRAIL-V1"},
        {"/opt/zt/ZT-VOLTRAIL-V1.sh", false, "ZT-VOLTRAIL-V1.sh"},
        {"/home/u/.hidden", true, ".hidden"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SectionFromExecutablePath(c.path, c.strip), c.section) << c.path;
}

TEST(SectionName, IsTheNameStartedUnderElseTheExecutable)
{
    struct Case {
        const char* startName;
        const char* executable;
        bool strip;
        const char* section;
    };
    const Case cases[] = {
        // A symbolic link started by its own name or path: the link counts.
        {"/usr/local/bin/MY-BAR", "/opt/zt/ZT-VOLTRAIL-V1", false, "MY-BAR"},
        {"./links/MY-BAR", "/opt/zt/ZT-VOLTRAIL-V1", false, "MY-BAR"},
        // Found on PATH: argv[0] is the plain name.
        {"ZT-VOLTRAIL-V1", "/opt/zt/ZT-VOLTRAIL-V1", false, "ZT-VOLTRAIL-V1"},
        // Dots belong to the name where executables carry no extension.
        {"/home/u/zt.voltrail.v2", "/opt/zt/ZT-VOLTRAIL-V1", false, "zt.voltrail.v2"},
        {"C:\\Tools\\My.Copy.exe", "C:\\Tools\\ZT-VOLTRAIL-V1.exe", true, "My.Copy"},
        // Nothing to go by: the executable's own name.
        {"", "/opt/zt/ZT-VOLTRAIL-V1", false, "ZT-VOLTRAIL-V1"},
        {"/some/dir/", "/opt/zt/ZT-VOLTRAIL-V1", false, "ZT-VOLTRAIL-V1"},
        {"", "C:\\Tools\\ZT-VOLTRAIL-V1.exe", true, "ZT-VOLTRAIL-V1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(voltrail::SectionFromStartName(c.startName, c.executable, c.strip), c.section)
            << "started as \"" << c.startName << "\"";
}
