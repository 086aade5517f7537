#include "demo/runtime/graph_tables.h"

IGraph* currentGraph = nullptr;
ILayerforge* currentLayerforge = nullptr;
RowTable graphMultiplyTable;
RowTable graphScreenTable;
