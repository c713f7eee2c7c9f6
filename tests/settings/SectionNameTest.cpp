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
