// Licence painting benchmark: the time to draw every line of the Chinese
// licence once with DrawMixedText, as glyphs per second, beside the same
// number of bare 16 x 16 block transfers from the atlas (the floor), measured
// alternately in the same run. Prints medians of several rounds.
//   bench_licence_paint [--rounds=N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/payload_resource.h"
#include "render/glyph_atlas.h"
#include "render/mixed_text.h"
#include "resources/resource_ids.h"

namespace {

const unsigned long kLicenceCapacity = 65536;
const int kSurfaceWidth = 1024, kSurfaceHeight = 23;  // one licence list item
const int kRepeats = 20;  // paints per timed sample, for a measurable span

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

std::vector<std::vector<char>> LicenceLines() {
    std::vector<unsigned char> text(kLicenceCapacity);
    unsigned long length = kLicenceCapacity - 1;
    std::vector<std::vector<char>> lines;
    if (DecompressPayloadResource(IDR_LICENCE_CHINESE, text.data(), &length) != 0) return lines;
    std::vector<char> line;
    for (unsigned long i = 0; i < length; ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') {
            line.push_back('\0');
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(text[i]));
        }
    }
    return lines;
}

int CountGlyphs(const std::vector<std::vector<char>>& lines) {
    int glyphs = 0;
    for (const auto& line : lines)
        for (size_t i = 0; line[i]; ++i)
            if (static_cast<unsigned char>(line[i]) >= 0x80 && line[i + 1]) ++glyphs, ++i;
    return glyphs;
}

double PaintLines(HDC dc, const std::vector<std::vector<char>>& lines) {
    double start = Now();
    for (int r = 0; r < kRepeats; ++r)
        for (const auto& line : lines) DrawMixedText(dc, 2, 2, line.data());
    return (Now() - start) / kRepeats;
}

double BareTransfers(HDC dc, int count) {
    double start = Now();
    for (int r = 0; r < kRepeats; ++r)
        for (int i = 0; i < count; ++i)
            BitBlt(dc, 2 + 16 * (i % 60), 2, 16, 16, GlyphAtlas[i % 2].dc, 16 * (i % 32), 0, SRCAND);
    return (Now() - start) / kRepeats;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 9;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--rounds=", 9) == 0) rounds = std::atoi(argv[i] + 9);
    if (LoadGlyphAtlas() != kAtlasLoaded) return std::printf("no atlas\n"), 1;
    std::vector<std::vector<char>> lines = LicenceLines();
    int glyphs = CountGlyphs(lines);
    if (lines.empty() || glyphs == 0) return std::printf("no licence\n"), 1;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, kSurfaceWidth, kSurfaceHeight);
    HGDIOBJ previous = SelectObject(dc, surface);
    std::vector<double> paint, floor;
    for (int r = 0; r < rounds; ++r) {
        paint.push_back(PaintLines(dc, lines));
        floor.push_back(BareTransfers(dc, glyphs));
    }
    SelectObject(dc, previous);
    DeleteObject(surface);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyGlyphAtlas();

    double p = Median(paint), f = Median(floor);
    std::printf("licence: %zu lines, %d glyphs\n", lines.size(), glyphs);
    std::printf("paint once: median %.3f ms = %.0f glyphs/s (single bytes included)\n", p * 1000, glyphs / p);
    std::printf("floor, %d bare 16x16 BitBlt: median %.3f ms = %.0f blocks/s\n", glyphs, f * 1000, glyphs / f);
    std::printf("ratio paint/floor: %.2f\n", p / f);
    return 0;
}
