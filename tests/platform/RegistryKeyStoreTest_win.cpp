// The association rules against the real registry, in a private key below
// HKEY_CURRENT_USER\Software\Classes that stands in for HKEY_CLASSES_ROOT: the registry
// must end up holding what the in-memory store holds after the same steps.
#include "MemoryKeyStore.h"
#include "RegistryAssociation.h"
#include "RegistryKeyStore_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <map>

using platform::RegisterWolfFileType;
using platform::TDefaultValue;
using platform::TRegistryKeyStore;

namespace {

const std::string Program = "C:\\Program Files\\Karavel\\\xD0\x9A\xD0\xB0\xD1\x80\xD0\xB0\xD0\xB2\xD0\xB5\xD0\xBB.exe";

std::string LowerUtf8(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return wchar_t(std::towlower(c)); });
    const std::u8string utf8 = std::filesystem::path(text).u8string();
    return std::string(utf8.begin(), utf8.end());
}

// Every key below root with its default value, as TMemoryKeyStore::Dump writes it.
void Collect(HKEY root, const std::wstring& path, std::map<std::string, std::string>& keys)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    if (!path.empty()) {
        TRegistryKeyStore store(root);
        const std::string name = LowerUtf8(path);
        const TDefaultValue value = store.ReadDefaultValue(name);
        keys[name] = value.Kind == TDefaultValue::TKind::NotText ? "<binary>" : value.Text;
    }
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Collect(root, path.empty() ? name : path + L'\\' + name, keys);
    }
    RegCloseKey(key);
}

std::string Dump(HKEY root)
{
    std::map<std::string, std::string> keys;
    Collect(root, L"", keys);
    std::string text;
    for (const auto& [key, value] : keys) text += key + " = " + value + '\n';
    return text;
}

class RealRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Root, nullptr),
            ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(Root);
        RegDeleteTreeW(HKEY_CURRENT_USER, Path.c_str());
    }

    const std::wstring Path = L"Software\\Classes\\Karavel tests " + std::to_wstring(GetCurrentProcessId());
    HKEY Root = nullptr;
};

}  // namespace

TEST_F(RealRegistry, HoldsWhatTheRulesWriteAndTheSameAfterASecondRun)
{
    TRegistryKeyStore registry(Root);
    TMemoryKeyStore memory;
    for (int run = 0; run < 2; ++run) {
        RegisterWolfFileType(registry, Program);
        RegisterWolfFileType(memory, Program);
        EXPECT_EQ(Dump(Root), memory.Dump()) << "run " << run;
    }
    EXPECT_EQ(registry.ReadDefaultValue("WOLF FILE\\Shell\\Open\\Command").Text, '"' + Program + "\" \"%1\"");

    // An existing file type keeps its name and icon.
    for (platform::TKeyStore* store : std::initializer_list<platform::TKeyStore*>{&registry, &memory}) {
        store->CreateKey("OtherReader.Book\\DefaultIcon");
        store->WriteDefaultValue("OtherReader.Book\\DefaultIcon", "other.ico");
        store->WriteDefaultValue(".wol", "OtherReader.Book");
        RegisterWolfFileType(*store, Program);
    }
    EXPECT_EQ(Dump(Root), memory.Dump());
    EXPECT_EQ(registry.ReadDefaultValue("otherreader.book\\defaulticon").Text, "other.ico");
}

TEST_F(RealRegistry, ADefaultValueThatIsNotTextStopsTheAssociation)
{
    HKEY extension = nullptr;
    ASSERT_EQ(RegCreateKeyExW(Root, L".wol", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &extension, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(extension, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(extension);

    TRegistryKeyStore registry(Root);
    try {
        RegisterWolfFileType(registry, Program);
        FAIL() << "registered over a value that is not text";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for ''");
    }
    EXPECT_EQ(Dump(Root), ".wol = <binary>\n");
}
