#include "setup/message_box_layout.h"

#include "render/mixed_text_walk.h"

namespace {

const int kKindOk = 0;
const int kKindYesNo = 4;
const int kOkId = 1, kCancelId = 2, kYesId = 6, kNoId = 7;
// Lines shorter than this get room for a button height on either side.
const int kShortLineBytes = 81;
// Below the Chinese line's control, for a line 16 pixels high; it grows with
// the line.
const int kEnglishGap = 5;

int Max(int a, int b) { return a > b ? a : b; }

}  // namespace

MessageBoxLayout LayOutMessageBox(const MessageBoxMetrics& m) {
    MessageBoxLayout l = {};
    const int W = m.buttonWidth, H = m.buttonHeight;
    const int yesNo = m.kind == kKindYesNo;
    l.firstId = yesNo ? kYesId : kOkId;
    l.secondId = yesNo ? kNoId : kCancelId;
    l.showsSecond = m.kind != kKindOk;

    const int minimumWidth = m.kind == kKindOk ? 2 * W : 3 * W;
    l.contentWidth = Max(m.chineseWidth, m.englishWidth) + 2 * m.dialogFrameWidth;
    if (m.chineseBytes < kShortLineBytes) l.contentWidth += 2 * H;
    l.contentHeight = 3 * (m.chineseHeight + H) + 2 * m.englishHeight;

    l.boxX = (m.screenWidth - l.contentWidth) / 2;
    l.boxY = (m.screenHeight - l.contentHeight) / 2;
    l.boxWidth = Max(l.contentWidth, minimumWidth);
    l.boxHeight = l.contentHeight + m.captionHeight;

    if (m.kind == kKindOk) {
        l.firstX = (l.contentWidth - W) / 2;
        l.firstY = l.contentHeight - 2 * H;
    } else {
        // The pair spans seven thirds of a button with a third between them.
        l.firstX = (l.contentWidth - (7 * W) / 3) / 2;
        l.firstY = l.contentHeight - (3 * H) / 2;
        l.secondX = l.firstX + (4 * W) / 3;
        l.secondY = l.firstY;
    }

    const int cy = m.chineseHeight;
    l.chineseY = (2 * cy) / 3;
    l.chineseHeight = 3 * cy;
    l.englishY = 3 * cy + (2 * cy) / 3 + (kEnglishGap * cy) / kMixedTextHeight;
    l.englishHeight = 2 * m.englishHeight;
    return l;
}
