// Component executable: builds the glyph atlas as start-up does and shows one
// bilingual message box; its exit code is ShowMessageBox's result.
//   message_box_component KIND TEXT_INDEX
#include <windows.h>

#include <cstdlib>

#include "message_box_texts.h"
#include "render/glyph_atlas.h"
#include "setup/message_box.h"
#include "setup/program_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const int kBadArguments = 100, kNoAtlas = 101;
    if (__argc < 3) return kBadArguments;
    int kind = std::atoi(__argv[1]);
    int index = std::atoi(__argv[2]);
    if (index < 0 || index >= static_cast<int>(sizeof kMessageBoxTexts / sizeof kMessageBoxTexts[0]))
        return kBadArguments;
    ProgramInstance = instance;
    if (LoadGlyphAtlas() != kAtlasLoaded) return kNoAtlas;
    int result = ShowMessageBox(kMessageBoxTexts[index].chinese, kMessageBoxTexts[index].english, kind,
                                nullptr);
    DestroyGlyphAtlas();
    return result;
}
