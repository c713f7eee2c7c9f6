// Writes the settings section of the running executable to the file named by
// its only argument, so a test can copy it under several names and compare.
#include "settings/SectionName.h"

#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::ofstream out(argv[1], std::ios::binary);
    out << voltrail::CurrentExecutableSection(argv[0]);
    return out ? 0 : 1;
}
