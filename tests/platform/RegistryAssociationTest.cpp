#include "MemoryKeyStore.h"
#include "RegistryAssociation.h"

#include <gtest/gtest.h>

using platform::RegisterWolfFileType;
using platform::TDefaultValue;

namespace {

const std::string Program = "C:\\Program Files\\Karavel\\karavel.exe";

std::string MessageOf(TMemoryKeyStore& store)
{
    try {
        RegisterWolfFileType(store, Program);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace

TEST(RegistryAssociation, FreshRegistryGetsTheWolfFileType)
{
    TMemoryKeyStore store;
    RegisterWolfFileType(store, Program);
    EXPECT_EQ(store.Dump(),
              ".wol = Wolf file\n"
              "wolf file = \n"
              "wolf file\\defaulticon = \"C:\\Program Files\\Karavel\\karavel.exe\",1\n"
              "wolf file\\shell = \n"
              "wolf file\\shell\\open = \n"
              "wolf file\\shell\\open\\command = "
              "\"C:\\Program Files\\Karavel\\karavel.exe\" \"%1\"\n");
    EXPECT_EQ(store.FAnnouncements, 1);

    const std::string once = store.Dump();
    RegisterWolfFileType(store, Program);
    EXPECT_EQ(store.Dump(), once);
}

TEST(RegistryAssociation, ExistingFileTypeKeepsItsNameAndIcon)
{
    TMemoryKeyStore store;
    store.SetDefaultValue(".WOL", {TDefaultValue::TKind::Text, "OtherReader.Book"});
    store.SetDefaultValue("OtherReader.Book\\DefaultIcon", {TDefaultValue::TKind::Text, "other.ico"});
    store.SetDefaultValue("otherreader.book\\shell\\open\\command", {TDefaultValue::TKind::Text, "other.exe %1"});
    RegisterWolfFileType(store, Program);
    EXPECT_EQ(store.ReadDefaultValue(".wol").Text, "OtherReader.Book");
    EXPECT_EQ(store.ReadDefaultValue("OtherReader.Book\\DefaultIcon").Text, "other.ico");
    EXPECT_EQ(store.ReadDefaultValue("OtherReader.Book\\shell\\open\\command").Text, '"' + Program + "\" \"%1\"");
    EXPECT_EQ(store.Dump().find("wolf file"), std::string::npos);
}

TEST(RegistryAssociation, FailuresStopWithTheirMessageAndAnnounceNothing)
{
    TMemoryKeyStore notText;
    notText.SetDefaultValue(".wol", {TDefaultValue::TKind::NotText, {}});
    EXPECT_EQ(MessageOf(notText), "Invalid data type for ''");
    EXPECT_EQ(notText.Dump().find("wolf file"), std::string::npos);

    TMemoryKeyStore readOnly;
    readOnly.FReadOnly.insert("wolf file\\shell\\open\\command");
    EXPECT_EQ(MessageOf(readOnly), "Failed to set data for ''");
    EXPECT_FALSE(readOnly.HasSubKey("Wolf file", "DefaultIcon"));

    // A key that cannot be opened must not lead to writing into another one.
    TMemoryKeyStore locked;
    locked.FLocked.insert("wolf file\\shell\\open\\command");
    EXPECT_EQ(MessageOf(locked), "Failed to create key 'Wolf file\\shell\\open\\command'");
    EXPECT_EQ(locked.ReadDefaultValue("Wolf file").Kind, TDefaultValue::TKind::Missing);

    for (const TMemoryKeyStore* store : {&notText, &readOnly, &locked}) EXPECT_EQ(store->FAnnouncements, 0);
}
