#pragma once

namespace voltrail {

// What Qt is handed of the command line: the program's name alone, so that
// none of Qt's own options (-platform, -style, -stylesheet FILE, -reverse,
// -session, ...) changes how the bar comes up. The name stays where Qt and the
// settings look for it; a program started with no name at all gets its own.
class ToolkitArguments {
public:
    ToolkitArguments(int argc, char** argv) : argv_{argc > 0 && argv[0] ? argv[0] : ownName_, nullptr} {}
    ToolkitArguments(const ToolkitArguments&) = delete;
    ToolkitArguments& operator=(const ToolkitArguments&) = delete;

    // Qt keeps both for the life of the application.
    int& argc() { return argc_; }
    char** argv() { return argv_; }

private:
    char ownName_[15] = "ZT-VOLTRAIL-V1";
    int argc_ = 1;
    char* argv_[2];
};

} // namespace voltrail
