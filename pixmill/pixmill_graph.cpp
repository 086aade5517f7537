#include "pixmill/pixmill_graph.h"

namespace pixmill {

namespace {

// Resolves the two surfaces' top-left corners; false when a surface or its memory is missing or
// the rectangle is empty, in which case nothing is drawn.
bool ResolveRect(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                 PixelJob& job) {
    if (dst == nullptr || src == nullptr || w < 1 || h < 1) return false;
    job.dst = dst->PixelAt(dx, dy);
    job.src = src->PixelAt(sx, sy);
    if (job.dst == nullptr || job.src == nullptr) return false;
    job.dstPitch = dst->Pitch();
    job.srcPitch = src->Pitch();
    job.width = w;
    job.height = h;
    return true;
}

}  // namespace

bool PixmillGraph::Initialize() {
    kernels = &ChooseKernels();
    return table.BuildBlendTable();
}

void PixmillGraph::Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                        int32_t h) {
    PixelJob job;
    if (ResolveRect(dst, dx, dy, src, sx, sy, w, h, job)) kernels->copy(job);
}

void PixmillGraph::BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                              int32_t h, int32_t alpha) {
    // Without a table (no successful Initialize yet) the lead and tail pixels have no rule.
    if (!table.IsBuilt()) return;
    PixelJob job;
    if (ResolveRect(dst, dx, dy, src, sx, sy, w, h, job))
        kernels->blendConst(table.Rows(), job, static_cast<uint32_t>(alpha) & 255u);
}

void PixmillGraph::BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                              int32_t h) {
    if (!table.IsBuilt()) return;
    PixelJob job;
    if (!ResolveRect(dst, dx, dy, src, sx, sy, w, h, job)) return;
    job.alpha = src->AlphaAt(sx, sy);
    if (job.alpha == nullptr) return;
    job.alphaPitch = src->AlphaPitch();
    kernels->blendAlpha(table.Rows(), job);
}

}  // namespace pixmill
