#pragma once

#include "demo/base/row_table.h"

class IGraph;
class ILayerforge;

// What binding the host's modules makes process-wide: the whole library draws through one Graph
// and makes its surfaces through one Layerforge, as the process has one host. Binding sets the
// pointers and unbinding clears them; the two tables exist exactly while Graph is bound, and the
// effects that read them draw nothing while they are empty. Tests set each for the code they run.
IGraph*& CurrentGraph();
ILayerforge*& CurrentLayerforge();
RowTable& GraphMultiplyTable();
RowTable& GraphScreenTable();
