// The fixed part of the file's version resource. The wide-character calls, so that a program
// in a folder whose name the system's 8-bit code page cannot write still finds its version.
#include "VersionInfo.h"

#include <vector>
#include <windows.h>

namespace platform {

TVersionTexts GetVersionTexts(const QString& fileName, uint32_t mask)
{
    const auto* name = reinterpret_cast<const wchar_t*>(fileName.utf16());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &handle);
    if (size == 0) return {};
    std::vector<char> buffer(size);
    if (!GetFileVersionInfoW(name, 0, size, buffer.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(buffer.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) || fixed == nullptr ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    return FormatVersionTexts(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                              HIWORD(fixed->dwFileVersionLS), fixed->dwFileFlags, mask);
}

}  // namespace platform
