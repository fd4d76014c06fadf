#include "lemmatiser/General_Trees.h"

#include <utility>

#include "lemmatiser/myKpSmall.h"

namespace qm7::lemmatiser {

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
    nearest_find = nullptr;
}

// Frees every node in order, calling the deleting hook for each. Rotating
// each left child up in place of a stack keeps the walk free of any depth
// limit, so clearing never fails whatever the shape of the tree.
void TGeneral_Tree::DeleteAllNodes() {
    anything_ptr node = froot;
    froot = nullptr;
    nearest_find = nullptr;
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

anything_ptr TGeneral_Tree::InsertFrom(anything_ptr start, anything& new_one) {
    anything_ptr parent = nullptr;
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
    created->left = nullptr;
    created->right = nullptr;
    if (parent == nullptr)
        froot = created;
    else if (fCompareFunct(new_one.this_, parent->this_) < 0)
        parent->left = created;
    else
        parent->right = created;
    ++counter;
    fTreeModified = true;
    return created;
}

bool TGeneral_Tree::Add_One(anything& new_one) {
    return InsertFrom(froot, new_one) != nullptr;
}

bool TGeneral_Tree::Add_One_To_Nearest(anything& new_one) {
    return InsertFrom(nearest_find != nullptr ? nearest_find : froot, new_one) != nullptr;
}

anything_ptr TGeneral_Tree::Add_OnePtr(anything& new_one) {
    return InsertFrom(froot, new_one);
}

anything_ptr TGeneral_Tree::WhereIs(anything& new_one) {
    MyYieldProcess();
    anything_ptr node = froot;
    while (node != nullptr) {
        MyYieldProcess();
        nearest_find = node;
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
    fCompareFunct = NewCompare ? NewCompare : TCompare2FunctOfObject(CompareNothing);
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
    fCompareFunct = NewCompare ? NewCompare : TCompare2FunctOfObject(CompareNothing);
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
