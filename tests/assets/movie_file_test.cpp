#include "demo/assets/movie_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "asset_test_support.h"
#include "platform/window.h"

namespace {

// Made by make_test_movies.py with Python's zlib; the same formulas give the expected frames.
const char* const kSmall = "assets_test_data/small.moz";
const char* const kFull = "assets_test_data/full.moz";
const char* const kMissing = "assets_test_data/no_such.moz";
constexpr int kSmallFrames = 16;

uint8_t IndexAt(int x, int y, int frame) { return static_cast<uint8_t>(3 * x + 5 * y + 17 * frame); }

Bytes Palette(int frame) {
    Bytes out;
    for (int k = 0; k < 256; ++k) {
        out.insert(out.end(),
                   {static_cast<uint8_t>(k), static_cast<uint8_t>(k + 40 * frame), static_cast<uint8_t>(255 - k), 0});
    }
    return out;
}

class MovieTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetMessageEcho(false);
        platform::ClearRecordedMessages();
    }
    void TearDown() override {
        movie.Close();
        std::remove(scratch.c_str());
    }

    // True when rows [firstRow, lastRow) of the DIB hold the given frame's picture.
    bool RowsShow(int frame, int firstRow, int lastRow) {
        DibSurface& dib = movie.Surface();
        for (int y = firstRow; y < lastRow; ++y) {
            const uint8_t* row = dib.PixelAt(0, y);
            for (int x = 0; x < movie.Width(); ++x) {
                if (row[x] != IndexAt(x, y, frame)) return false;
            }
        }
        return true;
    }
    bool PaletteIs(int frame) { return std::memcmp(Palette(frame).data(), movie.Surface().Palette(), 1024) == 0; }

    MovieFile movie;
    std::string scratch =
        std::string("movie_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".moz";
};

TEST_F(MovieTest, FullSizeFileWinsOverTheSmallOne) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kFull, kSmall));
    EXPECT_TRUE(movie.FullSize());
    EXPECT_EQ(640, movie.Width());
    EXPECT_EQ(480, movie.Height());
    EXPECT_EQ(2, movie.FrameCount());
    EXPECT_EQ(485, movie.Surface().Height());
    ASSERT_TRUE(movie.DecodeFrame(1));
    EXPECT_TRUE(RowsShow(1, 0, 480));
    EXPECT_TRUE(PaletteIs(1));

    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    EXPECT_FALSE(movie.FullSize());
    EXPECT_EQ(240, movie.Width());
    EXPECT_EQ(180, movie.Height());
    EXPECT_EQ(185, movie.Surface().Height());  // not the size of the earlier movie's DIB
    EXPECT_EQ(kSmallFrames, movie.FrameCount());

    EXPECT_FALSE(movie.OpenFiles(nullptr, kMissing, kMissing));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_FALSE(movie.DecodeFrame(0));
}

TEST_F(MovieTest, FramesDecodeInAnyOrder) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    for (int frame : {5, 2, 4, 0, 3}) {
        ASSERT_TRUE(movie.DecodeFrame(frame));
        EXPECT_TRUE(RowsShow(frame, 0, 180)) << "frame " << frame;
        EXPECT_TRUE(PaletteIs(frame)) << "frame " << frame;
        EXPECT_TRUE(movie.Surface().PaletteDirty());
    }
}

TEST_F(MovieTest, ShortPayloadKeepsTheRestAndTakesThePaletteRowsAsTheyAre) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    ASSERT_TRUE(movie.DecodeFrame(2));
    ASSERT_TRUE(movie.DecodeFrame(6));
    EXPECT_TRUE(RowsShow(6, 0, 10));
    EXPECT_TRUE(RowsShow(2, 10, 180));
    EXPECT_TRUE(PaletteIs(2));  // frame 2's bytes are still in the palette rows
}

TEST_F(MovieTest, DamagedStreamsCountAsShownAndKeepThePalette) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    ASSERT_TRUE(movie.DecodeFrame(1));
    ASSERT_TRUE(movie.DecodeFrame(7));  // bad Adler-32: the picture arrived, the check failed
    EXPECT_TRUE(RowsShow(7, 0, 180));
    EXPECT_TRUE(PaletteIs(1));

    ASSERT_TRUE(movie.DecodeFrame(3));
    ASSERT_TRUE(movie.DecodeFrame(8));  // longer than the DIB: stops at its last byte
    EXPECT_TRUE(RowsShow(8, 0, 180));
    EXPECT_TRUE(PaletteIs(3));
    const int lastByte = 185 * 240 - 1;
    EXPECT_EQ(static_cast<uint8_t>((lastByte - 180 * 240 - 1024) * 7), movie.Surface().PixelAt(0, 0)[lastByte]);

    ASSERT_TRUE(movie.DecodeFrame(12));  // not zlib at all
    EXPECT_TRUE(PaletteIs(3));
    EXPECT_TRUE(TakeMessages().empty());
}

uint32_t Le32At(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// Every frame leaves the DIB and the palette as zlib inflating with its own check would: its
// output over what the frame before left, and the palette only where zlib accepts the stream.
// Frames 13 to 15 probe where the trailer is read: bytes after it (accepted), a trailer cut short
// (refused), a payload filling the DIB to its last byte (accepted).
TEST_F(MovieTest, EveryFrameEndsAsZlibsOwnCheckWould) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    const Bytes file = ReadBytes(kSmall);
    const size_t dibSize = 185 * 240;
    for (int frame = 0; frame < kSmallFrames; ++frame) {
        const uint32_t offset = Le32At(file, 20 + 8 * frame);
        const uint32_t size = Le32At(file, 24 + 8 * frame);
        if (size == 0 || offset + static_cast<uint64_t>(size) > file.size()) continue;  // refused by the index
        ASSERT_TRUE(movie.DecodeFrame(1));
        const uint8_t* dib = movie.Surface().PixelAt(0, 0);
        Bytes expected(dib, dib + dibSize);
        z_stream stream{};
        ASSERT_EQ(inflateInit(&stream), Z_OK);
        stream.next_in = const_cast<uint8_t*>(file.data() + offset);
        stream.avail_in = size;
        stream.next_out = expected.data();
        stream.avail_out = static_cast<uInt>(dibSize);
        const bool accepted = inflate(&stream, Z_FINISH) == Z_STREAM_END;
        inflateEnd(&stream);
        const Bytes expectedPalette =
            accepted ? Bytes(expected.begin() + 180 * 240, expected.begin() + 180 * 240 + 1024) : Palette(1);
        if (frame >= 13) {
            EXPECT_EQ(accepted, frame != 14) << "the movie file is not what the test expects";
        }

        ASSERT_TRUE(movie.DecodeFrame(frame)) << "frame " << frame;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), movie.Surface().PixelAt(0, 0))) << "frame " << frame;
        EXPECT_EQ(Bytes(movie.Surface().Palette(), movie.Surface().Palette() + 1024), expectedPalette)
            << "frame " << frame;
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MovieTest, FramesOutsideTheIndexOrTheFileAreRefused) {
    ASSERT_TRUE(movie.OpenFiles(nullptr, kMissing, kSmall));
    EXPECT_FALSE(movie.DecodeFrame(-1));
    EXPECT_FALSE(movie.DecodeFrame(kSmallFrames));
    EXPECT_FALSE(movie.DecodeFrame(11));  // size 0
    EXPECT_TRUE(TakeMessages().empty());
    const std::string total = std::to_string(ReadBytes(kSmall).size());
    EXPECT_FALSE(movie.DecodeFrame(9));
    EXPECT_EQ(std::vector<std::string>{"ファイルポインタ変更エラー　" + total}, TakeMessages());
    EXPECT_FALSE(movie.DecodeFrame(10));
    const std::string firstOffset = std::to_string(20 + 8 * kSmallFrames);
    EXPECT_EQ(std::vector<std::string>{"ファイル読み込みエラー\nPos = " + firstOffset + ", ReadSize = " + total +
                                       ", TotalSize = " + total},
              TakeMessages());
    // A refused frame leaves the reader usable.
    ASSERT_TRUE(movie.DecodeFrame(4));
    EXPECT_TRUE(RowsShow(4, 0, 180));
}

Bytes MovieHeader(const char* magic, int32_t count) {
    Bytes out(magic, magic + 4);
    platform::AppendLe32(out, static_cast<uint32_t>(count));
    out.resize(20, 0);
    return out;
}

TEST_F(MovieTest, BadHeadersFailOpen) {
    Bytes oneRecord = MovieHeader("MOZ1", 1);
    platform::AppendLe32(oneRecord, 20);
    platform::AppendLe32(oneRecord, 0x7FFFFFFF);
    struct Case {
        Bytes file;
        bool opens;
        std::string message;
    } cases[] = {
        {MovieHeader("moz1", 1), false, ""},
        {MovieHeader("MOZ1", 0), false, ""},
        {MovieHeader("MOZ1", -5), false, ""},
        {Bytes{'M', 'O', 'Z', '1', 1, 0}, false, "ファイル読み込みエラー\nPos = 4, ReadSize = 4, TotalSize = 6"},
        {Bytes{'M', 'O', 'Z', '1', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false,
         "ファイル読み込みエラー\nPos = 12, ReadSize = 4, TotalSize = 14"},
        {Bytes{'M', 'O'}, false, "ファイル読み込みエラー\nPos = 0, ReadSize = 4, TotalSize = 2"},
        {MovieHeader("MOZ1", 0x7FFFFFFF), false,
         "ファイル読み込みエラー\nPos = 20, ReadSize = 2147483647, TotalSize = 20"},
        {MovieHeader("MOZ1", 2), false, "ファイル読み込みエラー\nPos = 20, ReadSize = 16, TotalSize = 20"},
        {oneRecord, true, ""},
    };
    for (const Case& c : cases) {
        movie.Close();  // Windows keeps an open file from being rewritten
        WriteBytes(scratch, c.file);
        EXPECT_EQ(c.opens, movie.OpenFiles(nullptr, scratch.c_str(), kMissing)) << c.message;
        EXPECT_EQ(c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message}, TakeMessages());
        EXPECT_EQ(c.opens ? 1 : 0, movie.FrameCount());
    }
    // The one record claims more bytes than the file has.
    EXPECT_FALSE(movie.DecodeFrame(0));
    EXPECT_EQ(std::vector<std::string>{"ファイル読み込みエラー\nPos = 20, ReadSize = 2147483647, TotalSize = 28"},
              TakeMessages());
}

TEST_F(MovieTest, SmallMovieIsShownCentred) {
    int width = 0, height = 0, pitch = 0;
    platform::Window window = platform::CreateFramebufferWindow("movie", 640, 480);
    uint8_t* pixels = platform::WindowFramebuffer(window, &width, &height, &pitch);
    if (pixels == nullptr) GTEST_SKIP() << "the host reads a real window back on Windows";
    ASSERT_TRUE(movie.OpenFiles(window, kMissing, kSmall));
    ASSERT_TRUE(movie.DecodeFrame(3));
    ASSERT_TRUE(movie.ShowFrame());
    const Bytes palette = Palette(3);
    auto shown = [&](int x, int y) {
        const uint8_t* p = pixels + y * pitch + x * 3;
        return Bytes(p, p + 3);
    };
    auto colour = [&](int x, int y) {
        const uint8_t* entry = palette.data() + IndexAt(x, y, 3) * 4;
        return Bytes(entry, entry + 3);
    };
    EXPECT_EQ(colour(0, 0), shown(200, 150));
    EXPECT_EQ(colour(239, 179), shown(439, 329));
    EXPECT_EQ(colour(17, 91), shown(217, 241));
    for (auto [x, y] : {std::pair{199, 150}, {200, 149}, {440, 329}, {439, 330}}) {
        EXPECT_EQ(Bytes(3, 0), shown(x, y)) << x << ", " << y;
    }
    EXPECT_FALSE(movie.Surface().PaletteDirty());
    platform::DestroyWindow(window);
}

TEST_F(MovieTest, FullMovieIsShownAtTheCorner) {
    int width = 0, height = 0, pitch = 0;
    platform::Window window = platform::CreateFramebufferWindow("movie", 640, 480);
    uint8_t* pixels = platform::WindowFramebuffer(window, &width, &height, &pitch);
    if (pixels == nullptr) GTEST_SKIP() << "the host reads a real window back on Windows";
    ASSERT_TRUE(movie.OpenFiles(window, kFull, kSmall));
    ASSERT_TRUE(movie.DecodeFrame(0));
    ASSERT_TRUE(movie.ShowFrame());
    const Bytes palette = Palette(0);
    for (auto [x, y] : {std::pair{0, 0}, {639, 479}, {320, 17}}) {
        const uint8_t* entry = palette.data() + IndexAt(x, y, 0) * 4;
        EXPECT_EQ(Bytes(entry, entry + 3), Bytes(pixels + y * pitch + x * 3, pixels + y * pitch + x * 3 + 3));
    }
    platform::DestroyWindow(window);
}

}  // namespace
