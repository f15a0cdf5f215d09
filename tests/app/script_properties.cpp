#include "tests/app/script_properties.h"

#include <algorithm>
#include <sstream>

#include "app/script/script_runner.h"
#include "platform/random/random.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

std::string CheckScriptInput(const uint8_t* data, size_t size) {
    static const RandomState firstState = randomState;
    randomState = firstState;
    const std::string script(reinterpret_cast<const char*>(data), size);
    const auto breaks = std::count(script.begin(), script.end(), '\n');
    const auto lines = breaks + (script.empty() || script.back() == '\n' ? 0 : 1);

    TempStore store = TempStore::InMemory();
    GameApp app;
    std::istringstream in(script);
    std::ostringstream out, err;
    int status = 0;
    {
        ScriptRunner runner(app, in, out, err);
        // Never a file named by the input: the bytes could name any path.
        runner.WriteShotsWith([](const Bitmap&, const std::string& file, std::string* why) {
            if (file.empty()) *why = "no file";
            return !file.empty();
        });
        status = runner.Run();
    }
    if (app.GetMainWnd() != nullptr) return "the main window outlived the script";

    const std::string errors = err.str();
    if (status == 0) return errors.empty() ? "" : "status 0 with errors: " + errors;
    if (status != ScriptFailed) return "status " + std::to_string(status);
    // "line N: reason\n", N one of the script's lines, the reason one line of text.
    const size_t colon = errors.find(": ");
    const std::string number = errors.substr(5, colon == std::string::npos ? 0 : colon - 5);
    const bool counted = !number.empty() && number[0] != '0' &&
                         number.find_first_not_of("0123456789") == std::string::npos &&
                         number.size() < 10;
    if (!errors.starts_with("line ") || !counted || errors.size() < colon + 4 ||
        errors.find('\n') != errors.size() - 1)
        return "errors not one 'line N: reason' line: " + errors;
    if (std::stoll(number) > lines)
        return "error on line " + number + " of " + std::to_string(lines);
    return "";
}

}  // namespace velinor::test
