// make_icon: draws the LectorQuillery program icon (an open book with a quill)
// and writes it as a classic Windows icon group: 32x32 16 colours, 48x48 256
// colours, 16x16 16 colours, each a BITMAPINFOHEADER DIB with XOR and AND mask.
//
// Usage: make_icon <output.ico>
//
// Host tool: plain C++17, no Windows headers, output is byte-for-byte
// deterministic so the generated icon can be kept in the repository.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Picture description, in unit coordinates (0..1, y grows downwards), so the
// same drawing scales to every icon size.

struct Rgb {
    uint8_t r, g, b;
};

struct Pt {
    double x, y;
};

// Colours the drawing uses. Every one of them is also in the 16-colour VGA
// palette so the 4 bpp images can show the picture without dithering.
const Rgb kBlack = {0x00, 0x00, 0x00};
const Rgb kMaroon = {0x80, 0x00, 0x00};
const Rgb kNavy = {0x00, 0x00, 0x80};
const Rgb kBlue = {0x00, 0x00, 0xFF};
const Rgb kRed = {0xFF, 0x00, 0x00};
const Rgb kYellow = {0xFF, 0xFF, 0x00};
const Rgb kSilver = {0xC0, 0xC0, 0xC0};
const Rgb kGrey = {0x80, 0x80, 0x80};
const Rgb kWhite = {0xFF, 0xFF, 0xFF};

bool InPolygon(const Pt *poly, int n, Pt p) {
    bool inside = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const Pt &a = poly[i];
        const Pt &b = poly[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < x) inside = !inside;
        }
    }
    return inside;
}

// Distance from p to the segment a-b.
double SegDist(Pt a, Pt b, Pt p) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    if (t < 0) t = 0;
    if (t > 1) t = 1;
    double qx = a.x + t * dx - p.x, qy = a.y + t * dy - p.y;
    return std::sqrt(qx * qx + qy * qy);
}

// The quill lies along a line from its nib (on the right page) up to the
// top-right corner. Coordinates along (u) and across (v) that line.
const Pt kQuillNib = {0.50, 0.70};
const Pt kQuillTop = {0.97, 0.03};

void QuillFrame(Pt p, double *u, double *v) {
    double dx = kQuillTop.x - kQuillNib.x, dy = kQuillTop.y - kQuillNib.y;
    double l = std::sqrt(dx * dx + dy * dy);
    double ux = dx / l, uy = dy / l;
    double px = p.x - kQuillNib.x, py = p.y - kQuillNib.y;
    *u = (px * ux + py * uy) / l;  // 0 at the nib, 1 at the top
    *v = (px * -uy + py * ux);     // signed distance across, unit coordinates
}

// Half width of the feather vane at position u along the quill (0 outside).
double VaneHalfWidth(double u) {
    const double kVaneStart = 0.26;  // bare shaft below this
    const double kVaneMax = 0.13;
    if (u <= kVaneStart || u >= 1.0) return 0.0;
    double t = (u - kVaneStart) / (1.0 - kVaneStart);
    // Rounded leaf: widest a little above the middle, pointed at the top.
    return kVaneMax * std::sin(3.14159265358979 * std::pow(t, 0.8));
}

// Colour of one sample point; returns false where the icon is transparent.
// Without detail the text lines are left out: at 16 px they only add noise.
bool Sample(Pt p, bool detail, Rgb *out) {
    bool have = false;
    Rgb c = kBlack;

    // Book cover: a dark outline shape behind both pages.
    static const Pt kCover[] = {{0.02, 0.42}, {0.50, 0.51}, {0.98, 0.42},
                                {0.98, 0.88}, {0.50, 0.97}, {0.02, 0.88}};
    static const Pt kCoverInner[] = {{0.05, 0.45}, {0.50, 0.54}, {0.95, 0.45},
                                     {0.95, 0.85}, {0.50, 0.94}, {0.05, 0.85}};
    if (InPolygon(kCover, 6, p)) {
        c = InPolygon(kCoverInner, 6, p) ? kBlue : kNavy;
        have = true;
    }

    // Pages, slightly curved towards the spine by shading near it.
    static const Pt kLeftPage[] = {{0.07, 0.36}, {0.48, 0.45}, {0.48, 0.88}, {0.07, 0.80}};
    static const Pt kRightPage[] = {{0.52, 0.45}, {0.93, 0.36}, {0.93, 0.80}, {0.52, 0.88}};
    // Dark rim around the pages so they stand out on a white desktop.
    static const Pt kLeftRim[] = {{0.045, 0.325}, {0.50, 0.42}, {0.50, 0.90}, {0.045, 0.82}};
    static const Pt kRightRim[] = {{0.50, 0.42}, {0.955, 0.325}, {0.955, 0.82}, {0.50, 0.90}};
    if (InPolygon(kLeftRim, 4, p) || InPolygon(kRightRim, 4, p)) {
        c = kNavy;
        have = true;
    }
    bool left = InPolygon(kLeftPage, 4, p);
    bool right = InPolygon(kRightPage, 4, p);
    if (left || right) {
        double fromSpine = std::fabs(p.x - 0.50);
        c = fromSpine < 0.07 ? kSilver : kWhite;
        // Lines of text, following the slope of the page tops.
        double slope = (0.45 - 0.36) / (0.48 - 0.07);
        double xm = left ? p.x : 1.0 - p.x;  // right page mirrors the left
        double top = 0.36 + slope * (xm - 0.07);
        double rel = p.y - top;
        const double kLinePitch = 0.085;
        const double kLineThick = 0.030;
        if (detail && fromSpine > 0.08 && fromSpine < 0.39 && rel > 0.06 && rel < 0.38) {
            double m = std::fmod(rel - 0.06, kLinePitch);
            if (m < kLineThick) c = kGrey;
        }
        have = true;
    }
    // Page edge outline so the pages stay apart from the cover at 16 px.
    if ((left || right) && p.x > 0.49 && p.x < 0.51) c = kGrey;

    // Quill: dark outline, red vane, maroon shaft, black nib.
    double u, v;
    QuillFrame(p, &u, &v);
    const double kOutline = 0.035;
    double hw = VaneHalfWidth(u);
    if (u > 0.24 && u < 1.02 && std::fabs(v) < hw + kOutline) {
        c = kMaroon;
        have = true;
    }
    if (hw > 0 && std::fabs(v) < hw) {
        c = kRed;
        // A highlight on the upper side of the vane.
        if (v < -hw * 0.45 && u > 0.4 && u < 0.85) c = kYellow;
        have = true;
    }
    double shaft = SegDist(kQuillNib, kQuillTop, p);
    if (u >= 0.0 && u <= 0.98 && shaft < 0.022) {
        c = (u < 0.12) ? kBlack : kMaroon;
        have = true;
    }
    // Nib tip a touch wider so it reads at small sizes.
    if (u >= -0.02 && u < 0.1 && std::fabs(v) < 0.035 * (1.0 - u * 4)) {
        c = kBlack;
        have = true;
    }

    *out = c;
    return have;
}

// ---------------------------------------------------------------------------
// Palettes.

const Rgb kVga16[16] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

// 256 colours: the 16 VGA colours, a 6x6x6 colour cube and a grey ramp.
std::vector<Rgb> Palette256() {
    std::vector<Rgb> pal(kVga16, kVga16 + 16);
    static const uint8_t kCube[6] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) pal.push_back({kCube[r], kCube[g], kCube[b]});
    const int kGreys = 256 - 16 - 216;
    for (int i = 0; i < kGreys; ++i) {
        uint8_t v = static_cast<uint8_t>(8 + i * 10);
        pal.push_back({v, v, v});
    }
    return pal;
}

int Nearest(const std::vector<Rgb> &pal, int r, int g, int b) {
    int best = 0;
    long bestD = -1;
    for (size_t i = 0; i < pal.size(); ++i) {
        long dr = pal[i].r - r, dg = pal[i].g - g, db = pal[i].b - b;
        // Weighted so that greens and reds keep their brightness.
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// ---------------------------------------------------------------------------
// Rasterising one image.

const int kSuper = 4;         // samples per pixel along each axis
const int kDetailSize = 32;   // smallest size that shows the text lines

struct Image {
    int size = 0;
    int bpp = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> index;   // size*size, top-down
    std::vector<uint8_t> opaque;  // size*size, 1 = drawn
};

Image Render(int size, int bpp) {
    Image img;
    img.size = size;
    img.bpp = bpp;
    if (bpp == 4) {
        img.palette.assign(kVga16, kVga16 + 16);
    } else {
        img.palette = Palette256();
    }
    img.index.assign(size * size, 0);
    img.opaque.assign(size * size, 0);

    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int sumR = 0, sumG = 0, sumB = 0;
            int votes[16] = {0};
            for (int sy = 0; sy < kSuper; ++sy) {
                for (int sx = 0; sx < kSuper; ++sx) {
                    Pt p = {(x + (sx + 0.5) / kSuper) / size, (y + (sy + 0.5) / kSuper) / size};
                    Rgb c;
                    if (!Sample(p, size >= kDetailSize, &c)) continue;
                    ++covered;
                    sumR += c.r;
                    sumG += c.g;
                    sumB += c.b;
                    votes[Nearest(img.palette, c.r, c.g, c.b) & 15]++;
                }
            }
            const int total = kSuper * kSuper;
            if (covered * 2 < total) continue;  // mostly background: transparent
            int idx;
            if (bpp == 4) {
                // 16 colours cannot blend, so take the colour most samples hit.
                idx = 0;
                for (int i = 1; i < 16; ++i)
                    if (votes[i] > votes[idx]) idx = i;
            } else {
                idx = Nearest(img.palette, sumR / covered, sumG / covered, sumB / covered);
            }
            img.index[y * size + x] = static_cast<uint8_t>(idx);
            img.opaque[y * size + x] = 1;
        }
    }
    return img;
}

// ---------------------------------------------------------------------------
// Serialising.

void Put16(std::vector<uint8_t> &out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t> &out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int RowBytes(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

// The DIB as stored in an icon: header with doubled height, palette,
// bottom-up XOR bitmap, bottom-up 1 bpp AND mask (1 = transparent).
std::vector<uint8_t> EncodeDib(const Image &img) {
    const int n = img.size;
    const int xorRow = RowBytes(n, img.bpp);
    const int andRow = RowBytes(n, 1);
    const uint32_t imageBytes = static_cast<uint32_t>(xorRow * n + andRow * n);
    const int colours = 1 << img.bpp;

    std::vector<uint8_t> out;
    const uint32_t kHeaderSize = 40;
    Put32(out, kHeaderSize);
    Put32(out, static_cast<uint32_t>(n));
    Put32(out, static_cast<uint32_t>(n * 2));  // XOR + AND stacked
    Put16(out, 1);                             // planes
    Put16(out, static_cast<unsigned>(img.bpp));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 0);  // x pixels per metre
    Put32(out, 0);  // y pixels per metre
    Put32(out, 0);  // colours used: all
    Put32(out, 0);  // important colours: all

    for (int i = 0; i < colours; ++i) {
        Rgb c = i < static_cast<int>(img.palette.size()) ? img.palette[i] : kBlack;
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(xorRow, 0);
        for (int x = 0; x < n; ++x) {
            // Transparent pixels are black in the XOR image so AND+XOR leaves
            // the screen untouched.
            uint8_t v = img.opaque[y * n + x] ? img.index[y * n + x] : 0;
            if (img.bpp == 8) {
                row[x] = v;
            } else {
                int shift = (x & 1) ? 0 : 4;
                row[x / 2] |= static_cast<uint8_t>((v & 0x0F) << shift);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(andRow, 0);
        for (int x = 0; x < n; ++x) {
            if (!img.opaque[y * n + x]) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

struct Variant {
    int size;
    int bpp;
};

// Order matters: the first entry is what some shells pick by default.
const Variant kVariants[] = {{32, 4}, {48, 8}, {16, 4}};
const int kVariantCount = sizeof(kVariants) / sizeof(kVariants[0]);

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.ico>\n", argc > 0 ? argv[0] : "make_icon");
        return 2;
    }

    std::vector<std::vector<uint8_t>> dibs;
    for (int i = 0; i < kVariantCount; ++i) dibs.push_back(EncodeDib(Render(kVariants[i].size, kVariants[i].bpp)));

    const uint32_t kDirHeader = 6;
    const uint32_t kDirEntry = 16;
    std::vector<uint8_t> ico;
    Put16(ico, 0);  // reserved
    Put16(ico, 1);  // type: icon
    Put16(ico, static_cast<unsigned>(kVariantCount));
    uint32_t offset = kDirHeader + kDirEntry * kVariantCount;
    for (int i = 0; i < kVariantCount; ++i) {
        const Variant &v = kVariants[i];
        ico.push_back(static_cast<uint8_t>(v.size));                // width
        ico.push_back(static_cast<uint8_t>(v.size));                // height
        ico.push_back(static_cast<uint8_t>(v.bpp < 8 ? 1 << v.bpp : 0));  // colour count
        ico.push_back(0);                                           // reserved
        Put16(ico, 1);                                              // planes
        Put16(ico, static_cast<unsigned>(v.bpp));                   // bits per pixel
        Put32(ico, static_cast<uint32_t>(dibs[i].size()));
        Put32(ico, offset);
        offset += static_cast<uint32_t>(dibs[i].size());
    }
    for (const auto &d : dibs) ico.insert(ico.end(), d.begin(), d.end());

    FILE *f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    size_t written = std::fwrite(ico.data(), 1, ico.size(), f);
    if (std::fclose(f) != 0 || written != ico.size()) {
        std::fprintf(stderr, "%s: write failed\n", argv[1]);
        return 1;
    }
    return 0;
}
