#include "source_folder.h"

#include <gtest/gtest.h>

namespace update {
namespace {

// The Shift-JIS lead bytes, as the target systems' code page has them.
bool IsShiftJisLeadByte(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool NoLeadByte(uint8_t) { return false; }

std::string Folder(std::string_view commandLine) {
    return SourceFolderFromCommandLine(commandLine, IsShiftJisLeadByte);
}

TEST(SourceFolderTest, TakesTheProgramPathUpToItsLastBackslash) {
    EXPECT_EQ(Folder("\"C:\\Game Update\\update.exe\""), "C:\\Game Update\\");
    EXPECT_EQ(Folder("\"C:\\Game Update\\update.exe\" /x \"D:\\y\\\""), "C:\\Game Update\\");
    EXPECT_EQ(Folder("C:\\Game\\update.exe -q D:\\other\\"), "C:\\Game\\");
    EXPECT_EQ(Folder("C:\\Game\\update.exe\tD:\\other\\"), "C:\\Game\\");
    // An unterminated quote runs to the end.
    EXPECT_EQ(Folder("\"C:\\a b\\c\\update.exe"), "C:\\a b\\c\\");
}

TEST(SourceFolderTest, WithoutBackslashTheCurrentFolderIsMeant) {
    EXPECT_EQ(Folder("update.exe"), "");
    EXPECT_EQ(Folder("\"update.exe\" C:\\x\\"), "");
    EXPECT_EQ(Folder(""), "");
    EXPECT_EQ(Folder("\""), "");
}

TEST(SourceFolderTest, TwoByteCharactersAreNeverSplit) {
    // "ソ" is 83 5C: its trail byte is a backslash that must not end the folder.
    EXPECT_EQ(Folder("\"C:\\\x83\x5C\\update.exe\""), "C:\\\x83\x5C\\");
    EXPECT_EQ(Folder("\"C:\\Game\\\x83\x5C.exe\""), "C:\\Game\\");
    // Trail bytes equal to a quote or a space end nothing.
    EXPECT_EQ(Folder("\"C:\\\x81\"x\\update.exe\""), "C:\\\x81\"x\\");
    EXPECT_EQ(Folder("C:\\\x81 x\\update.exe"), "C:\\\x81 x\\");
    // Without the code page rule the same bytes cut early: the rule is what makes the difference.
    EXPECT_EQ(SourceFolderFromCommandLine("C:\\\x81 x\\update.exe", NoLeadByte), "C:\\");
}

TEST(SourceFolderTest, ALeadByteAtTheEndTakesNothingBeyondIt) {
    const char line[] = {'C', ':', '\\', 'a', '\\', '\x83'};
    EXPECT_EQ(SourceFolderFromCommandLine(std::string_view(line, sizeof line), IsShiftJisLeadByte), "C:\\a\\");
    const char lastIsBackslashPair[] = {'"', 'C', ':', '\\', '\x83'};
    EXPECT_EQ(SourceFolderFromCommandLine(std::string_view(lastIsBackslashPair, sizeof lastIsBackslashPair),
                                          IsShiftJisLeadByte),
              "C:\\");
}

}  // namespace
}  // namespace update
