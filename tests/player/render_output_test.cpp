// A real headless render of a short stretch that crosses from the first scene into the second:
// the program writes one PNG per frame and a contact sheet.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Width and height from a PNG's header chunk.
bool PngSize(const std::string& path, uint32_t* width, uint32_t* height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    if (header[1] != 'P' || header[2] != 'N' || header[3] != 'G') return false;
    *width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    *height = (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23];
    return true;
}

// Runs a shell command and collects what it printed and its wait status.
bool RunCapturing(const std::string& command, std::string* text, int* status) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    char buffer[512] = {};
    while (std::fgets(buffer, sizeof buffer, pipe)) *text += buffer;
    *status = ::pclose(pipe);
    return true;
}

}  // namespace

TEST(RenderOutput, WritesEveryFrameAndTheContactSheet) {
    if (!Exists(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
    const std::string out = "player_render_output";
    std::system(("rm -rf " + out).c_str());
    const std::string command = std::string(PRELO_PLAY) + " --render " + out + " --assets " + PRELO_SAMPLE_ASSETS_DIR +
                                " --from 4800 --to 5300 --fps 10 --png --no-video 2>/dev/null >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    for (int i = 0; i < 5; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/frames/frame_%05d.png", i);
        uint32_t width = 0, height = 0;
        ASSERT_TRUE(PngSize(out + name, &width, &height)) << name;
        EXPECT_EQ(640u, width);
        EXPECT_EQ(480u, height);
    }
    EXPECT_FALSE(Exists(out + "/frames/frame_00005.png"));
    uint32_t width = 0, height = 0;
    ASSERT_TRUE(PngSize(out + "/contact-sheet.png", &width, &height));
    EXPECT_EQ(8u + 4u * 168u, width);  // scene 0's start and end, scene 1's start and middle
}

TEST(RenderOutput, MissingAssetFolderIsAClearError) {
    const std::string command = std::string(PRELO_PLAY) + " --render x --assets /nonexistent 2>&1";
    std::string text;
    int status = -1;
    ASSERT_TRUE(RunCapturing(command, &text, &status));
    EXPECT_EQ(2, WEXITSTATUS(status));
    EXPECT_NE(std::string::npos, text.find("lacks Prelo.zpx")) << text;
}

TEST(RenderOutput, DamagedArchiveIsAClearErrorNotACrash) {
    if (!Exists(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx")) GTEST_SKIP() << "no sample assets built";
    const std::string folder = "player_damaged_assets";
    const std::string assets = PRELO_SAMPLE_ASSETS_DIR;
    ASSERT_EQ(0, std::system(("rm -rf " + folder + " && mkdir " + folder + " && cp " + assets + "/Vuvi01.wav " +
                              assets + "/Prelo.moz " + assets + "/Prelo.ini " + folder + "/")
                                 .c_str()));
    {
        std::ofstream archive(folder + "/Prelo.zpx", std::ios::binary);
        archive << "ZPX0 this is not an index";
    }
    const std::string command =
        std::string(PRELO_PLAY) + " --render " + folder + "/out --no-video --assets " + folder + " 2>&1";
    std::string text;
    int status = -1;
    ASSERT_TRUE(RunCapturing(command, &text, &status));
    EXPECT_EQ(3, WEXITSTATUS(status)) << text;
    EXPECT_NE(std::string::npos, text.find("did not start")) << text;
}
