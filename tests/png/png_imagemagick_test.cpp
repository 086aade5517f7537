// The PNG reader against ImageMagick: the same picture in every colour type, bit depth and
// interlacing ImageMagick writes must decode to the pixels ImageMagick itself decodes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "png/png_file.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

struct Variant {
    const char* name;
    const char* convertArguments;  // turning the RGBA source into this kind of PNG
    const char* outputPrefix;      // ImageMagick's name for the kind, before the output's name
    bool alphaKept;
};

class PngAgainstImageMagick : public testing::TestWithParam<Variant> {};

TEST_P(PngAgainstImageMagick, DecodesThePixelsImageMagickDecodes) {
    if (!Shell("convert -version >/dev/null 2>&1")) GTEST_SKIP() << "no ImageMagick here";
    const Variant& variant = GetParam();
    // A picture with smooth areas (where filters matter) and noise, and a varied alpha.
    constexpr int32_t w = 37, h = 23;
    std::vector<uint8_t> rgba(w * h * 4);
    std::mt19937 random(7);
    for (int32_t i = 0; i < w * h; ++i) {
        rgba[4 * i] = static_cast<uint8_t>(i % w * 7);
        rgba[4 * i + 1] = static_cast<uint8_t>(i / w * 11);
        rgba[4 * i + 2] = static_cast<uint8_t>(random());
        rgba[4 * i + 3] = static_cast<uint8_t>(i % 5 == 0 ? 255 : random());
    }
    const std::vector<uint8_t> source =
        png::Encode({w, h, png::ColourType::kRgba, rgba.data(), nullptr, 0}, png::Filter::kAdaptive, 6);
    const std::string dir = testing::TempDir(), base = dir + "png_" + variant.name;
    std::ofstream(base + "_source.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(source.data()), static_cast<std::streamsize>(source.size()));
    ASSERT_TRUE(Shell("convert " + base + "_source.png " + variant.convertArguments + " " + variant.outputPrefix +
                      base + ".png"));
    ASSERT_TRUE(Shell("convert " + base + ".png -depth 8 rgba:" + base + ".rgba"));

    const std::vector<uint8_t> file = ReadFile(base + ".png"), expected = ReadFile(base + ".rgba");
    png::Image image;
    std::string error;
    ASSERT_TRUE(png::Decode(file.data(), file.size(), &image, &error)) << error;
    ASSERT_EQ(image.width, w);
    ASSERT_EQ(image.height, h);
    ASSERT_EQ(image.rgba.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(image.rgba[i], expected[i]) << variant.name << ": pixel " << i / 4 << " sample " << i % 4;
    }
    EXPECT_EQ(image.hasAlpha, variant.alphaKept);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PngAgainstImageMagick,
    testing::Values(Variant{"rgba8", "", "PNG32:", true}, Variant{"rgb8", "-alpha off", "PNG24:", false},
                    Variant{"rgba16", "", "PNG64:", true}, Variant{"rgb16", "-alpha off", "PNG48:", false},
                    Variant{"palette", "-alpha off -colors 200", "PNG8:", false},
                    Variant{"palette_alpha", "-colors 100", "PNG8:", true},
                    Variant{"grey8", "-alpha off -colorspace Gray -define png:color-type=0 -depth 8", "", false},
                    Variant{"grey16", "-alpha off -colorspace Gray -define png:color-type=0 -depth 16", "", false},
                    Variant{"grey4", "-alpha off -colorspace Gray -define png:color-type=0 -depth 4", "", false},
                    Variant{"grey2", "-alpha off -colorspace Gray -define png:color-type=0 -depth 2", "", false},
                    Variant{"grey1", "-alpha off -colorspace Gray -define png:color-type=0 -depth 1", "", false},
                    Variant{"grey_alpha", "-colorspace Gray -define png:color-type=4", "", true},
                    Variant{"grey_transparent_key",
                            "-alpha off -colorspace Gray -fill black -draw 'point 0,0' -transparent black "
                            "-define png:color-type=0 -depth 8",
                            "", true},
                    Variant{"rgb_transparent_key",
                            "-alpha off -fill red -draw 'point 0,0' -transparent red -define png:color-type=2 -depth 8",
                            "", true},
                    Variant{"interlaced", "-interlace PNG", "PNG32:", true},
                    Variant{"interlaced_palette", "-alpha off -colors 16 -interlace PNG", "PNG8:", false}),
    [](const testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

}  // namespace
