#include "demo/base/bound_modules.h"

namespace {

IGraph* graph = nullptr;
ILayerforge* layerforge = nullptr;
RowTable multiplyTable;
RowTable screenTable;

}  // namespace

IGraph*& CurrentGraph() { return graph; }
ILayerforge*& CurrentLayerforge() { return layerforge; }
RowTable& GraphMultiplyTable() { return multiplyTable; }
RowTable& GraphScreenTable() { return screenTable; }
