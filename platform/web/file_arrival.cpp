#include "../posix/file_arrival.h"

#include <emscripten.h>

// The page fetches the movie while the demo already plays. Its file has its whole size from the
// start and fills in from the front as the bytes come; the page hangs an object on the file's
// node, `arriving`, with `through` (how many bytes from the front are in) and `wait(end)` (a
// promise of true once the first end bytes are in, or of false when they will not come). A read
// of bytes not yet there hands the thread back to the page until they are.
EM_JS(int, file_bytes_to_come, (int fd, uint32_t count), {
    const stream = FS.getStream(fd);
    const arriving = stream && stream.node.arriving;
    return arriving && arriving.through < stream.position + (count >>> 0) ? 1 : 0;
});
EM_ASYNC_JS(int, wait_for_file_bytes, (int fd, uint32_t count), {
    const stream = FS.getStream(fd);
    return (await stream.node.arriving.wait(stream.position + (count >>> 0))) ? 1 : 0;
});

namespace platform::detail {

bool AwaitFileBytes(int fd, uint32_t count) {
    return file_bytes_to_come(fd, count) == 0 || wait_for_file_bytes(fd, count) != 0;
}

}  // namespace platform::detail
