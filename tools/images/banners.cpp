// The 1-bit banners and the title: set pixels form the letters and shapes.
#include <string>

#include "platform/gdi/gdi.h"
#include "tools/images/art.h"
#include "tools/images/images.h"
#include "tools/images/type.h"

namespace velinor::art {
namespace {

// The text at the largest size up to `size` whose ink fits the area, centred in it.
bool FitText(Bitmap& target, const Rect& area, const char* text, Face face, int size,
             std::string* error) {
    for (; size >= 8; --size) {
        Bitmap ink = SetText(text, face, size, 0, error);
        const Rect box = InkBox(ink);
        if (box.Width() <= area.Width() && box.Height() <= area.Height()) {
            PasteCentred(target, area, ink);
            return true;
        }
    }
    *error = std::string("\"") + text + "\" does not fit its banner";
    return false;
}

}  // namespace

Bitmap PerfectBanner(std::string* error) {
    Bitmap banner(65, 26, 1);
    FitText(banner, {0, 0, 65, 13}, "Parfait!", Face::SansBold, 14, error);
    FitText(banner, {0, 13, 65, 26}, "Perfect!", Face::SansBold, 14, error);
    return banner;
}

Bitmap AcceptedBanner(std::string* error) {
    Bitmap banner(156, 36, 1);
    FitText(banner, {0, 0, 156, 18}, "Solution acceptée!", Face::SansBold, 16, error);
    FitText(banner, {0, 19, 156, 36}, "Accepted solution!", Face::SansBold, 16, error);
    return banner;
}

Bitmap PauseBanner(std::string* error) {
    Bitmap banner(91, 15, 1);
    PaintSet(banner, 6, 2,
             {"###..###", "###..###", "###..###", "###..###", "###..###", "###..###", "###..###",
              "###..###", "###..###", "###..###", "###..###"});
    FitText(banner, {19, 1, 72, 14}, "Pause", Face::SansBold, 14, error);
    PaintSet(banner, 77, 2,
             {"#", "##", "###", "####", "#####", "######", "#####", "####", "###", "##", "#"});
    return banner;
}

Bitmap CreditBanner(std::string* error) {
    Bitmap banner(194, 18, 1);
    FitText(banner, {2, 1, 192, 17}, "The Velinor project presents", Face::SansBold, 13, error);
    return banner;
}

Bitmap TitleImage(std::string* error) {
    Bitmap title(73, 13, 1);
    FitText(title, {0, 0, 73, 13}, "Velinor", Face::SansBold, 16, error);
    return title;
}

}  // namespace velinor::art
