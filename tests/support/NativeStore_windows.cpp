#include "support/NativeStore.h"

#include "settings/SectionName.h"

#include <QFileInfo>
#include <string>
#include <windows.h>

namespace voltrail::test {

namespace {
const QString kUserRoot = QStringLiteral("\\HKEY_CURRENT_USER\\");
std::wstring privateKey;
} // namespace

bool UsePrivateNativeStore(const QString& configHome)
{
    ReleasePrivateNativeStore();
    privateKey = L"Software\\ZT_VOLTRAIL_TESTS\\" + QFileInfo(configHome).fileName().toStdWString();
    HKEY root = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, privateKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr) != ERROR_SUCCESS)
        return false;
    // From here on HKEY_CURRENT_USER is that key, for this process only.
    const bool overridden = RegOverridePredefKey(HKEY_CURRENT_USER, root) == ERROR_SUCCESS;
    RegCloseKey(root);
    return overridden;
}

void ReleasePrivateNativeStore()
{
    if (privateKey.empty())
        return;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, privateKey.c_str());
    // The parent goes too once no other test program holds a key there.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZT_VOLTRAIL_TESTS");
    privateKey.clear();
}

QString NativeStoreLocation(const QString&, const QString& section)
{
    return kUserRoot + QStringLiteral("Software\\") + QLatin1String(kApplicationName) + '\\' + section;
}

QByteArray NativeStoreContent(const QString& location)
{
    if (!location.startsWith(kUserRoot))
        return {};
    const std::wstring path = location.mid(kUserRoot.size()).toStdWString();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    QByteArray content;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameSize = 16384;
        DWORD type = 0;
        DWORD dataSize = 0;
        if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, nullptr, &dataSize) != ERROR_SUCCESS)
            break;
        std::wstring data(dataSize / sizeof(wchar_t) + 1, L'\0');
        nameSize = 16384;
        dataSize = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                          &dataSize) != ERROR_SUCCESS ||
            type != REG_SZ)
            continue;
        const QString value = QString::fromWCharArray(data.c_str());
        content +=
            QString::fromWCharArray(name, static_cast<int>(nameSize)).toUtf8() + '=' + value.toUtf8() + '\n';
    }
    RegCloseKey(key);
    return content;
}

} // namespace voltrail::test
