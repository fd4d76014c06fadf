#include "lemmatiser/General_Trees.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "lemmatiser/myKpSmall.h"

namespace qm7::lemmatiser {

// Ordinal order of texts of 1- or 2-byte units: unsigned bytes compare
// as std::string_view does; 2-byte units are read in the machine's byte
// order from texts that may lie at any address.
struct TOrdinalLess {
    size_t unit_size = 1;
    bool operator()(std::string_view a, std::string_view b) const {
        if (unit_size == 1)
            return a < b;
        const size_t common = std::min(a.size(), b.size());
        for (size_t i = 0; i + 1 < common; i += 2) {
            char16_t x, y;
            std::memcpy(&x, a.data() + i, sizeof x);
            std::memcpy(&y, b.data() + i, sizeof y);
            if (x != y)
                return x < y;
        }
        return a.size() < b.size();
    }
};

using TOrderedKeys = std::map<std::string_view, anything_ptr, TOrdinalLess>;

// Where a key belongs: the node holding an equal key, or else the last node
// a descent from the root compares against (null in an empty tree) and the
// first key after it in the order.
struct TKeyPlace {
    anything_ptr equal = nullptr;
    anything_ptr last = nullptr;
    TOrderedKeys::const_iterator successor;
};

// The nodes of a tree by the bytes of their keys: an open-addressing hash
// table for exact matches and an ordered map for the neighbours of a
// missing key. Key views point into the items' own texts.
class TOrdinalKeyIndex {
public:
    using TOrdered = TOrderedKeys;
    using TPlace = TKeyPlace;

    explicit TOrdinalKeyIndex(size_t unit_size) : ordered_(TOrdinalLess{unit_size}) {}

    size_t UnitSize() const { return ordered_.key_comp().unit_size; }

    // The bytes of an item's key text, or nothing for a null text.
    std::optional<std::string_view> KeyOf(const void* text) const {
        if (text == nullptr)
            return std::nullopt;
        if (UnitSize() == 1)
            return std::string_view(static_cast<const char*>(text));
        return std::string_view(static_cast<const char*>(text), 2 * WideLength(text));
    }

    // In a binary search tree the descent for a missing key passes through
    // both its neighbours in order, the predecessor and the successor, and
    // ends at the deeper of the two: at the predecessor exactly when its
    // right link is empty (else the successor lies below it).
    TPlace Locate(std::string_view key) const {
        if (const anything_ptr equal = FindExact(key))
            return {equal, equal, ordered_.end()};
        const auto successor = SuccessorOf(key);
        if (successor != ordered_.begin()) {
            const anything_ptr predecessor = std::prev(successor)->second;
            if (predecessor->right == nullptr)
                return {nullptr, predecessor, successor};
        }
        return {nullptr, successor != ordered_.end() ? successor->second : nullptr, successor};
    }

    // The node holding key, or null.
    anything_ptr FindExact(std::string_view key) const {
        if (slots_.empty())
            return nullptr;
        const uint32_t hash = HashOf(key);
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const TSlot& slot = slots_[i];
            if (slot.node == nullptr)
                return nullptr;
            if (slot.hash == hash && slot.length == key.size() &&
                std::memcmp(slot.key, key.data(), key.size()) == 0)
                return slot.node;
        }
    }

    // Records a key that is not present yet; successor is where Locate said
    // it goes.
    void Add(std::string_view key, anything_ptr node, TOrdered::const_iterator successor) {
        if (key.size() > UINT32_MAX)
            throw std::length_error("key too long for the index");
        if (2 * (count_ + 1) > slots_.size())
            Grow();
        const size_t before = ordered_.size();
        const auto at = ordered_.emplace_hint(successor, key, node);
        if (ordered_.size() == before)
            return;
        last_added_ = at;
        Place({HashOf(key), uint32_t(key.size()), key.data(), node});
        ++count_;
    }

    void Clear() {
        slots_.clear();
        count_ = 0;
        ordered_.clear();
        last_added_ = ordered_.end();
    }

private:
    // One slot of the hash table; an empty slot has no node.
    struct TSlot {
        uint32_t hash = 0;
        uint32_t length = 0;
        const char* key = nullptr;
        anything_ptr node = nullptr;
    };

    static uint32_t HashOf(std::string_view key) {
        const uint64_t h = std::hash<std::string_view>{}(key);
        return uint32_t(h ^ (h >> 32));
    }

    // The first key after a missing one. Sorted input adds each key just
    // after the one added before, so that place is tried first.
    TOrdered::const_iterator SuccessorOf(std::string_view key) const {
        const TOrdinalLess& less = ordered_.key_comp();
        if (last_added_ != ordered_.end() && less(last_added_->first, key)) {
            const auto next = std::next(last_added_);
            if (next == ordered_.end() || less(key, next->first))
                return next;
        }
        return ordered_.lower_bound(key);
    }

    void Place(const TSlot& entry) {
        const size_t mask = slots_.size() - 1;
        size_t i = entry.hash & mask;
        while (slots_[i].node != nullptr)
            i = (i + 1) & mask;
        slots_[i] = entry;
    }

    // Keeps the table at most half full.
    void Grow() {
        std::vector<TSlot> old(std::max<size_t>(64, 2 * slots_.size()));
        old.swap(slots_);
        for (const TSlot& slot : old)
            if (slot.node != nullptr)
                Place(slot);
    }

    std::vector<TSlot> slots_;
    size_t count_ = 0;
    TOrdered ordered_;
    TOrdered::const_iterator last_added_ = ordered_.end();
};

namespace {

int32_t CompareNothing(const void*, const void*) {
    return 0;
}

// The explicit stack of a walk: a push that brings it to the limit fails.
class TWalkStack {
public:
    TWalkStack() { nodes_.reserve(kTreeStackLimit); }
    void Push(anything_ptr node) {
        if (nodes_.size() + 1 >= kTreeStackLimit)
            throw ETreeError(kLopsidedTreeMessage);
        nodes_.push_back(node);
    }
    anything_ptr Pop() {
        anything_ptr node = nodes_.back();
        nodes_.pop_back();
        return node;
    }
    bool Empty() const { return nodes_.empty(); }

private:
    std::vector<anything_ptr> nodes_;
};

} // namespace

// A build that checks the index of keys runs every descent the index stands
// in for as well, and stops the program at the first difference.
#ifdef QM7_VERIFY_KEY_INDEX
constexpr bool kVerifyKeyIndex = true;
#else
constexpr bool kVerifyKeyIndex = false;
#endif

TGeneral_Tree::TGeneral_Tree(TCompare2FunctOfObject Compfunct)
    : fDoFoundMatchFunct([this](anything_ptr& item) { Do_Found_Match(item); }),
      fDoInOrderFunct([this](anything_ptr& item) { Do_In_Order(item); }),
      fDoAddedOneFunct([this](anything_ptr& item) { Do_Added_One(item); }),
      fDoDeletingFunct([this](anything_ptr& item) { Do_Deleting(item); }),
      fCompareFunct(Compfunct ? std::move(Compfunct) : TCompare2FunctOfObject(CompareNothing)) {}

// A derived class whose Do_Deleting frees items must Clear in its own
// destructor: here the virtual call no longer reaches it.
TGeneral_Tree::~TGeneral_Tree() {
    DeleteAllNodes();
}

void TGeneral_Tree::Clear() {
    fTreeModified = true;
    DeleteAllNodes();
    fBuiltPtrArray.clear();
    built_len = 0;
    counter = 0;
    froot = nullptr;
    fNearestFind = nullptr;
    fNearestPending = false;
    RestoreKeyIndex();
}

// An empty tree takes up the index of its declared keys again (one whose
// comparison was replaced never does). Without memory for it the tree simply
// goes on with descents.
void TGeneral_Tree::RestoreKeyIndex() {
    if (fKeyIndex != nullptr || fKeyTextOf == nullptr || fComparisonReplaced)
        return;
    try {
        fKeyIndex = std::make_unique<TOrdinalKeyIndex>(fKeyUnitSize);
    } catch (...) {
        fKeyIndex.reset();
    }
}

// Frees every node in order, calling the deleting hook for each. Rotating
// each left child up in place of a stack keeps the walk free of any depth
// limit, so clearing never fails whatever the shape of the tree.
void TGeneral_Tree::DeleteAllNodes() {
    anything_ptr node = froot;
    froot = nullptr;
    fNearestFind = nullptr;
    fNearestPending = false;
    if (fKeyIndex != nullptr)
        fKeyIndex->Clear();
    going = counter;
    while (node != nullptr) {
        if (node->left != nullptr) {
            anything_ptr left = node->left;
            node->left = left->right;
            left->right = node;
            node = left;
            continue;
        }
        MyYieldProcess();
        anything_ptr next = node->right;
        --going;
        if (fDoDeletingFunct)
            fDoDeletingFunct(node);
        delete node;
        node = next;
    }
    fReorderPtrArray.clear();
}

void TGeneral_Tree::UseOrdinalKeys(TKeyTextOf key_of, size_t unit_size) {
    const bool same_form =
        fKeyIndex != nullptr && fKeyTextOf == key_of && fKeyIndex->UnitSize() == unit_size;
    fKeyTextOf = key_of;
    fKeyUnitSize = unit_size;
    if (key_of == nullptr || fComparisonReplaced || (unit_size != 1 && unit_size != 2)) {
        fKeyTextOf = nullptr;
        DropKeyIndex();
    } else if (froot == nullptr) {
        DropKeyIndex();
        RestoreKeyIndex();
    } else if (!same_form) {
        // The items present were placed under another order: descents only,
        // until the tree is cleared.
        DropKeyIndex();
    }
}

void TGeneral_Tree::ReplaceComparison(const TCompare2FunctOfObject& compare) {
    DropKeyIndex();
    fCompareFunct = compare;
    fComparisonReplaced = true;
}

// The tree goes on with descents; a nearest_find still to be worked out is
// worked out first, from the index.
void TGeneral_Tree::DropKeyIndex() {
    ResolveNearestFind();
    fKeyIndex.reset();
}

void TGeneral_Tree::SetCompareFunction(TCompare2FunctOfObject f) {
    ReplaceComparison(f);
}

// The plain descent: one yield per step; parent is the last node compared.
anything_ptr TGeneral_Tree::DescendAndInsert(anything_ptr start, anything& new_one,
                                             anything_ptr& parent) {
    parent = nullptr;
    anything_ptr node = start;
    while (node != nullptr) {
        MyYieldProcess();
        const int32_t order = fCompareFunct(new_one.this_, node->this_);
        if (order == 0) {
            if (fDoFoundMatchFunct)
                fDoFoundMatchFunct(node);
            return nullptr;
        }
        parent = node;
        node = order < 0 ? node->left : node->right;
    }
    anything_ptr created = new anything(new_one);
    if (fDoAddedOneFunct)
        fDoAddedOneFunct(created);
    LinkNewNode(created, parent, new_one.this_);
    return created;
}

void TGeneral_Tree::LinkNewNode(anything_ptr created, anything_ptr parent, const void* item) {
    created->left = nullptr;
    created->right = nullptr;
    if (parent == nullptr)
        froot = created;
    else if (fCompareFunct(item, parent->this_) < 0)
        parent->left = created;
    else
        parent->right = created;
    ++counter;
    fTreeModified = true;
}

// Records a new node in the index. A hook that gave the node an item with
// another key, or a failure to grow the index, ends the index: the tree
// itself is as a descent left it either way.
void TGeneral_Tree::IndexNewNode(anything_ptr created, const void* item, const TKeyPlace& place) {
    if (fKeyIndex == nullptr)
        return;
    const auto key = fKeyIndex->KeyOf(fKeyTextOf(item));
    const auto held =
        created->this_ != nullptr ? fKeyIndex->KeyOf(fKeyTextOf(created->this_)) : std::nullopt;
    if (!key || !held || *key != *held) {
        DropKeyIndex();
        return;
    }
    try {
        fKeyIndex->Add(*held, created, place.successor);
    } catch (...) {
        DropKeyIndex();
    }
}

// A descent from the root made without yielding or calling any hook: the
// last node compared, and the equal node when there is one.
anything_ptr TGeneral_Tree::SilentDescent(const void* item, anything_ptr& found) const {
    anything_ptr reached = nullptr;
    found = nullptr;
    for (anything_ptr node = froot; node != nullptr && found == nullptr;) {
        reached = node;
        const int32_t order = fCompareFunct(item, node->this_);
        if (order == 0)
            found = node;
        else
            node = order < 0 ? node->left : node->right;
    }
    return reached;
}

// Checks an answer of the index against a descent from the root.
void TGeneral_Tree::VerifyPlace(const void* item, anything_ptr equal, anything_ptr last) const {
    anything_ptr found = nullptr;
    const anything_ptr reached = SilentDescent(item, found);
    if (found != equal || reached != last) {
        std::fputs("the index of keys differs from the tree\n", stderr);
        std::abort();
    }
}

anything_ptr TGeneral_Tree::InsertThroughIndex(anything& new_one) {
    MyYieldProcess();
    const auto key = fKeyIndex->KeyOf(fKeyTextOf(new_one.this_));
    const TOrdinalKeyIndex::TPlace place = fKeyIndex->Locate(*key);
    if constexpr (kVerifyKeyIndex)
        VerifyPlace(new_one.this_, place.equal, place.last);
    if (place.equal != nullptr) {
        anything_ptr node = place.equal;
        if (fDoFoundMatchFunct)
            fDoFoundMatchFunct(node);
        return nullptr;
    }
    anything_ptr created = new anything(new_one);
    if (fDoAddedOneFunct)
        fDoAddedOneFunct(created);
    LinkNewNode(created, place.last, new_one.this_);
    IndexNewNode(created, new_one.this_, place);
    return created;
}

// A descent that starts below the root may place an item where a descent
// from the root would not; the index stays only when it did not.
anything_ptr TGeneral_Tree::InsertBesideIndex(anything_ptr start, anything& new_one) {
    const TOrdinalKeyIndex::TPlace expected =
        fKeyIndex->Locate(*fKeyIndex->KeyOf(fKeyTextOf(new_one.this_)));
    anything_ptr parent = nullptr;
    anything_ptr created = DescendAndInsert(start, new_one, parent);
    if (created == nullptr || fKeyIndex == nullptr)
        return created;
    if (expected.equal == nullptr && parent == expected.last)
        IndexNewNode(created, new_one.this_, expected);
    else
        DropKeyIndex();
    return created;
}

anything_ptr TGeneral_Tree::InsertFrom(anything_ptr start, anything& new_one) {
    // A nearest_find still to be worked out belongs to the tree as it is now.
    ResolveNearestFind();
    const bool keyed =
        fKeyIndex != nullptr && new_one.this_ != nullptr && fKeyTextOf(new_one.this_) != nullptr;
    if (keyed && start == froot)
        return InsertThroughIndex(new_one);
    if (keyed)
        return InsertBesideIndex(start, new_one);
    anything_ptr parent = nullptr;
    return DescendAndInsert(start, new_one, parent);
}

bool TGeneral_Tree::Add_One(anything& new_one) {
    return InsertFrom(froot, new_one) != nullptr;
}

bool TGeneral_Tree::Add_One_To_Nearest(anything& new_one) {
    const anything_ptr start = nearest_find();
    return InsertFrom(start != nullptr ? start : froot, new_one) != nullptr;
}

anything_ptr TGeneral_Tree::Add_OnePtr(anything& new_one) {
    return InsertFrom(froot, new_one);
}

anything_ptr TGeneral_Tree::WhereIs(anything& new_one) {
    MyYieldProcess();
    if (fKeyIndex != nullptr && froot != nullptr && new_one.this_ != nullptr) {
        if (const auto key = fKeyIndex->KeyOf(fKeyTextOf(new_one.this_))) {
            const anything_ptr equal = fKeyIndex->FindExact(*key);
            if (equal != nullptr) {
                if constexpr (kVerifyKeyIndex)
                    VerifyPlace(new_one.this_, equal, equal);
                fNearestFind = equal;
                fNearestPending = false;
                return equal;
            }
            if (RememberMissedKey(new_one.this_, *key))
                return nullptr;
        }
    }
    return DescendFrom(new_one);
}

// Keeps the key of a look-up that found nothing, for nearest_find. False
// when the key could not be kept: the caller descends instead.
bool TGeneral_Tree::RememberMissedKey(const void* item, std::string_view key) {
    try {
        fNearestKey.assign(key);
    } catch (...) {
        fNearestPending = false;
        return false;
    }
    fNearestPending = true;
    if constexpr (kVerifyKeyIndex) {
        anything_ptr found = nullptr;
        fNearestExpected = SilentDescent(item, found);
        if (found != nullptr) {
            std::fputs("the index of keys differs from the tree\n", stderr);
            std::abort();
        }
    }
    return true;
}

void TGeneral_Tree::ResolveNearestFind() {
    if (!fNearestPending)
        return;
    fNearestPending = false;
    fNearestFind = fKeyIndex->Locate(fNearestKey).last;
    if (kVerifyKeyIndex && fNearestFind != fNearestExpected) {
        std::fputs("the index of keys differs from the tree\n", stderr);
        std::abort();
    }
}

anything_ptr TGeneral_Tree::nearest_find() {
    ResolveNearestFind();
    return fNearestFind;
}

anything_ptr TGeneral_Tree::DescendFrom(anything& new_one) {
    fNearestPending = false;
    anything_ptr node = froot;
    while (node != nullptr) {
        MyYieldProcess();
        fNearestFind = node;
        const int32_t order = fCompareFunct(new_one.this_, node->this_);
        if (order == 0)
            return node;
        node = order < 0 ? node->left : node->right;
    }
    return nullptr;
}

anything_ptr TGeneral_Tree::WhereIsApproxMatch(anything& new_one) {
    MyYieldProcess();
    anything_ptr node = froot;
    while (node != nullptr) {
        const int32_t order = ApproxCompare(new_one.this_, node->this_);
        if (order == 0)
            return node;
        node = order < 0 ? node->left : node->right;
    }
    return nullptr;
}

void TGeneral_Tree::Traverse(const TDo_Something& DoInOrder) {
    fTreeModified = false;
    if (froot == nullptr)
        return;
    going = 0;
    TWalkStack stack;
    anything_ptr node = froot;
    while (node != nullptr || !stack.Empty()) {
        MyYieldProcess();
        while (node != nullptr) {
            stack.Push(node);
            node = node->left;
        }
        anything_ptr visited = stack.Pop();
        node = visited->right;
        ++going;
        MyYieldProcess();
        if (DoInOrder)
            DoInOrder(visited);
    }
}

void TGeneral_Tree::Traverse() {
    const TDo_Something hook = fDoInOrderFunct;
    Traverse(hook);
}

int32_t TGeneral_Tree::BuildPtrArray(const TFilterItOut& FilterOutCriterion,
                                     const TDo_Something& DoInOrderAfterwards) {
    built_len = 0;
    fBuiltPtrArray.assign(size_t(counter), nullptr);
    fFilterItOut = FilterOutCriterion;
    Traverse([this](anything_ptr& item) {
        if (fFilterItOut && fFilterItOut(item))
            return;
        if (IsASeed(item->this_))
            return;
        fBuiltPtrArray[size_t(built_len++)] = item->this_;
    });
    fBuiltPtrArray.resize(size_t(built_len));
    if (DoInOrderAfterwards) {
        fDoInOrderFunct = DoInOrderAfterwards;
        TraverseArray(fBuiltPtrArray);
    }
    return built_len;
}

void TGeneral_Tree::QuickSort(TTreeArrayOfPointer& a, int64_t low, int64_t high,
                              const TCompare2FunctOfObject& compare) {
    while (low < high) {
        int64_t i = low;
        int64_t j = high;
        void* const pivot = a[size_t((low + high) / 2)];
        do {
            while (compare(a[size_t(i)], pivot) < 0)
                ++i;
            while (compare(pivot, a[size_t(j)]) < 0)
                --j;
            if (i <= j) {
                std::swap(a[size_t(i)], a[size_t(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        // Recurse into the smaller part and loop on the larger one, so the
        // depth stays logarithmic whatever the data.
        if (j - low < high - i) {
            if (low < j)
                QuickSort(a, low, j, compare);
            low = i;
        } else {
            if (i < high)
                QuickSort(a, i, high, compare);
            high = j;
        }
    }
}

void TGeneral_Tree::SortBuiltArray() {
    if (fBuiltPtrArray.size() > 1)
        QuickSort(fBuiltPtrArray, 0, int64_t(fBuiltPtrArray.size()) - 1, fCompareFunct);
}

void TGeneral_Tree::SortBuiltArray(const TCompare2FunctOfObject& NewCompare) {
    ReplaceComparison(NewCompare ? NewCompare : TCompare2FunctOfObject(CompareNothing));
    SortBuiltArray();
}

void TGeneral_Tree::TraverseArray(const TTreeArrayOfPointer& arr) {
    going = 0;
    for (void* item : arr) {
        ++going;
        if (item == nullptr)
            continue;
        anything node{item, nullptr, nullptr};
        anything_ptr presented = &node;
        if (fDoInOrderFunct)
            fDoInOrderFunct(presented);
    }
}

void TGeneral_Tree::TraverseArray(const Tarray_of_anything_ptr& arr) {
    going = 0;
    for (anything_ptr node : arr) {
        ++going;
        if (node != nullptr && fDoInOrderFunct)
            fDoInOrderFunct(node);
    }
}

void TGeneral_Tree::TraverseReordering(const TCompare2FunctOfObject& NewCompare,
                                       const TDo_Something& NewDoInOrder) {
    fReorderPtrArray.assign(size_t(counter), nullptr);
    ReplaceComparison(NewCompare ? NewCompare : TCompare2FunctOfObject(CompareNothing));
    Traverse([this](anything_ptr& item) {
        if (item->this_ != nullptr && going >= 1 && size_t(going) <= fReorderPtrArray.size())
            fReorderPtrArray[size_t(going - 1)] = item->this_;
    });
    if (fReorderPtrArray.size() > 1)
        QuickSort(fReorderPtrArray, 0, int64_t(fReorderPtrArray.size()) - 1, fCompareFunct);
    fDoInOrderFunct = NewDoInOrder;
    TraverseArray(fReorderPtrArray);
}

void TGeneral_Tree::CopyFrom(TGeneral_Tree& Another, const TDo_Something& AnothersDoInOrder,
                             bool ClearSelf, bool ClearAnother) {
    if (ClearSelf)
        Clear();
    Another.fDoInOrderFunct = AnothersDoInOrder;
    Another.Traverse();
    if (ClearAnother)
        Another.Clear();
}

void TGeneral_Tree::Do_Nowt(anything_ptr&) {}

int32_t TGeneral_Tree::ApproxCompare(const void*, const void*) {
    return 0;
}
bool TGeneral_Tree::IsASeed(const void*) {
    return false;
}
void TGeneral_Tree::Do_Found_Match(anything_ptr&) {}
void TGeneral_Tree::Do_Added_One(anything_ptr&) {}
void TGeneral_Tree::Do_In_Order(anything_ptr&) {}
void TGeneral_Tree::Do_Deleting(anything_ptr&) {}
void TGeneral_Tree::Seed_Tree() {}

} // namespace qm7::lemmatiser
