// The movie header and frame index, then the first frames it names.
#include "demo/assets/movie_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuietMessages();
    const std::string name = WriteFuzzFile("movie", data, size);
    static MovieFile movie;
    if (movie.OpenFiles(nullptr, name.c_str(), "/nonexistent/PreloM.moz")) {
        const int32_t count = movie.FrameCount() < 4 ? movie.FrameCount() : 4;
        for (int32_t i = -1; i <= count; ++i) movie.DecodeFrame(i);
    }
    movie.Close();
    return 0;
}
