#include "platform/random/remainder.h"

namespace velinor {

Remainder::Remainder(uint32_t divisor)
    : reciprocal_(divisor == 0 ? 0 : UINT64_MAX / divisor + 1), divisor_(divisor) {}

}  // namespace velinor
