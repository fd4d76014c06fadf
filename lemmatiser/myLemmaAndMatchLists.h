// Lemma, match, stop and relation lists read from list files, and the
// process-wide slots and display collector of the lemmatiser.
//
// A list file is plain text: 8-bit in the system code page, or UTF-16 with a
// byte-order mark. It is cut into items at line ends (and commas); an item
// starting with ";" is a comment up to its line end. In a lemma list,
// "HEADWORD -> VARIANT, VARIANT" names a headword and its variants, and an
// item without "->" is a further variant of the current headword.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lemmatiser/General_Trees.h"
#include "lemmatiser/LemmaStopMatchTypes.h"

struct UCollator;

namespace qm7::lemmatiser {

// The entry functions of a list, chosen by the encoding of its file.
using TNewFunct = void* (*)(const void* text);
using TCompareFunct = int32_t (*)(const void* a, const void* b);
using TDeleteFunct = void (*)(void* text);

// New NUL-terminated copies of 8-bit and UTF-16 text; null gives null.
void* MyNewPAnsichar(const void* text);
void* MyNewPChar(const void* text);
// Ordinal comparison by unsigned bytes and by unsigned 16-bit code units:
// the difference of the first units that differ, the terminator counting
// as 0.
int32_t CompareAnsiTexts(const void* a, const void* b);
int32_t CompareWideTexts(const void* a, const void* b);
// Free a copy; null is ignored.
void DeletePAnsichar(void* text);
void DeletePWideChar(void* text);

// Results of at most 255 units and a NUL, shared by the lists and the
// exported interface.
inline constexpr size_t kResultBufferUnits = 256;
extern std::array<char, kResultBufferUnits> AnsiResultBuffer;
extern std::array<char16_t, kResultBufferUnits> WideResultBuffer;

// The items of a list file and the entries they become.
class TReadFileTree : public TGeneral_Tree {
public:
    explicit TReadFileTree(bool aCase_sensitive);

    // Reads a list file into the list, which is emptied first. False, with
    // the list as it was, when the file does not exist; false, emptied, when
    // it holds fewer than 2 bytes. A file that exists but cannot be read
    // raises std::runtime_error.
    bool LoadFromFile(const TAnnounceNumberAndMessageProc& aSetNLinesProc,
                      const TShowSomeProgressProc& aProgressProc, uint32_t anLCID,
                      bool aForceUpperCase, std::u16string_view Filename);
    bool LoadFromStream(std::istream& Stream);
    // Reads the bytes of a whole list file (the work of LoadFromStream).
    bool LoadFromBytes(std::string_view bytes);

    // Empties the list and resets its counts, its cancel flag and LoadedOK.
    void Clear() override;

    void TellTotalLines(int32_t n);
    // True when the entry's text (in the list's encoding) contains "_8z".
    bool IsASeed(const void* a) override;
    // True for the entries planted by Seed_Tree (and no others).
    bool IsPlantedSeed(const void* a) const;
    // p in the list's encoding: p itself when it already is, else a whole
    // conversion through the system code page held by the list until the
    // next call.
    const void* CopyOfPointer(const void* p, bool p_in_unicode);

    bool LoadedOK() const { return This_list_has_data; }
    const TAnnounceNumberAndMessageProc& NLinesProc() const { return fSetNLinesProc; }
    void SetNLinesProc(const TAnnounceNumberAndMessageProc& proc);
    const TShowSomeProgressProc& ProgressProc() const { return fProgressProc; }
    void SetProgressProc(const TShowSomeProgressProc& proc);
    // Looks an entry up by its text, given in the list's encoding.
    anything_ptr FindText(const void* text);

    hundredwidechar name_of_process{};
    int32_t lines = 0;
    bool cancelled = false;
    bool using_unicode = false;
    bool allow_strings_with_commas = false;

protected:
    virtual bool FormatIsOKA(std::string_view s) = 0;
    virtual bool FormatIsOKW(std::u16string_view s) = 0;
    virtual void SetUsingUnicode(bool value);
    void SetNameOfProcess(std::u16string_view name);
    // Plants the skeleton of seed entries; make_entry builds one entry from
    // a seed text in the list's encoding.
    void PlantSeeds(void* (*make_entry)(void* text));
    // consider_affixes of a visit: the text holds a "<" with a ">" after it.
    bool HasAffixMarks(const void* text) const;
    const void* EntryText(const void* entry) const;
    void FreeEntry(anything_ptr& item);

    bool This_list_has_data = false;
    bool force_upper_case = false;
    uint32_t fLCID = 0;
    TNewFunct newfunct = MyNewPAnsichar;
    TCompareFunct basiccomparefunct = CompareAnsiTexts;
    TDeleteFunct deletefunct = DeletePAnsichar;

private:
    template <typename Text> void ReadItems(const Text& text);
    TAnnounceNumberAndMessageProc fSetNLinesProc{};
    TShowSomeProgressProc fProgressProc{};
    std::vector<const void*> fSeeds;
    std::string fKeyA;
    std::u16string fKeyW;
};

// One stored pair, kept in its headword's variant list.
struct TLemmaPointerHolder {
    explicit TLemmaPointerHolder(PLemmaEntryRec e) : data(e) {}
    PLemmaEntryRec data;
};

// The headwords of a lemma list: sorted and compared without regard to case
// in the order of a locale, duplicates ignored, each with the holders of its
// variants in the order read. Headword texts never move while they are held.
class THeadwordList {
public:
    struct THeadword {
        std::u16string text;
        std::vector<TLemmaPointerHolder> variants;
    };

    THeadwordList();
    ~THeadwordList();
    THeadwordList(const THeadwordList&) = delete;
    THeadwordList& operator=(const THeadwordList&) = delete;

    // Locale of the order, a Windows locale identifier; takes effect on an
    // empty list.
    void SetLocale(uint32_t lcid);
    // The headword equal to text, added (with no variants) when new.
    THeadword& FindOrAdd(std::u16string_view text);
    const THeadword* Find(std::u16string_view text);
    int32_t Count() const { return int32_t(fByKey.size()); }
    // The n-th headword in order, or null.
    const THeadword* At(int32_t n);
    void Clear();

private:
    std::string SortKey(std::u16string_view text);
    void OpenCollator();

    std::map<std::string, THeadword> fByKey;
    // The headword FindOrAdd gave last and the text it was asked for: the
    // variants of a headword usually follow one another.
    std::u16string fLastText;
    THeadword* fLast = nullptr;
    std::vector<const THeadword*> fIndex;
    bool fIndexValid = false;
    uint32_t fLCID = 0;
    UCollator* fCollator = nullptr;
    uint32_t fCollatorLCID = 0;
};

class TLemmaList : public TReadFileTree {
public:
    explicit TLemmaList(bool aCase_sensitive);
    ~TLemmaList() override;

    void Clear() override;
    // The pair whose variant equals x (in the list's encoding and case):
    // the stored variant and headword, or x and null.
    TLemmaEntryRec FoundVariant(const void* x);
    // The variants of a headword (matched without regard to case) joined by
    // separated_with, at most 255 units in WideResultBuffer.
    const char16_t* LemmaVariantsOf(std::u16string_view headword,
                                    std::u16string_view separated_with);

    std::string last_replaceA;
    std::u16string last_replaceW;
    THeadwordList headwords;
    int32_t lemma_pair_entries = 0;
    THandleLemmaProc ShowProc{};

protected:
    void Do_In_Order(anything_ptr& item) override;
    void Do_Deleting(anything_ptr& item) override;
    void Seed_Tree() override;
    bool FormatIsOKA(std::string_view s) override;
    bool FormatIsOKW(std::u16string_view s) override;
    void SetUsingUnicode(bool value) override;

private:
    bool StorePair(const void* variant, std::u16string_view headword);
};

class TMatchList : public TReadFileTree {
public:
    explicit TMatchList(bool aCase_sensitive);
    ~TMatchList() override;

    THandleMatchProc ShowProc{};

protected:
    void Do_In_Order(anything_ptr& item) override;
    void Do_Deleting(anything_ptr& item) override;
    void Seed_Tree() override;
    bool FormatIsOKA(std::string_view s) override;
    bool FormatIsOKW(std::u16string_view s) override;

private:
    bool StoreEntry(const void* text);
};

class TStopList : public TMatchList {
public:
    explicit TStopList(bool aCase_sensitive);
};

// Collects the display lines of a walk: at most max_To_Show + 1 of them.
class TShowClass {
public:
    void Clear() { StringList.clear(); }
    void ShowALemma(const TLemmaEntryRec& t, bool in_unicode);
    void ShowAMatch(const TMatchEntryRec& t, bool in_unicode);
    void ShowARelation(const TMatchEntryRec& t, bool in_unicode) { ShowAMatch(t, in_unicode); }
    void ShowAStop(const TMatchEntryRec& t, bool in_unicode) { ShowAMatch(t, in_unicode); }

    // The collector's operations as callables the lists accept.
    THandleLemmaProc LemmaProc();
    THandleMatchProc MatchProc();
    THandleMatchProc RelationProc();
    THandleStopProc StopProc();

    std::vector<std::u16string> StringList;
    int32_t max_To_Show = 0;

private:
    bool Full() const { return int64_t(StringList.size()) > int64_t(max_To_Show); }
};

inline constexpr int kLemmatiserSlots = QM7_LEMMATISER_SLOTS;

// The lists of every slot and the shared display collector, created when the
// library is loaded and freed when it is unloaded.
struct TLemmatiserLists {
    TLemmatiserLists();
    ~TLemmatiserLists();
    TLemmatiserLists(const TLemmatiserLists&) = delete;
    TLemmatiserLists& operator=(const TLemmatiserLists&) = delete;

    TShowClass ShowCollector;
    std::array<std::unique_ptr<TLemmaList>, kLemmatiserSlots> LemmaSlots;
    std::array<std::unique_ptr<TMatchList>, kLemmatiserSlots> MatchSlots;
    std::array<std::unique_ptr<TStopList>, kLemmatiserSlots> StopSlots;
    std::array<std::unique_ptr<TMatchList>, kLemmatiserSlots> RelationSlots;
};

TLemmatiserLists& Lists();

} // namespace qm7::lemmatiser
