#pragma once

#include <cstdint>

#include "interfaces/graph.h"
#include "pixmill/kernels.h"
#include "pixmill/row_table.h"

namespace pixmill {

// The drawing interface Pixmill serves: copy, constant-alpha blend and per-pixel-alpha blend of
// 24-bit surfaces on the fastest kernels the CPU runs; every other slot accepts its arguments
// and does nothing. Rectangles are not clipped: the caller passes them inside both surfaces.
class PixmillGraph final : public IGraph {
public:
    PixmillGraph() = default;
    ~PixmillGraph() = default;
    PixmillGraph(const PixmillGraph&) = delete;
    PixmillGraph& operator=(const PixmillGraph&) = delete;

    int32_t Identify() override { return 1; }
    int32_t Reserved1() override { return 0; }
    // Rebuilds the blend table and picks the kernels again (so a changed
    // PIXMILL_FORCE_BASELINE takes effect).
    bool Initialize() override;
    void Attach(void*) override {}

    void Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
              int32_t h) override;
    void BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t alpha) override;
    void BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h) override;

    void Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void CopyLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                 int32_t) override {}
    void Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused11(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void ShapeColor(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                    int32_t) override {}
    void ShapeColorLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t) override {}
    void BlendAlphaLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {
    }
    void BlendLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused16(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void WashShape(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                   int32_t, int32_t) override {}
    void BlendOverlay(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused19(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused20(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRect(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused22(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRectLevel(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused24(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused25(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused26(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DimRect(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void TileOffset(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                    int32_t, int32_t) override {}
    void TileOffsetLevel(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t, int32_t) override {}
    void Unused30(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void ZoomRect(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, float, float, float, float,
                  int32_t) override {}
    void Unused32(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}

private:
    RowTable table;
    const KernelSet* kernels = &BaselineKernels();
};

}  // namespace pixmill
