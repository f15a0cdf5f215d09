#include "tests/render/pixel_checks.h"

#include <optional>

#include "platform/resources/resources.h"

namespace velinor::test {
namespace {

const Bitmap& Resource(int id) {
    static std::optional<Bitmap> tiles = LoadBitmap(144), glyphs = LoadBitmap(137);
    return id == 144 ? *tiles : *glyphs;
}

// The first pixel of `area` outside `skip` whose colour is not `want(x, y)`.
::testing::AssertionResult Matches(const Bitmap& image, const Rect& area,
                                   const std::function<COLORREF(int, int)>& want,
                                   const Rect& skip = {}) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (!skip.Contains({x, y}) && At(image, x, y) != want(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is 0x" << std::hex << At(image, x, y)
                       << ", expected 0x" << want(x, y);
    return ::testing::AssertionSuccess();
}

}  // namespace

int CountIn(const Bitmap& image, const Rect& area, const std::function<bool(COLORREF)>& wanted) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += wanted(At(image, x, y)) ? 1 : 0;
    return count;
}

::testing::AssertionResult CellShows(const PaintRig& rig, int x, int y, const CellLook& look) {
    const int px = rig.board.originX + 20 * x, py = rig.board.originY + 20 * y;
    return Matches(rig.offscreen.image, {px, py, px + 20, py + 20}, [&](int i, int j) {
        i -= px;
        j -= py;
        COLORREF c = At(Resource(144), 20 * look.tile + i, j);
        const bool inner = i >= 1 && i < 19 && j >= 1 && j < 19;
        if (look.inverted && inner) c ^= RGB(64, 64, 64);
        if (look.label != 0 && inner &&
            Resource(137).Value(20 * look.label + i - 1, 20 * look.symbolSet + j - 1) == 1)
            c = look.c;
        for (const Rect& stroke : look.strokes)
            if (stroke.Contains({i, j})) c = look.c;
        return c;
    });
}

::testing::AssertionResult BandShows(const Bitmap& window, const std::vector<BandText>& texts,
                                     const Rect& skip) {
    Bitmap band = CreateCompatibleBitmap(window.Width(), 30);
    DC dc(&band);
    dc.SetBkMode(BkMode::Transparent);
    for (const BandText& t : texts) {
        dc.SetTextColor(t.colour);
        DrawText(dc, t.text, t.rect, t.alignment | TextSingleLine);
    }
    return Matches(
        window, band.Bounds(), [&](int x, int y) { return At(band, x, y); }, skip);
}

::testing::AssertionResult BannerShows(const Bitmap& window, int id, const Rect& to, int fromY,
                                       COLORREF clear, COLORREF set) {
    const std::optional<Bitmap> banner = LoadBitmap(id);
    if (!banner) return ::testing::AssertionFailure() << "no bitmap " << id;
    return Matches(window, to, [&](int x, int y) {
        if (x - to.left >= banner->Width()) return Black;
        return banner->Value(x - to.left, fromY + y - to.top) ? set : clear;
    });
}

::testing::AssertionResult SameIn(const Bitmap& now, const Bitmap& before, const Rect& area,
                                  const Rect& except) {
    return Matches(
        now, area, [&](int x, int y) { return At(before, x, y); }, except);
}

}  // namespace velinor::test
