#include "host/runner/time_list.h"

#include <algorithm>

namespace host {

bool ParseTimeList(const std::string& text, std::vector<uint32_t>* times) {
    std::vector<uint32_t> parsed;
    size_t start = 0;
    for (;;) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        if (item.empty() || item.size() > 10 || item.find_first_not_of("0123456789") != std::string::npos) return false;
        const uint64_t value = std::stoull(item);
        if (value > UINT32_MAX) return false;
        parsed.push_back(static_cast<uint32_t>(value));
        if (comma == text.size()) break;
        start = comma + 1;
    }
    std::sort(parsed.begin(), parsed.end());
    parsed.erase(std::unique(parsed.begin(), parsed.end()), parsed.end());
    *times = std::move(parsed);
    return true;
}

}  // namespace host
