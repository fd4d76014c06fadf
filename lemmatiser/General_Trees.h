// An unbalanced binary search tree of untyped item pointers, ordered by a
// comparison the owner supplies. The tree owns its nodes, never the items:
// what happens on a duplicate, an insertion, a visit or a deletion is decided
// by hooks. Walks are iterative with a fixed-size stack, and every descent
// step and every visit calls the yield hook.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace qm7::lemmatiser {

// One node. `this_` is the item; the tree looks inside it only through the
// comparison and the hooks.
struct anything;
using anything_ptr = anything*;
struct anything {
    void* this_ = nullptr;
    anything_ptr left = nullptr;
    anything_ptr right = nullptr;
};

using TTreeArrayOfPointer = std::vector<void*>;
using Tarray_of_anything_ptr = std::vector<anything_ptr>;

// Negative when a sorts before b, 0 when equal, positive when after.
using TCompare2FunctOfObject = std::function<int32_t(const void* a, const void* b)>;
// Called with the node concerned; may read and change it.
using TDo_Something = std::function<void(anything_ptr& item)>;
// True when the item is to be left out of a built array.
using TFilterItOut = std::function<bool(anything_ptr& item)>;

// Raised by a walk whose stack of pending nodes would reach its limit.
class ETreeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the error a walk raises on a too deep chain of left links.
inline constexpr const char* kLopsidedTreeMessage = "lopsided data: stack overflow in Tree";
// Pending nodes a walk may hold: a push that brings the stack to this many
// fails with ETreeError.
inline constexpr size_t kTreeStackLimit = 2048;

class TGeneral_Tree {
public:
    // A tree created without a comparison treats every item after the first
    // as a duplicate of it.
    explicit TGeneral_Tree(TCompare2FunctOfObject Compfunct = {});
    virtual ~TGeneral_Tree();
    TGeneral_Tree(const TGeneral_Tree&) = delete;
    TGeneral_Tree& operator=(const TGeneral_Tree&) = delete;

    // Deletes every node (the deleting hook is called for each) whatever the
    // tree's shape, and empties both built arrays.
    virtual void Clear();

    bool Add_One(anything& new_one);
    bool Add_One_To_Nearest(anything& new_one);
    anything_ptr Add_OnePtr(anything& new_one);
    anything_ptr WhereIs(anything& new_one);
    anything_ptr WhereIsApproxMatch(anything& new_one);

    void Traverse(const TDo_Something& DoInOrder);
    void Traverse();
    int32_t BuildPtrArray(const TFilterItOut& FilterOutCriterion,
                          const TDo_Something& DoInOrderAfterwards = {});
    void SortBuiltArray();
    void SortBuiltArray(const TCompare2FunctOfObject& NewCompare);
    void TraverseArray(const TTreeArrayOfPointer& arr);
    void TraverseArray(const Tarray_of_anything_ptr& arr);
    void TraverseReordering(const TCompare2FunctOfObject& NewCompare,
                            const TDo_Something& NewDoInOrder);
    void CopyFrom(TGeneral_Tree& Another, const TDo_Something& AnothersDoInOrder, bool ClearSelf,
                  bool ClearAnother);
    void Do_Nowt(anything_ptr& item);

    const TTreeArrayOfPointer& BuiltArray() const { return fBuiltPtrArray; }
    const TCompare2FunctOfObject& CompareFunction() const { return fCompareFunct; }
    void SetCompareFunction(TCompare2FunctOfObject f) { fCompareFunct = std::move(f); }
    const TDo_Something& DoFoundMatchFunction() const { return fDoFoundMatchFunct; }
    void SetDoFoundMatchFunction(TDo_Something f) { fDoFoundMatchFunct = std::move(f); }
    const TDo_Something& DoDeletingFunction() const { return fDoDeletingFunct; }
    void SetDoDeletingFunction(TDo_Something f) { fDoDeletingFunct = std::move(f); }
    const TDo_Something& DoAddedOneFunction() const { return fDoAddedOneFunct; }
    void SetDoAddedOneFunction(TDo_Something f) { fDoAddedOneFunct = std::move(f); }
    const TDo_Something& DoInOrderFunction() const { return fDoInOrderFunct; }
    void SetDoInOrderFunction(TDo_Something f) { fDoInOrderFunct = std::move(f); }
    const TFilterItOut& FilteredOut() const { return fFilterItOut; }
    void SetFilteredOut(TFilterItOut f) { fFilterItOut = std::move(f); }
    bool TreeModified() const { return fTreeModified; }
    void SetTreeModified(bool value) { fTreeModified = value; }
    anything_ptr Root() const { return froot; }

    int32_t counter = 0;
    int32_t going = 0;
    anything current;
    anything_ptr nearest_find = nullptr;

protected:
    virtual int32_t ApproxCompare(const void* a, const void* b);
    virtual bool IsASeed(const void* a);
    virtual void Do_Found_Match(anything_ptr& item);
    virtual void Do_Added_One(anything_ptr& item);
    virtual void Do_In_Order(anything_ptr& item);
    virtual void Do_Deleting(anything_ptr& item);
    virtual void Seed_Tree();

private:
    anything_ptr InsertFrom(anything_ptr start, anything& new_one);
    void DeleteAllNodes();
    static void QuickSort(TTreeArrayOfPointer& a, int64_t low, int64_t high,
                          const TCompare2FunctOfObject& compare);

    TTreeArrayOfPointer fBuiltPtrArray;
    TTreeArrayOfPointer fReorderPtrArray;
    int32_t built_len = 0;
    bool fTreeModified = false;
    TFilterItOut fFilterItOut;
    TDo_Something fDoFoundMatchFunct;
    TDo_Something fDoInOrderFunct;
    TDo_Something fDoAddedOneFunct;
    TDo_Something fDoDeletingFunct;
    TCompare2FunctOfObject fCompareFunct;
    anything_ptr froot = nullptr;
};

} // namespace qm7::lemmatiser
