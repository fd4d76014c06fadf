// TStringList: an indexable list of UTF-16 strings, each carrying an attached
// object pointer and, separately, a 64-bit integer. Optionally kept sorted,
// with a duplicates policy; compared through an ICU collator of the user
// locale (ignoring case unless told otherwise) or by code units. Reads and
// writes text files and streams in UTF-16, UTF-8 or the system code page.
//
// Attached objects: by default the list only carries the pointers. After
// OwnObjects<T>() (or SetOwnsObjects with a deleter) it owns them and deletes
// each one when its entry is deleted, when the list is cleared or destroyed,
// and when SetObject replaces it. Numbers that VCL-style code keeps in the
// object pointer belong in the integer instead (Integers, SetInteger,
// AddInteger), which the list never tries to free.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

struct UCollator;

namespace qm7::platform {

class TStream;

// Index out of bounds, a refused duplicate, or an operation that a sorted
// list does not allow.
class QM7_EXPORT EStringListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What Add does with a string a sorted list already holds.
enum TDuplicates {
    dupIgnore, // keep the list as it is and return the index of the one present
    dupAccept, // add it beside the ones present
    dupError,  // throw EStringListError
};

// Encodings of text files. A byte-order mark is written for all but teAnsi
// and teUtf8.
enum TTextEncoding {
    teAnsi,    // the system code page (platform/settings.h)
    teUtf8,    // UTF-8 without a mark
    teUtf8Bom, // UTF-8 with EF BB BF
    teUtf16LE, // UTF-16 little-endian with FF FE
    teUtf16BE, // UTF-16 big-endian with FE FF
};

// Decodes bytes that may start with a byte-order mark: UTF-16 LE or BE and
// UTF-8 by their marks; otherwise UTF-8 when the bytes are valid UTF-8, else
// the system code page. An odd trailing byte of UTF-16 is dropped. Says which
// encoding it chose when asked.
QM7_EXPORT std::u16string DecodeText(std::string_view bytes, TTextEncoding* found = nullptr);
// The bytes of text in the encoding, with its byte-order mark.
QM7_EXPORT std::string EncodeText(std::u16string_view text, TTextEncoding encoding);

class TStringList;
// A comparison for CustomSort: negative, 0 or positive as the entry at
// index1 sorts before, with or after the one at index2.
using TStringListSortCompare = std::function<int(const TStringList& list, int index1, int index2)>;
using TObjectDeleter = std::function<void(void*)>;

class QM7_EXPORT TStringList {
public:
    TStringList();
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    virtual ~TStringList();

    int Count() const { return int(items_.size()); }

    // Access by index; an index outside 0 .. Count() - 1 throws
    // EStringListError.
    const std::u16string& Strings(int index) const;
    // Not allowed on a sorted list (it would break the order).
    void SetString(int index, std::u16string s);
    void* Objects(int index) const;
    // In an owning list the object replaced is deleted (unless it is the same).
    void SetObject(int index, void* object);
    int64_t Integers(int index) const;
    void SetInteger(int index, int64_t value);

    // Append, or in a sorted list insert in order (duplicates as Duplicates
    // says). Returns the index of the entry.
    int Add(std::u16string s);
    // In an owning list, an object that is not stored (an ignored duplicate,
    // or a refused one) stays the caller's.
    int AddObject(std::u16string s, void* object);
    int AddInteger(std::u16string s, int64_t value);
    // Insert at an index from 0 to Count(); not allowed on a sorted list.
    void Insert(int index, std::u16string s);
    void InsertObject(int index, std::u16string s, void* object);
    // Delete and Clear free owned objects. The destructor clears the list
    // with this class's own Clear.
    virtual void Delete(int index);
    virtual void Clear();

    // Index of the first entry equal to s under the list's comparison, or -1.
    // Binary search when the list is sorted.
    int IndexOf(std::u16string_view s) const;
    int IndexOfObject(const void* object) const;
    // On a sorted list: true when s is present, with index at the first equal
    // entry; otherwise false with index where s would be inserted. On an
    // unsorted list it searches from the start (index = Count() when absent).
    bool Find(std::u16string_view s, int& index) const;

    // Exchange and Move keep objects and integers with their strings. On a
    // sorted list they switch Sorted off, since the order no longer holds.
    void Exchange(int index1, int index2);
    void Move(int from, int to);

    // Sorts by the list's comparison (stable).
    void Sort();
    // Sorts by the comparison given (stable); a sorted list becomes unsorted.
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return sorted_; }
    // Switching on sorts the list at once.
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    // False by default: case is ignored. A sorted list is sorted again when
    // the comparison changes.
    bool CaseSensitive() const { return case_sensitive_; }
    void SetCaseSensitive(bool case_sensitive);
    // True by default: compare through an ICU collator of the user locale
    // (secondary strength ignoring case, tertiary when case-sensitive).
    // False: compare UTF-16 code units, after case folding when ignoring case.
    bool UseLocale() const { return use_locale_; }
    void SetUseLocale(bool use_locale);

    // Negative, 0 or positive: the comparison behind Sort, Find and IndexOf.
    virtual int CompareStrings(std::u16string_view a, std::u16string_view b) const;

    // Every string followed by LineBreak.
    std::u16string Text() const;
    void SetText(std::u16string_view text) { SetTextStr(text); }
    // All text that enters the list (SetText, LoadFromStream, LoadFromFile)
    // comes through here: clear the list and add its lines. With the line
    // break CR LF a line ends at CR LF, LF, CR or NUL, and a line break at
    // the very end adds no empty line; with any other line break the text is
    // split at each occurrence of it.
    virtual void SetTextStr(std::u16string_view text);
    const std::u16string& LineBreak() const { return line_break_; }
    void SetLineBreak(std::u16string line_break) { line_break_ = std::move(line_break); }

    // The encoding a save uses when none is given: UTF-16 LE at first, then
    // the encoding the last load found.
    TTextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TTextEncoding encoding) { encoding_ = encoding; }
    // Load the rest of the stream, or the whole file, as text (DecodeText),
    // replacing the lines.
    virtual void LoadFromFile(const std::filesystem::path& file_name);
    virtual void LoadFromStream(TStream& stream);
    // Save the Text. Files are replaced in one step: a failed save keeps the
    // old file. Errors throw EStreamError.
    void SaveToFile(const std::filesystem::path& file_name) const;
    void SaveToFile(const std::filesystem::path& file_name, TTextEncoding encoding) const;
    void SaveToStream(TStream& stream) const;
    void SaveToStream(TStream& stream, TTextEncoding encoding) const;

    // Ownership of attached objects: a deleter makes the list own them,
    // nullptr makes it carry them only.
    void SetOwnsObjects(TObjectDeleter deleter) { deleter_ = std::move(deleter); }
    template <class T> void OwnObjects() {
        SetOwnsObjects([](void* p) { delete static_cast<T*>(p); });
    }
    bool OwnsObjects() const { return bool(deleter_); }

private:
    struct TItem {
        std::u16string text;
        void* object = nullptr;
        int64_t integer = 0;
    };

    void CheckIndex(int index) const;
    void CheckUnsorted(const char* operation) const;
    int AddItem(TItem item);
    void InsertItem(int index, TItem item);
    void FreeObject(void* object) const;
    void ComparisonChanged();

    std::vector<TItem> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
    bool case_sensitive_ = false;
    bool use_locale_ = true;
    std::u16string line_break_ = u"\r\n";
    TTextEncoding encoding_ = teUtf16LE;
    TObjectDeleter deleter_;
    // The collator last used and the locale and strength it was chosen for.
    mutable const UCollator* collator_ = nullptr;
    mutable uint32_t collator_lcid_ = 0;
    mutable bool collator_case_sensitive_ = false;
};

} // namespace qm7::platform
