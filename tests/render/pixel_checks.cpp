#include "tests/render/pixel_checks.h"

#include <optional>

#include "platform/resources/resources.h"

namespace velinor::test {
namespace {

COLORREF At(const Bitmap& image, int x, int y) {
    return image.ColourOf(image.Value(x, y));
}

const Bitmap& Resource(int id) {
    static std::optional<Bitmap> tiles = LoadBitmap(144), glyphs = LoadBitmap(137);
    return id == 144 ? *tiles : *glyphs;
}

::testing::AssertionResult Differs(const char* what, int x, int y, COLORREF got, COLORREF want) {
    return ::testing::AssertionFailure() << what << " (" << x << ", " << y << ") is 0x" << std::hex
                                         << got << ", expected 0x" << want;
}

}  // namespace

Bitmap ExpectedCell(const CellLook& look) {
    const Bitmap& tiles = Resource(144);
    const Bitmap& glyphs = Resource(137);
    Bitmap cell = CreateCompatibleBitmap(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            COLORREF c = At(tiles, 20 * look.tile + x, y);
            const bool inner = x >= 1 && x < 19 && y >= 1 && y < 19;
            if (look.inverted && inner) c ^= RGB(64, 64, 64);
            if (look.label != 0 && inner &&
                glyphs.Value(20 * look.label + x - 1, 20 * look.symbolSet + y - 1) == 1)
                c = look.c;
            for (const Rect& stroke : look.strokes)
                if (stroke.Contains({x, y})) c = look.c;
            cell.SetValue(x, y, c);
        }
    return cell;
}

::testing::AssertionResult CellShows(const PaintRig& rig, int x, int y, const Bitmap& expected) {
    const int px = rig.board.originX + 20 * x, py = rig.board.originY + 20 * y;
    for (int j = 0; j < 20; ++j)
        for (int i = 0; i < 20; ++i)
            if (rig.BufferAt(px + i, py + j) != At(expected, i, j))
                return Differs("cell pixel", i, j, rig.BufferAt(px + i, py + j),
                               At(expected, i, j));
    return ::testing::AssertionSuccess();
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
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < band.Width(); ++x)
            if (!skip.Contains({x, y}) && At(window, x, y) != At(band, x, y))
                return Differs("band pixel", x, y, At(window, x, y), At(band, x, y));
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BannerShows(const Bitmap& window, int id, const Rect& to, int fromY,
                                       COLORREF clear, COLORREF set) {
    const std::optional<Bitmap> banner = LoadBitmap(id);
    if (!banner) return ::testing::AssertionFailure() << "no bitmap " << id;
    for (int y = to.top; y < to.bottom; ++y)
        for (int x = to.left; x < to.right; ++x) {
            const COLORREF want = banner->Value(x - to.left, fromY + y - to.top) ? set : clear;
            if (At(window, x, y) != want)
                return Differs("banner pixel", x, y, At(window, x, y), want);
        }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BlackIn(const Bitmap& window, const Rect& area, const Rect& except) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (!except.Contains({x, y}) && At(window, x, y) != Black)
                return Differs("pixel", x, y, At(window, x, y), Black);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameIn(const Bitmap& now, const Bitmap& before, const Rect& area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(now, x, y) != At(before, x, y))
                return Differs("pixel", x, y, At(now, x, y), At(before, x, y));
    return ::testing::AssertionSuccess();
}

}  // namespace velinor::test
