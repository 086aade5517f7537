#pragma once

#include <cstdint>

#include "graph.h"

// An IGraph whose every slot takes its arguments and does nothing: slot 0 gives 1, slot 1 gives 0
// and Initialize succeeds, as a module with nothing to set up answers. A drawing object derives
// from it and overrides only the slots it serves, so the slot order and argument counts stay
// written in one place. No data and no virtual destructor, as for every interface.
class GraphBase : public IGraph {
public:
    int32_t Identify() override { return 1; }
    int32_t Reserved1() override { return 0; }
    bool Initialize() override { return true; }
    void Attach(void*) override {}
    void Copy(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void CopyLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void BlendConst(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                 int32_t) override {}
    void Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void BlendAlpha(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
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

protected:
    ~GraphBase() = default;
};
