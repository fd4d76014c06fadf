#include "runtime1/files/logging_utilities.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

#include <unicode/ucal.h>
#include <unicode/udat.h>

#include "platform/settings.h"
#include "platform/stream.h"
#include "platform/text.h"

namespace qm7 {

bool keeping_log = false;

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The log's state. It is never destroyed, so modules that write their
// closing lines while the library unloads still find it.
struct TLogState {
    std::mutex lock;
    std::u16string file_name;
    std::vector<std::u16string> line_buffer; // texts that came during a write
    bool busy = false;
};

TLogState& State() {
    static TLogState* const state = new TLogState;
    return *state;
}

std::filesystem::path PathOf(const std::u16string& name) {
    return std::filesystem::path(platform::Utf16ToUtf8(name));
}

std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        bytes.push_back(char(c & 0xFF));
        bytes.push_back(char(c >> 8));
    }
    return bytes;
}

// Appends the text to the file, creating it with its byte-order mark first.
// An existing file is written from its last whole 2-byte unit on.
void AppendToFile(const std::u16string& file_name, std::u16string_view text) {
    const std::filesystem::path path = PathOf(file_name);
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (exists) {
        platform::TFileStream file(path, platform::fmOpenWrite);
        file.Seek(file.Size() / 2 * 2, platform::soBeginning);
        if (!text.empty())
            file.WriteBuffer(Utf16LeBytes(text));
        return;
    }
    platform::TFileStream file(path, platform::fmCreate);
    file.WriteBuffer(std::string_view("\xFF\xFE", 2));
    if (!text.empty())
        file.WriteBuffer(Utf16LeBytes(text));
}

std::u16string BufferText(const std::vector<std::u16string>& entries) {
    std::u16string text;
    for (const auto& entry : entries) {
        text += entry;
        text += kLineBreak;
    }
    return text;
}

// Writes one entry: the waiting buffer (if any), the label and the text.
void WriteEntry(std::u16string_view text) {
    TLogState& state = State();
    std::u16string composed;
    std::u16string file_name;
    {
        std::lock_guard guard(state.lock);
        if (!keeping_log || state.file_name.empty())
            return;
        if (state.busy) {
            state.line_buffer.emplace_back(text);
            return;
        }
        state.busy = true;
        if (!state.line_buffer.empty()) {
            composed = BufferText(state.line_buffer);
            composed += kLineBreak;
            state.line_buffer.clear();
        }
        file_name = state.file_name;
    }
    composed += LogLabelOf(current_tool_var);
    composed += text;
    try {
        AppendToFile(file_name, composed);
    } catch (...) {
        keeping_log = false;
    }
    std::lock_guard guard(state.lock);
    state.busy = false;
}

std::u16string PatternOf(UDateFormatStyle time_style, UDateFormatStyle date_style,
                         const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UDateFormat, decltype(&udat_close)> format(
        udat_open(time_style, date_style, locale, nullptr, 0, nullptr, 0, &status), &udat_close);
    if (U_FAILURE(status) || !format)
        return {};
    std::u16string pattern(64, u'\0');
    status = U_ZERO_ERROR;
    const int32_t n =
        udat_toPattern(format.get(), false, pattern.data(), int32_t(pattern.size()), &status);
    if (U_FAILURE(status) || n < 0 || n > int32_t(pattern.size()))
        return {};
    pattern.resize(size_t(n));
    return pattern;
}

std::u16string FormatNow(std::u16string pattern, const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UDateFormat, decltype(&udat_close)> format(
        udat_open(UDAT_PATTERN, UDAT_PATTERN, locale, nullptr, 0, pattern.data(),
                  int32_t(pattern.size()), &status),
        &udat_close);
    if (U_FAILURE(status) || !format)
        return {};
    std::u16string text(128, u'\0');
    status = U_ZERO_ERROR;
    const int32_t n = udat_format(format.get(), ucal_getNow(), text.data(), int32_t(text.size()),
                                  nullptr, &status);
    if (U_FAILURE(status) || n < 0 || n > int32_t(text.size()))
        return {};
    text.resize(size_t(n));
    return text;
}

// Years are written in full, as in the platform's short dates.
std::u16string FullYears(std::u16string pattern) {
    if (pattern.find(u"yyy") != std::u16string::npos)
        return pattern;
    const size_t at = pattern.find(u"yy");
    if (at != std::u16string::npos)
        pattern.replace(at, 2, u"yyyy");
    return pattern;
}

// Narrow and ordinary no-break spaces between the time and its AM/PM marker
// become plain blanks.
std::u16string PlainBlanks(std::u16string text) {
    for (char16_t& c : text)
        if (c == 0x202F || c == 0x00A0)
            c = u' ';
    return text;
}

// Puts out what is still waiting in the line buffer when the library unloads.
struct TLogUnloader {
    ~TLogUnloader() {
        TLogState& state = State();
        std::u16string text;
        {
            std::lock_guard guard(state.lock);
            if (state.line_buffer.empty() || state.busy)
                return;
            text = BufferText(state.line_buffer);
            state.line_buffer.clear();
        }
        AddToLogFile(text, true);
    }
} log_unloader;

} // namespace

std::u16string GetLogFilename() {
    std::lock_guard guard(State().lock);
    return State().file_name;
}

void SetLogFilename(const std::u16string& name) {
    std::lock_guard guard(State().lock);
    State().file_name = name;
}

void AddToLogFile(const std::u16string& s, bool with_line_break) {
    if (!keeping_log)
        return;
    if (!with_line_break) {
        WriteEntry(s);
        return;
    }
    std::u16string text = s;
    text += kLineBreak;
    WriteEntry(text);
}

void AddToLogFile(const std::u16string& s) {
    AddToLogFile(s, true);
}

void StartNewLogSection() {
    AddToLogFile(std::u16string(10, u'*'));
    AddToLogFile(u"LOG STARTED at " + LogDateTimeText());
}

void ClearLogFile() {
    try {
        const std::u16string name = GetLogFilename();
        if (name.empty())
            return;
        const std::filesystem::path path = PathOf(name);
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            return;
        if (!std::filesystem::remove(path, ec))
            return;
        StartNewLogSection();
    } catch (...) {
    }
}

std::u16string LogLabelOf(tool_type tool) {
    switch (tool) {
    case tt_word_lister:
        return u"(WL): ";
    case tt_line_finder:
        return u"(LF): ";
    case tt_key_finder:
        return u"(KF): ";
    case tt_chargram_finder:
        return u"(CHF): ";
    case tt_controller:
        return u"(QM7): ";
    case tt_converter:
        return u"(CNV): ";
    case tt_concgram_finder:
        return u"(CGF): ";
    case tt_language_picker:
        return u"(LP): ";
    case tt_text_aligner:
        return u"(TA): ";
    case tt_char_profiler:
        return u"(CP): ";
    case tt_pair_finder:
        return u"(PF): ";
    case tt_file_toolkit:
        return u"(FT): ";
    case tt_api:
        return u"(API): ";
    case tt_text_viewer:
        return u"(TV): ";
    case tt_corpus_verifier:
        return u"(CV): ";
    case tt_word_buffer:
        return u"(WBF): ";
    default:
        return u"(?"
               u"?)"; // two question marks, no colon
    }
}

std::u16string LogDateTimeText() {
    const std::string locale = platform::IcuLocaleOf(platform::UserLCID());
    const char* loc = locale.empty() ? "en_US" : locale.c_str();
    const std::u16string date = FullYears(PatternOf(UDAT_NONE, UDAT_SHORT, loc));
    const std::u16string time = PatternOf(UDAT_MEDIUM, UDAT_NONE, loc);
    return PlainBlanks(FormatNow(date, loc) + u" " + FormatNow(time, loc));
}

} // namespace qm7
