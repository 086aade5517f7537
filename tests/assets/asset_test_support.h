#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"

using Bytes = std::vector<uint8_t>;

// Message boxes are recorded on Linux; on Windows they block, so tests that provoke one run on
// Linux only.
#if defined(_WIN32)
inline constexpr bool kMessagesBlock = true;
#else
inline constexpr bool kMessagesBlock = false;
#endif
#define SKIP_WHERE_MESSAGES_BLOCK() \
    if (kMessagesBlock) GTEST_SKIP() << "message boxes block on Windows"

void PutLe32(Bytes& out, uint32_t value);
void WriteBytes(const std::string& name, const Bytes& bytes);
Bytes ReadBytes(const std::string& name);

// A PMS picture: the 40-byte header, then the main stream, then the alpha stream (if any).
Bytes PmsPicture(uint8_t depth, int32_t width, int32_t height, const Bytes& mainStream, const Bytes& alphaStream = {});
// An archive of the pictures in order.
Bytes Archive(const std::vector<Bytes>& pictures);

// The texts of the message boxes shown since the last call, oldest first; clears the record.
std::vector<std::string> TakeMessages();
