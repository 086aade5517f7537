#pragma once

#include <cstdint>

#include "host/kit/time_source.h"
#include "interfaces/host.h"

namespace host {

class HostClock final : public IHostClock {
public:
    explicit HostClock(TimeSource& time) : time_(time) {}
    void Reserved0() override {}
    uint32_t NowMs() override { return time_.NowMs(); }

private:
    TimeSource& time_;
};

}  // namespace host
