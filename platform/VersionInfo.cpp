#include "VersionInfo.h"

#include "BuildVersion.h"

#ifdef Q_OS_WIN
#include <vector>
#include <windows.h>
#endif

namespace platform {

TVersionTexts FormatVersionTexts(uint16_t major, uint16_t minor, uint16_t release, uint32_t fileFlags, uint32_t mask)
{
    TVersionTexts texts;
    texts.Ok = true;
    texts.ShortText = QString::asprintf("%d.%d", major, minor);
    if ((fileFlags & mask) != 0) texts.ShortText += QStringLiteral(" (beta)");
    texts.LongText = QString::asprintf("%d.%d.%2.2d", major, minor, release);
    return texts;
}

#ifdef Q_OS_WIN
TVersionTexts GetVersionTexts(const QString& fileName, uint32_t mask)
{
    const QByteArray name = fileName.toLocal8Bit();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(name.constData(), &handle);
    if (size == 0) return {};
    std::vector<char> buffer(size);
    if (!GetFileVersionInfoA(name.constData(), 0, size, buffer.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || fixed == nullptr ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    return FormatVersionTexts(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                              HIWORD(fixed->dwFileVersionLS), fixed->dwFileFlags, mask);
}
#else
// Executables here carry no version resource: the build's own version stands in for it.
TVersionTexts GetVersionTexts(const QString&, uint32_t mask)
{
    constexpr uint32_t buildFlags = 0;
    return FormatVersionTexts(build::VersionMajor, build::VersionMinor, build::VersionPatch, buildFlags, mask);
}
#endif

}  // namespace platform
