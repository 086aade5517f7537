#include "tools/assets/container_layout.h"

#include <algorithm>

#include "platform/byte_writer.h"

namespace assetkit {
namespace {

struct Replacement {
    uint64_t start, end;  // the original bytes replaced
    const std::vector<uint8_t>* bytes;
};

// Whether slot i owns its bytes alone: no other entry and not the header overlaps them.
bool OwnsItsBytes(const ContainerEdit& edit, size_t i) {
    const Slot& slot = edit.slots[i];
    const uint64_t start = slot.offset, end = start + slot.size;
    if (slot.size == 0 || start < edit.headerEnd) return false;
    for (size_t j = 0; j < edit.slots.size(); ++j) {
        if (j == i) continue;
        const uint64_t otherStart = edit.slots[j].offset, otherEnd = otherStart + edit.slots[j].size;
        const bool overlaps = otherStart < end && start < otherEnd;
        const bool sameStart = otherStart == start;  // an empty entry there moves with it either way
        if (overlaps || (sameStart && edit.slots[j].size != 0)) return false;
    }
    return true;
}

}  // namespace

bool ReadIndex(platform::ByteReader& index, uint32_t count, size_t fileSize, const IndexRules& rules,
               std::vector<Slot>* slots, std::string* error) {
    if (!index.Has(static_cast<uint64_t>(count) * 8)) {
        *error = "the index of " + std::to_string(count) + " records runs past the end of the file";
        return false;
    }
    slots->clear();
    for (uint32_t i = 0; i < count; ++i) {
        const Slot slot{index.U32(), index.U32()};
        if (slot.offset > rules.limit || slot.size > rules.limit || (slot.size == 0 && !rules.emptyAllowed) ||
            uint64_t{slot.offset} + slot.size > fileSize) {
            *error = std::string(rules.record) + " " + std::to_string(i) + " lies outside the file";
            return false;
        }
        slots->push_back(slot);
    }
    return true;
}

bool RewriteContainer(const ContainerEdit& edit, std::vector<uint8_t>* file, std::vector<Slot>* slots,
                      std::string* error) {
    std::vector<Replacement> inPlace;
    std::vector<size_t> appended;
    for (size_t i = 0; i < edit.slots.size(); ++i) {
        if (!edit.changes[i]) continue;
        if (OwnsItsBytes(edit, i)) {
            inPlace.push_back(
                {edit.slots[i].offset, uint64_t{edit.slots[i].offset} + edit.slots[i].size, &*edit.changes[i]});
        } else {
            appended.push_back(i);
        }
    }
    std::sort(inPlace.begin(), inPlace.end(), [](const auto& a, const auto& b) { return a.start < b.start; });

    // An original position moves by what the replacements wholly before it added or took away.
    auto moved = [&](uint64_t position) {
        int64_t shift = 0;
        for (const Replacement& r : inPlace) {
            if (r.end <= position && r.end > r.start)
                shift += static_cast<int64_t>(r.bytes->size()) - (r.end - r.start);
        }
        return static_cast<uint64_t>(static_cast<int64_t>(position) + shift);
    };

    std::vector<uint8_t> out;
    out.reserve(edit.original.size());
    uint64_t at = 0;
    for (const Replacement& r : inPlace) {
        out.insert(out.end(), edit.original.begin() + at, edit.original.begin() + r.start);
        out.insert(out.end(), r.bytes->begin(), r.bytes->end());
        at = r.end;
    }
    out.insert(out.end(), edit.original.begin() + at, edit.original.end());

    std::vector<uint64_t> offsets(edit.slots.size());
    for (size_t i = 0; i < edit.slots.size(); ++i) offsets[i] = moved(edit.slots[i].offset);
    for (size_t i : appended) {
        offsets[i] = out.size();
        out.insert(out.end(), edit.changes[i]->begin(), edit.changes[i]->end());
    }
    std::vector<Slot> result(edit.slots.size());
    for (size_t i = 0; i < edit.slots.size(); ++i) {
        const uint64_t size = edit.changes[i] ? edit.changes[i]->size() : edit.slots[i].size;
        if (offsets[i] + size > edit.limit || out.size() > edit.limit) {
            *error = "the result would be larger than the format's offsets can address";
            return false;
        }
        result[i] = {static_cast<uint32_t>(offsets[i]), static_cast<uint32_t>(size)};
    }
    *file = std::move(out);
    *slots = std::move(result);
    return true;
}

void WriteIndex(std::vector<uint8_t>& file, size_t indexStart, const std::vector<Slot>& slots) {
    for (size_t i = 0; i < slots.size(); ++i) {
        platform::StoreLe32(file.data() + indexStart + 8 * i, slots[i].offset);
        platform::StoreLe32(file.data() + indexStart + 8 * i + 4, slots[i].size);
    }
}

}  // namespace assetkit
