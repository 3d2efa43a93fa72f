// Where the bilingual message box puts itself and its controls, from the
// measured texts and the system metrics. Platform-free.
#ifndef LQ_SETUP_MESSAGE_BOX_LAYOUT_H
#define LQ_SETUP_MESSAGE_BOX_LAYOUT_H

struct MessageBoxMetrics {
    int kind;                          // MessageBoxKind
    int chineseBytes;                  // length of the Chinese line in bytes
    int chineseWidth, chineseHeight;   // MeasureMixedText of the Chinese line
    int englishWidth, englishHeight;   // extent of the English line (the larger of the DC's
                                       // default font and the box's); 0, 0 when none
    int buttonWidth, buttonHeight;     // client size of the first button
    int dialogFrameWidth;              // SM_CXDLGFRAME
    int captionHeight;                 // SM_CYCAPTION
    int screenWidth, screenHeight;     // SM_CXSCREEN, SM_CYSCREEN
};

struct MessageBoxLayout {
    int firstId, secondId;  // button ids: 6 and 7 for Yes/No, else 1 and 2
    int showsSecond;        // 0 for the OK-only kind
    int contentWidth, contentHeight;
    int boxX, boxY, boxWidth, boxHeight;  // the window, screen coordinates
    int firstX, firstY, secondX, secondY; // buttons, client coordinates
    int chineseY, chineseHeight;          // control 1013 (x and width from the client)
    int englishY, englishHeight;          // control 1028
};

// The box is centred by its content size, not its window size, and the
// buttons are centred on the content width even when the window is wider.
// Every division drops the fraction toward zero.
MessageBoxLayout LayOutMessageBox(const MessageBoxMetrics& m);

#endif
