// Progress requests, text-statistics kinds, concordance spans and the
// conversion of colour values to colour references.
#pragma once

#include <array>
#include <cstdint>

#include "platform/enumset.h"
#include "platform/export.h"
#include "runtime1/core/my_types_mini.h"

namespace qm7 {

enum tprogress_types : uint8_t {
    progress_percent_this,
    progress_percent_overall,
    progress_mensagem_curta,
    progress_mensagem_longa,
    progress_show,
    progress_speed,
    progress_set_total_words,
    progress_memory,
    progress_clear_all,
    progress_clear_bars,
    progress_error,
    progress_fatal_error
};
using tProgress_set = platform::TEnumSet<tprogress_types, uint16_t>;

// The percentage of this item and the overall percentage.
struct tProgressPercentsClass {
    int32_t this_ = 0;
    int32_t overall = 0;
};

struct TScreenPoint {
    int32_t x = 0, y = 0;
};

using TProgressStringType = std::array<char16_t, 201>;

// One progress request from a worker to the tool's progress display.
struct tProgressParams {
    tprogress_types main = progress_percent_this;
    tProgress_set other_requests;
    tProgressPercentsClass percents;
    TScreenPoint Centre;
    int32_t total_words = 0;
    int32_t running_words = 0;
    TProgressStringType mensagem_curta{};
    TProgressStringType mensagem_longa{};
};

enum text_stats_type : uint8_t {
    word_stats,
    sentence_stats,
    paragraph_stats,
    heading_stats,
    section_stats
};

// 102 positions around a concordance's search word: 50 to 1 words to the
// left, the centre, 1 to 51 words to the right.
enum TConcordance_span_type : uint8_t {
    span_L50,
    span_L49,
    span_L48,
    span_L47,
    span_L46,
    span_L45,
    span_L44,
    span_L43,
    span_L42,
    span_L41,
    span_L40,
    span_L39,
    span_L38,
    span_L37,
    span_L36,
    span_L35,
    span_L34,
    span_L33,
    span_L32,
    span_L31,
    span_L30,
    span_L29,
    span_L28,
    span_L27,
    span_L26,
    span_L25,
    span_L24,
    span_L23,
    span_L22,
    span_L21,
    span_L20,
    span_L19,
    span_L18,
    span_L17,
    span_L16,
    span_L15,
    span_L14,
    span_L13,
    span_L12,
    span_L11,
    span_L10,
    span_L09,
    span_L08,
    span_L07,
    span_L06,
    span_L05,
    span_L04,
    span_L03,
    span_L02,
    span_L01,
    span_Centre,
    span_R01,
    span_R02,
    span_R03,
    span_R04,
    span_R05,
    span_R06,
    span_R07,
    span_R08,
    span_R09,
    span_R10,
    span_R11,
    span_R12,
    span_R13,
    span_R14,
    span_R15,
    span_R16,
    span_R17,
    span_R18,
    span_R19,
    span_R20,
    span_R21,
    span_R22,
    span_R23,
    span_R24,
    span_R25,
    span_R26,
    span_R27,
    span_R28,
    span_R29,
    span_R30,
    span_R31,
    span_R32,
    span_R33,
    span_R34,
    span_R35,
    span_R36,
    span_R37,
    span_R38,
    span_R39,
    span_R40,
    span_R41,
    span_R42,
    span_R43,
    span_R44,
    span_R45,
    span_R46,
    span_R47,
    span_R48,
    span_R49,
    span_R50,
    span_R51
};
static_assert(span_Centre == 50 && span_R51 == 101);

enum Tcollocates_stop_at_type : uint8_t {
    coll_stop_none,
    coll_stop_punctuation,
    coll_stop_sentence,
    coll_stop_paragraph,
    coll_stop_heading,
    coll_stop_section,
    coll_stop_text
};

// The window handle of the running tool's main window.
extern QM7_EXPORT TWindowHandle global_own_HWnd;

// For a negative colour, the system colour whose index is its low byte (0 for
// an index that names none); otherwise the colour itself.
QM7_EXPORT TColor MyColourToRGB(TColor colour);

} // namespace qm7
