#include "platform/pointerlist.h"

#include <algorithm>
#include <string>

namespace qm7::platform {

TObject::~TObject() = default;

TList::~TList() {
    ClearItems();
}

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("list index out of bounds (" + std::to_string(index) + ")");
}

void TList::FreeItem(void* item) const {
    if (item != nullptr && deleter_)
        deleter_(item);
}

void TList::SetItem(int index, void* item) {
    CheckIndex(index);
    void* old = items_[size_t(index)];
    items_[size_t(index)] = item;
    if (old != item)
        FreeItem(old);
}

int TList::Add(void* item) {
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count())
        throw EListError("list index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    CheckIndex(index);
    void* item = items_[size_t(index)];
    items_.erase(items_.begin() + index);
    FreeItem(item);
}

void TList::ClearItems() {
    // Taken out first: a deleter that looks at the list sees it empty.
    std::vector<void*> items;
    items.swap(items_);
    for (void* item : items)
        FreeItem(item);
}

void TList::Clear() {
    ClearItems();
}

void* TList::Extract(const void* item) {
    const int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    void* found = items_[size_t(index)];
    items_.erase(items_.begin() + index);
    return found;
}

int TList::Remove(const void* item) {
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

int TList::IndexOf(const void* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[size_t(index1)], items_[size_t(index2)]);
}

void TList::Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    void* item = items_[size_t(from)];
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, item);
}

void TList::Pack() {
    std::erase(items_, nullptr);
}

void TList::Sort(const TListSortCompare& compare) {
    std::stable_sort(items_.begin(), items_.end(),
                     [&](const void* a, const void* b) { return compare(a, b) < 0; });
}

} // namespace qm7::platform
