// A list of owned entry objects that writes itself to a stream and reads
// itself back, with an optional "sorted" state. The typed lists of
// Useful_Classes are built on it; their stream form is a saved-file format:
//
//   count      signed 32-bit, little-endian
//   sorted     1 byte, 0 or 1 (lists derived from TUsefulBaseListSorts only)
//   entries    count entries back to back, each as its class writes it
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <typeinfo>
#include <vector>

#include "platform/export.h"
#include "platform/object.h"
#include "platform/stream.h"
#include "runtime1/core/basic_types.h"

namespace qm7 {

using platform::TStream;

// The root of the entries: reads and writes nothing.
class QM7_EXPORT TUsefulBaseListObject : public platform::TObject {
public:
    TUsefulBaseListObject() = default;
    // Both return true when every byte the entry needs was moved.
    virtual bool ReadFromStream(TStream& Stream);
    virtual bool SaveToStream(TStream& Stream);
    // The fewest bytes one entry of this class takes in a stream (0 for the
    // entries that store nothing); bounds a count read from a stream.
    virtual int64_t MinStreamBytes() const { return 0; }
};

// The class of the entries of a list: how to make one, and which it is.
struct QM7_EXPORT TUsefulBaseListObjectClass {
    const std::type_info* type = nullptr;
    std::unique_ptr<TUsefulBaseListObject> (*create)() = nullptr;

    template <class T> static TUsefulBaseListObjectClass Of() {
        return {&typeid(T),
                []() -> std::unique_ptr<TUsefulBaseListObject> { return std::make_unique<T>(); }};
    }
    bool IsClassOf(const TUsefulBaseListObject& entry) const {
        return type != nullptr && typeid(entry) == *type;
    }
};

// Entries that store nothing are not bounded by the bytes of a stream: a
// count read for them above this limit is refused.
extern QM7_EXPORT int32_t global_empty_entries_safety_limit;

class QM7_EXPORT TUsefulBaseList : public platform::TObject {
public:
    explicit TUsefulBaseList(TUsefulBaseListObjectClass AnEntriesClass);
    TUsefulBaseList(const TUsefulBaseList&) = delete;
    TUsefulBaseList& operator=(const TUsefulBaseList&) = delete;
    ~TUsefulBaseList() override;

    int Count() const { return int(fItems.size()); }
    // 0 <= index < Count() and the slot holds an entry.
    bool IndexAssignedOK(int index) const {
        return index >= 0 && index < Count() && fItems[size_t(index)] != nullptr;
    }
    // The entry at index, or nullptr for an index that is not assigned.
    TUsefulBaseListObject* Items(int index) const {
        return IndexAssignedOK(index) ? fItems[size_t(index)].get() : nullptr;
    }

    // Frees every entry and empties the list.
    virtual void Clear();
    // -1 here: every pair counts as different. Typed lists compare keys.
    virtual int ComparedValues(int index1, int index2) const;
    // Frees the entry at index and leaves its slot null (Pack drops it).
    virtual void FreeAndNilOne(int index);
    virtual bool ReadFromStream(TStream& Stream);
    virtual bool SaveToStream(TStream& Stream);

    // The whole file; false when it cannot be opened or read. Saving writes a
    // new file and puts it in place only when everything was written, so a
    // failed save leaves the old file whole.
    bool LoadFromFile(const std::filesystem::path& aFilename);
    bool SaveToFile(const std::filesystem::path& aFilename);

    // Reads n entries and appends them; stops at the first entry that fails
    // (which is not kept). False when any failed.
    bool LoadTheInstances(TStream& Stream, int32_t n);
    bool SaveTheInstances(TStream& Stream, int32_t n);

    // On a list sorted by ComparedValues: keeps the first entry of each run
    // of equal entries and frees the rest.
    void RemoveDuplicates();
    // Drops null slots.
    void Pack();
    void Exchange(int index1, int index2);
    // Removes the slot at once, freeing its entry.
    void Delete(int index);

    const TUsefulBaseListObjectClass& EntriesClass() const { return fEntriesClass; }

    // The entry last read or written (observed, owned by the list).
    TUsefulBaseListObject* AnInstance = nullptr;

protected:
    // Appends or inserts an entry the list then owns; returns its index.
    int AddEntry(std::unique_ptr<TUsefulBaseListObject> entry);
    void InsertEntry(int index, std::unique_ptr<TUsefulBaseListObject> entry);
    // Stable sort of the entries (null slots are dropped first).
    void SortEntries(TCompareFunct Compare);
    // Reads the count and whatever header follows it; false when short.
    virtual bool ReadHeader(TStream& Stream, int32_t& count);
    virtual bool SaveHeader(TStream& Stream);
    // Called after entries were read (ok: all of them read).
    virtual void AfterRead(bool ok);

    TUsefulBaseListObjectClass fEntriesClass;
    std::vector<std::unique_ptr<TUsefulBaseListObject>> fItems;
};

class QM7_EXPORT TUsefulBaseListSorts : public TUsefulBaseList {
public:
    explicit TUsefulBaseListSorts(TUsefulBaseListObjectClass AnEntriesClass);

    void Clear() override;

    // Sorts the entries with the comparison (stable). The list counts as
    // sorted afterwards only when the comparison is its key order
    // (KeyCompare), the order its searches rely on.
    void Sort(TCompareFunct Compare);
    // Reverses the order in place; the list is then no longer sorted.
    void ReverseTheSort();

    // The comparison of two entries by the list's search key, ascending, or
    // nullptr for lists that are not searched by a key.
    virtual TCompareFunct KeyCompare() const { return nullptr; }
    // True when every entry is in KeyCompare order (false without a key).
    bool InKeyOrder() const;

    // The index last probed by a binary search, -1 when none.
    int nearest = -1;
    bool sorted = false;

protected:
    bool ReadHeader(TStream& Stream, int32_t& count) override;
    bool SaveHeader(TStream& Stream) override;
    void AfterRead(bool ok) override;

private:
    bool sorted_byte_ = false;
};

} // namespace qm7
