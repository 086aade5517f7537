#pragma once

#include <cstdint>

namespace host {

// Where the host's milliseconds come from. The clock service, the loop and the sound position
// all read one source, so a player can drive them from its audio device and a headless run
// from a stepped virtual clock.
class TimeSource {
public:
    virtual uint32_t NowMs() = 0;

protected:
    ~TimeSource() = default;
};

// The platform's real tick count.
class SystemTime final : public TimeSource {
public:
    uint32_t NowMs() override;
};

// The platform's virtual clock, switched on for the lifetime of this object and moved only by
// Advance (and by platform::Sleep). On Linux the demo library shares this clock with the host;
// on Windows it has its own copy, so the demo must read time through the host's services.
class SteppedTime final : public TimeSource {
public:
    explicit SteppedTime(uint32_t startMs = 0);
    ~SteppedTime();
    SteppedTime(const SteppedTime&) = delete;
    SteppedTime& operator=(const SteppedTime&) = delete;

    uint32_t NowMs() override;
    void Advance(uint32_t ms);
};

}  // namespace host
