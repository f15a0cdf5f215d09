// velinor in a browser page: the application on the web back end. "?seed=N" in the page's
// address seeds the random source, so a session can be played again, by velinor-script too.
#include <charconv>
#include <optional>
#include <string>

#include "app/game_app.h"
#include "platform/random/random.h"
#include "platform/web/web.h"

namespace {

// The application object exists before the program's entry point runs, as the platform's did.
velinor::GameApp application;

// A seed written as velinor-script takes it: a whole decimal number.
std::optional<uint64_t> SeedOf(const std::optional<std::string>& text) {
    uint64_t seed = 0;
    if (!text || text->empty()) return std::nullopt;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seed);
    if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
    return seed;
}

}  // namespace

int main() {
    using namespace velinor;
    if (std::optional<uint64_t> seed = SeedOf(PageParameter("seed"))) {
        SeedRandom(*seed);
    } else {
        SeedRandomFromClock();
    }
    WebBackend backend;
    return backend.Run(application);
}
