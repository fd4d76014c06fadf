// Reads arbitrary bytes as each streamable list and binary string list, saves
// what was read, reads that again: the second read must succeed and equal the
// first (compared through their saved forms).
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "platform/stream.h"
#include "runtime1/core/Useful_Classes.h"

using namespace qm7;
using platform::TMemoryStream;

namespace {

struct TBytesStream : TMemoryStream {
    TBytesStream(const uint8_t* data, size_t size) {
        if (size > 0)
            WriteBuffer(data, int64_t(size));
        SetPosition(0);
    }
};

[[noreturn]] void Fail(const char* what) {
    fprintf(stderr, "round trip failed: %s\n", what);
    abort();
}

std::string Saved(TUsefulBaseList& list) {
    TMemoryStream out;
    if (!list.SaveToStream(out))
        Fail("save of what was read");
    return std::string(out.Bytes());
}

void RoundTrip(const std::function<std::unique_ptr<TUsefulBaseList>()>& make, const uint8_t* data,
               size_t size) {
    auto first = make();
    TBytesStream in(data, size);
    first->ReadFromStream(in);
    const std::string saved = Saved(*first);

    auto second = make();
    TBytesStream again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!second->ReadFromStream(again))
        Fail("second read");
    if (second->Count() != first->Count())
        Fail("count");
    if (again.Position() != again.Size())
        Fail("bytes left over");
    if (Saved(*second) != saved)
        Fail("second read differs");
}

template <class L> std::unique_ptr<TUsefulBaseList> Make() {
    return std::make_unique<L>();
}

void SaveStringListRoundTrip(bool objects, const uint8_t* data, size_t size) {
    TMySaveStringList first(objects);
    TBytesStream in(data, size);
    try {
        first.LoadFromStream(in);
    } catch (const platform::EStreamError&) {
    }
    TMemoryStream saved;
    first.SaveToStream(saved);
    TMySaveStringList second(objects);
    saved.SetPosition(0);
    second.LoadFromStream(saved);
    TMemoryStream again;
    second.SaveToStream(again);
    if (second.Count() != first.Count() || again.Bytes() != saved.Bytes())
        Fail("binary string list");
}

void SmallintRoundTrip(const uint8_t* data, size_t size) {
    if (size < 2)
        return;
    const int32_t n = int32_t(data[0] | data[1] << 8);
    TSmallintList first;
    TBytesStream in(data + 2, size - 2);
    first.ReadFromStream(n, in);
    TMemoryStream saved;
    if (!first.SaveToStream(saved))
        Fail("smallint save");
    TSmallintList second;
    saved.SetPosition(0);
    if (!second.ReadFromStream(first.Count(), saved))
        Fail("smallint second read");
    TMemoryStream again;
    second.SaveToStream(again);
    if (again.Bytes() != saved.Bytes())
        Fail("smallint second read differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Entries that store nothing are bounded by this limit alone; keep each
    // run quick.
    global_empty_entries_safety_limit = 20000;
    if (size == 0)
        return 0;
    const uint8_t kind = data[0];
    ++data;
    --size;
    switch (kind % 17) {
    case 0:
        RoundTrip(Make<TQMLongintList>, data, size);
        break;
    case 1:
        RoundTrip(Make<TQMActiveLongintList>, data, size);
        break;
    case 2:
        RoundTrip(Make<TCardinalList>, data, size);
        break;
    case 3:
        RoundTrip(Make<TQMInt64List>, data, size);
        break;
    case 4:
        RoundTrip(Make<TCardinalAndFreqList>, data, size);
        break;
    case 5:
        RoundTrip(Make<TIntegerAndSingleList>, data, size);
        break;
    case 6:
        RoundTrip(Make<TWordFreqAndSourceNumList>, data, size);
        break;
    case 7:
        RoundTrip(Make<T2LongintList>, data, size);
        break;
    case 8:
        RoundTrip(Make<T3LongintList>, data, size);
        break;
    case 9:
        RoundTrip(Make<T4LongintList>, data, size);
        break;
    case 10:
        RoundTrip(Make<TIntegerAnd3CardinalsList>, data, size);
        break;
    case 11:
        RoundTrip(Make<TDoublePointerList>, data, size);
        break;
    case 12:
        RoundTrip(Make<TStringColumnAndColourList>, data, size);
        break;
    case 13:
        RoundTrip(Make<T2StringsAnd2IntegersList>, data, size);
        break;
    case 14:
        SaveStringListRoundTrip(false, data, size);
        break;
    case 15:
        SaveStringListRoundTrip(true, data, size);
        break;
    default:
        SmallintRoundTrip(data, size);
        break;
    }
    return 0;
}
