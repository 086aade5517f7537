#pragma once

#include <cstdint>

#include "interfaces/graph_base.h"
#include "pixmill/kernels.h"
#include "pixmill/row_table.h"

namespace pixmill {

// The drawing interface Pixmill serves: copy, constant-alpha blend and per-pixel-alpha blend of
// 24-bit surfaces on the fastest kernels the CPU runs; every other slot is the base's, which
// accepts its arguments and does nothing. Rectangles are not clipped: the caller passes them
// inside both surfaces.
class PixmillGraph final : public GraphBase {
public:
    PixmillGraph() = default;
    ~PixmillGraph() = default;
    PixmillGraph(const PixmillGraph&) = delete;
    PixmillGraph& operator=(const PixmillGraph&) = delete;

    // Rebuilds the blend table and picks the kernels again (so a changed
    // PIXMILL_FORCE_BASELINE takes effect).
    bool Initialize() override;

    void Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
              int32_t h) override;
    void BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t alpha) override;
    void BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h) override;

private:
    RowTable table;
    const KernelSet* kernels = &BaselineKernels();
};

}  // namespace pixmill
