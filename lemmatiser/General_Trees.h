// An unbalanced binary search tree of untyped item pointers, ordered by a
// comparison the owner supplies. The tree owns its nodes, never the items:
// what happens on a duplicate, an insertion, a visit or a deletion is decided
// by hooks. Walks are iterative with a fixed-size stack, and every descent
// step and every visit calls the yield hook.
//
// An owner whose comparison is the ordinal order of a text key in each item
// can let the tree keep an index of those keys (UseOrdinalKeys). Look-ups
// and insertions then find their node, or the place where a descent would
// end, through the index instead of walking down the tree: the tree grows to
// exactly the shape a descent gives it, and every hook sees the same calls,
// but the cost no longer follows the depth of long chains.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
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

// The index of ordinal keys a tree may keep, and the place it finds for a
// key (both defined with the tree).
class TOrdinalKeyIndex;
struct TKeyPlace;

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
    void SetCompareFunction(TCompare2FunctOfObject f);
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
    // True while look-ups and insertions go through the index of ordinal
    // keys rather than down the tree.
    bool UsesKeyIndex() const { return fKeyIndex != nullptr; }

    int32_t counter = 0;
    int32_t going = 0;
    anything current;
    // The last node WhereIs compared against (null before any, and after
    // Clear).
    anything_ptr nearest_find();

protected:
    virtual int32_t ApproxCompare(const void* a, const void* b);
    virtual bool IsASeed(const void* a);
    virtual void Do_Found_Match(anything_ptr& item);
    virtual void Do_Added_One(anything_ptr& item);
    virtual void Do_In_Order(anything_ptr& item);
    virtual void Do_Deleting(anything_ptr& item);
    virtual void Seed_Tree();

    // The key text of an item: NUL-terminated units of 1 or 2 bytes.
    using TKeyTextOf = const void* (*)(const void* item);
    // Declares that the comparison this tree was created with orders items
    // by the ordinal order of the texts key_of gives for them: unsigned units
    // of unit_size bytes (1 or 2, in the machine's byte order), the first
    // differing unit deciding and a text coming before any longer text it
    // begins. The tree then keeps an index of those keys. A replaced
    // comparison ends the index for good; a declaration that changes the
    // form of the keys of a tree holding items takes effect when the tree is
    // next cleared. Items must keep their key text while they are in the
    // tree, and hooks must not give a node an item with another key.
    void UseOrdinalKeys(TKeyTextOf key_of, size_t unit_size);

private:
    anything_ptr InsertFrom(anything_ptr start, anything& new_one);
    anything_ptr DescendAndInsert(anything_ptr start, anything& new_one, anything_ptr& parent);
    anything_ptr InsertThroughIndex(anything& new_one);
    anything_ptr InsertBesideIndex(anything_ptr start, anything& new_one);
    void LinkNewNode(anything_ptr created, anything_ptr parent, const void* item);
    void IndexNewNode(anything_ptr created, const void* item, const TKeyPlace& place);
    void ReplaceComparison(const TCompare2FunctOfObject& compare);
    void RestoreKeyIndex();
    void ResolveNearestFind();
    void DropKeyIndex();
    bool RememberMissedKey(const void* item, std::string_view key);
    anything_ptr SilentDescent(const void* item, anything_ptr& found) const;
    anything_ptr DescendFrom(anything& new_one);
    void VerifyPlace(const void* item, anything_ptr equal, anything_ptr last) const;
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

    TKeyTextOf fKeyTextOf = nullptr;
    size_t fKeyUnitSize = 1;
    bool fComparisonReplaced = false;
    std::unique_ptr<TOrdinalKeyIndex> fKeyIndex;

    anything_ptr fNearestFind = nullptr;
    // A look-up that missed through the index leaves the bytes of its key
    // here, and nearest_find is worked out from them when it is needed:
    // when it is read, or before the tree or its index changes.
    std::string fNearestKey;
    bool fNearestPending = false;
    anything_ptr fNearestExpected = nullptr; // a descent's answer, in checking builds
};

} // namespace qm7::lemmatiser
