// The viewer's executable as Windows reads it: the version record the about box shows, the two
// icon groups in the order the file association counts them, and the manifest.
#include "VersionInfo.h"

#include <QDir>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::wstring Program = QDir::toNativeSeparators(QStringLiteral(KARAVEL_PATH)).toStdWString();

class ProgramResources : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(FModule, nullptr); }
    void TearDown() override
    {
        if (FModule) FreeLibrary(FModule);
    }

    // The resource's bytes, or nothing.
    std::string Resource(const wchar_t* type, const wchar_t* name) const
    {
        HRSRC found = FindResourceW(FModule, name, type);
        if (!found) return {};
        const auto* data = static_cast<const char*>(LockResource(LoadResource(FModule, found)));
        return data ? std::string(data, SizeofResource(FModule, found)) : std::string();
    }

    HMODULE FModule = LoadLibraryExW(Program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(IS_INTRESOURCE(name) ? L"#" : name);
    return TRUE;
}

#pragma pack(push, 2)
struct TIconDirectoryEntry {
    BYTE Width, Height, Colours, Reserved;
    WORD Planes, BitCount;
    DWORD BytesInResource;
    WORD Id;
};
#pragma pack(pop)

}  // namespace

TEST_F(ProgramResources, VersionRecordGivesTheAboutBoxTexts)
{
    const auto texts = platform::GetVersionTexts(QString::fromStdWString(Program), platform::PrereleaseFlag);
    ASSERT_TRUE(texts.Ok);
    EXPECT_EQ(texts.ShortText, QStringLiteral("1.2"));
    EXPECT_EQ(texts.LongText, QStringLiteral("1.2.07"));

    DWORD handle = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(Program.c_str(), &handle));
    ASSERT_TRUE(GetFileVersionInfoW(Program.c_str(), 0, DWORD(record.size()), record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(0x00010002));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(0x00070000));
    EXPECT_EQ(fixed->dwFileFlags & VS_FF_PRERELEASE, DWORD(0));
    for (const auto& [key, expected] :
         {std::pair{L"FileDescription", L"Viewer for Wolf files"}, std::pair{L"FileVersion", L"1.2.07"},
          std::pair{L"ProductVersion", L"1.2.07"}}) {
        wchar_t* text = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        ASSERT_TRUE(VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&text), &size));
        EXPECT_EQ(std::wstring(text), expected);
    }
}

TEST_F(ProgramResources, ApplicationIconComesFirstAndTheBookIconSecond)
{
    std::vector<std::wstring> groups;
    EnumResourceNamesW(FModule, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups, (std::vector<std::wstring>{L"MAINICON", L"WOLFBOOK"}));
    for (const std::wstring& group : groups) {
        const std::string directory = Resource(RT_GROUP_ICON, group.c_str());
        ASSERT_GE(directory.size(), 6u);
        const WORD count = *reinterpret_cast<const WORD*>(directory.data() + 4);
        ASSERT_EQ(directory.size(), 6 + count * sizeof(TIconDirectoryEntry));
        std::vector<std::string> sizes;
        for (WORD i = 0; i < count; ++i) {
            const auto* entry = reinterpret_cast<const TIconDirectoryEntry*>(directory.data() + 6) + i;
            sizes.push_back(std::to_string(entry->Width) + "x" + std::to_string(entry->BitCount));
        }
        std::sort(sizes.begin(), sizes.end());
        EXPECT_EQ(sizes, (std::vector<std::string>{"16x8", "32x8", "48x32"}));
    }
}

TEST_F(ProgramResources, ManifestAsksForTheCommonControlsSix)
{
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find("<description>Viewer for Wolf files</description>"), std::string::npos);
}
