#pragma once

namespace platform {

// The process's command line as Windows hands it over: the program path, quoted when started that
// way, then the arguments. Linux builds the same shape from the program's own path written as
// Wine shows Linux paths ("Z:\folder\program", quoted) followed by the arguments, so that code
// which finds its folder from the command line works unchanged.
const char* ProcessCommandLine();

}  // namespace platform
