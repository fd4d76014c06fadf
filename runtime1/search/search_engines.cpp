#include "runtime1/search/search_engines.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/chartype.h"
#include "platform/codepage.h"
#include "platform/format.h"
#include "platform/text.h"
#include "runtime1/core/GeneralRuntime1Const.h"
#include "runtime1/core/myKpSmall.h"
#include "runtime1/files/logging_utilities.h"
#include "runtime1/scanning/WinGenOk.h"

namespace qm7 {

bool Global_in_heading = false;
int64_t Global_LowestJumpTo = 0;

namespace {

constexpr int kLogPreviewChars = 50;

// Allowables looked for in one pass; more are handled one after another.
constexpr size_t kMaxFoundAllowables = 8;

// The indices of each allowable in text, ascending, in one pass.
std::vector<std::vector<int64_t>> FoundAllowables(const char16_t* text, int64_t n,
                                                  std::u16string_view allowables) {
    std::vector<std::vector<int64_t>> found(allowables.size());
    int64_t i = 0;
#ifdef __SSE2__
    __m128i units[kMaxFoundAllowables];
    for (size_t a = 0; a < allowables.size(); ++a)
        units[a] = _mm_set1_epi16(int16_t(allowables[a]));
    for (; i + 8 <= n; i += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        __m128i any = _mm_setzero_si128();
        for (size_t a = 0; a < allowables.size(); ++a)
            any = _mm_or_si128(any, _mm_cmpeq_epi16(eight, units[a]));
        if (_mm_movemask_epi8(any) == 0)
            continue;
        // Two bits a lane, one lane a character.
        for (size_t a = 0; a < allowables.size(); ++a) {
            unsigned lanes = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(eight, units[a])));
            while (lanes != 0) {
                const int bit = __builtin_ctz(lanes);
                found[a].push_back(i + bit / 2);
                lanes &= ~(3u << bit);
            }
        }
    }
#endif
    for (; i < n; ++i)
        for (size_t a = 0; a < allowables.size(); ++a)
            if (text[i] == allowables[a])
                found[a].push_back(i);
    return found;
}

// The window [from, to) of the class array that the middle character at
// index at is judged in: out to the first entry on each side that is not
// markup.
void WindowOfMiddle(const uint16_t* classes, int64_t n, int64_t at, int64_t& from, int64_t& to) {
    from = at;
    while (from > 0 && IsMarkupEntry(classes[from - 1]))
        --from;
    from = std::max<int64_t>(from - 1, 0);
    to = at + 1;
    while (to < n && IsMarkupEntry(classes[to]))
        ++to;
    to = std::min(to + 1, n);
}

std::u16string BoolText(bool b) {
    return b ? u"True" : u"False";
}

// Upper-case hexadecimal, at least six digits.
std::u16string Hex6(uint64_t v) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    do {
        out.insert(out.begin(), kDigits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    if (out.size() < 6)
        out.insert(0, 6 - out.size(), u'0');
    return out;
}

// The spare bytes of a search item remember the code page its copies were
// converted for and whether that page could hold them.
constexpr uint8_t kConvertedOk = 1;
constexpr uint8_t kConvertedFailed = 2;

void NoteConversion(TSearch_word_format_rec& item, uint32_t code_page, bool ok) {
    item.spareb[0] = uint8_t(code_page & 0xFF);
    item.spareb[1] = uint8_t((code_page >> 8) & 0xFF);
    item.spareb[2] = ok ? kConvertedOk : kConvertedFailed;
    item.copies_converted = true;
}

uint32_t ConvertedCodePage(const TSearch_word_format_rec& item) {
    return uint32_t(item.spareb[0]) | (uint32_t(item.spareb[1]) << 8);
}

// One 8-bit byte per character of the copy; false when the code page cannot
// hold a character or needs more than one byte for one.
bool ToCodePageBytes(std::u16string& copy, uint32_t code_page) {
    bool all_mapped = true;
    const std::string bytes = platform::UnicodeToAnsi(copy, code_page, all_mapped);
    if (!all_mapped || bytes.size() != copy.size())
        return false;
    for (size_t i = 0; i < bytes.size(); ++i)
        copy[i] = char16_t(uint8_t(bytes[i]));
    return true;
}

} // namespace

// ---- engine ------------------------------------------------------------------

TSearchAndDoEngine::TSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode,
                                       uint32_t AnLCID, uint16_t* ABufferDetails)
    : fBufferDetails(ABufferDetails), fPreAssigned(ABufferDetails != nullptr),
      fSearchWordsInUnicode(ASearchWordsInUnicode), fBufferInUnicode(ABufferInUnicode),
      fLCID(AnLCID) {
    Codepage = LCIDToCodePage(AnLCID);
}

TSearchAndDoEngine::~TSearchAndDoEngine() = default;

void TSearchAndDoEngine::ReleaseOwnClassArray() {
    if (!own_details_)
        return;
    if (fBufferDetailsStart == own_details_.get())
        fBufferDetailsStart = nullptr;
    own_details_.reset();
    fBufferDetails = nullptr;
    fBufferDetailsEnd = nullptr;
    start_set_by_tool_ = false;
}

void TSearchAndDoEngine::MakeOwnClassArray(const void* buffer, int64_t count) {
    own_details_ = std::make_unique<uint16_t[]>(size_t(count) + 2);
    std::fill_n(own_details_.get(), size_t(count) + 2, uint16_t(0));
    if (count > 0) {
        if (fBufferInUnicode)
            platform::StringType1W(static_cast<const char16_t*>(buffer), size_t(count),
                                   own_details_.get());
        else
            platform::StringType1A(static_cast<const char*>(buffer), size_t(count), Codepage,
                                   own_details_.get());
    }
    fBufferDetails = own_details_.get();
    fBufferDetailsStart = fBufferDetails;
    fBufferDetailsEnd = fBufferDetails + count;
    fPreAssigned = false;
    start_set_by_tool_ = false;
}

void TSearchAndDoEngine::SetABuffer(const void* buffer) {
    fBuffer = buffer;
    ReleaseOwnClassArray();
    if (!buffer) {
        fBuffer_Characters = 0;
        return;
    }
    if (fBufferInUnicode)
        fBuffer_Characters =
            int64_t(std::char_traits<char16_t>::length(static_cast<const char16_t*>(buffer)));
    else
        fBuffer_Characters = int64_t(std::strlen(static_cast<const char*>(buffer)));
    if (fPreAssigned && fBufferDetails)
        return;
    MakeOwnClassArray(buffer, fBuffer_Characters);
}

void TSearchAndDoEngine::PrepareFirst(const void* ABuffer, int64_t AComplete_file_Size,
                                      uint64_t ABufferStartPosInFile,
                                      TSearchFoundEvent ASearchFoundEvent,
                                      TWordCountEvent AWordCountEvent) {
    FileBytePos = ABufferStartPosInFile;
    fSearchFoundEvent = std::move(ASearchFoundEvent);
    fWordCountEvent = std::move(AWordCountEvent);
    SetABuffer(ABuffer);
    fComplete_file_size = AComplete_file_Size;
    fReady = bool(fSearchFoundEvent);
}

void TSearchAndDoEngine::PrepareForConcordancing(
    std::u16string_view AFilename, const void* AStartOfText, uint16_t* ABufferDetails,
    const uint16_t* ABufferDetailsEnd, int64_t AComplete_file_Size, int64_t ABuffer_Characters,
    uint64_t ABufferStartPosInFile, bool ASkipPunctuation, TSearchFoundEvent ASearchFoundEvent,
    TWordCountEvent AWordCountEvent) {
    fFilename = std::u16string(AFilename);
    fComplete_file_size = AComplete_file_Size;
    fSkipAnyTags = true;
    fSkipPunctuation = ASkipPunctuation;
    FileBytePos = ABufferStartPosInFile;
    fSearchFoundEvent = std::move(ASearchFoundEvent);
    fWordCountEvent = std::move(AWordCountEvent);
    const uint16_t* tool_start = start_set_by_tool_ ? fBufferDetailsStart : nullptr;
    ReleaseOwnClassArray();
    fBuffer = AStartOfText;
    fBuffer_Characters = AStartOfText ? std::max<int64_t>(ABuffer_Characters, 0) : 0;
    if (ABufferDetails) {
        fBufferDetails = ABufferDetails;
        fBufferDetailsEnd =
            ABufferDetailsEnd ? ABufferDetailsEnd : ABufferDetails + fBuffer_Characters;
        fPreAssigned = true;
        // A start the tool set for this array (at or before its first entry,
        // for a window into a longer array) stays; anything else is stale.
        if (tool_start && tool_start <= ABufferDetails) {
            fBufferDetailsStart = tool_start;
            start_set_by_tool_ = true;
        } else {
            fBufferDetailsStart = ABufferDetails;
        }
    } else if (AStartOfText) {
        MakeOwnClassArray(AStartOfText, fBuffer_Characters);
    } else {
        fBufferDetails = nullptr;
        fBufferDetailsStart = fBufferDetailsEnd = nullptr;
        fPreAssigned = false;
    }
    fReady = bool(fSearchFoundEvent);
}

void TSearchAndDoEngine::SetBufferDetails(uint16_t* value) {
    if (value == fBufferDetails)
        return;
    ReleaseOwnClassArray();
    fBufferDetails = value;
    fPreAssigned = value != nullptr;
    if (value && (!fBufferDetailsStart || fBufferDetailsStart > value))
        fBufferDetailsStart = value;
    if (value)
        fBufferDetailsEnd = value + fBuffer_Characters;
}

void TSearchAndDoEngine::SetBufferDetailsStart(const uint16_t* value) {
    fBufferDetailsStart = value;
    start_set_by_tool_ = value != nullptr;
}

void TSearchAndDoEngine::SetSearchFoundEvent(TSearchFoundEvent value) {
    fSearchFoundEvent = std::move(value);
    fReady = bool(fSearchFoundEvent);
}

void TSearchAndDoEngine::HandleAllowables(std::u16string_view wide_allowables,
                                          bool allow_middles_at_right, bool allow_middles_at_left) {
    MyYieldProcess();
    if (!fBuffer || !fBufferDetails)
        return;
    if (!fBufferInUnicode || wide_allowables.size() > kMaxFoundAllowables) {
        HandleMiddleChars(fBuffer, fBufferDetails, wide_allowables, int64_t(wide_allowables.size()),
                          fBuffer_Characters, fBufferInUnicode, allow_middles_at_right,
                          allow_middles_at_left, Codepage);
        return;
    }
    // In a long text the middle characters are few: they are found in one
    // pass, and each is handled in a window holding the neighbours it is
    // judged by (across markup), in text order for each allowable in turn,
    // so that each sees those before it already handled.
    const auto* text = static_cast<const char16_t*>(fBuffer);
    const int64_t n = fBuffer_Characters;
    const std::vector<std::vector<int64_t>> found = FoundAllowables(text, n, wide_allowables);
    for (size_t a = 0; a < found.size(); ++a) {
        const std::u16string_view unit = wide_allowables.substr(a, 1);
        const std::vector<int64_t>& at = found[a];
        size_t k = 0;
        while (k < at.size()) {
            int64_t from = 0, to = 0;
            WindowOfMiddle(fBufferDetails, n, at[k], from, to);
            for (++k; k < at.size(); ++k) {
                int64_t next_from = 0, next_to = 0;
                WindowOfMiddle(fBufferDetails, n, at[k], next_from, next_to);
                if (next_from >= to)
                    break;
                to = std::max(to, next_to);
            }
            HandleMiddleChars(text + from, fBufferDetails + from, unit, 1, to - from, true,
                              allow_middles_at_right, allow_middles_at_left, Codepage);
        }
    }
}

void TSearchAndDoEngine::SetArrayOfTagsFound(const TTagsFoundArray& anArrayOfTagsFound) {
    Arr_OfTextMarkersFound = anArrayOfTagsFound;
}

void TSearchAndDoEngine::SetLCID(uint32_t lcid) {
    if (lcid == fLCID)
        return;
    fLCID = lcid;
    Codepage = LCIDToCodePage(lcid);
}

void TSearchAndDoEngine::Cancel() {
    fCancelled = true;
    MyYieldProcess();
}

int64_t TSearchAndDoEngine::FirstScanIndex() const {
    if (Global_LowestJumpTo <= 0)
        return 0;
    const int64_t index = Global_LowestJumpTo / UnitBytes();
    return std::min(index, fBuffer_Characters);
}

bool TSearchAndDoEngine::CopiesReadyForBuffer(TSearch_word_format_rec& item) const {
    if (fBufferInUnicode)
        return true;
    if (item.copies_converted && ConvertedCodePage(item) == (Codepage & 0xFFFF))
        return item.spareb[2] == kConvertedOk;
    // Converted for another code page (or never): start again from the work
    // string.
    if (item.copies_converted)
        MakeCaseCopies(item);
    bool ok = true;
    for (auto& copy : item.copies)
        ok = ToCodePageBytes(copy, Codepage) && ok;
    NoteConversion(item, Codepage, ok);
    return ok;
}

std::u16string TSearchAndDoEngine::TextAt(int64_t index, int64_t max_chars) const {
    const int64_t n = std::clamp<int64_t>(fBuffer_Characters - index, 0, max_chars);
    std::u16string out;
    out.reserve(size_t(n));
    for (int64_t i = 0; i < n; ++i) {
        char16_t c = fBufferInUnicode
                         ? static_cast<const char16_t*>(fBuffer)[index + i]
                         : char16_t(uint8_t(static_cast<const char*>(fBuffer)[index + i]));
        if (!fBufferInUnicode && c >= 0x80)
            c = platform::AnsiToUnicode(std::string(1, char(c)), Codepage).front();
        out += c;
    }
    return out;
}

void TSearchAndDoEngine::LogSeeking(const TSearch_word_format_rec& item, int64_t start) const {
    std::u16string line = u"seeking ";
    for (int k = 1; k <= 3; ++k)
        line += u"\"" + item.copies[size_t(k)] + u"\"\n";
    line += u"and file begins \"" + TextAt(start, kLogPreviewChars) + u"...\"";
    AddToLogFile(line);
}

void TSearchAndDoEngine::LogHit(const TSearchFound_Rec& rec, int64_t done,
                                int64_t remaining) const {
    std::u16string preview = TextAt(rec.hit_pos_in_wchar_kinds, kLogPreviewChars);
    for (auto& c : preview) {
        if (c == sw_code_markup_off)
            c = u'>';
        else if (c == sw_code_markup_on)
            c = u'<';
        else if (c < 0x20)
            c = u' ';
    }
    const uint64_t byte_in_file =
        FileBytePos + uint64_t(rec.hit_pos_in_wchar_kinds) * uint64_t(UnitBytes());
    std::u16string line =
        u"(" + platform::Format(u"%d", {int64_t(fHits_found)}) + u") \"" + preview +
        u"\" at chunk " + Hex6(FileBytePos) + u"+" + Hex6(uint64_t(rec.hit_pos_in_wchar_kinds)) +
        u"= byte " + Hex6(byte_in_file) + u"\tdone: " + Hex6(uint64_t(done)) + u"\tto go: " +
        Hex6(uint64_t(remaining)) + u"\t" +
        platform::Format(u"%.15g", {double(rec.percent_of_file)}) + u"% words = " +
        platform::Format(u"%d", {int64_t(rec.count_stats.number[0])});
    AddToLogFile(line);
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec* item, int32_t item_num) {
    current_search_number = item_num;
    return SearchAndDo(item);
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec* item) {
    if (!fReady || !fBuffer || !fBufferDetails || !item || item->search_text.empty()) {
        if (keeping_log)
            AddToLogFile(u"item = nil: " + BoolText(item == nullptr) + u" and buffer = nil: " +
                         BoolText(fBuffer == nullptr) + u" ");
        return false;
    }
    fCancelled = false;
    fChega = false;
    const int32_t limit =
        item->n_to_find < 1 ? std::numeric_limits<int32_t>::max() : item->n_to_find;
    const int32_t L = int32_t(
        std::min<size_t>(item->search_text.size(), size_t(std::numeric_limits<int32_t>::max())));
    try {
        if (CopiesReadyForBuffer(*item)) {
            if (item->flags.Contains(myCaseIsSensitive))
                item->copies[1] = item->copies[2] = item->copies[3] = item->copies[0];
            RunScan(*item, L, limit);
        }
        if (fWordCountEvent)
            fWordCountEvent(this, ThisFileChunk_Stats);
    } catch (const std::exception&) {
        throw ESearchError("problem searching " + platform::Utf16ToUtf8(fFilename) + " for \"" +
                           platform::Utf16ToUtf8(item->typed_in_text) + "\"");
    }
    return true;
}

int32_t TSearchAndDoEngine::RunScan(TSearch_word_format_rec& item, int32_t L, int32_t limit) {
    const auto* bytes = static_cast<const uint8_t*>(fBuffer);
    const int64_t unit = UnitBytes();
    int64_t pos = FirstScanIndex();
    fLowestJumpToChanged = false;
    if (keeping_log && !IsAdditionalEngine)
        LogSeeking(item, pos);
    const bool case_sensitive = item.flags.Contains(myCaseIsSensitive);
    const bool left_bounded = item.flags.Contains(myLeftBounded);
    const bool right_bounded = item.flags.Contains(myRightBounded);
    const std::array<bool, 4> end_markers = {
        Arr_OfTextMarkersFound[1] > 0, Arr_OfTextMarkersFound[3] > 0, Arr_OfTextMarkersFound[5] > 0,
        Arr_OfTextMarkersFound[7] > 0};
    int32_t own_hits = 0;
    do {
        MyYieldProcess();
        const int64_t done = pos;
        const int64_t remaining = fBuffer_Characters - done;
        if (remaining < 1)
            break;
        int32_t hit_length = 0;
        int32_t exact_length = 0;
        const void* hit = NewFindWantedInBuffer(
            bytes + pos * unit, remaining, fBufferDetails + pos,
            fBufferDetailsStart ? fBufferDetailsStart : fBufferDetails, fBufferDetailsEnd,
            item.copies[1], item.copies[2], item.copies[3], L, case_sensitive, left_bounded,
            right_bounded, fBufferInUnicode, fSkipPunctuation, hit_length, exact_length,
            ThisFileChunk_Stats, Global_in_heading, end_markers[0], end_markers[1], end_markers[2],
            end_markers[3]);
        if (!hit)
            break;
        const int64_t hit_index = (static_cast<const uint8_t*>(hit) - bytes) / unit;
        TSearchFound_Rec rec;
        rec.start_of_text = fBuffer;
        rec.start_of_memory = fBuffer;
        rec.where_hit_started = hit;
        const double byte_pos = double(hit_index * unit) + double(FileBytePos);
        rec.percent_of_file =
            fComplete_file_size > 0 ? float(byte_pos * 100.0 / double(fComplete_file_size)) : 0.0f;
        rec.hit_pos_in_wchar_kinds = int32_t(hit_index);
        rec.hit_pos_in_characters = int32_t(hit_index);
        rec.FileBytePos = uint32_t(FileBytePos);
        rec.exact_hit_len = exact_length;
        rec.hit_characters = hit_length;
        rec.search_number = current_search_number;
        rec.count_stats = ThisFileChunk_Stats;
        if (!Global_in_heading) {
            rec.count_stats.number[3] = -1;
            rec.count_stats.position[3] = -1;
        }
        ++fHits_found;
        ++own_hits;
        if (keeping_log && !IsAdditionalEngine)
            LogHit(rec, done, remaining);
        if (!fSearchFoundEvent(this, rec))
            --own_hits;
        if (fLowestJumpToChanged) {
            pos = FirstScanIndex();
            fLowestJumpToChanged = false;
        } else {
            pos = hit_index + 1;
        }
    } while (own_hits < limit && !fChega && !fCancelled);
    return own_hits;
}

TAdditionalSearchAndDoEngine::TAdditionalSearchAndDoEngine(bool ABufferInUnicode,
                                                           bool ASearchWordsInUnicode,
                                                           uint32_t AnLCID,
                                                           uint16_t* ABufferDetails)
    : TSearchAndDoEngine(ABufferInUnicode, ASearchWordsInUnicode, AnLCID, ABufferDetails) {
    IsAdditionalEngine = true;
}

// ---- quick search --------------------------------------------------------------

namespace {

bool StartsTitleWord(char16_t previous) {
    return previous < 48 || (previous >= 58 && previous <= 64) ||
           (previous >= 91 && previous <= 96);
}

} // namespace

void TWLSearchAndDo::SetSearchWord(std::u16string_view aSearchWord, TMySearchFlags AFlags) {
    flags = AFlags;
    if (AFlags.Contains(myCaseIsSensitive)) {
        search_text = lo_copy = title_copy = std::u16string(aSearchWord);
        return;
    }
    search_text = platform::UpperCase(aSearchWord, fLCID);
    lo_copy = platform::LowerCase(aSearchWord, fLCID);
    title_copy = lo_copy;
    for (size_t i = 0; i < title_copy.size(); ++i)
        if (i == 0 || StartsTitleWord(title_copy[i - 1])) {
            const char32_t up = platform::UpperChar(title_copy[i], fLCID);
            if (up <= 0xFFFF)
                title_copy[i] = char16_t(up);
        }
}

bool TWLSearchAndDo::QuickSearchFoundIgnoringTags() {
    int64_t L = int64_t(search_text.size());
    if (L > 0 && search_text.back() == sw_code_star)
        --L;
    if (!fBuffer || L < 1 || fBuffer_Characters < L)
        return false;
    std::u16string upper = search_text, lower = lo_copy, title = title_copy;
    if (!fBufferInUnicode &&
        !(ToCodePageBytes(upper, Codepage) && ToCodePageBytes(lower, Codepage) &&
          ToCodePageBytes(title, Codepage)))
        return false;
    const int64_t count = fBuffer_Characters;
    fBufferPWChar = std::make_unique<uint16_t[]>(size_t(count) + 2);
    std::fill_n(fBufferPWChar.get(), size_t(count) + 2, uint16_t(0));
    if (fBufferInUnicode)
        platform::StringType1W(static_cast<const char16_t*>(fBuffer), size_t(count),
                               fBufferPWChar.get());
    else
        platform::StringType1A(static_cast<const char*>(fBuffer), size_t(count), Codepage,
                               fBufferPWChar.get());
    TSearchStatsRec scratch{};
    int32_t hit_length = 0, exact_length = 0;
    const void* hit = NewFindWantedInBuffer(
        fBuffer, count, fBufferPWChar.get(), fBufferPWChar.get(), fBufferPWChar.get() + count,
        upper, lower, title, int32_t(L), flags.Contains(myCaseIsSensitive),
        flags.Contains(myLeftBounded), flags.Contains(myRightBounded), fBufferInUnicode,
        fSkipPunctuation, hit_length, exact_length, scratch, Global_in_heading,
        Arr_OfTextMarkersFound[1] > 0, Arr_OfTextMarkersFound[3] > 0, Arr_OfTextMarkersFound[5] > 0,
        Arr_OfTextMarkersFound[7] > 0);
    fBufferPWChar.reset();
    return hit != nullptr;
}

// ---- found list ----------------------------------------------------------------

TSearchFoundList::TSearchFoundList() {
    OwnObjects<TSearchFoundHolder>();
}

int64_t TSearchFoundList::KeyOf(const TSearchFound_Rec& r) {
    return static_cast<const uint8_t*>(r.where_hit_started) -
           static_cast<const uint8_t*>(r.start_of_memory);
}

void TSearchFoundList::SetBase(void* P, int32_t /*sortvar*/) {
    if (P)
        base_int = KeyOf(static_cast<const TSearchFoundHolder*>(P)->data());
}

int32_t TSearchFoundList::Compare(const void* item) const {
    const int64_t key = KeyOf(static_cast<const TSearchFoundHolder*>(item)->data());
    if (key == base_int)
        return 0;
    return base_int < key ? -1 : 1;
}

std::u16string CleanToTagOnOff(std::u16string_view text) {
    std::u16string out(text);
    size_t next_close = std::u16string_view::npos;
    // Walk backwards, remembering the nearest ">" at or after each position.
    for (size_t i = text.size(); i-- > 0;) {
        if (text[i] == u'>')
            next_close = i;
        else if (text[i] == u'<' && next_close != std::u16string_view::npos) {
            out[i] = sw_code_markup_on;
            out[next_close] = sw_code_markup_off;
        }
    }
    return out;
}

// ---- search items --------------------------------------------------------------

namespace {

std::u16string ReducedSpaces(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (!(c == u' ' && !out.empty() && out.back() == u' '))
            out += c;
    return out;
}

// A decimal integer, or -1 when the field is not one (or is negative).
int32_t CountField(std::u16string_view field) {
    const std::string s = platform::Utf16ToUtf8(platform::Trim(field));
    int32_t v = -1;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        return -1;
    return v;
}

std::u16string ItemString(const TSearch_word_format_rec& r) {
    return r.typed_in_text + u"\t" + platform::Utf8ToUtf16(std::to_string(r.hits_found)) + u"\t" +
           platform::Utf8ToUtf16(std::to_string(r.Langnum));
}

} // namespace

TBaseSearchItems::TBaseSearchItems()
    : fPlainSWS(std::make_unique<TSimpleSearchlist>(DefaultSimpleSearchSettings())) {}

TBaseSearchItems::TBaseSearchItems(const TIgnore_tag_type& Aignore_tags, uint32_t AnLCID,
                                   bool aSplit_SWs_at_slashes)
    : TBaseSearchItems() {
    ignore_tags = Aignore_tags;
    fLCID = AnLCID;
    fSplitting_at_slashes = aSplit_SWs_at_slashes;
}

TBaseSearchItems::~TBaseSearchItems() = default;

TSWHolder* TBaseSearchItems::Checked(int i) const {
    return fSearchWordList.Holder(i); // Items() throws EListError outside
}

TIndexArray TBaseSearchItems::BaseAdded(std::u16string_view text) {
    std::u16string entry = ReducedSpaces(text);
    const auto parts = SplitSWList(entry, fSplitting_at_slashes);
    TIndexArray result;
    for (int k = parts->Count() - 1; k >= 0; --k) {
        std::u16string alternative = parts->Strings(k);
        const std::u16string typed = alternative;
        TSearch_word_format_rec rec;
        if (fFormatPreChecked)
            UnParsed_SearchWord(alternative, rec);
        else
            Parsed_SearchWord(ignore_tags, alternative, rec);
        if (keeping_log)
            AddToLogFile(platform::Format(u"\"%s\" = \"%s\"", {typed, alternative}));
        if (rec.search_text.empty())
            continue;
        int index = TypeInIndexOf(rec.typed_in_text);
        if (index < 0)
            index = AddOneSW(rec);
        result.push_back(index);
    }
    return result;
}

TIndexArray TBaseSearchItems::fAddedSearchWordsIndices(std::u16string_view text) {
    return BaseAdded(text);
}

TIndexArray TBaseSearchItems::AddedSearchWords(std::u16string_view text) {
    return fAddedSearchWordsIndices(text);
}

template <class Set> TIndexArray TBaseSearchItems::AddedAndSet(std::u16string_view text, Set set) {
    TIndexArray r = fAddedSearchWordsIndices(text);
    for (int32_t i : r)
        if (ValidIndex(i))
            set(Checked(i)->data);
    return r;
}

TIndexArray TBaseSearchItems::AddedSearchWords(std::u16string_view text, int16_t Language) {
    return AddedAndSet(text, [&](TSearch_word_format_rec& d) { d.Langnum = Language; });
}

TIndexArray TBaseSearchItems::AddedSearchWords(std::u16string_view text, bool auto_lemma) {
    return AddedAndSet(text, [&](TSearch_word_format_rec& d) { d.auto_lemma_added = auto_lemma; });
}

TIndexArray TBaseSearchItems::AddedSearchWords(std::u16string_view text, int32_t max_to_get) {
    return AddedAndSet(text, [&](TSearch_word_format_rec& d) { d.n_to_find = max_to_get; });
}

int TBaseSearchItems::AddOneSW(const TSearch_word_format_rec& r) {
    return fSearchWordList.Add(new TSWHolder(r));
}

int TBaseSearchItems::IndexOf(const TSearch_word_format_rec& r) const {
    for (int i = 0; i < Count(); ++i) {
        const auto& d = fSearchWordList.Holder(i)->data;
        if (d.typed_in_text == r.typed_in_text && d.Langnum == r.Langnum)
            return i;
    }
    return -1;
}

int TBaseSearchItems::EnsureContains(const TSearch_word_format_rec& r) {
    const int i = IndexOf(r);
    return i >= 0 ? i : AddOneSW(r);
}

TIndexArray TBaseSearchItems::InsertSearchWordsAtTop(std::u16string_view text,
                                                     bool use_any_lemmas) {
    const TIndexArray added = AddedSearchWords(text, use_any_lemmas);
    std::vector<int> order;
    std::vector<bool> taken(size_t(Count()), false);
    for (int32_t i : added)
        if (ValidIndex(i) && !taken[size_t(i)]) {
            taken[size_t(i)] = true;
            order.push_back(i);
        }
    const int n = int(order.size());
    for (int i = 0; i < Count(); ++i)
        if (!taken[size_t(i)])
            order.push_back(i);
    std::vector<void*> items;
    items.reserve(order.size());
    for (int i : order)
        items.push_back(fSearchWordList.Items(i));
    for (int i = 0; i < int(items.size()); ++i) {
        // Move each item into its place; Move keeps every holder owned once.
        const int from = fSearchWordList.IndexOf(items[size_t(i)]);
        if (from != i)
            fSearchWordList.Move(from, i);
    }
    TIndexArray result(static_cast<size_t>(n), 0);
    for (int k = 0; k < n; ++k)
        result[size_t(k)] = k;
    return result;
}

int TBaseSearchItems::TypeInIndexOf(std::u16string_view text) const {
    for (int i = 0; i < Count(); ++i) {
        MyYieldProcess();
        if (fSearchWordList.Holder(i)->data.typed_in_text == text)
            return i;
    }
    return -1;
}

TSearch_word_format_rec TBaseSearchItems::GetSWR(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data : TSearch_word_format_rec{};
}

void TBaseSearchItems::PutSWR(int i, const TSearch_word_format_rec& r) {
    if (ValidIndex(i))
        fSearchWordList.Holder(i)->data = r;
}

TSearch_word_format_rec* TBaseSearchItems::GetPtr(int i) const {
    return ValidIndex(i) ? &fSearchWordList.Holder(i)->data : nullptr;
}

TMySearchFlags TBaseSearchItems::GetAFlag(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data.flags : TMySearchFlags{};
}
bool TBaseSearchItems::GetAutoLemmaAdded(int i) const {
    return ValidIndex(i) && fSearchWordList.Holder(i)->data.auto_lemma_added;
}
int32_t TBaseSearchItems::GetHitsFound(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data.hits_found : 0;
}
int16_t TBaseSearchItems::GetLanguage(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data.Langnum : int16_t(0);
}
int32_t TBaseSearchItems::GetNToFind(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data.n_to_find : 0;
}
bool TBaseSearchItems::GetSearchFound(int i) const {
    return ValidIndex(i) && fSearchWordList.Holder(i)->data.achou_suficiente;
}
int32_t TBaseSearchItems::GetSpacesInSW(int i) const {
    return ValidIndex(i) ? fSearchWordList.Holder(i)->data.spaces_in_sw : 0;
}
void TBaseSearchItems::SetAFlag(int i, TMySearchFlags value) {
    if (ValidIndex(i))
        fSearchWordList.Holder(i)->data.flags = value;
}
void TBaseSearchItems::SetSearchFound(int i, bool value) {
    if (ValidIndex(i))
        fSearchWordList.Holder(i)->data.achou_suficiente = value;
}
void TBaseSearchItems::SetAutoLemmaAdded(int i, bool value) {
    Checked(i)->data.auto_lemma_added = value;
}
void TBaseSearchItems::SetHitsFound(int i, int32_t value) {
    Checked(i)->data.hits_found = value;
}
void TBaseSearchItems::SetLanguage(int i, int16_t value) {
    Checked(i)->data.Langnum = value;
}
void TBaseSearchItems::SetNToFind(int i, int32_t value) {
    Checked(i)->data.n_to_find = value;
}
void TBaseSearchItems::IncrementHits(int i) {
    if (ValidIndex(i))
        ++fSearchWordList.Holder(i)->data.hits_found;
}
void TBaseSearchItems::ClearHits() {
    for (int i = 0; i < Count(); ++i)
        fSearchWordList.Holder(i)->data.hits_found = 0;
}
void TBaseSearchItems::SetHits(const std::vector<int32_t>& counts) {
    const int n = std::min(Count(), int(counts.size()));
    for (int i = 0; i < n; ++i)
        fSearchWordList.Holder(i)->data.hits_found = counts[size_t(i)];
}
int64_t TBaseSearchItems::TotalHits() const {
    int64_t total = 0;
    for (int i = 0; i < Count(); ++i)
        total += fSearchWordList.Holder(i)->data.hits_found;
    return total;
}
void TBaseSearchItems::ClearOne(int i) {
    if (ValidIndex(i))
        fSearchWordList.Delete(i);
}
void TBaseSearchItems::Clear() {
    fPlainSWS->Clear();
    fSearchWordList.Clear();
    fFrom_a_file = false;
}
void TBaseSearchItems::MoveToTop(int i) {
    if (i > 0 && i < Count())
        fSearchWordList.Move(i, 0);
}

std::vector<TSearch_word_format_rec>
TBaseSearchItems::CopyOFArrayOFSWItems(const TIndexArray& indices) const {
    std::vector<TSearch_word_format_rec> out;
    out.reserve(indices.size());
    for (int32_t i : indices)
        out.push_back(i >= 0 ? GetSWR(i) : TSearch_word_format_rec{});
    return out;
}

TSimpleSearchlist& TBaseSearchItems::ComputePlainSearchWords() {
    fPlainSWS->Clear();
    for (int i = 0; i < Count(); ++i) {
        TSimpleSearch_rec r;
        r.seek = fSearchWordList.Holder(i)->data.typed_in_text;
        r.n_wanted = 1;
        r.flags = FlagsFromSW(r.seek);
        fPlainSWS->AddOne(r);
    }
    return *fPlainSWS;
}

std::unique_ptr<platform::TStringList>
TBaseSearchItems::TypeInParts(std::u16string_view text) const {
    std::u16string entry = ReducedSpaces(text);
    return SplitSWList(entry, fSplitting_at_slashes);
}

std::unique_ptr<platform::TStringList> TBaseSearchItems::TypedInWordsAsStringlist() const {
    auto list = std::make_unique<platform::TStringList>();
    for (int i = 0; i < Count(); ++i)
        list->Add(fSearchWordList.Holder(i)->data.typed_in_text);
    return list;
}

std::u16string TBaseSearchItems::AllTypedSearchWordsAsOne(bool abbreviated) const {
    constexpr int kAbbreviatedItems = 10;
    const int n = abbreviated ? std::min(Count(), kAbbreviatedItems) : Count();
    std::u16string out;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            out += u'/';
        out += fSearchWordList.Holder(i)->data.typed_in_text;
    }
    if (abbreviated && Count() > kAbbreviatedItems)
        out += u" " + LoadResString(GeneralRuntime1Const::QMEtc);
    return out;
}

bool TBaseSearchItems::LoadFromFile(const std::filesystem::path& Filename, int32_t n_wanted) {
    platform::TStringList lines;
    lines.LoadFromFile(Filename);
    fSearchWordList.Clear();
    bool any = false;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::u16string& line = lines.Strings(i);
        if (line.empty())
            continue;
        if (!AddedSearchWords(line, n_wanted).empty())
            any = true;
    }
    fFrom_a_file = any;
    return any;
}

bool TBaseSearchItems::SaveToFile(const std::filesystem::path& Filename) const {
    platform::TStringList lines;
    for (int i = 0; i < Count(); ++i)
        lines.Add(fSearchWordList.Holder(i)->data.typed_in_text);
    lines.SaveToFile(Filename, platform::teUtf16LE);
    return true;
}

bool TBaseSearchItems::SaveToStream(platform::TStream& Stream) const {
    try {
        platform::WriteI32(Stream, int32_t(Count()));
        for (int i = 0; i < Count(); ++i) {
            const std::u16string s = ItemString(fSearchWordList.Holder(i)->data);
            platform::WriteI32(Stream, int32_t(s.size()));
            for (char16_t c : s)
                platform::WriteU16(Stream, uint16_t(c));
        }
        return true;
    } catch (const platform::EStreamError&) {
        return false;
    }
}

bool TBaseSearchItems::ReadFromStream(platform::TStream& Stream) {
    try {
        const int32_t n = platform::ReadI32(Stream);
        const int64_t left = Stream.Size() - Stream.Position();
        // Every item takes at least its four-byte length.
        if (n < 0 || int64_t(n) * 4 > left)
            return false;
        for (int32_t k = 0; k < n; ++k) {
            const int32_t len = platform::ReadI32(Stream);
            if (len < 0 || int64_t(len) * 2 > Stream.Size() - Stream.Position())
                return false;
            std::u16string s(size_t(len), u'\0');
            for (auto& c : s)
                c = char16_t(platform::ReadU16(Stream));
            // The typed text may hold tabs itself: the counts follow the last
            // two.
            std::u16string typed = s;
            int32_t hits = -1, lang = -1;
            const size_t last = s.rfind(u'\t');
            if (last != std::u16string::npos) {
                const size_t before = last > 0 ? s.rfind(u'\t', last - 1) : std::u16string::npos;
                if (before != std::u16string::npos) {
                    typed = s.substr(0, before);
                    hits = CountField(std::u16string_view(s).substr(before + 1, last - before - 1));
                    lang = CountField(std::u16string_view(s).substr(last + 1));
                } else {
                    typed = s.substr(0, last);
                }
            }
            for (int32_t i : fAddedSearchWordsIndices(typed)) {
                if (!ValidIndex(i))
                    continue;
                auto& d = fSearchWordList.Holder(i)->data;
                if (hits >= 0)
                    d.hits_found = hits;
                if (lang >= 0 && lang <= std::numeric_limits<int16_t>::max())
                    d.Langnum = int16_t(lang);
            }
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// ---- search words ----------------------------------------------------------------

TSearchWordItems::~TSearchWordItems() = default;

TIndexArray TSearchWordItems::fAddedSearchWordsIndices(std::u16string_view text) {
    if (TypeInIndexOf(text) >= 0)
        return {};
    TIndexArray r = BaseAdded(text);
    bool needs_context = false;
    for (int32_t i : r)
        if (GetHasContextWord(i))
            needs_context = true;
    if (needs_context && !ftempCWItems && !ftempEngine) {
        ftempCWItems = std::make_unique<TContextWordItems>(ignore_tags, fLCID, true);
        ftempEngine = std::make_unique<TSearchAndDoEngine>(false, true, fLCID, nullptr);
    }
    return r;
}

bool TSearchWordItems::GetHasContextWord(int i) {
    if (!ValidIndex(i))
        return false;
    const bool has = fSearchWordList.Holder(i)->data.has_file_based_context_word;
    if (has)
        HasAnyContextWords = true;
    return has;
}

} // namespace qm7
