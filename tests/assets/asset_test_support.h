#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/byte_writer.h"
#include "platform/message_box.h"

using Bytes = std::vector<uint8_t>;

void WriteBytes(const std::string& name, const Bytes& bytes);
Bytes ReadBytes(const std::string& name);

// A PMS picture: the 40-byte header, then the main stream, then the alpha stream (if any).
Bytes PmsPicture(uint8_t depth, int32_t width, int32_t height, const Bytes& mainStream, const Bytes& alphaStream = {});
// An archive of the pictures in order.
Bytes Archive(const std::vector<Bytes>& pictures);

// The texts of the message boxes shown since the last call, oldest first; clears the record.
// Linux records them; on Windows the real boxes are read and dismissed as they open.
std::vector<std::string> TakeMessages();
