#include "platform/process_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProcessPath, ProgramFolderAndCurrentFolderRoundTrip) {
    // Tests run from the folder holding their program.
    const std::string program = platform::ExecutableFolder();
    const std::string current = platform::CurrentFolder();
    ASSERT_FALSE(program.empty());
    ASSERT_FALSE(current.empty());
    EXPECT_NE(platform::PathSeparator(), program.back());
    EXPECT_EQ("bin", program.substr(program.size() - 3));

    const std::string parent = program + platform::PathSeparator() + "..";
    ASSERT_TRUE(platform::ChangeCurrentFolder(parent.c_str()));
    EXPECT_NE(current, platform::CurrentFolder());
    ASSERT_TRUE(platform::ChangeCurrentFolder(current.c_str()));
    EXPECT_EQ(current, platform::CurrentFolder());

    EXPECT_FALSE(platform::ChangeCurrentFolder("no-such-folder-here"));
    EXPECT_FALSE(platform::ChangeCurrentFolder(nullptr));
    EXPECT_EQ(current, platform::CurrentFolder());
}

}  // namespace
