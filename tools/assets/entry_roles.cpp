#include "tools/assets/entry_roles.h"

#include <cinttypes>
#include <cstdio>
#include <limits>

#include "demo/scenes/picture_roles.h"

namespace assetkit {
namespace {

std::span<const PictureRole> RowsOf(size_t index) {
    if (index > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return {};
    return PictureRolesOf(static_cast<int32_t>(index));
}

std::string Seconds(uint32_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIu32 ".%03" PRIu32, ms / 1000, ms % 1000);
    return text;
}

}  // namespace

std::string RolesText(size_t index) {
    std::string text;
    for (const PictureRole& row : RowsOf(index)) {
        if (!text.empty()) text += "; ";
        text += "scene " + std::to_string(row.scene);
        if (row.Shown()) text += ", " + Seconds(row.shownFromMs) + " to " + Seconds(row.shownToMs) + " s";
        text += std::string(": ") + row.role;
    }
    return text;
}

Json RolesJson(size_t index) {
    Json rows = Json::array();
    for (const PictureRole& row : RowsOf(index)) {
        rows.push_back(
            {{"scene", row.scene}, {"from_ms", row.shownFromMs}, {"to_ms", row.shownToMs}, {"role", row.role}});
    }
    return rows;
}

}  // namespace assetkit
