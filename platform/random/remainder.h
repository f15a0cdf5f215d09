// Exact a % d without a division instruction, for a divisor fixed over many remainders.
#pragma once

#include <cstdint>

namespace velinor {

// Lemire, Kaser and Kurz, "Faster remainder by direct computation" (2019): with the 64-bit
// reciprocal m = ceil(2^64 / d), the top 64 bits of (m * a mod 2^64) * d are exactly a % d for
// every 32-bit a and d > 0 (d = 1 wraps m to 0 and gives 0, as it should).
class Remainder {
  public:
    // Out of line on purpose: where the compiler sees a divisor come from a signed value it
    // widens it with a sign word and spends a multiply on that word in every remainder.
    explicit Remainder(uint32_t divisor);

    uint32_t operator()(uint32_t a) const {
        __extension__ using Wide = unsigned __int128;
        const uint64_t fraction = reciprocal_ * a;
        return static_cast<uint32_t>((static_cast<Wide>(fraction) * divisor_) >> 64);
    }

    uint64_t reciprocal() const { return reciprocal_; }
    uint32_t divisor() const { return static_cast<uint32_t>(divisor_); }

  private:
    uint64_t reciprocal_;
    uint64_t divisor_;
};

}  // namespace velinor
