// Choosing corpus texts from folders, sub-folders and zip archives by file
// masks and exclusions.
//
// TPeruseDir lists the acceptable files of one folder (and the acceptable
// entries of the zip archives found there) and reports every acceptable
// sub-folder, depth first, to its owner, which lists that folder in turn.
// TFolderful holds what was found in one folder and saves it to a stream;
// TMySearchRecList is the list of found files with its sort orders and
// search.
//
// Folders are read with readdir and their names sorted without regard to
// case, so results never depend on the file system's order; only names that
// pass a mask are examined (stat, following symbolic links). Attributes:
// read-only when the owner may not write, hidden for names starting with ".",
// archive for every regular file. A symbolic link to a folder is followed
// once: a folder already visited in a walk is not walked again. Names that
// are not valid UTF-8 cannot be named in UTF-16 and are passed over.
//
// Every file, entry and search step yields to the host (MyYieldProcess); the
// owner stops a walk by clearing the processing flag.
//
// Stream form of a file list: a signed 32-bit count, then per record the 20
// bytes of TMySearchRecStoredHead and ShortName as a counted string (signed
// 32-bit count of UTF-16 code units, then the units). A folder writes before
// its list the sort byte, starts, ends, dirnum and its name as a counted
// string. All numbers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/export.h"
#include "platform/object.h"
#include "platform/pointerlist.h"
#include "platform/stream.h"
#include "runtime1/core/Useful_Classes.h"
#include "runtime1/core/basic_types.h"

namespace qm7 {

namespace platform {
class TOpenFolder;
}

enum TMySearchRecSort : uint8_t {
    sr_sort_none,
    sr_sort_by_name,
    sr_sort_by_date,
    sr_sort_by_size,
    sr_sort_by_attr,
    sr_sort_by_extension,
};

// The fixed part of a stored file record.
#pragma pack(push, 1)
struct TMySearchRecStoredHead {
    double DateTime;
    int32_t Size;
    int32_t Attr;
    int16_t Number_Within_Zip;
    int16_t reserved; // written as 0, ignored on reading
};
#pragma pack(pop)
static_assert(sizeof(TMySearchRecStoredHead) == 20);
static_assert(offsetof(TMySearchRecStoredHead, DateTime) == 0);
static_assert(offsetof(TMySearchRecStoredHead, Size) == 8);
static_assert(offsetof(TMySearchRecStoredHead, Attr) == 12);
static_assert(offsetof(TMySearchRecStoredHead, Number_Within_Zip) == 16);
static_assert(offsetof(TMySearchRecStoredHead, reserved) == 18);

// The highest entry number a record can carry: archives with more entries
// are read up to here.
inline constexpr int32_t kMaxNumberWithinZip = 32767;

// Events of a walk, each optional.
using TCheckFileAcceptableEvent = std::function<bool(TMySearchRec& SR, bool InAZip)>;
using TFoundDirEvent = std::function<void(const std::u16string& DirName)>;
using TZipStartReadingEvent = std::function<void(const std::u16string& zipfilename)>;
using TZipReadingEvent = std::function<void(int32_t num, int32_t out_of)>;
using TZipDoneReadingEvent = std::function<void(int32_t zips_handled)>;
using TNotifyEvent = std::function<void(platform::TObject* Sender)>;
// Declared for owners; not raised here.
using TAllFilesProgressEvent = std::function<void(int32_t percent)>;
using TProcessingAFileEvent =
    std::function<void(const std::u16string& FullFileName, TMySearchRec& SR)>;
using TMyDirProgressEvent = std::function<void(int32_t dirnum)>;

// A rename of a listed file failed: "cannot rename %s" with the old name.
class QM7_EXPORT ERenameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The date and time of a file's last writing (seconds since 1970) as the
// lists keep it: local time, cut to the two-second steps of the old file
// system; 1 January 1970 when that form cannot hold it (before 1980, after
// 2107).
QM7_EXPORT TDateTime FileTimeToListDateTime(int64_t seconds_since_1970);

// A list of owned TMySearchRecHolder objects, with the order it is known to
// be in.
class QM7_EXPORT TMySearchRecList : public platform::TList {
public:
    TMySearchRecList();

    // Empties the list; the order becomes sr_sort_none.
    void Clear() override;
    // Appends a holder of a copy of the record; returns its index.
    int AddRec(const TMySearchRec& SR);
    // Sorts by the order (stable); nothing when the list is in it already.
    void SetSort(TMySearchRecSort Sort);
    TMySearchRecSort Sort() const { return fSort; }
    // The index of a record with the same Size, DateTime and ShortName
    // (case-sensitive), or -1: a binary search on the sort key when the list
    // is sorted, from the front otherwise.
    int Find(const TMySearchRec& SR) const;
    int IndexOF(const TMySearchRec& SR) const { return Find(SR); }
    // The record at i; a record of zeros with an empty name outside the list.
    TMySearchRec GetAMySearchRec(int i) const;
    TMySearchRecHolder* Holder(int i) const;

    // Both throw platform::EStreamError (EReadError for a short or impossible
    // list) and return true otherwise. Reading appends to the list.
    bool SaveToStream(platform::TStream& Stream) const;
    bool ReadFromStream(platform::TStream& Stream);

private:
    int IndexFromFront(const TMySearchRec& SR) const;

    TMySearchRecSort fSort = sr_sort_none;
};

class TPeruseDir;

// The files of one folder.
class QM7_EXPORT TFolderful : public platform::TObject {
public:
    // The folder path; a trailing "/" is added when missing.
    explicit TFolderful(std::u16string_view ADirname);

    // Releases the list; the folder then counts as empty.
    void Clear();
    // Lists the folder through the walk; true when a file was accepted.
    bool FillList(TPeruseDir& PeruseDir);

    // Stream forms; errors throw platform::EStreamError. Reading empties the
    // list (its order becomes sr_sort_none) and appends the stored records.
    bool SaveToStream(platform::TStream& Stream) const;
    bool ReadFromStream(platform::TStream& Stream);
    bool SaveToFile(platform::TFileStream& Stream) const { return SaveToStream(Stream); }
    bool ReadFromFile(platform::TFileStream& Stream) { return ReadFromStream(Stream); }

    int32_t Starts() const { return fstarts; }
    void SetStarts(int32_t v) { fstarts = v; }
    int32_t Ends() const { return fends; }
    void SetEnds(int32_t v) { fends = v; }
    int32_t dirnum() const { return fdirnum; }
    void Setdirnum(int32_t v) { fdirnum = v; }
    bool Folder_Processing_Files() const { return fProcessing_files; }
    void SetFolder_Processing_Files(bool v) { fProcessing_files = v; }
    TMySearchRecList* ListOfFiles() const { return fThisList.get(); }
    int Count() const { return fGetTotalFiles(); }
    int Files() const { return fGetTotalFiles(); }
    bool Empty() const { return fGetTotalFiles() == 0; }
    TMySearchRecSort CurrentSort() const { return fSort; }
    void SetCurrentSort(TMySearchRecSort Sort) { fSetSort(Sort); }
    std::u16string DirName() const { return fGetDirName(); }
    void SetDirName(std::u16string_view name) { fDirname = name; }

    // By position; out of range: false, "", -1 or a record of zeros.
    bool fGetIsZipfile(int i) const;
    std::u16string fGetAShortName(int i) const;
    // The folder and the short name; for an archive entry, whose short name
    // is already the full name, the short name alone.
    std::u16string fGetAFullname(int i) const;
    TMySearchRec fGetASearchRec(int i) const;
    TMySimpleSearchRec fGetASimpleSearchRec(int i) const;
    int64_t GetAFileSize(int i) const;
    // Renames file i to the full name NewName; ERenameError when the rename
    // fails (a file of the new name is never replaced). Out of range: nothing.
    void fSetAFullName(int i, std::u16string_view NewName);

private:
    int fGetTotalFiles() const;
    std::u16string fGetDirName() const { return fDirname; }
    void fSetSort(TMySearchRecSort Sort);

    TMySearchRecSort fSort = sr_sort_none;
    int32_t fdirnum = 0;
    int32_t fstarts = 0;
    int32_t fends = 0;
    std::unique_ptr<TMySearchRecList> fThisList;
    std::u16string fDirname;
    bool fProcessing_files = true;
};

// One walking job: masks, exclusions, options and events.
class QM7_EXPORT TPeruseDir : public platform::TObject {
public:
    // filemask: masks of the files, separated by ";"; dirmask: masks of
    // sub-folders; zipmask: masks of archive entries; excluded_dirs_mask:
    // folders to leave out (a bare name leaves out every folder of that name
    // at any depth); excluded_exts: extensions to leave out (as "*.bak").
    TPeruseDir(std::u16string_view filemask, std::u16string_view dirmask,
               std::u16string_view zipmask, std::u16string_view excluded_dirs_mask,
               std::u16string_view excluded_exts, bool ACheckingMACOS_files, bool zips_too,
               bool aTreatZipsLikeAnyOtherFile, bool AAcceptSystemFiles, bool AAcceptHiddenFiles);

    // Lists one folder (no sub-folders) into the list, if one is given; true
    // when at least one file was accepted. In order: the entries of the
    // folder's archives (when zips are examined), then the files of each file
    // mask in turn. A file that several masks match is listed once.
    bool HandleAllFilesIn(std::u16string_view dir, TMySearchRecList* ASearchRecList);
    // Reports every acceptable sub-folder below s through OnFoundDir, depth
    // first, a folder before its own sub-folders.
    void ProcessAllSubDirectories(std::u16string_view s);
    // Adds the acceptable entries of the archive folder + zipname. An archive
    // that cannot be opened is reported through OnZipProblem; true when it
    // could be read.
    bool AddAZip(TMySearchRecList* ASearchRecList, std::u16string_view folder,
                 std::u16string_view zipname);

    bool IsExcludedFolder(std::u16string_view Path) const;
    bool HasExcludedExtension(std::u16string_view FileName) const;
    bool IsDot_UnderscoreFile(std::u16string_view FileName) const;
    bool fIsAZipfile(std::u16string_view FileName) const;
    // Reports an archive problem (LastZipProblem says which) to OnZipProblem.
    void ZipSkipped();

    bool CheckingMACOSFiles() const { return fCheckingMACOS_files; }
    void SetCheckingMACOSFiles(bool v) { fCheckingMACOS_files = v; }
    bool Peruse_Processing_Files() const { return fProcessing_files; }
    void SetPeruse_Processing_Files(bool v) { fProcessing_files = v; }
    const std::u16string& ZipExtension() const { return fZipExtension; }
    void SetZipExtension(std::u16string_view v) { fZipExtension = v; }
    int32_t TotalFilesInZips() const { return ftotal_files_in_zips; }
    int32_t ZipsExamined() const { return fzips_examined; }
    int32_t SubDirsFound() const { return fsubdir_counter; }
    // The archive and the reason of the last problem reported.
    const std::u16string& LastZipProblem() const { return fLastZipProblem; }

    TZipStartReadingEvent OnZipStartReading;
    TCheckFileAcceptableEvent OnCheckFileAcceptable;
    TFoundDirEvent OnFoundDir;
    TZipReadingEvent OnZipReading;
    TZipDoneReadingEvent OnDoneZipReading;
    TNotifyEvent OnZipProblem;

private:
    struct TFolderName;
    void AddZipsOf(std::u16string_view folder, platform::TOpenFolder& open,
                   const std::vector<TFolderName>& names, TMySearchRecList* list);
    bool Ignored(const std::u16string& name, int32_t attr);
    void fCountAnySubDirectories(const std::u16string& folder, int k,
                                 std::set<std::pair<uint64_t, uint64_t>>& visited);

    std::u16string fFilemaskStr;
    std::u16string fZipExtension;
    std::vector<std::u16string> fZipMasks, fDirExcludeMasks, fExtExcludeMasks, fDirmasks,
        fFilemasks;
    int32_t ftotal_files_in_zips = 0;
    int32_t fzips_examined = 0;
    int32_t fsubdir_counter = 0;
    bool fCheckingMACOS_files = false;
    bool fTreatZipsLikeAnyOtherFile = false;
    bool fAcceptSystemFiles = false;
    bool fAcceptHiddenFiles = false;
    bool fProcessing_files = true;
    bool fExamineZips = false;
    std::u16string fLastZipProblem;
};

} // namespace qm7
