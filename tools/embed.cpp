// velinor-embed: turns PNGs into C++ arrays for the executable (the program reads no image files).
//
//   velinor-embed OUT.cpp IMAGE.png...   resources named bitmap-ID-what.png or icon-ID-SIZE.png
//   velinor-embed --font OUT.cpp FONT.png  the raster font (metrics in its text chunks)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gdi/png.h"

namespace velinor {
namespace {

struct Named {
    std::string kind;  // EmbeddedKind enumerator
    int id = 0;
    int size = 0;
};

// A whole decimal number, or -1.
int NumberOf(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(text);
}

std::optional<Named> NameOf(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() < 4 || name.substr(name.size() - 4) != ".png") return std::nullopt;
    name.resize(name.size() - 4);
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t dash = name.find('-', start);
        parts.push_back(name.substr(start, dash - start));
        if (dash == std::string::npos) break;
        start = dash + 1;
    }
    if (parts.size() >= 3 && parts[0] == "bitmap" && NumberOf(parts[1]) >= 0)
        return Named{"Bitmap", NumberOf(parts[1]), 0};
    if (parts.size() == 3 && parts[0] == "icon" && NumberOf(parts[1]) >= 0 &&
        NumberOf(parts[2]) > 0)
        return Named{"Icon", NumberOf(parts[1]), NumberOf(parts[2])};
    return std::nullopt;
}

// Arrays named after `tag`; returns the initialiser of the EmbeddedImage record.
std::string WriteArrays(std::ostream& out, const Bitmap& image, const std::string& tag,
                        const Named& name) {
    out << "const COLORREF " << tag << "Palette[] = {";
    for (size_t i = 0; i < image.Palette().size(); ++i)
        out << (i % 8 == 0 ? "\n    " : " ") << "0x" << std::hex << image.Palette()[i] << std::dec
            << "u,";
    out << "\n};\nconst uint8_t " << tag << "Pixels[] = {";
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            out << (count++ % 24 == 0 ? "\n    " : " ") << image.Row(y)[x] << ",";
    out << "\n};\n";
    std::ostringstream record;
    record << "{EmbeddedKind::" << name.kind << ", " << name.id << ", " << name.size << ", "
           << image.Width() << ", " << image.Height() << ", " << image.BitsPerPixel() << ", "
           << image.Palette().size() << ", " << tag << "Palette, " << tag << "Pixels}";
    return record.str();
}

std::optional<Bitmap> Load(const std::string& path, PngTexts* texts) {
    std::string error;
    std::optional<Bitmap> image = LoadPng(path, &error, texts);
    if (!image)
        std::cerr << "velinor-embed: " << error << "\n";
    else if (!image->HasPalette()) {
        std::cerr << "velinor-embed: " << path << ": not an indexed PNG\n";
        return std::nullopt;
    }
    return image;
}

bool EmbedResources(std::ostream& out, const std::vector<std::string>& paths) {
    out << "#include \"platform/resources/resource_table.h\"\n\nnamespace velinor {\nnamespace {\n";
    std::vector<std::string> records;
    for (const std::string& path : paths) {
        std::optional<Named> name = NameOf(path);
        if (!name) {
            std::cerr << "velinor-embed: " << path
                      << ": name it bitmap-ID-what.png or icon-ID-SIZE.png\n";
            return false;
        }
        std::optional<Bitmap> image = Load(path, nullptr);
        if (!image) return false;
        records.push_back(
            WriteArrays(out, *image, "image" + std::to_string(records.size()), *name));
    }
    out << "}  // namespace\n\nconst EmbeddedImage EmbeddedResources[] = {\n";
    for (const std::string& r : records)
        out << "    " << r << ",\n";
    if (records.empty()) out << "    {EmbeddedKind::Bitmap, 0, 0, 0, 0, 1, 0, nullptr, nullptr},\n";
    out << "};\nconst int EmbeddedResourceCount = " << records.size()
        << ";\n\n}  // namespace velinor\n";
    return true;
}

bool EmbedFont(std::ostream& out, const std::string& path) {
    PngTexts texts;
    std::optional<Bitmap> sheet = Load(path, &texts);
    if (!sheet) return false;
    for (const char* key : {"cell-width", "cell-height", "origin-x", "line-height", "advances"})
        if (!texts.count(key)) {
            std::cerr << "velinor-embed: " << path << ": no \"" << key << "\" text chunk\n";
            return false;
        }
    std::istringstream advances(texts["advances"]);
    std::vector<int> values;
    for (int v; advances >> v;)
        values.push_back(v);
    // The drawing layer keeps each glyph row as a 64-bit mask.
    const int cellWidth = std::stoi(texts["cell-width"]);
    if (values.size() != 256 || cellWidth > 64 || sheet->Width() != 16 * cellWidth ||
        sheet->Height() != 16 * std::stoi(texts["cell-height"])) {
        std::cerr << "velinor-embed: " << path << ": sheet and metrics do not agree\n";
        return false;
    }
    out << "#include \"platform/gdi/font.h\"\n\nnamespace velinor {\nnamespace {\n";
    const std::string record = WriteArrays(out, *sheet, "font", Named{"Font", 0, 0});
    out << "const uint8_t fontAdvances[] = {";
    for (size_t i = 0; i < values.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << values[i] << ",";
    out << "\n};\nconst EmbeddedImage fontSheet = " << record << ";\n}  // namespace\n\n"
        << "const FontData& SystemFont() {\n    static const FontData font{&fontSheet, "
        << texts["cell-width"] << ", " << texts["cell-height"] << ", " << texts["origin-x"] << ", "
        << texts["line-height"] << ", fontAdvances};\n    return font;\n}\n\n"
        << "}  // namespace velinor\n";
    return true;
}

}  // namespace
}  // namespace velinor

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool font = !args.empty() && args[0] == "--font";
    if (font) args.erase(args.begin());
    if (args.empty() || (font && args.size() != 2)) {
        std::cerr << "usage: velinor-embed OUT.cpp IMAGE.png... | velinor-embed --font OUT.cpp "
                     "FONT.png\n";
        return 2;
    }
    std::ostringstream code;
    code << "// Made by velinor-embed from the PNGs; do not edit.\n";
    const std::vector<std::string> inputs(args.begin() + 1, args.end());
    if (!(font ? velinor::EmbedFont(code, inputs[0]) : velinor::EmbedResources(code, inputs)))
        return 1;
    std::ofstream out(args[0]);
    out << code.str();
    if (!out) {
        std::cerr << "velinor-embed: " << args[0] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
