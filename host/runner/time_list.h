#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

// "T1,T2,...": times in ms, each a plain decimal within 32 bits, into times sorted and without
// duplicates. False, leaving times as they were, on anything else.
bool ParseTimeList(const std::string& text, std::vector<uint32_t>* times);

}  // namespace host
