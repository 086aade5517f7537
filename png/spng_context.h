#pragma once

#include <spng.h>

namespace png::detail {

// Owns one libspng context, decoder or encoder.
class SpngContext {
public:
    explicit SpngContext(int flags) : ctx_(spng_ctx_new(flags)) {}
    ~SpngContext() { spng_ctx_free(ctx_); }
    SpngContext(const SpngContext&) = delete;
    SpngContext& operator=(const SpngContext&) = delete;
    spng_ctx* Get() const { return ctx_; }

private:
    spng_ctx* ctx_;
};

}  // namespace png::detail
