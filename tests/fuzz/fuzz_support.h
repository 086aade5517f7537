#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/message_box.h"
#include "tests/support/heap_surfaces.h"

// Packed planes, so AddressSanitizer catches any write past a plane's last row; surfaces a real
// factory could not make either are refused, so the fuzzer does not exhaust memory.
inline HeapLayerforge& FuzzSurfaceFactory() {
    static HeapLayerforge factory{HeapLayout{}, int64_t{1} << 24};
    return factory;
}

// The readers under test open files by name; each fuzzer process writes its input to its own file.
inline std::string WriteFuzzFile(const char* kind, const uint8_t* data, size_t size) {
    static const std::string name = std::string("/tmp/prelo_") + kind + "_" + std::to_string(::getpid()) + ".bin";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file != nullptr) {
        if (size != 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return name;
}

inline void QuietMessages() {
    platform::SetMessageEcho(false);
    platform::ClearRecordedMessages();
}
