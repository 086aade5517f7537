#pragma once

#include <cstddef>
#include <string>

#include "tools/assets/json_text.h"

// What the scenes do with an archive entry, from the demo's table of picture roles: the words
// info prints beside the entry and the members it and the manifest carry.
namespace assetkit {

// "scene 3, 26.066 to 27.754 s: caption strip between the bars", one such part a window on the
// screen joined by "; "; empty for an entry no scene loads.
std::string RolesText(size_t index);

// [{"scene": 3, "from_ms": 26066, "to_ms": 27754, "role": "..."}, ...] in time order, to_ms not
// included; empty for an entry no scene loads.
Json RolesJson(size_t index);

}  // namespace assetkit
