#include "host/player/player_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/player/user_folders.h"

namespace {

using player::PlayerSettings;
using player::Scaling;

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh folder under the test's working folder.
std::string Scratch(const std::string& name) {
    const std::string folder = "player_settings_" + name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return folder;
}

}  // namespace

TEST(PlayerSettings, EveryValueSurvivesTheFile) {
    const std::string folder = Scratch("round_trip");
    const std::string path = folder + "/prelo/player.ini";  // the folders are made on the way
    for (const PlayerSettings& kept :
         {PlayerSettings{}, PlayerSettings{true, Scaling::kInteger, 0}, PlayerSettings{false, Scaling::kSmooth, 55}}) {
        std::string error;
        ASSERT_TRUE(player::SavePlayerSettings(path, kept, &error)) << error;
        PlayerSettings read{true, Scaling::kInteger, 7};
        ASSERT_TRUE(player::LoadPlayerSettings(path, &read, &error)) << error;
        EXPECT_EQ(kept.fullscreen, read.fullscreen);
        EXPECT_EQ(kept.scaling, read.scaling);
        EXPECT_EQ(kept.volume, read.volume);
    }
    // Hand-written files may space, comment and leave out keys as they like.
    PlayerSettings read;
    std::string error;
    ASSERT_TRUE(player::ParsePlayerSettings("\n# mine\r\n  volume=40 \r\n\tscaling =integer\n", &read, &error));
    EXPECT_EQ(40, read.volume);
    EXPECT_EQ(Scaling::kInteger, read.scaling);
    EXPECT_FALSE(read.fullscreen);
}

TEST(PlayerSettings, DamagedFilesAreNamedAndChangeNothing) {
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"volume = 101\n", "line 1: '101' is no value for volume"},
        {"volume = -1\n", "line 1: '-1' is no value for volume"},
        {"volume =\n", "line 1: '' is no value for volume"},
        {"fullscreen = yes\nfullscreen = maybe\n", "line 2: 'maybe' is no value for fullscreen"},
        {"scaling = nearest\n", "line 1: 'nearest' is no value for scaling"},
        {"\n\nbrightness = 3\n", "line 3: unknown setting 'brightness'"},
        {"volume 50\n", "line 1: expected key = value"},
        {std::string("volume = 5\0", 11), "not a settings file"},
        {std::string(5000, '#'), "not a settings file"},
    };
    for (const auto& c : cases) {
        PlayerSettings settings{true, Scaling::kInteger, 33};
        std::string error;
        EXPECT_FALSE(player::ParsePlayerSettings(c.text, &settings, &error)) << c.text;
        EXPECT_EQ(c.error, error);
        EXPECT_TRUE(settings.fullscreen && settings.scaling == Scaling::kInteger && settings.volume == 33) << c.text;
    }
}

TEST(PlayerSettings, MissingFileIsNoFaultAndAnUnwritableFolderIsReported) {
    const std::string folder = Scratch("files");
    PlayerSettings settings{true, Scaling::kInteger, 20};
    std::string error;
    EXPECT_TRUE(player::LoadPlayerSettings(folder + "/absent.ini", &settings, &error));
    EXPECT_EQ(20, settings.volume);
    // A file where the folder should be: reported, and nothing half-written left behind.
    ASSERT_TRUE(player::MakeFolders(folder, &error)) << error;
    std::ofstream(folder + "/prelo") << "in the way";
    EXPECT_FALSE(player::SavePlayerSettings(folder + "/prelo/player.ini", settings, &error));
    EXPECT_NE(std::string::npos, error.find("is not a folder")) << error;
    // A damaged file on disk is named with its path.
    std::ofstream(folder + "/damaged.ini") << "volume = loud\n";
    EXPECT_FALSE(player::LoadPlayerSettings(folder + "/damaged.ini", &settings, &error));
    EXPECT_EQ(folder + "/damaged.ini: line 1: 'loud' is no value for volume", error);
    EXPECT_EQ("volume = loud\n", ReadAll(folder + "/damaged.ini"));
}

TEST(UserFolders, XdgFoldersWinOverHomeWhenAbsolute) {
    const struct {
        const char* xdg;
        const char* home;
        const char* settings;
        const char* pictures;
    } cases[] = {
        {"/x", "/h", "/x/prelo/player.ini", "/x/Prelo"},
        {"relative", "/h", "/h/.config/prelo/player.ini", "/h/Pictures/Prelo"},
        {nullptr, "/h", "/h/.config/prelo/player.ini", "/h/Pictures/Prelo"},
        {nullptr, nullptr, "", ""},
    };
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    for (const auto& c : cases) {
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_PICTURES_DIR"}) {
            if (c.xdg)
                ::setenv(variable, c.xdg, 1);
            else
                ::unsetenv(variable);
        }
        if (c.home)
            ::setenv("HOME", c.home, 1);
        else
            ::unsetenv("HOME");
        EXPECT_EQ(c.settings, player::SettingsFilePath());
        EXPECT_EQ(c.pictures, player::ScreenshotFolder());
    }
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
}
