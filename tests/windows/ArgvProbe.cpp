// Writes on its standard output the words its C runtime made of its command
// line (the argv its main gets), and, for comparison, the words
// CommandLineToArgvW makes of the same line. One word a line, as hex of its
// UTF-8 bytes: "c <hex>" for the C runtime's, "s <hex>" for shell32's.
#include <string>
#include <windows.h>

#include <shellapi.h>

namespace {

std::string Hex(const wchar_t* text)
{
    static const char digits[] = "0123456789abcdef";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();
    std::string out;
    for (const unsigned char c : utf8) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::string out;
    for (int i = 0; i < argc; ++i)
        out += "c " + Hex(argv[i]) + "\n";
    int count = 0;
    if (wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            out += "s " + Hex(words[i]) + "\n";
        LocalFree(words);
    }
    DWORD written = 0;
    return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
                     nullptr) &&
                   written == out.size()
               ? 0
               : 1;
}
