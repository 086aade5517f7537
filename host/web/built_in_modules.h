#pragma once

namespace web {

// Names Graph, Layerforge and the demo, with their exports, to the platform's module table, so
// that the host loads them and the demo finds them by name as in the builds with shared
// libraries. Safe to call more than once.
void RegisterBuiltInModules();

}  // namespace web
