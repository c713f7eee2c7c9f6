// Another running copy of the program, as far as the store goes. Started
// under whatever name a test gives it (a link, a copy), it works out its
// section as the program does:
//   probe section             prints the section
//   probe save KEY VALUE ...  saves the values there, as a window's Save does
#include "settings/QSettingsBackend.h"
#include "settings/SectionName.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string section = voltrail::CurrentExecutableSection(argc > 0 && argv[0] ? argv[0] : "");
    if (argc == 2 && std::strcmp(argv[1], "section") == 0) {
        std::printf("%s\n", section.c_str());
        return 0;
    }
    if (argc >= 4 && argc % 2 == 0 && std::strcmp(argv[1], "save") == 0) {
        voltrail::QSettingsBackend backend(section);
        voltrail::SettingsStore store(backend);
        for (int i = 2; i + 1 < argc; i += 2)
            store.SaveText(argv[i], argv[i + 1]);
        store.Flush();
        return 0;
    }
    std::fprintf(stderr, "usage: %s section | save KEY VALUE ...\n", argv[0]);
    return 2;
}
