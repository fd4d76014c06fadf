#include "scan_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "platform/chartype.h"
#include "platform/codepage.h"
#include "platform/text.h"

namespace qm7::scan_test {

namespace {

uint16_t MarkerCode(char16_t letter) {
    switch (letter) {
    case u's':
        return marker_sentence_start;
    case u'S':
        return marker_sentence_end;
    case u'p':
        return marker_paragraph_start;
    case u'P':
        return marker_paragraph_end;
    case u'h':
        return marker_heading_start;
    case u'H':
        return marker_heading_end;
    case u'c':
        return marker_section_start;
    case u'C':
        return marker_section_end;
    default:
        throw std::invalid_argument("unknown marker letter in a scan description");
    }
}

struct TOverlay {
    bool markup = false;
    uint16_t marker = 0;
};

uint16_t Overlaid(uint16_t entry, const TOverlay& o) {
    if (o.marker != 0)
        return uint16_t(cw_marker | o.marker | (o.markup ? cw_markup : 0));
    return o.markup ? uint16_t(entry | cw_markup) : entry;
}

// A copy for an 8-bit buffer: each character holds one code-page byte.
std::u16string AnsiCopy(std::u16string_view copy) {
    const std::string bytes = platform::UnicodeToAnsi(copy, kFixtureCodePage);
    std::u16string out;
    for (const char b : bytes)
        out += char16_t(uint8_t(b));
    return out;
}

} // namespace

const char* FormName(TForm form) {
    return form == TForm::utf16 ? "UTF-16" : "8-bit";
}

TScanText::TScanText(std::u16string_view description) {
    std::u16string text;
    std::vector<TOverlay> overlays;
    bool in_markup = false;
    uint16_t pending_marker = 0;
    for (size_t i = 0; i < description.size(); ++i) {
        const char16_t c = description[i];
        if (c == u'«') {
            in_markup = true;
        } else if (c == u'»') {
            in_markup = false;
        } else if (c == u'¦' && i + 1 < description.size()) {
            pending_marker = MarkerCode(description[++i]);
        } else {
            text += c;
            overlays.push_back({in_markup, pending_marker});
            pending_marker = 0;
        }
    }
    const std::string bytes = platform::UnicodeToAnsi(text, kFixtureCodePage);
    if (bytes.size() != text.size())
        throw std::invalid_argument("scan description not one byte per character in 1252");

    size_ = int64_t(text.size());
    const size_t n = text.size();
    text_ = std::make_unique<char16_t[]>(n + 1);
    bytes_ = std::make_unique<uint8_t[]>(n + 1);
    classes_ = std::make_unique<uint16_t[]>(n + 2);
    classes8_ = std::make_unique<uint16_t[]>(n + 2);
    std::copy(text.begin(), text.end(), text_.get());
    std::transform(bytes.begin(), bytes.end(), bytes_.get(), [](char b) { return uint8_t(b); });
    platform::StringType1W(text_.get(), n, classes_.get());
    platform::StringType1A(bytes.data(), n, kFixtureCodePage, classes8_.get());
    for (size_t i = 0; i < n; ++i) {
        classes_[i] = Overlaid(classes_[i], overlays[i]);
        classes8_[i] = Overlaid(classes8_[i], overlays[i]);
    }
}

const void* TScanText::Buffer(TForm form) const {
    return form == TForm::utf16 ? static_cast<const void*>(text_.get())
                                : static_cast<const void*>(bytes_.get());
}

uint16_t* TScanText::Classes(TForm form) {
    return form == TForm::utf16 ? classes_.get() : classes8_.get();
}

const uint16_t* TScanText::Classes(TForm form) const {
    return form == TForm::utf16 ? classes_.get() : classes8_.get();
}

void TScanText::HandleMiddles(std::u16string_view allowables, bool allow_at_right,
                              bool allow_at_left) {
    for (const TForm form : kBothForms)
        HandleMiddleChars(Buffer(form), Classes(form), allowables, int64_t(allowables.size()),
                          size_, form == TForm::utf16, allow_at_right, allow_at_left,
                          kFixtureCodePage);
}

void TScanText::HandleNumberMiddles(bool spaces_in_numbers) {
    for (const TForm form : kBothForms)
        HandleMiddleCharsInNumbers(form == TForm::utf16, spaces_in_numbers, Buffer(form),
                                   Classes(form), size_);
}

TIgnore_tag_type AngleTags() {
    TIgnore_tag_type tags{};
    tags[0][0] = u'<';
    tags[1][0] = u'>';
    return tags;
}

TSearch_word_format_rec ParsedWord(std::u16string entry, const TIgnore_tag_type& tags) {
    TSearch_word_format_rec rec;
    Parsed_SearchWord(tags, entry, rec);
    return rec;
}

TScanRun ScanAll(const TScanText& text, const TSearch_word_format_rec& word, TForm form,
                 const TScanOptions& options) {
    std::array<std::u16string, 4> copies = word.copies;
    if (form == TForm::ansi)
        for (auto& copy : copies)
            copy = AnsiCopy(copy);
    const bool case_sensitive = word.flags.Contains(myCaseIsSensitive);
    if (case_sensitive)
        copies[1] = copies[2] = copies[3] = copies[0];
    const int32_t L = int32_t(word.search_text.size());

    const bool unicode = form == TForm::utf16;
    const size_t width = unicode ? 2 : 1;
    const auto* base = static_cast<const uint8_t*>(text.Buffer(form));
    const uint16_t* classes = text.Classes(form);
    const uint16_t* end_bound =
        classes + (options.end_bound >= 0 ? options.end_bound : text.Size());

    TScanRun run;
    int64_t pos = 0;
    while (pos < text.Size()) {
        int32_t length = -1, exact = -1;
        const void* hit = NewFindWantedInBuffer(
            base + pos * int64_t(width), text.Size() - pos, classes + pos, classes, end_bound,
            copies[1], copies[2], copies[3], L, case_sensitive, word.flags.Contains(myLeftBounded),
            word.flags.Contains(myRightBounded), unicode, options.skip_punctuation, length, exact,
            run.stats, run.in_heading, options.sentence_end_markers, options.paragraph_end_markers,
            options.heading_end_markers, options.section_end_markers);
        if (!hit)
            break;
        const int64_t start = (static_cast<const uint8_t*>(hit) - base) / int64_t(width);
        run.hits.push_back({start, length, exact, run.stats});
        pos = start + 1;
    }
    return run;
}

std::string Utf8(std::u16string_view s) {
    return platform::Utf16ToUtf8(s);
}

std::vector<std::string> Describe(const TScanText& text, const std::vector<TScanHit>& hits) {
    std::vector<std::string> out;
    const std::u16string_view t = text.Text();
    for (const TScanHit& h : hits) {
        std::string d =
            std::to_string(h.start) + ":" + Utf8(t.substr(size_t(h.start), size_t(h.exact)));
        if (h.length > h.exact)
            d += "+" + Utf8(t.substr(size_t(h.start + h.exact), size_t(h.length - h.exact)));
        out.push_back(d);
    }
    return out;
}

} // namespace qm7::scan_test
