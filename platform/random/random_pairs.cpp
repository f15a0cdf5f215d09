#include "platform/random/random_pairs.h"

namespace velinor {

#ifdef VELINOR_RANDOM_AVX2
bool random_avx2::Supported() {
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported;
}
#endif

}  // namespace velinor
