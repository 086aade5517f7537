#include "host/kit/host_services.h"

namespace host {

void* HostServices::QueryService(const Guid* id) {
    if (id == nullptr) return nullptr;
    for (size_t i = 0; i < count_; ++i) {
        if (SameGuid(entries_[i].id, *id)) return entries_[i].service;
    }
    return nullptr;
}

bool HostServices::Offer(const Guid& id, void* service) {
    for (size_t i = 0; i < count_; ++i) {
        if (SameGuid(entries_[i].id, id)) {
            entries_[i].service = service;
            return true;
        }
    }
    if (count_ == kCapacity) return false;
    entries_[count_++] = Entry{id, service};
    return true;
}

void HostServices::Withdraw(const Guid& id) {
    for (size_t i = 0; i < count_; ++i) {
        if (SameGuid(entries_[i].id, id)) {
            entries_[i] = entries_[--count_];
            return;
        }
    }
}

}  // namespace host
