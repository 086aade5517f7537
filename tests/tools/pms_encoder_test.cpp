#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "demo/assets/pms_streams.h"
#include "pms_file.h"
#include "pms_streams.h"
#include "reference_pms_decoder.h"

namespace {

using tools::ColourPicture;
using tools::MaskPicture;

// Rows built from the features the opcodes exist for: copies of the rows above, fills,
// two-value patterns, colours sharing high bits, diagonal shifts, escapes and plain noise.
template <typename Pixel>
std::vector<Pixel> StructuredPlane(int32_t w, int32_t h, std::mt19937& random, Pixel (*any)(std::mt19937&)) {
    std::vector<Pixel> p(static_cast<size_t>(w) * h);
    for (int32_t y = 0; y < h; ++y) {
        Pixel* row = p.data() + static_cast<size_t>(y) * w;
        for (int32_t x = 0; x < w;) {
            const int32_t n = std::min<int32_t>(w - x, 1 + static_cast<int32_t>(random() % 300));
            const Pixel a = any(random), b = any(random);
            switch (random() % 7) {
                case 0:
                    if (y >= 1) {
                        std::memcpy(row + x, row + x - w, n * sizeof(Pixel));
                        break;
                    }
                    [[fallthrough]];
                case 1:
                    if (y >= 2) {
                        std::memcpy(row + x, row + x - 2 * w, n * sizeof(Pixel));
                        break;
                    }
                    [[fallthrough]];
                case 2:
                    std::fill(row + x, row + x + n, a);
                    break;
                case 3:
                    for (int32_t i = 0; i < n; ++i) row[x + i] = (i & 1) ? b : a;
                    break;
                case 4:  // diagonal: the row above shifted by one column either way
                    for (int32_t i = 0; i < n; ++i) {
                        const int32_t sx = x + i + ((random() & 1) ? 1 : -1);
                        row[x + i] = (y >= 1 && sx >= 0 && sx < w) ? row[sx - w] : a;
                    }
                    break;
                case 5:
                    for (int32_t i = 0; i < n; ++i)
                        row[x + i] = static_cast<Pixel>((a & ~Pixel(0x19E3)) | (any(random) & 0x19E3));
                    break;
                default:
                    for (int32_t i = 0; i < n; ++i) row[x + i] = any(random);
                    break;
            }
            x += n;
        }
    }
    return p;
}

uint16_t AnyColour(std::mt19937& random) {
    // A few colours with low bytes that need the escape, many from a small set so runs form.
    const uint32_t r = random();
    if (r % 5 == 0) return static_cast<uint16_t>((0xF8 + (r >> 8) % 8) | ((r >> 16) & 0xFF) << 8);
    return static_cast<uint16_t>(r % 3 == 0 ? (r >> 4) : ((r >> 4) % 6) * 0x2945);
}
uint8_t AnyValue(std::mt19937& random) {
    const uint32_t r = random();
    return static_cast<uint8_t>(r % 3 == 0 ? (r >> 8) : (r % 4 == 0 ? 255 : 0));
}

std::vector<uint8_t> Expanded(const std::vector<uint16_t>& colours) {
    std::vector<uint8_t> out;
    for (uint16_t c : colours) {
        const tools::Bgr e = tools::ExpandRgb565(c);
        out.insert(out.end(), {e.b, e.g, e.r});
    }
    return out;
}

// Decodes through the demo's own stream decoder into rows with padding between them, then drops
// the padding: the picture must not depend on the pitch.
std::vector<uint8_t> DemoDecode(const std::vector<uint8_t>& stream, int32_t w, int32_t h, int32_t bytesPerPixel,
                                bool* ok) {
    const int32_t pitch = w * bytesPerPixel + 5;
    std::vector<uint8_t> plane(static_cast<size_t>(pitch) * h, 0xCD);
    const PlaneView view{plane.data(), w, h, pitch};
    *ok = bytesPerPixel == 3 ? DecodePmsColourStream(stream.data(), stream.size(), view)
                             : DecodePmsByteStream(stream.data(), stream.size(), view);
    std::vector<uint8_t> rows;
    for (int32_t y = 0; y < h; ++y)
        rows.insert(rows.end(), plane.begin() + y * pitch, plane.begin() + y * pitch + w * bytesPerPixel);
    return rows;
}

TEST(PmsEncoder, RandomPicturesRoundTripThroughBothDecoders) {
    std::mt19937 random(20240611);
    const int32_t sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {2, 2}, {600, 3}, {257, 4}, {258, 5}, {640, 2}};
    for (int32_t round = 0; round < 160; ++round) {
        const int32_t w = round < 8 ? sizes[round][0] : 1 + static_cast<int32_t>(random() % 90);
        const int32_t h = round < 8 ? sizes[round][1] : 1 + static_cast<int32_t>(random() % 12);
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << w << " x " << h);
        ColourPicture picture{w, h, StructuredPlane<uint16_t>(w, h, random, AnyColour),
                              StructuredPlane<uint8_t>(w, h, random, AnyValue)};
        const std::vector<uint8_t> file = tools::WritePms(picture);
        reference::DecodedPms decoded;
        ASSERT_TRUE(reference::DecodePms(file.data(), file.size(), &decoded));
        ASSERT_TRUE(decoded.hasAlpha);
        EXPECT_EQ(decoded.pixels, Expanded(picture.colours));
        EXPECT_EQ(decoded.alpha, picture.alpha);

        const std::vector<uint8_t> colour = tools::EncodeColourStream(picture.colours.data(), w, h);
        const std::vector<uint8_t> alpha = tools::EncodeByteStream(picture.alpha.data(), w, h);
        bool ok = false;
        EXPECT_EQ(DemoDecode(colour, w, h, 3, &ok), Expanded(picture.colours));
        EXPECT_TRUE(ok);
        EXPECT_EQ(DemoDecode(alpha, w, h, 1, &ok), picture.alpha);
        EXPECT_TRUE(ok);
    }
}

std::set<uint8_t> ColourOpcodesOf(const std::vector<uint16_t>& colours, int32_t w, int32_t h) {
    const std::vector<uint8_t> stream = tools::EncodeColourStream(colours.data(), w, h);
    const std::vector<uint8_t> ops = reference::ColourOpcodes(stream.data(), stream.size(), w, h);
    std::set<uint8_t> out;
    for (uint8_t op : ops) out.insert(op < 0xF8 ? 0x00 : op);  // 0x00 stands for any literal
    return out;
}

std::set<uint8_t> ByteOpcodesOf(const std::vector<uint8_t>& values, int32_t w, int32_t h) {
    const std::vector<uint8_t> stream = tools::EncodeByteStream(values.data(), w, h);
    const std::vector<uint8_t> ops = reference::ByteOpcodes(stream.data(), stream.size(), w, h);
    std::set<uint8_t> out;
    for (uint8_t op : ops) out.insert(op < 0xF8 ? 0x00 : op);
    return out;
}

TEST(PmsEncoder, EachColourOpcodeIsUsedWherePictureNeedsIt) {
    // Colours with nothing in common (no shared high bits, no repeats) leave only literals.
    const std::vector<uint16_t> distinct = {0x1234, 0xA5C3, 0x5A1C, 0xE00F, 0x0FF0, 0x7BEF, 0x8410, 0x3186};
    EXPECT_EQ(ColourOpcodesOf(distinct, 8, 1), (std::set<uint8_t>{0x00}));
    EXPECT_TRUE(ColourOpcodesOf({0x12FA, 0x3400}, 2, 1).count(0xF8));
    // Same top bits in every component, different low bits.
    EXPECT_TRUE(ColourOpcodesOf({0x0000, 0x0841, 0x1082, 0x18C3, 0x0021, 0x0862, 0x1003, 0x0880}, 8, 1).count(0xF9));
    // Each row is the one above moved left (0xFA) or right (0xFB) by a pixel.
    std::vector<uint16_t> left, right;
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 8; ++x) {
            left.push_back(distinct[(x + y) % 8]);
            right.push_back(distinct[(x - y + 16) % 8]);
        }
    EXPECT_TRUE(ColourOpcodesOf(left, 8, 6).count(0xFA));
    EXPECT_TRUE(ColourOpcodesOf(right, 8, 6).count(0xFB));
    EXPECT_TRUE(ColourOpcodesOf({0x1234, 0xA5C3, 0x1234, 0xA5C3, 0x1234, 0xA5C3, 0x1234, 0xA5C3}, 8, 1).count(0xFC));
    EXPECT_TRUE(ColourOpcodesOf(std::vector<uint16_t>(20, 0xA5C3), 20, 1).count(0xFD));
    std::vector<uint16_t> twoUp(distinct);  // row 2 repeats row 0, row 1 differs
    twoUp.insert(twoUp.end(), {0x0001, 0x2002, 0x4003, 0x6004, 0x8005, 0xA006, 0xC007, 0xE008});
    twoUp.insert(twoUp.end(), distinct.begin(), distinct.end());
    EXPECT_TRUE(ColourOpcodesOf(twoUp, 8, 3).count(0xFE));
    std::vector<uint16_t> oneUp(distinct);
    oneUp.insert(oneUp.end(), distinct.begin(), distinct.end());
    EXPECT_TRUE(ColourOpcodesOf(oneUp, 8, 2).count(0xFF));
}

TEST(PmsEncoder, EachByteOpcodeIsUsedWherePlaneNeedsIt) {
    const std::vector<uint8_t> distinct = {3, 90, 17, 200, 45, 131, 7, 66};
    EXPECT_EQ(ByteOpcodesOf(distinct, 8, 1), (std::set<uint8_t>{0x00}));
    EXPECT_TRUE(ByteOpcodesOf({0xFE, 0x10}, 2, 1).count(0xF8));
    EXPECT_TRUE(ByteOpcodesOf({0, 255, 0, 255, 0, 255, 0, 255}, 8, 1).count(0xFC));
    EXPECT_TRUE(ByteOpcodesOf(std::vector<uint8_t>(20, 255), 20, 1).count(0xFD));
    std::vector<uint8_t> twoUp(distinct);
    twoUp.insert(twoUp.end(), {1, 2, 4, 8, 16, 32, 64, 128});
    twoUp.insert(twoUp.end(), distinct.begin(), distinct.end());
    EXPECT_TRUE(ByteOpcodesOf(twoUp, 8, 3).count(0xFE));
    std::vector<uint8_t> oneUp(distinct);
    oneUp.insert(oneUp.end(), distinct.begin(), distinct.end());
    EXPECT_TRUE(ByteOpcodesOf(oneUp, 8, 2).count(0xFF));
}

TEST(PmsEncoder, FlatPlanesTakeTheFewestLongestRuns) {
    // 640 pixels a row: three fills in the first row, three copies from above in every other row,
    // as the longest runs of each stream allow.
    const ColourPicture flat{640, 480, std::vector<uint16_t>(640 * 480, 0x4208), {}};
    EXPECT_EQ(tools::WritePms(flat).size(), tools::kPmsHeaderSize + 3 * 4 + 479 * 3 * 2u);
    const MaskPicture empty{640, 480, std::vector<uint8_t>(640 * 480, 0)};
    EXPECT_EQ(tools::WritePms(empty).size(), tools::kPmsHeaderSize + 3 * 3 + 479 * 3 * 2u);
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(PmsFile, HeaderNamesDepthSizeAndPlanes) {
    const ColourPicture plain{3, 2, std::vector<uint16_t>(6, 0x1234), {}};
    const std::vector<uint8_t> a = tools::WritePms(plain);
    ASSERT_GE(a.size(), 40u);
    EXPECT_EQ(a[0], 'P');
    EXPECT_EQ(a[1], 'M');
    EXPECT_EQ(a[6], 16);
    EXPECT_EQ(Read32(a, 24), 3u);
    EXPECT_EQ(Read32(a, 28), 2u);
    EXPECT_EQ(Read32(a, 32), static_cast<uint32_t>(tools::kPmsHeaderSize));
    EXPECT_EQ(Read32(a, 36), 0u);  // no alpha plane

    ColourPicture withAlpha = plain;
    withAlpha.alpha.assign(6, 128);
    const std::vector<uint8_t> b = tools::WritePms(withAlpha);
    EXPECT_GT(Read32(b, 36), Read32(b, 32));
    EXPECT_LT(Read32(b, 36), b.size());

    const std::vector<uint8_t> m = tools::WritePms(MaskPicture{3, 2, std::vector<uint8_t>(6, 9)});
    EXPECT_EQ(m[6], 8);
}

TEST(PmsFile, RefusesPlanesThatDisagreeWithTheSize) {
    EXPECT_TRUE(tools::WritePms(ColourPicture{3, 2, std::vector<uint16_t>(5), {}}).empty());
    EXPECT_TRUE(tools::WritePms(ColourPicture{3, 2, std::vector<uint16_t>(6), std::vector<uint8_t>(5)}).empty());
    EXPECT_TRUE(tools::WritePms(ColourPicture{0, 0, {}, {}}).empty());
    EXPECT_TRUE(tools::WritePms(MaskPicture{-1, 2, std::vector<uint8_t>(2)}).empty());
}

TEST(PmsFile, ColourExpansionRepeatsTopBits) {
    EXPECT_EQ(tools::ExpandRgb565(0xFFFF).r, 255);
    EXPECT_EQ(tools::ExpandRgb565(0xFFFF).g, 255);
    EXPECT_EQ(tools::ExpandRgb565(0xFFFF).b, 255);
    EXPECT_EQ(tools::ExpandRgb565(0xF800).r, 255);
    EXPECT_EQ(tools::ExpandRgb565(0xF800).g, 0);
    EXPECT_EQ(tools::ExpandRgb565(0x0000).b, 0);
    EXPECT_EQ(tools::PackRgb565(255, 0, 255), 0xF81F);
}

}  // namespace
