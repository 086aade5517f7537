// One frame of arbitrary bytes inflated into the small movie's DIB. The first input byte picks
// the frame size the index claims, so records that overrun the file are covered too.
#include <vector>

#include "demo/assets/movie_file.h"
#include "fuzz_support.h"
#include "platform/byte_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    QuietMessages();
    const uint32_t claimed = data[0] == 0xFF ? static_cast<uint32_t>(size) + 7 : static_cast<uint32_t>(size) - 1;
    std::vector<uint8_t> file = {'M', 'O', 'Z', '1'};
    platform::AppendLe32(file, 1);
    file.resize(20, 0);
    platform::AppendLe32(file, 28);
    platform::AppendLe32(file, claimed);
    file.insert(file.end(), data + 1, data + size);
    const std::string name = WriteFuzzFile("frame", file.data(), file.size());
    static MovieFile movie;
    if (movie.OpenFiles(nullptr, "/nonexistent/Prelo.moz", name.c_str())) {
        movie.DecodeFrame(0);
        movie.DecodeFrame(0);
    }
    return 0;
}
