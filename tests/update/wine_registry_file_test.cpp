// Linux only: the reading of Wine's registry files that stands in for the Windows registry.
#include "wine_registry_file.h"

#include <gtest/gtest.h>

#include <string>

namespace platform::detail {
namespace {

const char kFile[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Corvane\\\\Game] 1796771555\n"
    "#time=1dd87699c1930a4\n"
    "\"Name\"=\"not the default\"\n"
    "@=\"C:\\\\\\x30b2\\x30fc\\x30e0\\\\data\"\n"
    "\n"
    "[Software\\\\Corvane\\\\Escapes] 1\n"
    "@=str(2):\"a\\\"b\\tc\\x41-\\x0041d\\101\\xd83d\\xde00\\xd800z\\[x\\]\"\r\n"
    "\n"
    "[Software\\\\Corvane\\\\Binary] 1\n"
    "@=hex:41,42,\\\n"
    "  43,00\n"
    "[Software\\\\Corvane\\\\Number] 1\n"
    "@=dword:01020304\n"
    "[Software\\\\Corvane\\\\Empty] 1\n"
    "@=\"\"\n"
    "[Software\\\\Corvane\\\\NoDefault] 1\n"
    "\"Other\"=\"x\"\n"
    "[Software\\\\Corvane\\\\Broken] 1\n"
    "@=\"never closed\n"
    "[Software\\\\Other\\\\Deep\\\\Key] 1\n";

std::string Text(const char* text) { return std::string(text) + '\0'; }

TEST(WineRegistryFileTest, FindsTheDefaultValueOfAKey) {
    WineRegistryLookup game = FindWineRegistryKey(kFile, "Software\\Corvane\\Game");
    EXPECT_TRUE(game.keyFound);
    EXPECT_TRUE(game.hasDefaultValue);
    EXPECT_EQ(game.defaultValue, Text("C:\\ゲーム\\data"));
    // Keys are found without regard to case or extra separators.
    EXPECT_EQ(FindWineRegistryKey(kFile, "software\\CORVANE\\game\\").defaultValue, game.defaultValue);
    EXPECT_EQ(FindWineRegistryKey(kFile, "Software\\\\Corvane\\Game").defaultValue, game.defaultValue);
}

TEST(WineRegistryFileTest, DecodesEveryValueForm) {
    EXPECT_EQ(FindWineRegistryKey(kFile, "Software\\Corvane\\Escapes").defaultValue,
              Text("a\"b\tcA-AdA\xF0\x9F\x98\x80\xEF\xBF\xBDz[x]"));
    EXPECT_EQ(FindWineRegistryKey(kFile, "Software\\Corvane\\Binary").defaultValue, std::string("ABC\0", 4));
    EXPECT_EQ(FindWineRegistryKey(kFile, "Software\\Corvane\\Number").defaultValue, std::string("\x04\x03\x02\x01"));
    EXPECT_EQ(FindWineRegistryKey(kFile, "Software\\Corvane\\Empty").defaultValue, Text(""));
}

TEST(WineRegistryFileTest, KeysWithoutSectionsExistThroughTheirChildren) {
    EXPECT_TRUE(FindWineRegistryKey(kFile, "Software\\Corvane").keyFound);
    EXPECT_FALSE(FindWineRegistryKey(kFile, "Software\\Corvane").hasDefaultValue);
    EXPECT_TRUE(FindWineRegistryKey(kFile, "Software\\Other\\Deep").keyFound);
    EXPECT_TRUE(FindWineRegistryKey(kFile, "").keyFound);
    // A name that only starts like a key is another key.
    EXPECT_FALSE(FindWineRegistryKey(kFile, "Software\\Corvane\\Gam").keyFound);
    EXPECT_FALSE(FindWineRegistryKey(kFile, "Software\\Missing").keyFound);
}

TEST(WineRegistryFileTest, KeysWithoutAReadableDefaultHaveNone) {
    for (const char* key : {"Software\\Corvane\\NoDefault", "Software\\Corvane\\Broken"}) {
        WineRegistryLookup lookup = FindWineRegistryKey(kFile, key);
        EXPECT_TRUE(lookup.keyFound) << key;
        EXPECT_FALSE(lookup.hasDefaultValue) << key;
    }
    EXPECT_FALSE(FindWineRegistryKey("", "Software").keyFound);
    EXPECT_FALSE(FindWineRegistryKey("[Software\\\\Corvane", "Software\\Corvane").keyFound);
}

}  // namespace
}  // namespace platform::detail
