// The flat exported interface of the lemmatiser. Every export catches every
// error and gives its "nothing" value instead; so does a call with a slot
// above 21 and a call made from inside the yield hook on a slot that is busy.
#include "QM7Lemmatiser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <type_traits>

#include "lemmatiser/myKpSmall.h"
#include "lemmatiser/myLemmaAndMatchLists.h"
#include "platform/settings.h"

namespace qm7::lemmatiser {
namespace {

constexpr size_t kMaxResult = kResultBufferUnits - 1;

bool IsSlot(uint8_t index) {
    return index < kLemmatiserSlots;
}
bool IsKind(uint8_t kind) {
    return kind < kLemmaMatchStopKinds;
}

// One flag per slot and kind: set while an export works on that list, so a
// call from inside the yield hook (or a walk's callback) cannot change or
// read a list half way through a load, clear or walk.
std::array<std::array<bool, kLemmatiserSlots>, kLemmaMatchStopKinds> gBusy{};

class TBusySlot {
public:
    TBusySlot(uint8_t index, uint8_t kind) : flag_(gBusy[kind][index]), taken_(!flag_) {
        flag_ = true;
    }
    ~TBusySlot() {
        if (taken_)
            flag_ = false;
    }
    TBusySlot(const TBusySlot&) = delete;
    TBusySlot& operator=(const TBusySlot&) = delete;
    // False when the list was already busy: the call must do nothing.
    bool Taken() const { return taken_; }

private:
    bool& flag_;
    bool taken_;
};

TReadFileTree& ListOf(uint8_t index, uint8_t kind) {
    TLemmatiserLists& lists = Lists();
    switch (kind) {
    case as_lemma:
        return *lists.LemmaSlots[index];
    case as_match:
        return *lists.MatchSlots[index];
    case as_stop:
        return *lists.StopSlots[index];
    default:
        return *lists.RelationSlots[index];
    }
}

const char16_t* CopyToWideResult(std::u16string_view text) {
    WideResultBuffer.fill(0);
    const std::u16string_view cut = WideCut(text, kMaxResult);
    std::copy(cut.begin(), cut.end(), WideResultBuffer.begin());
    return WideResultBuffer.data();
}

const char* CopyToAnsiResult(std::u16string_view text) {
    AnsiResultBuffer.fill(0);
    const std::string bytes = WideToAnsiCut(text, kMaxResult);
    std::copy(bytes.begin(), bytes.end(), AnsiResultBuffer.begin());
    return AnsiResultBuffer.data();
}

const void* ChangeWord(uint8_t index, const void* word, bool want_unicode) {
    if (!IsSlot(index) || word == nullptr)
        return word;
    TBusySlot busy(index, as_lemma);
    if (!busy.Taken())
        return word;
    try {
        const TLemmaEntryRec found = Lists().LemmaSlots[index]->FoundVariant(word);
        if (found.headwordp == nullptr)
            return word;
        const std::u16string_view headword(found.headwordp);
        if (want_unicode)
            return CopyToWideResult(headword);
        return CopyToAnsiResult(headword);
    } catch (...) {
        return word;
    }
}

int16_t Load(uint8_t index, const char16_t* filename, uint8_t kind,
             const TAnnounceNumberAndMessageProc& aSetNLinesProc,
             const TShowSomeProgressProc& aProgressProc, uint32_t anLCID, bool case_sensitive,
             bool allow_strings_with_commas) {
    const std::u16string name = WideTextOf(filename);
    TLemmatiserLists& lists = Lists();
    bool loaded = false;
    switch (kind) {
    case as_lemma: {
        TLemmaList& list = *lists.LemmaSlots[index];
        list.Clear();
        loaded = list.LoadFromFile(aSetNLinesProc, aProgressProc, anLCID, !case_sensitive, name) &&
                 list.LoadedOK();
        if (loaded)
            list.TellTotalLines(list.lemma_pair_entries);
        break;
    }
    case as_match: {
        TMatchList& list = *lists.MatchSlots[index];
        list.allow_strings_with_commas = allow_strings_with_commas;
        loaded = list.LoadFromFile(aSetNLinesProc, aProgressProc, anLCID, !case_sensitive, name) &&
                 list.LoadedOK();
        break;
    }
    default: {
        TReadFileTree& list = ListOf(index, kind);
        loaded = list.LoadFromFile(aSetNLinesProc, aProgressProc, anLCID, !case_sensitive, name) &&
                 list.LoadedOK();
        break;
    }
    }
    return loaded ? -1 : 0;
}

template <typename Proc> void BindShowProc(uint8_t index, uint8_t kind, const Proc& proc) {
    TLemmatiserLists& lists = Lists();
    if constexpr (std::is_same_v<Proc, THandleLemmaProc>) {
        lists.LemmaSlots[index]->ShowProc = proc;
    } else {
        if (kind == as_match)
            lists.MatchSlots[index]->ShowProc = proc;
        else if (kind == as_stop)
            lists.StopSlots[index]->ShowProc = proc;
        else
            lists.RelationSlots[index]->ShowProc = proc;
    }
}

template <typename Proc> void TraverseDoing(uint8_t index, uint8_t kind, const Proc& proc) {
    if (!IsSlot(index))
        return;
    TBusySlot busy(index, kind);
    if (!busy.Taken())
        return;
    try {
        BindShowProc(index, kind, proc);
        ListOf(index, kind).Traverse();
    } catch (...) {
    }
}

} // namespace
} // namespace qm7::lemmatiser

using namespace qm7::lemmatiser;

extern "C" {

int16_t LoadedOne(uint8_t index, const char16_t* filename, uint8_t kind,
                  TAnnounceNumberAndMessageProc aSetNLinesProc, TShowSomeProgressProc aProgressProc,
                  uint32_t anLCID, uint8_t case_sensitive, uint8_t allow_strings_with_commas) {
    if (!IsSlot(index) || !IsKind(kind) || filename == nullptr)
        return 0;
    TBusySlot busy(index, kind);
    if (!busy.Taken())
        return 0;
    try {
        return Load(index, filename, kind, aSetNLinesProc, aProgressProc, anLCID,
                    case_sensitive != 0, allow_strings_with_commas != 0);
    } catch (...) {
        return 0;
    }
}

int16_t ClearOne(uint8_t index, uint8_t kind) {
    if (!IsSlot(index))
        return 0;
    if (!IsKind(kind))
        return -1;
    TBusySlot busy(index, kind);
    if (!busy.Taken())
        return 0;
    try {
        ListOf(index, kind).Clear();
        return -1;
    } catch (...) {
        return 0;
    }
}

void CancelOne(uint8_t index, uint8_t kind) {
    if (IsSlot(index) && IsKind(kind))
        ListOf(index, kind).cancelled = true;
}

const void* WordListerChangeWord(uint8_t index, const void* word, int32_t encoding,
                                 int16_t want_unicode) {
    (void)encoding;
    return ChangeWord(index, word, want_unicode != 0);
}

const void* LineFinderChangeWord(const void* word, int32_t encoding, int16_t want_unicode) {
    (void)encoding;
    return ChangeWord(1, word, want_unicode != 0);
}

const void* KeyFinderChangeWord(const void* word, int32_t encoding, int16_t want_unicode) {
    (void)encoding;
    return ChangeWord(2, word, want_unicode != 0);
}

const void* FoundInTheList(uint8_t index, const void* word, uint8_t word_in_unicode, uint8_t kind) {
    if (!IsSlot(index) || !IsKind(kind) || word == nullptr)
        return nullptr;
    TBusySlot busy(index, kind);
    if (!busy.Taken())
        return nullptr;
    try {
        TReadFileTree& list = ListOf(index, kind);
        const void* key = list.CopyOfPointer(word, word_in_unicode != 0);
        if (kind == as_lemma)
            return Lists().LemmaSlots[index]->FoundVariant(key).headwordp;
        const anything_ptr found = list.FindText(key);
        if (found == nullptr || list.IsPlantedSeed(found->this_))
            return nullptr;
        return static_cast<const TMatchEntryRec*>(found->this_)->searchp;
    } catch (...) {
        return nullptr;
    }
}

const char16_t* LemmaVariantsOf(uint8_t index, const char16_t* headword,
                                const char16_t* separator) {
    if (!IsSlot(index))
        return nullptr;
    TBusySlot busy(index, as_lemma);
    if (!busy.Taken())
        return nullptr;
    try {
        const std::u16string_view wanted = headword != nullptr ? headword : u"";
        const std::u16string_view between = separator != nullptr ? separator : u"";
        return Lists().LemmaSlots[index]->LemmaVariantsOf(wanted, between);
    } catch (...) {
        return nullptr;
    }
}

const char16_t* LemmaHeadWords(uint8_t index, int32_t n) {
    if (!IsSlot(index))
        return nullptr;
    TBusySlot busy(index, as_lemma);
    if (!busy.Taken())
        return nullptr;
    try {
        const auto* held = Lists().LemmaSlots[index]->headwords.At(n);
        return held != nullptr ? held->text.c_str() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

int32_t LemmaHeadWordsCount(uint8_t index) {
    return IsSlot(index) ? Lists().LemmaSlots[index]->headwords.Count() : 0;
}

int32_t LemmaPairEntriesAltogether(uint8_t index) {
    return IsSlot(index) ? Lists().LemmaSlots[index]->lemma_pair_entries : 0;
}

int32_t MatchListWordsCount(uint8_t index) {
    return IsSlot(index) ? Lists().MatchSlots[index]->lines : 0;
}

int32_t StopListWordsCount(uint8_t index) {
    return IsSlot(index) ? Lists().StopSlots[index]->lines : 0;
}

void TraverseLemmasDoing(uint8_t index, THandleLemmaProc proc) {
    TraverseDoing(index, as_lemma, proc);
}

void TraverseMatchesDoing(uint8_t index, THandleMatchProc proc) {
    TraverseDoing(index, as_match, proc);
}

void TraverseRelationsDoing(uint8_t index, THandleMatchProc proc) {
    TraverseDoing(index, as_relation, proc);
}

void TraverseStopsDoing(uint8_t index, THandleStopProc proc) {
    TraverseDoing(index, as_stop, proc);
}

int32_t TraversedOne(uint8_t index, int32_t max_To_Show, uint8_t kind) {
    if (!IsSlot(index) || !IsKind(kind))
        return 0;
    TBusySlot busy(index, kind);
    if (!busy.Taken())
        return 0;
    TShowClass& collector = Lists().ShowCollector;
    try {
        collector.Clear();
        collector.max_To_Show = max_To_Show;
        switch (kind) {
        case as_lemma:
            BindShowProc(index, kind, collector.LemmaProc());
            break;
        case as_relation:
            BindShowProc(index, kind, collector.RelationProc());
            break;
        default:
            BindShowProc(index, kind, collector.MatchProc());
            break;
        }
        ListOf(index, kind).Traverse();
        return int32_t(collector.StringList.size());
    } catch (...) {
        // A walk stopped by a too deep list keeps the lines collected so far.
        return 0;
    }
}

const void* GetAString(int32_t n, uint8_t want_unicode, int32_t encoding) {
    (void)encoding;
    try {
        const auto& lines = Lists().ShowCollector.StringList;
        if (n < 0 || size_t(n) >= lines.size())
            return nullptr;
        if (want_unicode != 0)
            return CopyToWideResult(lines[size_t(n)]);
        return CopyToAnsiResult(lines[size_t(n)]);
    } catch (...) {
        return nullptr;
    }
}

void QM7Lemmatiser_SetYieldHook(QM7YieldProc proc) {
    AYieldProcessProc = {proc.code, proc.code ? proc.object : nullptr};
}

int16_t QM7Lemmatiser_SetSystemCodePage(uint32_t code_page) {
    return qm7::platform::SetSystemCodePage(code_page) ? -1 : 0;
}

} // extern "C"
