#include "tests/support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "platform/gdi/png.h"

namespace velinor::test {
namespace {

constexpr COLORREF Differs = RGB(255, 0, 255);

COLORREF ColourAt(const Bitmap& image, int x, int y) {
    return image.ColourOf(image.Value(x, y));
}

// Frames use few colours: kept as an 8-bit indexed PNG when they fit, which keeps the files small.
Bitmap Compact(const Bitmap& image) {
    std::map<COLORREF, uint32_t> index;
    std::vector<COLORREF> palette;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF c = ColourAt(image, x, y);
            if (index.count(c)) continue;
            if (palette.size() == 256) return image;
            index[c] = static_cast<uint32_t>(palette.size());
            palette.push_back(c);
        }
    Bitmap compact(image.Width(), image.Height(), 8, palette);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            compact.SetValue(x, y, index[ColourAt(image, x, y)]);
    return compact;
}

::testing::AssertionResult Save(const Bitmap& image, const std::filesystem::path& path) {
    std::error_code ignored;  // a folder that cannot be made shows as a failed write below
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::string error;
    if (!SavePng(Compact(image), path.string(), &error))
        return ::testing::AssertionFailure() << "cannot write " << path << ": " << error;
    return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& name, const Bitmap& actual) {
    const std::filesystem::path reference =
        std::filesystem::path(VELINOR_GOLDEN_DIR) / (name + ".png");
    const std::filesystem::path failures = VELINOR_GOLDEN_FAILURES;
    if (const char* update = std::getenv("VELINOR_UPDATE_GOLDEN");
        update && update == std::string("1"))
        return Save(actual, reference);

    std::string error;
    const std::optional<Bitmap> expected = LoadPng(reference.string(), &error);
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    if (!expected) {
        result << "no golden frame " << reference << " (" << error << ")";
    } else if (expected->Bounds() != actual.Bounds()) {
        result << "golden frame " << reference << " is " << expected->Width() << " x "
               << expected->Height() << ", the image " << actual.Width() << " x "
               << actual.Height();
    } else {
        // The expected image at a quarter of its brightness, differing pixels in magenta.
        Bitmap diff = CreateCompatibleBitmap(actual.Width(), actual.Height());
        int differing = 0;
        for (int y = 0; y < diff.Height(); ++y)
            for (int x = 0; x < diff.Width(); ++x) {
                const COLORREF e = ColourAt(*expected, x, y);
                const bool same = e == ColourAt(actual, x, y);
                differing += !same;
                diff.SetValue(
                    x, y,
                    same ? RGB(GetRValue(e) / 4, GetGValue(e) / 4, GetBValue(e) / 4) : Differs);
            }
        if (differing == 0) return ::testing::AssertionSuccess();
        const std::filesystem::path diffPath = failures / (name + ".diff.png");
        result << differing << " pixels differ from " << reference;
        if (Save(diff, diffPath)) result << "; difference: " << diffPath;
    }
    const std::filesystem::path actualPath = failures / (name + ".actual.png");
    if (Save(actual, actualPath)) result << "; actual image: " << actualPath;
    return result << "\nIf the change is meant: VELINOR_UPDATE_GOLDEN=1 ./scripts/test.sh";
}

}  // namespace velinor::test
