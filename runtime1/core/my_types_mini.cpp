#include "runtime1/core/my_types_mini.h"

namespace qm7 {

tool_type current_tool_var = tt_no_tool;

TMyCanvasColourRec BogStandardColours() {
    // text, selected text, background, selected background
    return {{0x000000, 0xFFFFFF, 0xFFFFFF, 0x660000}};
}

TMyCanvasColourRec StyleSearchColours() {
    return {{0xFFFFFF, 0x000080, 0x000080, 0xFFFFFF}};
}

TMyCanvasColourRecAndTypeface BogStandardColoursAndTypeface() {
    return {BogStandardColours(), {}, {}};
}

TMyCanvasColourRecAndTypeface StyleSearchColoursAndTypeface() {
    return {StyleSearchColours(), {tf_bold}, {tf_bold}};
}

} // namespace qm7
