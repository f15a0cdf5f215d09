// The time text: seconds, then minutes, then hours, tenths truncated.
#include <gtest/gtest.h>

#include <cstring>

#include "render/format_time.h"

namespace velinor {
namespace {

TEST(FormatTime, EachFormatAtItsEdges) {
    const struct {
        uint32_t ms;
        const char* text;
    } cases[] = {
        {0, "0\"0"},           {199, "0\"1"},
        {59999, "59\"9"},      {60000, "1'0\"0"},
        {65300, "1'5\"3"},     {3599999, "59'59\"9"},
        {3600000, "1h0'0\"0"}, {4294967295u, "1193h2'47\"2"},
    };
    for (const auto& c : cases) {
        char text[TimeTextSize];
        EXPECT_EQ(FormatTime(text, c.ms), static_cast<int>(std::strlen(c.text))) << c.ms;
        EXPECT_STREQ(text, c.text);
    }
}

}  // namespace
}  // namespace velinor
