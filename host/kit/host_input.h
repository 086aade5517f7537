#pragma once

#include <cstdint>

#include "interfaces/host.h"

namespace host {

// Keys and mouse buttons as the platform sees them now. The demo calls Refresh and Poll only for
// their side effects, which this host does not need; they are counted for tests.
class HostInput final : public IHostInput {
public:
    void Refresh() override { ++refreshes_; }
    void Poll() override { ++polls_; }
    void Reserved2() override {}
    bool IsPressed(int32_t virtualKey) override;

    uint32_t Refreshes() const { return refreshes_; }
    uint32_t Polls() const { return polls_; }

private:
    uint32_t refreshes_ = 0;
    uint32_t polls_ = 0;
};

}  // namespace host
