// qm concord: a concordance of a search entry over corpus texts, one line
// per hit with the hit's word, sentence and paragraph numbers.
#include <sys/mman.h>
#include <unistd.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "QM7Lemmatiser.h"
#include "platform/chartype.h"
#include "platform/text.h"
#include "runtime1/search/search_engines.h"
#include "runtime1/strings/sentence_terminators.h"
#include "tools/qm/corpus.h"
#include "tools/qm/progress.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

constexpr uint32_t kLocale = 0x0409;
constexpr uint8_t kLemmaSlot = 0;
constexpr int16_t kTrue = -1;
// What stands in the search buffer where a sentence or paragraph ends; its
// class entry is the marker. A control character: no word takes it in.
constexpr char16_t kMarkerChar = 0x0001;
// Characters that stay inside a word between letters.
constexpr std::u16string_view kWordMiddles = u"'\u2019";

const char* const kHelp =
    "Finds SEARCH in the texts (the sample corpus when no PATH is given) and\n"
    "prints one concordance line per hit: left context, the hit, right context.\n"
    "SEARCH is typed in the search-word language: \"*\" and \"?\" wildcards,\n"
    "\"#\" digits, \"^\" a letter, \"/\" between alternatives, \"==word==\" case\n"
    "sensitive, \" context:=word\" a context word.\n\n"
    "Options:\n"
    "  --context N        characters of context on each side (default 40)\n"
    "  --format F         text (default), tsv or json; tsv and json give the file,\n"
    "                     hit start (character offset), word, sentence and\n"
    "                     paragraph number, left, hit and right\n"
    "  --count            print only the number of hits\n"
    "  --limit N          stop after N hits\n"
    "  --lemmas FILE      also find the variants of search words that are\n"
    "                     headwords in this lemma list\n"
    "  --paragraph P      blank (default: an empty line ends a paragraph) or line\n";

enum class TFormat { text, tsv, json };

struct TOptions {
    int64_t context = 40;
    TFormat format = TFormat::text;
    bool count_only = false;
    int64_t limit = std::numeric_limits<int64_t>::max();
    std::optional<std::string> lemmas;
    bool paragraph_per_line = false;
    std::string search;
    TCorpusOptions corpus;
};

TOptions ParseOptions(TArgs& args) {
    TOptions o;
    if (auto n = args.IntOption("context", 0, 10'000))
        o.context = *n;
    if (auto f = args.Option("format")) {
        if (*f == "text")
            o.format = TFormat::text;
        else if (*f == "tsv")
            o.format = TFormat::tsv;
        else if (*f == "json")
            o.format = TFormat::json;
        else
            throw TUsageError("The option --format takes text, tsv or json, not \"" + *f + "\".");
    }
    o.count_only = args.Flag("count");
    if (auto n = args.IntOption("limit", 1, std::numeric_limits<int64_t>::max()))
        o.limit = *n;
    o.lemmas = args.Option("lemmas");
    if (auto p = args.Option("paragraph")) {
        if (*p != "blank" && *p != "line")
            throw TUsageError("The option --paragraph takes blank or line, not \"" + *p + "\".");
        o.paragraph_per_line = *p == "line";
    }
    o.corpus = TakeCorpusOptions(args);
    std::vector<std::string> rest = args.Positionals();
    if (rest.empty())
        throw TUsageError("qm concord needs a search word; see qm help concord.");
    o.search = rest.front();
    o.corpus.paths.assign(rest.begin() + 1, rest.end());
    return o;
}

// ---- search items ----

// Adds the variants of every plain search word that is a headword of the
// lemma list, marked as added by lemmatisation.
void AddLemmaVariants(TSearchWordItems& items, const std::string& list_file) {
    const std::u16string path = FromUtf8(list_file);
    if (LoadedOne(kLemmaSlot, path.c_str(), QM7_KIND_LEMMA, {}, {}, kLocale, 1, 0) != kTrue)
        throw TInputError("Cannot load " + list_file + " as a lemma list.");
    const int typed = items.Count();
    for (int i = 0; i < typed; ++i) {
        const TSearch_word_format_rec r = items.GetSWR(i);
        if (r.ambiguous)
            continue; // wildcards and markers: no headword
        const char16_t* variants = LemmaVariantsOf(kLemmaSlot, r.search_text.c_str(), u"/");
        if (variants && *variants)
            items.AddedSearchWords(std::u16string(variants), true);
    }
    ClearOne(kLemmaSlot, QM7_KIND_LEMMA);
}

// ---- the search buffer ----

// A large array of plain values, not set to anything. Arrays of megabytes
// are mapped in huge pages where the system allows it, which saves most of
// the page faults of a first pass over them.
template <class T> class TBigArray {
public:
    TBigArray() = default;
    explicit TBigArray(size_t n) {
        const size_t bytes = std::max<size_t>(n, 1) * sizeof(T);
        if (bytes >= kHugePage) {
            mapped_bytes_ = bytes + kHugePage;
            void* p = ::mmap(nullptr, mapped_bytes_, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (p != MAP_FAILED) {
                mapped_ = p;
                const auto at = (reinterpret_cast<uintptr_t>(p) + kHugePage - 1) & ~(kHugePage - 1);
                data_ = reinterpret_cast<T*>(at);
                ::madvise(data_, bytes, MADV_HUGEPAGE);
                return;
            }
        }
        owned_ = std::make_unique_for_overwrite<T[]>(std::max<size_t>(n, 1));
        data_ = owned_.get();
    }
    ~TBigArray() {
        if (mapped_)
            ::munmap(mapped_, mapped_bytes_);
    }
    TBigArray(TBigArray&& other) noexcept { *this = std::move(other); }
    TBigArray& operator=(TBigArray&& other) noexcept {
        std::swap(owned_, other.owned_);
        std::swap(mapped_, other.mapped_);
        std::swap(mapped_bytes_, other.mapped_bytes_);
        std::swap(data_, other.data_);
        return *this;
    }

    T* get() const { return data_; }

private:
    static constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
    std::unique_ptr<T[]> owned_;
    void* mapped_ = nullptr;
    size_t mapped_bytes_ = 0;
    T* data_ = nullptr;
};

// A text as the engine searches it: a leading space (so that the first word
// is counted like any other), then the text with a marker character inserted
// where each sentence and paragraph ends, and the class array with the
// markers' entries.
struct TSearchBuffer {
    TBigArray<char16_t> chars; // size characters and a 0
    size_t size = 0;
    TBigArray<uint16_t> classes;   // size + 2 entries
    std::vector<int64_t> inserted; // buffer indices of the markers, ascending

    // The text offset of a buffer index.
    int64_t TextOffset(int64_t index) const {
        const auto before = std::lower_bound(inserted.begin(), inserted.end(), index);
        return index - 1 - int64_t(before - inserted.begin());
    }
};

bool SpaceLike(uint16_t c) {
    return (c & cw_space_like) != 0;
}

bool IsLineBreak(std::u16string_view text, size_t i) {
    return text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'));
}

struct TUnitEnd {
    size_t at; // text index the marker goes before
    uint16_t code;
};

// Whether an entry of four classes holds a letter or digit; whether it
// holds punctuation or a control character.
constexpr uint64_t kLanes = 0x0001'0001'0001'0001ULL;
constexpr uint64_t kAlnumLanes = kLanes * cw_alphanumeric;
constexpr uint64_t kStopLanes = kLanes * (platform::C1_PUNCT | platform::C1_CNTRL);

// The index of the first character from i on that may end a unit (n when
// none does): a control character, or punctuation that may be a sentence
// terminator (some that cannot be are taken too). seen gets whether a
// letter or digit comes before it.
size_t SkipPlain(const char16_t* text, const uint16_t* cls, size_t i, size_t n, bool& seen) {
    uint64_t all = 0;
#ifdef __SSE2__
    // Eight characters at a time, with bit masks of the lanes (two bits a
    // lane): the lanes that hold such a character, and those that hold a
    // letter or digit.
    const __m128i zero = _mm_setzero_si128();
    const __m128i controls = _mm_set1_epi16(int16_t(platform::C1_CNTRL));
    const __m128i puncts = _mm_set1_epi16(int16_t(platform::C1_PUNCT));
    const __m128i alnums = _mm_set1_epi16(int16_t(cw_alphanumeric));
    const __m128i non_ascii = _mm_set1_epi16(int16_t(0xFF80));
    const __m128i full_stop = _mm_set1_epi16(u'.');
    const __m128i exclamation = _mm_set1_epi16(u'!');
    const __m128i question = _mm_set1_epi16(u'?');
    const auto lanes_set = [&](__m128i v, __m128i bits) {
        return ~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, bits), zero))) &
               0xFFFFu;
    };
    unsigned alnum_lanes = 0;
    for (; i + 8 <= n; i += 8) {
        const __m128i classes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cls + i));
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i terminators = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi16(chars, full_stop), _mm_cmpeq_epi16(chars, exclamation)),
            _mm_cmpeq_epi16(chars, question));
        const unsigned maybe_terminator =
            unsigned(_mm_movemask_epi8(terminators)) | lanes_set(chars, non_ascii);
        const unsigned stop =
            lanes_set(classes, controls) | (lanes_set(classes, puncts) & maybe_terminator);
        const unsigned alnum = lanes_set(classes, alnums);
        if (stop) {
            const unsigned first = unsigned(__builtin_ctz(stop));
            alnum_lanes |= alnum & ((1u << first) - 1);
            seen = alnum_lanes != 0;
            return i + first / 2;
        }
        alnum_lanes |= alnum;
    }
    if (alnum_lanes)
        all = cw_alphanumeric;
#endif
    // Stops at every punctuation character: enough, and more than needed.
    for (; i + 4 <= n; i += 4) {
        uint64_t four;
        std::memcpy(&four, cls + i, sizeof four);
        if (four & kStopLanes)
            break;
        all |= four;
    }
    for (; i < n && !(cls[i] & kStopLanes); ++i)
        all |= cls[i];
    seen = (all & kAlnumLanes) != 0;
    return i;
}

// Where units end: sentence ends after a run of terminators (and closing
// punctuation) that a space or the text end follows; paragraph ends before
// the white space that holds an empty line (or any line break).
//
// Only sentence terminators and white space holding a line break (a
// control character) can end a unit, so the scan stops at those only; a
// control character stands in a run of white space, looked at from its
// start. Other characters count only for whether words came before.
[[gnu::noinline]] std::vector<TUnitEnd> UnitEnds(std::u16string_view text, const uint16_t* cls,
                                                 bool paragraph_per_line) {
    static_assert((platform::C1_CNTRL & cw_space_like) != 0);
    std::vector<TUnitEnd> ends;
    const size_t n = text.size();
    ends.reserve(n / 64);
    const size_t breaks_needed = paragraph_per_line ? 1 : 2;
    bool words_in_sentence = false, words_in_paragraph = false;
    size_t i = 0;
    while (i < n) {
        bool seen = false;
        i = SkipPlain(text.data(), cls, i, n, seen);
        if (seen)
            words_in_sentence = words_in_paragraph = true;
        if (i >= n)
            break;
        const uint16_t c = cls[i];
        if (SpaceLike(c)) {
            while (i > 0 && SpaceLike(cls[i - 1]))
                --i;
            size_t j = i, breaks = 0;
            for (; j < n && SpaceLike(cls[j]); ++j)
                breaks += IsLineBreak(text, j) ? 1 : 0;
            if (words_in_paragraph && j < n && breaks >= breaks_needed) {
                ends.push_back({i, marker_paragraph_end});
                words_in_paragraph = false;
            }
            i = j;
            continue;
        }
        if (words_in_sentence && IsPotentialSentenceTerminator(text[i])) {
            size_t j = i + 1;
            while (j < n && (cls[j] & platform::C1_PUNCT) && !SpaceLike(cls[j]))
                ++j;
            if (j == n || SpaceLike(cls[j])) {
                ends.push_back({j, marker_sentence_end});
                words_in_sentence = false;
                i = j;
                continue;
            }
        }
        if (c & cw_alphanumeric)
            words_in_sentence = words_in_paragraph = true;
        ++i;
    }
    return ends;
}

TSearchBuffer MakeSearchBuffer(std::u16string_view text, bool paragraph_per_line) {
    const size_t n = text.size();
    TSearchBuffer b;
    // The classes are worked out where they stand, with room behind them for
    // the markers of a text with a sentence every 16 characters; the markers
    // are then let in by moving the classes up, last piece first.
    size_t room = n / 16 + 16;
    b.classes = TBigArray<uint16_t>(n + 3 + room);
    uint16_t* cls = b.classes.get();
    platform::StringType1W(text.data(), n, cls);
    const std::vector<TUnitEnd> ends = UnitEnds(text, cls, paragraph_per_line);
    if (ends.size() > room) {
        room = ends.size();
        TBigArray<uint16_t> more(n + 3 + room);
        std::copy_n(cls, n, more.get());
        b.classes = std::move(more);
        cls = b.classes.get();
    }
    size_t to = n;
    for (size_t k = ends.size(); k-- > 0;) {
        const size_t from = ends[k].at;
        const size_t shift = k + 2; // the leading space and markers 0 to k
        std::memmove(cls + from + shift, cls + from, (to - from) * sizeof(uint16_t));
        cls[from + k + 1] = uint16_t(cw_marker | ends[k].code);
        to = from;
    }
    std::memmove(cls + 1, cls, to * sizeof(uint16_t));
    cls[0] = platform::CharType1(u' ');
    const size_t size = n + ends.size() + 1;
    cls[size] = cls[size + 1] = 0;

    b.size = size;
    b.chars = TBigArray<char16_t>(size + 1);
    b.inserted.reserve(ends.size());
    char16_t* out = b.chars.get();
    *out++ = u' ';
    size_t from = 0;
    for (const TUnitEnd& end : ends) {
        out = std::copy(text.data() + from, text.data() + end.at, out);
        b.inserted.push_back(int64_t(out - b.chars.get()));
        *out++ = kMarkerChar;
        from = end.at;
    }
    out = std::copy(text.data() + from, text.data() + n, out);
    *out = 0;
    return b;
}

// ---- output ----

struct THit {
    int64_t start = 0; // in the text
    int64_t end = 0;
    int32_t word = 0, sentence = 0, paragraph = 0;
};

std::u16string Flattened(std::u16string_view s) {
    std::u16string out(s);
    for (auto& c : out)
        if (c < 0x20)
            c = u' ';
    return out;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Context either side, not cutting a surrogate pair.
std::u16string LeftOf(std::u16string_view text, int64_t start, int64_t n) {
    int64_t from = std::max<int64_t>(0, start - n);
    if (from < start && IsLowSurrogate(text[size_t(from)]))
        ++from;
    return Flattened(text.substr(size_t(from), size_t(start - from)));
}

std::u16string RightOf(std::u16string_view text, int64_t end, int64_t n) {
    int64_t to = std::min<int64_t>(int64_t(text.size()), end + n);
    if (to < int64_t(text.size()) && to > end && IsLowSurrogate(text[size_t(to)]))
        --to;
    return Flattened(text.substr(size_t(end), size_t(to - end)));
}

size_t CodePoints(std::u16string_view s) {
    return size_t(std::count_if(s.begin(), s.end(), [](char16_t c) { return !IsLowSurrogate(c); }));
}

std::string Json(std::string_view s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string Tsv(std::u16string_view s) {
    std::u16string out(s);
    std::replace(out.begin(), out.end(), u'\t', u' ');
    return ToUtf8(out);
}

void PrintHit(const TOptions& o, const std::string& file, std::u16string_view text, const THit& h,
              bool highlight) {
    const std::u16string left = LeftOf(text, h.start, o.context);
    const std::u16string hit = Flattened(text.substr(size_t(h.start), size_t(h.end - h.start)));
    const std::u16string right = RightOf(text, h.end, o.context);
    switch (o.format) {
    case TFormat::text: {
        const std::string pad(size_t(o.context) - std::min(size_t(o.context), CodePoints(left)),
                              ' ');
        std::printf("%s%s%s%s%s  %s\n", (pad + ToUtf8(left)).c_str(), highlight ? "\x1b[1;31m" : "",
                    ToUtf8(hit).c_str(), highlight ? "\x1b[0m" : "", ToUtf8(right).c_str(),
                    file.c_str());
        break;
    }
    case TFormat::tsv:
        std::printf("%s\t%lld\t%d\t%d\t%d\t%s\t%s\t%s\n", file.c_str(), (long long)h.start, h.word,
                    h.sentence, h.paragraph, Tsv(left).c_str(), Tsv(hit).c_str(),
                    Tsv(right).c_str());
        break;
    case TFormat::json:
        std::printf("{\"file\":%s,\"start\":%lld,\"word\":%d,\"sentence\":%d,\"paragraph\":%d,"
                    "\"left\":%s,\"hit\":%s,\"right\":%s}\n",
                    Json(file).c_str(), (long long)h.start, h.word, h.sentence, h.paragraph,
                    Json(ToUtf8(left)).c_str(), Json(ToUtf8(hit)).c_str(),
                    Json(ToUtf8(right)).c_str());
        break;
    }
}

// ---- the search ----

class TConcordancer {
public:
    TConcordancer(const TOptions& o, TSearchWordItems& items) : o_(o), items_(items) {}

    // Searches one text with every item; false once the search should end.
    bool Search(const TCorpusText& text) {
        const TSearchBuffer buffer = MakeSearchBuffer(text.text, o_.paragraph_per_line);
        uint16_t* const classes = buffer.classes.get();
        std::vector<THit> hits;
        TSearchAndDoEngine engine(true, true, kLocale);
        engine.SetArrayOfTagsFound({0, 1, 0, 1, 0, 0, 0, 0});
        const auto on_hit = [&](TSearchAndDoEngine* e, const TSearchFound_Rec& r) {
            if (StopRequested()) {
                stopped_ = true;
                e->Cancel();
            }
            ++total_;
            if (!o_.count_only) {
                const int64_t at = r.hit_pos_in_wchar_kinds;
                hits.push_back({buffer.TextOffset(at), buffer.TextOffset(at + r.hit_characters),
                                r.count_stats.number[0], r.count_stats.number[1] + 1,
                                r.count_stats.number[2] + 1});
            }
            if (total_ >= o_.limit)
                e->FoundEnough();
            return true;
        };
        engine.PrepareForConcordancing(FromUtf8(text.name), buffer.chars.get(), classes,
                                       classes + buffer.size, int64_t(text.text.size()) * 2,
                                       int64_t(buffer.size), 0, false, on_hit, {});
        engine.HandleAllowables(kWordMiddles, false, false);
        for (int i = 0; i < items_.Count() && total_ < o_.limit && !stopped_; ++i) {
            engine.ClearChunkTextStats();
            Global_in_heading = false;
            try {
                engine.SearchAndDo(items_.GetPtr(i), i);
            } catch (const ESearchError& e) {
                throw TInputError(e.what());
            }
        }
        if (!o_.count_only) {
            std::stable_sort(hits.begin(), hits.end(),
                             [](const THit& a, const THit& b) { return a.start < b.start; });
            const bool highlight = o_.format == TFormat::text && ::isatty(1) == 1;
            for (const THit& h : hits)
                PrintHit(o_, text.name, text.text, h, highlight);
        }
        return total_ < o_.limit && !stopped_;
    }

    int64_t Total() const { return total_; }
    bool Stopped() const { return stopped_; }

private:
    const TOptions& o_;
    TSearchWordItems& items_;
    int64_t total_ = 0;
    bool stopped_ = false;
};

int Run(TArgs& args) {
    const TOptions o = ParseOptions(args);
    TSearchWordItems items(TIgnore_tag_type{}, kLocale, true);
    if (items.AddedSearchWords(FromUtf8(o.search)).empty())
        throw TInputError("The search \"" + o.search + "\" holds no search word.");
    if (o.lemmas)
        AddLemmaVariants(items, *o.lemmas);

    TCorpus corpus(o.corpus);
    TConcordancer concordancer(o, items);
    const size_t files = corpus.Files().size();
    Progress().Begin("Searching", int64_t(files));
    TCorpusText text;
    while (corpus.Next(text)) {
        Progress().Set(int64_t(text.index));
        if (!concordancer.Search(text) || StopRequested())
            break;
    }
    Progress().End();
    if (o.count_only)
        std::printf("%lld\n", (long long)concordancer.Total());
    std::fflush(stdout);
    if (concordancer.Stopped() || StopRequested()) {
        std::fprintf(stderr, "qm: stopped; the hits found so far are shown.\n");
        return kExitBadInput;
    }
    return corpus.Problems() > 0 ? kExitBadInput : kExitOk;
}

const TRegisterCommand reg({"concord", "[options] SEARCH [PATH ...]",
                            "a concordance of a search word over texts",
                            std::string(kHelp) + kCorpusOptionsHelp, &Run});

} // namespace

} // namespace qm7::tool
