#pragma once

#include "demo/base/row_table.h"

class IGraph;
class ILayerforge;

// Process-wide state of the module bindings. The interface pointers are set by binding and
// cleared by unbinding; the two tables exist exactly while Graph is bound. The effect routines
// read the tables and must draw nothing while they are empty.
extern IGraph* currentGraph;
extern ILayerforge* currentLayerforge;
extern RowTable graphMultiplyTable;
extern RowTable graphScreenTable;
