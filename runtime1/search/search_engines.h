// The search-and-do engine, which runs one parsed search item over one text
// buffer and reports every hit with its position and text statistics, and the
// lists of search items (search words, context words, exclusions, tag
// contexts) that feed it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"
#include "platform/pointerlist.h"
#include "platform/stream.h"
#include "platform/stringlist.h"
#include "runtime1/core/SortableLists.h"
#include "runtime1/core/Useful_Classes.h"
#include "runtime1/scanning/bare_assemb3.h"
#include "runtime1/search/search_parsing.h"

namespace qm7 {

// The heading state the scanner carries between calls; a tool sets it.
extern QM7_EXPORT bool Global_in_heading;
// A byte offset from the buffer start at which scans begin (0: the start).
extern QM7_EXPORT int64_t Global_LowestJumpTo;

// One hit as handed to the tool. In memory only (it holds pointers).
struct TSearchFound_Rec {
    const void* start_of_text = nullptr;
    const void* start_of_memory = nullptr;
    const void* where_hit_started = nullptr;
    float percent_of_file = 0;          // of the whole file; 0 for an empty file
    int32_t hit_pos_in_wchar_kinds = 0; // characters from the buffer start
    uint32_t FileBytePos = 0;           // byte position of the buffer in its file
    int32_t exact_hit_len = 0;          // what the search word matched
    int32_t hit_characters = 0;         // with the extension to the word's end
    int32_t search_number = 0;
    int32_t hit_pos_in_characters = 0;
    std::array<uint8_t, 20> spare{};
    TSearchStatsRec count_stats; // heading entries -1 outside headings
};

class TSearchAndDoEngine;

// Returning false means that this hit does not count towards the limit.
using TSearchFoundEvent =
    std::function<bool(TSearchAndDoEngine* Sender, const TSearchFound_Rec& SearchFound)>;
using TWordCountEvent =
    std::function<void(TSearchAndDoEngine* Sender, const TSearchStatsRec& Word_count)>;

// Markup found in the text, in pairs of start and end counts for sentences,
// paragraphs, headings and sections.
using TTagsFoundArray = std::array<int32_t, 8>;

// Any failure inside a search, with "problem searching " and what was sought.
class QM7_EXPORT ESearchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class QM7_EXPORT TSearchAndDoEngine {
public:
    // Without a class array the engine makes its own for each buffer.
    TSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode, uint32_t AnLCID,
                       uint16_t* ABufferDetails = nullptr);
    virtual ~TSearchAndDoEngine();
    TSearchAndDoEngine(const TSearchAndDoEngine&) = delete;
    TSearchAndDoEngine& operator=(const TSearchAndDoEngine&) = delete;

    // A zero-terminated buffer (UTF-16 or 8-bit); nullptr for none.
    void SetABuffer(const void* buffer);
    void PrepareFirst(const void* ABuffer, int64_t AComplete_file_Size,
                      uint64_t ABufferStartPosInFile, TSearchFoundEvent ASearchFoundEvent,
                      TWordCountEvent AWordCountEvent);
    // For a buffer of ABuffer_Characters characters and the tool's class
    // array (ABuffer_Characters + 2 entries). Without an array the engine
    // makes one; without an end bound the entry after the last character is.
    void PrepareForConcordancing(std::u16string_view AFilename, const void* AStartOfText,
                                 uint16_t* ABufferDetails, const uint16_t* ABufferDetailsEnd,
                                 int64_t AComplete_file_Size, int64_t ABuffer_Characters,
                                 uint64_t ABufferStartPosInFile, bool ASkipPunctuation,
                                 TSearchFoundEvent ASearchFoundEvent,
                                 TWordCountEvent AWordCountEvent);
    void HandleAllowables(std::u16string_view wide_allowables, bool allow_middles_at_right,
                          bool allow_middles_at_left);
    void SetArrayOfTagsFound(const TTagsFoundArray& anArrayOfTagsFound);
    void SetLCID(uint32_t lcid);

    // Reports every hit of item in the buffer; false when it could not run
    // (not ready, no buffer, no item or an empty work string). Throws
    // ESearchError for any failure during the search.
    bool SearchAndDo(TSearch_word_format_rec* item);
    bool SearchAndDo(TSearch_word_format_rec* item, int32_t item_num);

    void FoundEnough() { fChega = true; }
    void Cancel();
    void ClearCancel() { fCancelled = false; }
    void ClearChunkTextStats() { ThisFileChunk_Stats = {}; }

    const void* Buffer() const { return fBuffer; }
    uint16_t* BufferDetails() const { return fBufferDetails; }
    void SetBufferDetails(uint16_t* value);
    const uint16_t* BufferDetailsEnd() const { return fBufferDetailsEnd; }
    void SetBufferDetailsEnd(const uint16_t* value) { fBufferDetailsEnd = value; }
    const uint16_t* BufferDetailsStart() const { return fBufferDetailsStart; }
    void SetBufferDetailsStart(const uint16_t* value);
    int64_t BufferLength() const { return fBuffer_Characters; }
    void SetBufferLength(int64_t value) { fBuffer_Characters = value; }
    bool Cancelled() const { return fCancelled; }
    const std::u16string& Filename() const { return fFilename; }
    bool SearchWordsInUnicode() const { return fSearchWordsInUnicode; }
    void SetSearchWordsInUnicode(bool value) { fSearchWordsInUnicode = value; }
    bool BufferInUnicode() const { return fBufferInUnicode; }
    void SetBufferInUnicode(bool value) { fBufferInUnicode = value; }
    bool SkipPunctuation() const { return fSkipPunctuation; }
    void SetSkipPunctuation(bool value) { fSkipPunctuation = value; }
    bool PreAssigned() const { return fPreAssigned; }
    const std::u16string& ReplaceText() const { return fReplace_text; }
    void SetReplaceText(std::u16string value) { fReplace_text = std::move(value); }
    void SetSearchFoundEvent(TSearchFoundEvent value);
    uint32_t TheLCID() const { return fLCID; }
    int32_t HitsFound() const { return fHits_found; }
    bool SkipAnyTags() const { return fSkipAnyTags; }

    // Makes the next scan step resume at Global_LowestJumpTo.
    bool fLowestJumpToChanged = false;
    TSearchStatsRec ThisFileChunk_Stats{};
    uint32_t Codepage = 0;
    int32_t current_search_row = 0;
    int32_t current_search_number = 0;
    bool IsAdditionalEngine = false;
    TTagsFoundArray Arr_OfTextMarkersFound{};
    uint64_t FileBytePos = 0;

protected:
    // The characters of a buffer held in the engine's unit.
    int64_t UnitBytes() const { return fBufferInUnicode ? 2 : 1; }
    // A class array of the engine's own for count characters of buffer.
    void MakeOwnClassArray(const void* buffer, int64_t count);
    void ReleaseOwnClassArray();

    TWordCountEvent fWordCountEvent;
    TSearchFoundEvent fSearchFoundEvent;
    uint16_t* fBufferDetails = nullptr;
    const uint16_t* fBufferDetailsStart = nullptr;
    const uint16_t* fBufferDetailsEnd = nullptr;
    const void* fBuffer = nullptr;
    int32_t fHits_found = 0;
    int64_t fComplete_file_size = 0;
    int64_t fBuffer_Characters = 0;
    bool fChega = false;
    bool fSkipPunctuation = false;
    bool fSkipAnyTags = false;
    bool fCancelled = false;
    bool fPreAssigned = false;
    bool fReady = false;
    bool fSearchWordsInUnicode = true;
    bool fBufferInUnicode = true;
    std::u16string fReplace_text;
    uint32_t fLCID = 0;
    std::u16string fFilename;

private:
    // The scan start: the buffer start plus Global_LowestJumpTo, inside the
    // buffer and on a character boundary (in characters).
    int64_t FirstScanIndex() const;
    // Prepares the case copies for an 8-bit buffer; false when the item
    // cannot be written in the code page (it then has no hits there).
    bool CopiesReadyForBuffer(TSearch_word_format_rec& item) const;
    int32_t RunScan(TSearch_word_format_rec& item, int32_t L, int32_t limit);
    void LogSeeking(const TSearch_word_format_rec& item, int64_t start) const;
    void LogHit(const TSearchFound_Rec& rec, int64_t done, int64_t remaining) const;
    std::u16string TextAt(int64_t index, int64_t max_chars) const;

    std::unique_ptr<uint16_t[]> own_details_;
    bool start_set_by_tool_ = false;
};

class QM7_EXPORT TAdditionalSearchAndDoEngine : public TSearchAndDoEngine {
public:
    TAdditionalSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode, uint32_t AnLCID,
                                 uint16_t* ABufferDetails = nullptr);
    void SetContext_exact_gap_required(int32_t Value) { context_exact_gap_required = Value; }
    int32_t context_exact_gap_required = 0;
};

// A quick yes/no search of one word in a buffer given by SetABuffer or
// PrepareFirst.
class QM7_EXPORT TWLSearchAndDo : public TSearchAndDoEngine {
public:
    using TSearchAndDoEngine::TSearchAndDoEngine;
    void SetSearchWord(std::u16string_view aSearchWord, TMySearchFlags AFlags);
    bool QuickSearchFoundIgnoringTags();

    std::u16string lo_copy;
    std::u16string title_copy;
    std::u16string search_text;
    TMySearchFlags flags;

private:
    std::unique_ptr<uint16_t[]> fBufferPWChar;
};

class QM7_EXPORT TSearchFoundHolder : public platform::TObject {
public:
    explicit TSearchFoundHolder(const TSearchFound_Rec& aData) : fData(aData) {}
    const TSearchFound_Rec& data() const { return fData; }

private:
    TSearchFound_Rec fData;
};

// Hits in a sortable list that owns them, sorted by their offset from the
// start of memory.
class QM7_EXPORT TSearchFoundList : public T3SortYieldingList {
public:
    TSearchFoundList();
    TSearchFoundHolder* Holder(int index) const {
        return static_cast<TSearchFoundHolder*>(Items(index));
    }
    void SetBase(void* P, int32_t sortvar) override;
    // 0 when item's key equals the base, -1 when the base is below it, 1
    // when above.
    int32_t Compare(const void* item) const;
    // Byte offset of a hit from the start of memory.
    static int64_t KeyOf(const TSearchFound_Rec& r);

    int64_t base_int = 0;
};

struct TBreakdownRec {
    std::u16string sw;
    int32_t found = 0;
    int32_t out_of = 0;
};

struct TSummaryArrays {
    std::vector<int32_t> breakdown_totals;
    std::vector<int32_t> main_count;
    std::vector<float> cumulative_count;
    std::vector<std::vector<TBreakdownRec>> breakdown_values;
};

// Each "<" with a ">" at or after it becomes U+0019 and that ">" U+0018.
QM7_EXPORT std::u16string CleanToTagOnOff(std::u16string_view text);

// ---- search items ----

class QM7_EXPORT TSWHolder : public platform::TObject {
public:
    explicit TSWHolder(const TSearch_word_format_rec& r) : data(r) {}
    TSearch_word_format_rec data;
};

// Owns its holders.
class QM7_EXPORT TSWList : public platform::TList {
public:
    TSWList() { OwnObjects<TSWHolder>(); }
    TSWHolder* Holder(int index) const { return static_cast<TSWHolder*>(Items(index)); }
};

using TIndexArray = std::vector<int32_t>;

class QM7_EXPORT TBaseSearchItems {
public:
    TBaseSearchItems();
    TBaseSearchItems(const TIgnore_tag_type& Aignore_tags, uint32_t AnLCID,
                     bool aSplit_SWs_at_slashes);
    virtual ~TBaseSearchItems();
    TBaseSearchItems(const TBaseSearchItems&) = delete;
    TBaseSearchItems& operator=(const TBaseSearchItems&) = delete;

    // Splits and parses an entry; the indices of its alternatives, last
    // typed first (an existing item with the same typed text is reused).
    virtual TIndexArray fAddedSearchWordsIndices(std::u16string_view text);
    TIndexArray AddedSearchWords(std::u16string_view text);
    TIndexArray AddedSearchWords(std::u16string_view text, int16_t Language);
    TIndexArray AddedSearchWords(std::u16string_view text, bool auto_lemma);
    TIndexArray AddedSearchWords(std::u16string_view text, int32_t max_to_get);
    int AddOneSW(const TSearch_word_format_rec& r);
    // The item with the same typed text and language; -1 when none.
    int IndexOf(const TSearch_word_format_rec& r) const;
    int EnsureContains(const TSearch_word_format_rec& r);
    // Adds the entry and moves its items, in the order returned, to the top.
    TIndexArray InsertSearchWordsAtTop(std::u16string_view text, bool use_any_lemmas);

    int Count() const { return fSearchWordList.Count(); }
    int TypeInIndexOf(std::u16string_view text) const;
    TSearch_word_format_rec GetSWR(int i) const;
    void PutSWR(int i, const TSearch_word_format_rec& r);
    TSearch_word_format_rec* GetPtr(int i) const;
    TMySearchFlags GetAFlag(int i) const;
    bool GetAutoLemmaAdded(int i) const;
    int32_t GetHitsFound(int i) const;
    int16_t GetLanguage(int i) const;
    int32_t GetNToFind(int i) const;
    bool GetSearchFound(int i) const;
    int32_t GetSpacesInSW(int i) const;
    void SetAFlag(int i, TMySearchFlags value);
    void SetSearchFound(int i, bool value);
    // These four throw platform::EListError for an index outside the list.
    void SetAutoLemmaAdded(int i, bool value);
    void SetHitsFound(int i, int32_t value);
    void SetLanguage(int i, int16_t value);
    void SetNToFind(int i, int32_t value);
    void IncrementHits(int i);
    void ClearHits();
    void SetHits(const std::vector<int32_t>& counts);
    int64_t TotalHits() const;
    void ClearOne(int i);
    void Clear();
    void MoveToTop(int i);
    std::vector<TSearch_word_format_rec> CopyOFArrayOFSWItems(const TIndexArray& indices) const;
    TSimpleSearchlist& ComputePlainSearchWords();
    std::unique_ptr<platform::TStringList> TypeInParts(std::u16string_view text) const;
    std::unique_ptr<platform::TStringList> TypedInWordsAsStringlist() const;
    std::u16string AllTypedSearchWordsAsOne(bool abbreviated) const;

    // Items from a text file, one entry a line (byte-order mark, else UTF-8
    // when valid, else the system code page). Read errors throw.
    bool LoadFromFile(const std::filesystem::path& Filename, int32_t n_wanted);
    // UTF-16 little-endian with a byte-order mark. Write errors throw.
    bool SaveToFile(const std::filesystem::path& Filename) const;
    bool SaveToStream(platform::TStream& Stream) const;
    bool ReadFromStream(platform::TStream& Stream);

    int32_t CurrentSearch() const { return fCurrentSearch; }
    void SetCurrentSearch(int32_t v) { fCurrentSearch = v; }
    bool FormatPreChecked() const { return fFormatPreChecked; }
    void SetFormatPreChecked(bool v) { fFormatPreChecked = v; }
    bool FromAFile() const { return fFrom_a_file; }
    void SetFromAFile(bool v) { fFrom_a_file = v; }
    bool SplittingAtSlashes() const { return fSplitting_at_slashes; }
    void SetSplittingAtSlashes(bool v) { fSplitting_at_slashes = v; }
    uint32_t TheLCID() const { return fLCID; }
    void SetTheLCID(uint32_t v) { fLCID = v; }
    TSimpleSearchlist& PlainSearchWordsComputed() { return ComputePlainSearchWords(); }

    int32_t process_one_specific_SW_number = -1;
    TIgnore_tag_type ignore_tags{};

protected:
    bool ValidIndex(int i) const { return i >= 0 && i < Count(); }
    TSWHolder* Checked(int i) const; // throws EListError outside
    // The items added for text, each then given set(its record).
    template <class Set> TIndexArray AddedAndSet(std::u16string_view text, Set set);
    TIndexArray BaseAdded(std::u16string_view text);

    std::unique_ptr<TSimpleSearchlist> fPlainSWS;
    int32_t fCurrentSearch = 0;
    TSWList fSearchWordList;
    uint32_t fLCID = 0;
    bool fSplitting_at_slashes = false;
    bool fFormatPreChecked = false;
    bool fFrom_a_file = false;
};

class QM7_EXPORT TContextWordItems : public TBaseSearchItems {
public:
    using TBaseSearchItems::TBaseSearchItems;
    int32_t sought_context_word_pos = 0;
    bool require_one_context_word_position = false;
    bool require_all_context_words = false;
};

class QM7_EXPORT TExclusionWordItems : public TBaseSearchItems {
public:
    using TBaseSearchItems::TBaseSearchItems;
};

class QM7_EXPORT TTagContextWordItems : public TBaseSearchItems {
public:
    using TBaseSearchItems::TBaseSearchItems;
};

class QM7_EXPORT TSearchWordItems : public TBaseSearchItems {
public:
    using TBaseSearchItems::TBaseSearchItems;
    ~TSearchWordItems() override;
    // Nothing when the whole entry is already an item; makes the context
    // engine and items once an added item needs a context word.
    TIndexArray fAddedSearchWordsIndices(std::u16string_view text) override;
    bool GetHasContextWord(int i);

    TSearchAndDoEngine* TempEngine() const { return ftempEngine.get(); }
    TContextWordItems* TempCWItems() const { return ftempCWItems.get(); }

    int32_t ColunaPraProcura = 0;
    bool HasAnyContextWords = false;

private:
    std::unique_ptr<TSearchAndDoEngine> ftempEngine;
    std::unique_ptr<TContextWordItems> ftempCWItems;
};

} // namespace qm7
