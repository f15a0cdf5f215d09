#include "render/intro.h"

#include <algorithm>
#include <optional>
#include <span>

#include "platform/gdi/gdi.h"
#include "platform/random/random.h"
#include "platform/resources/resources.h"
#include "platform/window/window_system.h"

namespace velinor {
namespace {

constexpr int16_t SetupFrame = 2;
constexpr int16_t LastFrame = 2000;

constexpr int CreditBannerId = 118;
constexpr int SparkleImageId = 119;
constexpr int GroundTextureId = 120;
constexpr int TitleImageId = 134;

// The copies are wider than their images; the columns past an image stay as the buffer was.
constexpr Point CreditPlace{25, 30};
constexpr Size CreditCopy{200, 18};
constexpr Point TitlePlace{90, 200};
constexpr Size TitleCopy{90, 13};

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF CreditColour = RGB(200, 0, 200);
constexpr COLORREF WebAddressColour = RGB(255, 255, 0);
constexpr COLORREF TitleColour = RGB(0, 255, 0);
// Without its texture the band stays a surface in the texture's darkest purple.
constexpr COLORREF BareGroundColour = RGB(34, 8, 52);

constexpr const char* WebAddress = "velinor.example";
constexpr Rect WebAddressRect{0, 240, 240, 270};

// A star's five pixels; each colour component is brightness * k / 128.
struct StarPixel {
    int dx;
    int dy;
    int red;
    int green;
    int blue;
};
constexpr StarPixel StarPixels[] = {
    {-1, 0, 52, 51, 60}, {0, -1, 51, 46, 59}, {0, 0, 76, 74, 84},
    {0, 1, 25, 21, 31},  {1, 0, 29, 28, 37},
};

// A 1-bit image through the buffer's text and background colours, held in the glyph surface
// for the copy; skipped when it does not load.
void CopyBanner(OffscreenBuffer& offscreen, int id, Point place, Size copy) {
    std::optional<Bitmap> banner = LoadBitmap(id);
    if (!banner) return;
    Bitmap* previous = offscreen.glyphSurface.SelectBitmap(&*banner);
    BitBlt(offscreen.buffer, place.x, place.y, copy.width, copy.height, offscreen.glyphSurface, 0,
           0, Rop::SrcCopy);
    offscreen.glyphSurface.SelectBitmap(previous);
}

void MakeStars(IntroScene& scene) {
    for (Star& star : scene.Stars) {
        star.x = AnimRect.left + static_cast<int32_t>(Random() % uint32_t{AnimRect.Width()});
        star.y = AnimRect.top + static_cast<int32_t>(Random() % uint32_t{AnimRect.Height()});
        star.brightness = static_cast<uint16_t>(Random() & 255);
    }
}

// The credit line, the web address and the tables; what they write stays on the screen, as
// later frames repaint only the animation's areas.
void PaintSetupFrame(OffscreenBuffer& offscreen, IntroScene& scene) {
    DC& dc = offscreen.buffer;
    PatBlt(dc, 0, 0, offscreen.width, offscreen.height, Rop::Blackness);
    dc.SetTextColor(CreditColour);
    dc.SetBkColor(Black);
    CopyBanner(offscreen, CreditBannerId, CreditPlace, CreditCopy);
    dc.SetTextColor(WebAddressColour);
    DrawText(dc, WebAddress, WebAddressRect, TextCentre | TextSingleLine);
    MakeStars(scene);
    scene.RingTable = MakeRingTable();
    scene.depthScale = DepthScale();
}

// Due at step 42, drawn once on the next frame whatever its step.
void PaintTitle(OffscreenBuffer& offscreen, GameState& state, uint32_t f) {
    if (f == TitleStep) {
        state.captionPending = 1;
        return;
    }
    if (state.captionPending == 0) return;
    offscreen.buffer.SetTextColor(TitleColour);
    offscreen.buffer.SetBkColor(Black);
    CopyBanner(offscreen, TitleImageId, TitlePlace, TitleCopy);
    state.captionPending = 0;
}

void PaintBand(DC& dc, std::span<const Point> polygon) {
    std::optional<Bitmap> ground = LoadBitmap(GroundTextureId);
    dc.SelectBrush(ground ? CreatePatternBrush(*ground) : CreateSolidBrush(BareGroundColour));
    Polygon(dc, polygon);
    dc.SelectBrush(GetStockBrush(StockBrush::Grey));
}

void PaintAnimationFrame(OffscreenBuffer& offscreen, const IntroScene& scene, GameState& state,
                         uint32_t f) {
    PaintTitle(offscreen, state, f);
    PaintStars(offscreen.buffer, scene);
    PaintRing(offscreen.buffer, scene, RingAt(f));
    PaintSparkle(offscreen.buffer, SparkleHalfSide(f));
}

}  // namespace

void PaintStars(DC& dc, const IntroScene& scene) {
    for (const Star& star : scene.Stars) {
        const int b = star.brightness;
        for (const StarPixel& p : StarPixels)
            SetPixel(dc, star.x + p.dx, star.y + p.dy,
                     RGB((b * p.red) >> 7, (b * p.green) >> 7, (b * p.blue) >> 7));
    }
}

std::span<const Point> ProjectRing(const IntroScene& scene, const RingShape& ring, RingPath& path) {
    std::array<Point, RingPointCount> outer, inner;
    for (int i = 0; i < RingPointCount; ++i) {
        const RingPoint& point = scene.RingTable[i];
        outer[i] = ProjectRingPoint(ScaleRingPoint(point, ring.s), scene.depthScale);
        inner[i] = ProjectRingPoint(ScaleRingPoint(point, ring.s - BandWidth), scene.depthScale);
    }
    if (ring.kind == RingKind::Outline) {
        std::copy(outer.begin(), outer.end(), path.begin());
    } else {
        const int n = ring.pointCount / 2;
        for (int k = 0; k < n; ++k) {
            path[k] = outer[ring.cut + k];
            path[n + k] = inner[RingPointCount - 1 - ring.cut - k];
        }
    }
    return std::span(path.data(), ring.pointCount);
}

void PaintRing(DC& dc, const IntroScene& scene, const RingShape& ring) {
    if (ring.kind == RingKind::None) return;
    RingPath path;
    const std::span<const Point> points = ProjectRing(scene, ring, path);
    const Pen previous = dc.SelectPen(CreatePen(PenStyle::Solid, 1, RingPenColour(ring.s)));
    if (ring.kind == RingKind::Outline)
        Polyline(dc, points);
    else
        PaintBand(dc, points);
    dc.SelectPen(previous);
}

void PaintSparkle(DC& dc, int halfSide) {
    if (halfSide <= 0 || halfSide > MaxSparkleHalfSide) return;
    // Without its image the scene goes on without the sparkle.
    std::optional<Bitmap> sparkle = LoadBitmap(SparkleImageId);
    if (!sparkle) return;
    StretchBlt(dc, IntroCentre.x - halfSide, IntroCentre.y - halfSide, 2 * halfSide, 2 * halfSide,
               *sparkle, 0, 0, sparkle->Width(), sparkle->Height(), Rop::SrcPaint);
}

void CopyToWindow(OffscreenBuffer& offscreen, CWnd& window) {
    CPaintDC paint(&window);
    BitBlt(paint.Context(), 0, 0, offscreen.width, offscreen.height, offscreen.buffer, 0, 0,
           Rop::SrcCopy);
}

void PaintIntroFrame(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context) {
    GameState& state = context.state;
    state.introFrame = static_cast<int16_t>(state.introFrame + 1);
    // Left pending, the paint is asked for again at once: that one sets the scene up.
    if (state.introFrame == 1) return;
    if (state.introFrame < SetupFrame || state.introFrame > LastFrame) {
        // Nothing drawn; the request is answered all the same, so it is not made again at once.
        CPaintDC paint(&context.window);
        return;
    }
    const uint32_t f = (GetTickCount() - state.introStart) / IntroTimerPeriod;
    if (state.introFrame == SetupFrame)
        PaintSetupFrame(offscreen, scene);
    else
        PaintAnimationFrame(offscreen, scene, state, f);
    CopyToWindow(offscreen, context.window);
}

}  // namespace velinor
