// The rules as the rules dialog shows them.
#pragma once

#include <cstdint>

namespace velinor {

// The title above the rules, the same in both languages.
inline constexpr const char* RulesTitle = "Velinor";

// The rules in English for language 0, in French for any other value.
const char* RulesText(int32_t language);

}  // namespace velinor
