// What RegQueryValueEx gives its caller once a back end has found the value: the same for every
// store, so that they all answer a short buffer or a size query alike.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/registry/registry.h"

namespace velinor {

inline RegResult HandOutValue(uint32_t storedType, const uint8_t* bytes, size_t count,
                              uint32_t* type, void* data, uint32_t* size) {
    if (type != nullptr) *type = storedType;
    if (size == nullptr) return ErrorSuccess;
    const auto stored = static_cast<uint32_t>(count);
    RegResult status = ErrorSuccess;
    if (data != nullptr && *size < stored) {
        status = ErrorMoreData;
    } else if (data != nullptr && stored > 0) {
        std::memcpy(data, bytes, stored);
    }
    *size = stored;
    return status;
}

}  // namespace velinor
