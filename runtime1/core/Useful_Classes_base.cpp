#include "runtime1/core/Useful_Classes_base.h"

#include <algorithm>

#include "runtime1/core/myKpSmall.h"

namespace qm7 {

int32_t global_empty_entries_safety_limit = 1000000;

namespace {

// The bytes between the position and the end, or -1 when the stream cannot
// tell.
int64_t BytesLeft(TStream& Stream) {
    try {
        return std::max<int64_t>(0, Stream.Size() - Stream.Position());
    } catch (const platform::EStreamError&) {
        return -1;
    }
}

bool ReadI32LE(TStream& Stream, int32_t& value) {
    uint8_t b[4];
    if (Stream.Read(b, 4) != 4)
        return false;
    value =
        int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    return true;
}

bool WriteI32LE(TStream& Stream, int32_t value) {
    const auto v = uint32_t(value);
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    return Stream.Write(b, 4) == 4;
}

} // namespace

bool TUsefulBaseListObject::ReadFromStream(TStream&) {
    return true;
}

bool TUsefulBaseListObject::SaveToStream(TStream&) {
    return true;
}

TUsefulBaseList::TUsefulBaseList(TUsefulBaseListObjectClass AnEntriesClass)
    : fEntriesClass(AnEntriesClass) {}

TUsefulBaseList::~TUsefulBaseList() {
    fItems.clear();
}

void TUsefulBaseList::Clear() {
    AnInstance = nullptr;
    fItems.clear();
}

int TUsefulBaseList::ComparedValues(int, int) const {
    return -1;
}

void TUsefulBaseList::FreeAndNilOne(int index) {
    if (!IndexAssignedOK(index))
        return;
    if (AnInstance == fItems[size_t(index)].get())
        AnInstance = nullptr;
    fItems[size_t(index)].reset();
}

void TUsefulBaseList::Pack() {
    std::erase(fItems, nullptr);
}

void TUsefulBaseList::Exchange(int index1, int index2) {
    if (index1 < 0 || index2 < 0 || index1 >= Count() || index2 >= Count())
        return;
    std::swap(fItems[size_t(index1)], fItems[size_t(index2)]);
}

void TUsefulBaseList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    if (AnInstance == fItems[size_t(index)].get())
        AnInstance = nullptr;
    fItems.erase(fItems.begin() + index);
}

int TUsefulBaseList::AddEntry(std::unique_ptr<TUsefulBaseListObject> entry) {
    fItems.push_back(std::move(entry));
    return Count() - 1;
}

void TUsefulBaseList::InsertEntry(int index, std::unique_ptr<TUsefulBaseListObject> entry) {
    index = std::clamp(index, 0, Count());
    fItems.insert(fItems.begin() + index, std::move(entry));
}

void TUsefulBaseList::SortEntries(TCompareFunct Compare) {
    Pack();
    if (Compare == nullptr)
        return;
    std::stable_sort(fItems.begin(), fItems.end(), [Compare](const auto& a, const auto& b) {
        return Compare(a.get(), b.get()) < 0;
    });
}

bool TUsefulBaseList::ReadHeader(TStream& Stream, int32_t& count) {
    return ReadI32LE(Stream, count);
}

bool TUsefulBaseList::SaveHeader(TStream& Stream) {
    return WriteI32LE(Stream, int32_t(Count()));
}

void TUsefulBaseList::AfterRead(bool) {}

bool TUsefulBaseList::LoadTheInstances(TStream& Stream, int32_t n) {
    if (n < 0 || fEntriesClass.create == nullptr)
        return false;
    // Refuse a count the stream cannot hold before making any entry.
    const int64_t min_bytes = fEntriesClass.create()->MinStreamBytes();
    if (min_bytes > 0) {
        const int64_t left = BytesLeft(Stream);
        if (left >= 0 && int64_t(n) * min_bytes > left)
            return false;
    } else if (n > global_empty_entries_safety_limit) {
        return false;
    }
    fItems.reserve(fItems.size() + size_t(n));
    for (int32_t i = 0; i < n; ++i) {
        MyYieldProcess();
        std::unique_ptr<TUsefulBaseListObject> entry = fEntriesClass.create();
        bool ok = false;
        try {
            ok = entry->ReadFromStream(Stream);
        } catch (const platform::EStreamError&) {
            ok = false;
        }
        if (!ok)
            return false;
        AnInstance = entry.get();
        AddEntry(std::move(entry));
    }
    return true;
}

bool TUsefulBaseList::SaveTheInstances(TStream& Stream, int32_t n) {
    n = std::min(n, int32_t(Count()));
    for (int32_t i = 0; i < n; ++i) {
        MyYieldProcess();
        TUsefulBaseListObject* entry = fItems[size_t(i)].get();
        if (entry == nullptr || !fEntriesClass.IsClassOf(*entry))
            return false;
        AnInstance = entry;
        if (!entry->SaveToStream(Stream))
            return false;
    }
    return true;
}

bool TUsefulBaseList::ReadFromStream(TStream& Stream) {
    int32_t count = 0;
    bool ok = false;
    try {
        ok = ReadHeader(Stream, count) && LoadTheInstances(Stream, count);
    } catch (const platform::EStreamError&) {
        ok = false;
    }
    AfterRead(ok);
    return ok;
}

bool TUsefulBaseList::SaveToStream(TStream& Stream) {
    Pack();
    try {
        return SaveHeader(Stream) && SaveTheInstances(Stream, int32_t(Count()));
    } catch (const platform::EStreamError&) {
        return false;
    }
}

bool TUsefulBaseList::LoadFromFile(const std::filesystem::path& aFilename) {
    try {
        platform::TFileStream stream(aFilename, platform::fmOpenRead);
        return ReadFromStream(stream);
    } catch (const platform::EStreamError&) {
        return false;
    }
}

bool TUsefulBaseList::SaveToFile(const std::filesystem::path& aFilename) {
    try {
        platform::TAtomicFileStream stream(aFilename);
        if (!SaveToStream(stream))
            return false; // the stream removes its file; the old one stays
        stream.Commit();
        return true;
    } catch (const platform::EStreamError&) {
        return false;
    }
}

void TUsefulBaseList::RemoveDuplicates() {
    const int n = Count();
    int run = 0;
    while (run < n) {
        int next = run + 1;
        while (next < n && IndexAssignedOK(run) && IndexAssignedOK(next) &&
               ComparedValues(run, next) == 0) {
            FreeAndNilOne(next);
            ++next;
        }
        run = next;
    }
    Pack();
}

TUsefulBaseListSorts::TUsefulBaseListSorts(TUsefulBaseListObjectClass AnEntriesClass)
    : TUsefulBaseList(AnEntriesClass) {}

void TUsefulBaseListSorts::Clear() {
    TUsefulBaseList::Clear();
    sorted = false;
    nearest = -1;
}

void TUsefulBaseListSorts::Sort(TCompareFunct Compare) {
    SortEntries(Compare);
    sorted = Compare != nullptr && Compare == KeyCompare();
}

void TUsefulBaseListSorts::ReverseTheSort() {
    const int n = Count();
    for (int i = 0; i < n / 2; ++i)
        Exchange(i, n - 1 - i);
    sorted = false;
}

bool TUsefulBaseListSorts::InKeyOrder() const {
    const TCompareFunct compare = KeyCompare();
    if (compare == nullptr)
        return false;
    for (int i = 1; i < Count(); ++i) {
        if (!IndexAssignedOK(i - 1) || !IndexAssignedOK(i))
            return false;
        if (compare(fItems[size_t(i - 1)].get(), fItems[size_t(i)].get()) > 0)
            return false;
    }
    return true;
}

bool TUsefulBaseListSorts::ReadHeader(TStream& Stream, int32_t& count) {
    uint8_t flag = 0;
    if (!TUsefulBaseList::ReadHeader(Stream, count) || Stream.Read(&flag, 1) != 1)
        return false;
    sorted_byte_ = flag != 0;
    return true;
}

bool TUsefulBaseListSorts::SaveHeader(TStream& Stream) {
    const uint8_t flag = sorted ? 1 : 0;
    return TUsefulBaseList::SaveHeader(Stream) && Stream.Write(&flag, 1) == 1;
}

void TUsefulBaseListSorts::AfterRead(bool ok) {
    // The stored flag is believed only when the entries bear it out.
    sorted = ok && sorted_byte_ && InKeyOrder();
    sorted_byte_ = false;
    nearest = -1;
}

} // namespace qm7
