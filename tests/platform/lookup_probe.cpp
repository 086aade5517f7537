#include "interfaces/module_export.h"

MODULE_EXPORT int ProbeAnswer() { return 42; }
