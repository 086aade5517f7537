#pragma once

#include "demo/base/row_table.h"

// The process-wide 256 x 256 tables exist only while Graph is bound; an effect that finds one
// missing (or of another shape) draws nothing.
inline bool TableReady(const RowTable& table) {
    return table.rows != nullptr && table.rowCount == 256 && table.columns == 256;
}
