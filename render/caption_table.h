// The bilingual captions of the owner-drawn buttons and labels, keyed by
// control id (the same id means the same caption in every dialog), with each
// control's layout; and the captions of the two option check boxes. Captions
// are MixedText in GBK, Chinese first. Platform-free; relies on the control
// ids of resources/resource_ids.h.
#ifndef LQ_RENDER_CAPTION_TABLE_H
#define LQ_RENDER_CAPTION_TABLE_H

// The WizardState of the licence page, on which Next reads "Agree/Install".
const int kCaptionLicencePage = 2;

struct CaptionLayout {
    int centred;   // 0: text starts at the item's left edge
    int bevelled;  // 1: 3-D bevel, outer edge and, for the default button, frame
};

enum CaptionSource {
    kCaptionFixed,       // text holds the caption
    kCaptionGiven,       // the text its dialog gives it (the message box's Chinese line)
    kCaptionWindowText,  // the control's own window text (a control the table does not know)
    kCaptionNothing,     // the control is not painted at all
};

struct ButtonCaption {
    CaptionSource source;
    const char* text;  // kCaptionFixed only; otherwise null
};

// Layout of an owner-drawn control; unknown ids are centred and bevelled.
CaptionLayout ButtonCaptionLayout(int controlId);

// Caption of an owner-drawn control at the given WizardState.
ButtonCaption ChooseButtonCaption(int controlId, int wizardState);

// Fixed caption of an option check box, or null for a box that shows its own
// window text.
const char* OptionBoxCaption(int controlId);

#endif
