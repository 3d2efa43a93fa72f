// What the wizard shows, checked from its pixels: the bilingual captions drawn
// from the atlas bit for bit where the text rule puts them, the bevels, the
// default frame, the focus rectangles and the option boxes; and, on a screen
// of higher DPI, glyphs grown by the whole factor with every caption, list
// row and message line still fitting its place.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver/glyph_check.h"
#include "driver/screenshot.h"
#include "driver/setup_process.h"
#include "render/bevel_geometry.h"
#include "render/caption_table.h"
#include "render/check_box_geometry.h"
#include "resources/resource_ids.h"
#include "wizard/wizard_driver.h"

namespace {

const char kWizardCaption[] = "LectorQuillery Installer";
const int kFolderPageState = 0;
const COLORREF kBlack = RGB(0, 0, 0);

// Where a control lies in its dialog's client area.
PixelRect RectIn(HWND dialog, int id) {
    RECT r;
    HWND control = GetDlgItem(dialog, id);
    GetClientRect(control, &r);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&r), 2);
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

class WizardPixels : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(AtlasImage().empty()) << "no --atlas";
        ASSERT_TRUE(setup_.Start());
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_);
        font_ = CreateDialogFont("MS Sans Serif", 8, 0, 1);
        face_ = GetSysColor(COLOR_BTNFACE);
        scale_ = ScreenGlyphScale();
    }
    void TearDown() override {
        if (font_) DeleteObject(font_);
    }
    // The client area once ready(image) holds (or the last capture when it
    // does not in time), saved as name.png.
    template <typename Ready>
    Image Shot(const char* name, Ready ready) {
        Image image = wizard::CaptureClientWhen(dialog_, ready);
        SavePng(image, WorkFolder() + "\\" + name + ".png");
        return image;
    }
    // Mismatching pixels of a centred caption's glyphs, which come first,
    // at this screen's glyph scale.
    int CaptionGlyphMismatches(const Image& image, int id, int glyphs) {
        const char* caption = ChooseButtonCaption(id, kFolderPageState).text;
        PixelRect r = RectIn(dialog_, id);
        const int size = 16 * scale_;
        TextOrigin at = PlaceCaption(r, 1, 0, MeasureWithFont(font_, caption), size, scale_);
        int mismatches = 0;
        for (int k = 0; k < glyphs; ++k) {
            unsigned code = (static_cast<unsigned char>(caption[2 * k]) << 8) |
                            static_cast<unsigned char>(caption[2 * k + 1]);
            mismatches += GlyphMismatches(image, at.x + size * k, at.y, code, kBlack, face_, scale_);
        }
        return mismatches;
    }
    // Next and Cancel are drawn: their captions come last, after the face
    // and the bevel.
    bool ButtonsDrawn(const Image& image) {
        return CaptionGlyphMismatches(image, IDC_NEXT, 3) == 0 && CaptionGlyphMismatches(image, IDC_CANCEL, 2) == 0;
    }
    SetupProcess setup_;
    HWND dialog_ = nullptr;
    HFONT font_ = nullptr;
    COLORREF face_ = 0;
    int scale_ = 1;
};

TEST_F(WizardPixels, CaptionGlyphsMatchTheAtlasWhereTheTextRulePutsThem) {
    Image image = Shot("wizard-folder-page", [&](const Image& shot) { return ButtonsDrawn(shot); });
    EXPECT_EQ(0, CaptionGlyphMismatches(image, IDC_NEXT, 3));    // 下一步
    EXPECT_EQ(0, CaptionGlyphMismatches(image, IDC_CANCEL, 2));  // 取消
    // One pixel off either way is a mismatch: the check can fail.
    const char* next = ChooseButtonCaption(IDC_NEXT, kFolderPageState).text;
    PixelRect r = RectIn(dialog_, IDC_NEXT);
    TextOrigin at = PlaceCaption(r, 1, 0, MeasureWithFont(font_, next), 16, 1);
    unsigned first = (static_cast<unsigned char>(next[0]) << 8) | static_cast<unsigned char>(next[1]);
    EXPECT_GT(GlyphMismatches(image, at.x + 1, at.y, first, kBlack, face_), 0);
}

TEST_F(WizardPixels, BevelOfANormalButtonAndTheDefaultFrame) {
    Image image = Shot("wizard-bevels", [&](const Image& shot) { return ButtonsDrawn(shot); });
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    PixelRect c = RectIn(dialog_, IDC_CANCEL);
    int midY = (c.top + c.bottom) / 2;
    EXPECT_EQ(face_, image.At(c.left, midY));       // outer left keeps the face
    EXPECT_EQ(light, image.At(c.left + 1, midY));   // ring 1, left
    EXPECT_EQ(light, image.At(c.left + 2, midY));   // ring 2, left
    EXPECT_EQ(dark, image.At(c.right - 1, midY));   // outer right edge
    EXPECT_EQ(dark, image.At(c.right - 2, midY));   // ring 1, right
    EXPECT_EQ(dark, image.At((c.left + c.right) / 2, c.bottom - 1));  // outer bottom
    EXPECT_EQ(face_, image.At((c.left + c.right) / 2, c.top));        // outer top keeps the face

    PixelRect n = RectIn(dialog_, IDC_NEXT);
    midY = (n.top + n.bottom) / 2;
    EXPECT_EQ(kBlack, image.At(n.left, midY));       // the default frame
    EXPECT_EQ(kBlack, image.At(n.right - 1, midY));
    EXPECT_EQ(kBlack, image.At(n.right - 2, midY));  // second black line over ring 1
    EXPECT_EQ(kBlack, image.At((n.left + n.right) / 2, n.top));
    EXPECT_EQ(light, image.At(n.left + 1, midY));
}

// Pixels along the top edge of a button's focus rectangle that are not face.
int FocusPixels(const Image& image, PixelRect item, COLORREF face) {
    PixelRect f = ShrinkForFocus(item);
    int count = 0;
    for (int x = f.left + 1; x < f.right - 1; ++x)
        if (image.At(x, f.top) != face) ++count;
    return count;
}

TEST_F(WizardPixels, FocusRectangleFollowsTheFocus) {
    PixelRect cancel = RectIn(dialog_, IDC_CANCEL), next = RectIn(dialog_, IDC_NEXT);
    int width = ShrinkForFocus(cancel).right - ShrinkForFocus(cancel).left;
    // Each button paints and erases its own frame: wait for both.
    const auto onCancel = [&](const Image& shot) {
        return FocusPixels(shot, cancel, face_) > width / 3 && FocusPixels(shot, next, face_) == 0;
    };
    const auto onNext = [&](const Image& shot) {
        return FocusPixels(shot, cancel, face_) == 0 && FocusPixels(shot, next, face_) > 0;
    };
    FocusControl(dialog_, IDC_CANCEL);
    Image image = Shot("wizard-focus-on-cancel", onCancel);
    EXPECT_GT(FocusPixels(image, cancel, face_), width / 3);  // dotted: every other pixel
    EXPECT_EQ(0, FocusPixels(image, next, face_));
    FocusControl(dialog_, IDC_NEXT);
    image = Shot("wizard-focus-on-next", onNext);
    EXPECT_EQ(0, FocusPixels(image, cancel, face_));
    EXPECT_GT(FocusPixels(image, next, face_), 0);
}

// An option box's layout, and where its client area lies in the dialog.
struct PlacedCheckBox {
    CheckBoxLayout layout;
    POINT origin;
};

PlacedCheckBox PlaceCheckBox(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    RECT client;
    GetClientRect(box, &client);
    PlacedCheckBox placed = {LayOutCheckBox(PixelRect{client.left, client.top, client.right, client.bottom},
                                            static_cast<unsigned long>(GetWindowLongA(box, GWL_STYLE)), 1),
                             {0, 0}};
    MapWindowPoints(box, dialog, &placed.origin, 1);
    return placed;
}

// The option box's mark area as pixels, to compare two states.
std::vector<COLORREF> MarkPixels(const Image& image, HWND dialog, int id) {
    const PlacedCheckBox placed = PlaceCheckBox(dialog, id);
    const PixelRect& mark = placed.layout.mark;
    std::vector<COLORREF> pixels;
    for (int y = mark.top; y < mark.bottom; ++y)
        for (int x = mark.left; x < mark.right; ++x) pixels.push_back(image.At(placed.origin.x + x, placed.origin.y + y));
    return pixels;
}

TEST_F(WizardPixels, OptionBoxesShowFixedCaptionsAndFollowTheirState) {
    for (int id : {IDC_DESKTOP_OPTION, IDC_AUTOSTART_OPTION}) {
        SCOPED_TRACE(id);
        HWND box = GetDlgItem(dialog_, id);
        // The fixed caption's first glyph sits at the label position.
        const PlacedCheckBox placed = PlaceCheckBox(dialog_, id);
        const char* caption = OptionBoxCaption(id);
        unsigned first = (static_cast<unsigned char>(caption[0]) << 8) | static_cast<unsigned char>(caption[1]);
        const auto labelMismatches = [&](const Image& shot) {
            return GlyphMismatches(shot, placed.origin.x + placed.layout.labelX,
                                   placed.origin.y + placed.layout.labelY, first, kBlack, face_);
        };
        Image before = Shot("wizard-options-before", [&](const Image& shot) { return labelMismatches(shot) == 0; });
        LRESULT stateBefore = SendMessageA(box, BM_GETCHECK, 0, 0);
        EXPECT_EQ(0, labelMismatches(before));
        const std::vector<COLORREF> markBefore = MarkPixels(before, dialog_, id);

        ClickButton(dialog_, id);
        Image after = Shot("wizard-options-after",
                           [&](const Image& shot) { return MarkPixels(shot, dialog_, id) != markBefore; });
        EXPECT_NE(stateBefore, SendMessageA(box, BM_GETCHECK, 0, 0));
        EXPECT_NE(markBefore, MarkPixels(after, dialog_, id));
        ClickButton(dialog_, id);
        Image back = Shot("wizard-options-back",
                          [&](const Image& shot) { return MarkPixels(shot, dialog_, id) == markBefore; });
        EXPECT_EQ(markBefore, MarkPixels(back, dialog_, id));
    }
}

// Pixels of the list's client area that differ between two images.
std::vector<POINT> ChangedPixels(const Image& before, const Image& after, const RECT& area) {
    std::vector<POINT> changed;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (before.At(x, y) != after.At(x, y)) changed.push_back(POINT{x, y});
    return changed;
}

// A keyboard user sees which line of the Chinese licence has the focus, and
// the cue follows the arrow keys, line by line.
TEST_F(WizardPixels, TheChineseLicenceShowsWhichLineHasTheFocus) {
    ASSERT_TRUE(wizard::PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    ASSERT_TRUE(wizard::PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    ClickButton(dialog_, IDC_LICENCE_SWITCH);
    ASSERT_TRUE(wizard::WaitUntil([&] { return wizard::IsShown(dialog_, IDC_LICENCE_LIST); }));
    HWND list = GetDlgItem(dialog_, IDC_LICENCE_LIST);
    const RECT area = wizard::RectIn(dialog_, IDC_LICENCE_LIST);
    const LRESULT rowHeight = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    // The lines are drawn once there is ink in the list.
    const Image unfocused = Shot("licence-list-unfocused", [&](const Image& shot) {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (shot.At(x, y) == kBlack) return true;
        return false;
    });
    FocusControl(dialog_, IDC_LICENCE_LIST);
    ASSERT_TRUE(wizard::WaitUntil([&] { return wizard::FocusOf(dialog_) == list; }));
    for (int line = 0; line < 2; ++line) {
        SCOPED_TRACE(line);
        if (line) {
            PressKey(list, VK_DOWN);
            ASSERT_TRUE(wizard::WaitUntil([&] { return SendMessageA(list, LB_GETCARETINDEX, 0, 0) == line; }));
        }
        const LONG top = area.top + line * static_cast<LONG>(rowHeight);
        // The cue, drawn around this line alone.
        const auto cueOnLine = [&](const Image& shot) {
            const std::vector<POINT> changed = ChangedPixels(unfocused, shot, area);
            for (const POINT& p : changed)
                if (p.y < top || p.y >= top + rowHeight) return false;
            return changed.size() > static_cast<size_t>(area.right - area.left);
        };
        const Image focused = Shot(line ? "licence-list-focus-line2" : "licence-list-focus-line1", cueOnLine);
        const std::vector<POINT> changed = ChangedPixels(unfocused, focused, area);
        EXPECT_GT(changed.size(), static_cast<size_t>(area.right - area.left)) << "no focus cue";
        for (const POINT& p : changed) {
            EXPECT_GE(p.y, top);
            EXPECT_LT(p.y, top + rowHeight);
            if (p.y < top || p.y >= top + rowHeight) break;
        }
    }
}

// The text's extent in font, as a static control draws it with word breaks
// within width.
SIZE DrawnExtent(HFONT font, const char* text, int width) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT r = {0, 0, width, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return SIZE{r.right, r.bottom};
}

int FontHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return metrics.tmHeight;
}

// Run by the high-DPI entries, with LogPixels set in the prefix
// (scripts/wine_at_dpi.sh) and --expect-dpi: every caption of every page,
// the licence rows and the longest message fit their places, the glyphs
// grown by the whole factor.
class DISABLED_HighDpi : public WizardPixels {
protected:
    // The caption of every visible owner-drawn control and option box of the
    // page shown fits inside its bevel, or its face.
    void ExpectCaptionsFit(int wizardState) {
        HFONT systemFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        for (HWND child : ChildWindows(dialog_)) {
            if (!IsWindowVisible(child)) continue;
            const int id = GetDlgCtrlID(child);
            SCOPED_TRACE(testing::Message() << "control " << id << " at state " << wizardState);
            const PixelRect r = RectIn(dialog_, id);
            const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
            if (const char* option = OptionBoxCaption(id)) {
                // Drawn in the box's default font, the system font.
                RECT client;
                GetClientRect(child, &client);
                const CheckBoxLayout layout = LayOutCheckBox(
                    PixelRect{0, 0, client.right, client.bottom}, static_cast<unsigned long>(type), scale_);
                EXPECT_LE(layout.labelX + MeasureWithFont(systemFont, option), layout.face.right);
                EXPECT_LE(layout.labelY + 16 * scale_, layout.face.bottom);
                continue;
            }
            const ButtonCaption caption = ChooseButtonCaption(id, wizardState);
            if (ClassOf(child) != "Button" || type != BS_OWNERDRAW || caption.source != kCaptionFixed) continue;
            const int bevel = ButtonCaptionLayout(id).bevelled ? 3 * scale_ : 0;
            EXPECT_LE(MeasureWithFont(font_, caption.text), r.right - r.left - 2 * bevel) << caption.text;
            EXPECT_LE(16 * scale_, r.bottom - r.top - 2 * bevel);
        }
    }
};

TEST_F(DISABLED_HighDpi, GlyphsGrowByTheWholeFactorAndEveryCaptionFits) {
    const int dpi = std::atoi(wizard::ArgumentValue("expect-dpi").c_str());
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(dpi, GetDeviceCaps(screen, LOGPIXELSY)) << "the prefix's DPI was not set";
    ReleaseDC(nullptr, screen);
    const std::string at = "-" + std::to_string(dpi) + "dpi";
    Image image = Shot(("high-dpi-folder-page" + at).c_str(), [&](const Image& shot) { return ButtonsDrawn(shot); });
    // A known cell: at 192 DPI 下 of Next is drawn 32 x 32.
    if (dpi == 192) EXPECT_EQ(2, scale_);
    EXPECT_EQ(0, CaptionGlyphMismatches(image, IDC_NEXT, 3));
    ExpectCaptionsFit(0);

    ASSERT_TRUE(wizard::PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    // Looked at, not checked: the page is there once the wizard answers.
    const auto anyImage = [](const Image&) { return true; };
    Shot(("high-dpi-language-page" + at).c_str(), anyImage);
    ExpectCaptionsFit(1);
    ASSERT_TRUE(wizard::PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    ExpectCaptionsFit(2);
    ClickButton(dialog_, IDC_LICENCE_SWITCH);
    ASSERT_TRUE(wizard::WaitUntil([&] { return wizard::IsShown(dialog_, IDC_LICENCE_LIST); }));
    Shot(("high-dpi-licence-chinese" + at).c_str(), anyImage);
    const LRESULT row = SendMessageA(GetDlgItem(dialog_, IDC_LICENCE_LIST), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(row, 2 * 2 * scale_ + 16 * scale_) << "a row holds its glyphs";
    EXPECT_GE(row, 2 * 2 * scale_ + scale_ + FontHeight(font_)) << "a row holds its Latin line";

    // The longest message: the speech-runtime offer, OK and Cancel.
    SetupProcess box;
    ASSERT_TRUE(box.StartWithArguments(wizard::MessageBoxComponentPath(), "1 1"));
    HWND window = box.WaitForWindow(wizard::kBoxCaption);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(WaitForMessageLoop(window));
    SavePng(CaptureWindow(window), WorkFolder() + "\\high-dpi-message" + at + ".png");
    const char* english = "Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is "
                          "Recommended)";
    const char* chinese = "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)";
    const RECT line = wizard::RectIn(window, IDC_MB_ENGLISH_LINE);
    const SIZE drawn = DrawnExtent(font_, english, line.right - line.left);
    EXPECT_LE(drawn.cx, line.right - line.left);
    EXPECT_LE(drawn.cy, line.bottom - line.top) << "the English line is cut";
    const RECT chineseLine = wizard::RectIn(window, IDC_MB_CHINESE_LINE);
    EXPECT_LE(MeasureWithFont(font_, chinese), chineseLine.right - chineseLine.left);
    EXPECT_LE(16 * scale_, chineseLine.bottom - chineseLine.top);
    for (int id : {IDC_MB_OK, IDC_MB_CANCEL}) {
        const RECT button = wizard::RectIn(window, id);
        EXPECT_LE(MeasureWithFont(font_, ChooseButtonCaption(id, 0).text), button.right - button.left - 6 * scale_);
    }
    PostMessageA(window, WM_COMMAND, IDC_MB_CANCEL, 0);
    EXPECT_EQ(IDC_MB_CANCEL, box.WaitForExit());
}

}  // namespace
