#pragma once

namespace platform {

// Whether the process's standard error is a terminal, where a progress line can redraw itself;
// a log or a pipe gets no progress at all.
bool StandardErrorIsTerminal();

}  // namespace platform
