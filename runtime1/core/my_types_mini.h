// The running tool, typefaces, canvas colour sets and the payloads of the
// window messages the tools send each other.
#pragma once

#include <array>
#include <cstdint>

#include "platform/enumset.h"
#include "platform/export.h"

namespace qm7 {

// The suite's tools, in the order their tables use.
enum tool_type : uint8_t {
    tt_word_lister,
    tt_line_finder,
    tt_key_finder,
    tt_chargram_finder,
    tt_controller,
    tt_any_main,
    tt_converter,
    tt_concgram_finder,
    tt_reserved_8,
    tt_language_picker,
    tt_spare_10,
    tt_text_aligner,
    tt_spare_12,
    tt_char_profiler,
    tt_pair_finder,
    tt_file_toolkit,
    tt_api,
    tt_text_viewer,
    tt_corpus_verifier,
    tt_update_checker,
    tt_word_buffer,
    tt_no_tool,
};
inline constexpr int kToolTypeCount = 22;

// The running tool; tt_no_tool until SetCurrentTool runs.
extern QM7_EXPORT tool_type current_tool_var;

// A colour reference 0x00BBGGRR, or, when negative, a system colour whose
// index is in the low byte.
using TColor = int32_t;

enum TMy_typeface : uint8_t { tf_bold, tf_italics, tf_underline, tf_strikeout };
using Ttypeface_Set = platform::TEnumSet<TMy_typeface, uint8_t>;

enum TMyCanvasColourTypes : uint8_t {
    tct_text,
    tct_selected_text,
    tct_background,
    tct_selected_background
};

struct TMyCanvasColourRec {
    std::array<TColor, 4> colours{}; // indexed by TMyCanvasColourTypes
    bool operator==(const TMyCanvasColourRec&) const = default;
};

struct TMyCanvasColourRecAndTypeface {
    TMyCanvasColourRec colourset;
    Ttypeface_Set default_typeface;
    Ttypeface_Set highlight_typeface;
    bool operator==(const TMyCanvasColourRecAndTypeface&) const = default;
};

struct T2ColoursRec {
    TColor textcolour = 0, textbackground = 0;
};

// Payloads of the window messages between tools.
using TWindowHandle = uintptr_t;

struct Tcode_and_tool {
    uint16_t code = 0;
    tool_type calling_tool = tt_no_tool;
};

struct my_message_type {
    Tcode_and_tool code_and_tool;
    TWindowHandle window_which_sent_it = 0;
};

struct my_extra_message_type {
    Tcode_and_tool code_and_tool;
    int32_t additional = 0;
};

struct TVersionAndDateRec {
    std::array<char16_t, 51> version{};
    std::array<char16_t, 51> date{};
};

QM7_EXPORT TMyCanvasColourRec BogStandardColours();
QM7_EXPORT TMyCanvasColourRec StyleSearchColours();
QM7_EXPORT TMyCanvasColourRecAndTypeface BogStandardColoursAndTypeface();
QM7_EXPORT TMyCanvasColourRecAndTypeface StyleSearchColoursAndTypeface();

} // namespace qm7
