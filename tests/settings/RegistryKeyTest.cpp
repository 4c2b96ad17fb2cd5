#include "settings/RegistryKey.h"
#include "tests/support/ScratchRegistry.h"

#include <gtest/gtest.h>

class RegistryKeyTest : public testing::Test {
protected:
    CRegistryKey Key(const std::string& sub = "") const
    {
        return CRegistryKey::CreateOrOpen(registry.Root() + sub);
    }
    ScratchRegistry registry;
};

TEST_F(RegistryKeyTest, CreatesWithClassAndReportsDisposition)
{
    EXPECT_TRUE(Key("\\A").IsNew());
    const CRegistryKey again = Key("\\A");
    EXPECT_TRUE(again.IsOpen());
    EXPECT_FALSE(again.IsNew());

    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (registry.Root() + "\\A").c_str(), 0, KEY_READ,
                            &raw), ERROR_SUCCESS);
    const UniqueRegKey opened(raw);
    char className[32] = {};
    DWORD classSize = sizeof className;
    RegQueryInfoKeyA(opened.get(), className, &classSize, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(className, "Tessel_Wane");
}

TEST_F(RegistryKeyTest, OpenExistingNeverCreates)
{
    EXPECT_FALSE(CRegistryKey::OpenExisting(registry.Root() + "\\Missing\\").IsOpen());
    EXPECT_FALSE(registry.KeyExists("\\Missing"));
    Key("\\Present");
    EXPECT_TRUE(CRegistryKey::OpenExisting(registry.Root() + "\\Present\\").IsOpen());
}

TEST_F(RegistryKeyTest, WritesTheStoredTypesAndSizes)
{
    const CRegistryKey key = Key();
    key.WriteFlag("flag", true);
    key.WriteInt32("number", 0x674);
    key.WriteString("text", "C:\\temp");
    DWORD type = 0, size = 0;
    ASSERT_TRUE(registry.ValueInfo("", "flag", type, size));
    EXPECT_EQ(type, DWORD{REG_BINARY});
    EXPECT_EQ(size, 1u);
    ASSERT_TRUE(registry.ValueInfo("", "number", type, size));
    EXPECT_EQ(type, DWORD{REG_BINARY});
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(registry.ReadDword("", "number"), 0x674u);
    ASSERT_TRUE(registry.ValueInfo("", "text", type, size));
    EXPECT_EQ(type, DWORD{REG_SZ});
    EXPECT_EQ(size, 8u);

    bool flag = false;
    std::int32_t number = 0;
    std::string text;
    EXPECT_TRUE(key.ReadFlag("flag", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(key.ReadInt32("number", number));
    EXPECT_EQ(number, 0x674);
    EXPECT_TRUE(key.ReadString("text", text));
    EXPECT_EQ(text, "C:\\temp");
}

TEST_F(RegistryKeyTest, MalformedValuesAreRefusedAndLeaveTheFieldAlone)
{
    const CRegistryKey key = Key();
    const std::string longest(260, 'a');
    const std::string tooLong(261, 'a');
    registry.WriteString("", "longest", longest);
    registry.WriteString("", "tooLong", tooLong);
    registry.WriteRaw("", "unterminated", REG_SZ, "abc", 3);
    registry.WriteRaw("", "binaryText", REG_BINARY, "abc", 4);
    registry.WriteRaw("", "expandText", REG_EXPAND_SZ, "abc", 4);
    const char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    registry.WriteRaw("", "three", REG_BINARY, eight, 3);
    registry.WriteRaw("", "eight", REG_BINARY, eight, 8);
    registry.WriteRaw("", "textNumber", REG_SZ, "123", 4);
    const DWORD dword = 42;
    registry.WriteRaw("", "dword", REG_DWORD, &dword, 4);

    std::string text = "kept";
    EXPECT_TRUE(key.ReadString("longest", text));
    EXPECT_EQ(text, longest);
    // The ANSI API of Wine terminates a stored string that lacks its zero; either way
    // nothing past the stored bytes may come back.
    text = "kept";
    if (key.ReadString("unterminated", text)) {
        EXPECT_EQ(text, "abc");
    }
    text = "kept";
    for (const char* name : {"tooLong", "binaryText", "expandText", "missing"}) {
        EXPECT_FALSE(key.ReadString(name, text)) << name;
        EXPECT_EQ(text, "kept") << name;
    }
    std::int32_t number = 7;
    for (const char* name : {"three", "eight", "textNumber", "missing"}) {
        EXPECT_FALSE(key.ReadInt32(name, number)) << name;
        EXPECT_EQ(number, 7) << name;
    }
    EXPECT_TRUE(key.ReadInt32("dword", number));
    EXPECT_EQ(number, 42);
    bool flag = false;
    for (const char* name : {"three", "dword", "longest", "missing"}) {
        EXPECT_FALSE(key.ReadFlag(name, flag)) << name;
        EXPECT_FALSE(flag) << name;
    }
}

TEST_F(RegistryKeyTest, ListWriteDeletesSurplusUpToTheFirstGap)
{
    const CRegistryKey key = Key();
    key.WriteList({"a", "b", "c", "d", "e"});
    registry.WriteString("", "7", "beyond a gap");
    key.WriteList({"x", "y", "z"});
    EXPECT_EQ(key.ReadListUntilGap(), (std::vector<std::string>{"x", "y", "z"}));
    DWORD type = 0, size = 0;
    EXPECT_FALSE(registry.ValueInfo("", "3", type, size));
    EXPECT_FALSE(registry.ValueInfo("", "4", type, size));
    EXPECT_TRUE(registry.ValueInfo("", "7", type, size));
}

TEST_F(RegistryKeyTest, IndexedReadSkipsGapsAndIgnoresHostileCounts)
{
    const CRegistryKey key = Key();
    registry.WriteString("", "0", "zero");
    registry.WriteString("", "2", "two");
    registry.WriteString("", "01", "not an index");
    registry.WriteString("", "foo", "not an index");
    registry.WriteRaw("", "3", REG_BINARY, "x", 1);
    registry.WriteString("", "4", "four");

    EXPECT_EQ(key.ReadIndexedValues(0x7fffffff),
              (std::vector<std::string>{"zero", "two", "four"}));
    EXPECT_EQ(key.ReadIndexedValues(3), (std::vector<std::string>{"zero", "two"}));
    EXPECT_TRUE(key.ReadIndexedValues(-5).empty());
    EXPECT_EQ(key.ReadListUntilGap(), (std::vector<std::string>{"zero"}));
}
