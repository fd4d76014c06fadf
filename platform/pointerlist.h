// TList: an indexable list of untyped pointers, the container the libraries'
// own lists are built on. By default it only carries the pointers; after
// OwnObjects<T>() (or SetOwnsObjects with a deleter) it owns them and deletes
// each one when it is deleted from the list, when the list is cleared or
// destroyed, and when SetItem replaces it. Null pointers may be stored (a
// freed slot waiting for Pack).
#pragma once

#include <functional>
#include <stdexcept>
#include <vector>

#include "platform/export.h"
#include "platform/object.h"

namespace qm7::platform {

// An index outside the list.
class QM7_EXPORT EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Negative, 0 or positive as the item a sorts before, with or after b.
using TListSortCompare = std::function<int(const void* a, const void* b)>;
using TListDeleter = std::function<void(void*)>;

class QM7_EXPORT TList : public TObject {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    // Frees owned items through this class's own Clear.
    ~TList() override;

    int Count() const { return int(items_.size()); }
    bool Empty() const { return items_.empty(); }

    // Access by index; an index outside 0 .. Count() - 1 throws EListError.
    void* Items(int index) const {
        CheckIndex(index);
        return items_[size_t(index)];
    }
    // In an owning list the item replaced is deleted (unless it is the same).
    void SetItem(int index, void* item);

    // Appends; returns the index.
    int Add(void* item);
    // Inserts at an index from 0 to Count().
    void Insert(int index, void* item);
    // Removes the slot; an owned item is deleted.
    virtual void Delete(int index);
    // Removes every slot, deleting owned items.
    virtual void Clear();
    // Removes the first slot holding the item without deleting it; returns
    // the item, or nullptr when it is not in the list.
    void* Extract(const void* item);
    // Removes (and in an owning list deletes) the first slot holding the
    // item; returns its former index or -1.
    int Remove(const void* item);
    int IndexOf(const void* item) const;

    void Exchange(int index1, int index2);
    void Move(int from, int to);
    // Drops the null slots, keeping the order of the others.
    void Pack();
    // Sorts by the comparison (stable, so equal items keep their order).
    void Sort(const TListSortCompare& compare);

    void SetOwnsObjects(TListDeleter deleter) { deleter_ = std::move(deleter); }
    template <class T> void OwnObjects() {
        SetOwnsObjects([](void* p) { delete static_cast<T*>(p); });
    }
    bool OwnsObjects() const { return bool(deleter_); }

protected:
    // Direct access for code that moves many items (sorts): no checks.
    void** Data() { return items_.data(); }
    void* const* Data() const { return items_.data(); }
    void CheckIndex(int index) const;
    void FreeItem(void* item) const;

private:
    void ClearItems();

    std::vector<void*> items_;
    TListDeleter deleter_;
};

} // namespace qm7::platform
