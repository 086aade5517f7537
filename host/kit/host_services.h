#pragma once

#include <cstddef>

#include "interfaces/guid.h"
#include "interfaces/host.h"

namespace host {

// Answers QueryService from a small table of (GUID, interface) pairs; unknown GUIDs get null.
class HostServices final : public IHostServices {
public:
    static constexpr size_t kCapacity = 8;

    void* QueryService(const Guid* id) override;
    // False when the table is full. A later entry for the same GUID replaces the earlier one.
    bool Offer(const Guid& id, void* service);
    // Takes a service away again, so that tests can play a host that lacks it.
    void Withdraw(const Guid& id);

private:
    struct Entry {
        Guid id;
        void* service;
    };
    Entry entries_[kCapacity] = {};
    size_t count_ = 0;
};

// What the host hands its drawing module through the demo: here simply the screen surface.
class HostGraphContext final : public IHostGraphContext {
public:
    explicit HostGraphContext(void* context) : context_(context) {}
    void* Context() override { return context_; }

private:
    void* context_;
};

// The service the demo asks for once and never calls; it only has to exist.
class PlaceholderService {
public:
    virtual void Reserved0() {}

protected:
    ~PlaceholderService() = default;
};

class UnusedService final : public PlaceholderService {};

}  // namespace host
