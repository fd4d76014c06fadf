#include "runtime1/files/PeruseDir.h"

#include <algorithm>
#include <ctime>
#include <limits>

#include "platform/folder.h"
#include "platform/format.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/core/myKpSmall.h"
#include "runtime1/files/logging_utilities.h"
#include "runtime1/search/WideMasks.h"

namespace qm7 {

namespace {

using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

// 1 January 1970 as a date-time value.
constexpr TDateTime kUnixEpochDateTime = 25569.0;
// Bytes a stored record takes at least: its fixed head and a name count.
constexpr int64_t kMinStoredRecordBytes = int64_t(sizeof(TMySearchRecStoredHead)) + 4;

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

int32_t SaturatedSize(uint64_t size) {
    return int32_t(std::min<uint64_t>(size, uint64_t(std::numeric_limits<int32_t>::max())));
}

std::u16string WithDelimiter(std::u16string_view folder) {
    std::u16string s(folder);
    if (s.empty() || s.back() != u'/')
        s += u'/';
    return s;
}

std::u16string_view ExtensionOf(std::u16string_view name) {
    const size_t dot = name.find_last_of(u"./");
    if (dot == std::u16string_view::npos || name[dot] != u'.')
        return {};
    return name.substr(dot);
}

std::u16string_view NamePart(std::u16string_view path) {
    const size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

void Log(std::u16string_view format, std::initializer_list<platform::TFormatArg> args) {
    if (keeping_log)
        AddToLogFile(platform::Format(format, args));
}

[[noreturn]] void ReadError(const char* routine) {
    throw platform::EReadError(std::string("file read error : ") + routine);
}

// Case-insensitive order of texts, by their code units folded one by one.
int CompareTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
    const size_t n = std::min(a.size(), b.size());
    const auto lower = [](char16_t c) -> char32_t {
        if (c < 0x80)
            return c >= u'A' && c <= u'Z' ? char32_t(c + 0x20) : char32_t(c);
        return platform::LowerChar(c);
    };
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const char32_t x = lower(a[i]), y = lower(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

template <class T> int Sign(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

int CompareRecs(const TMySearchRec& a, const TMySearchRec& b, TMySearchRecSort sort) {
    switch (sort) {
    case sr_sort_by_name:
        return CompareTextIgnoringCase(a.ShortName, b.ShortName);
    case sr_sort_by_date:
        return Sign(b.DateTime, a.DateTime); // newest first
    case sr_sort_by_size:
        return Sign(a.Size, b.Size);
    case sr_sort_by_attr:
        return Sign(a.Attr, b.Attr);
    case sr_sort_by_extension:
        return CompareTextIgnoringCase(ExtensionOf(a.ShortName), ExtensionOf(b.ShortName));
    case sr_sort_none:
        break;
    }
    return 0;
}

bool SameFile(const TMySearchRec& a, const TMySearchRec& b) {
    return a.Size == b.Size && a.DateTime == b.DateTime && a.ShortName == b.ShortName;
}

void WriteRec(platform::TStream& s, const TMySearchRec& r) {
    platform::WriteF64(s, r.DateTime);
    platform::WriteI32(s, r.Size);
    platform::WriteI32(s, r.Attr);
    platform::WriteI16(s, r.Number_Within_Zip);
    platform::WriteI16(s, 0);
    if (!WriteAString(s, r.ShortName))
        throw platform::EWriteError("cannot write the file name " + Utf16ToUtf8(r.ShortName));
}

TMySearchRec ReadRec(platform::TStream& s) {
    TMySearchRec r;
    r.DateTime = platform::ReadF64(s);
    r.Size = platform::ReadI32(s);
    r.Attr = platform::ReadI32(s);
    r.Number_Within_Zip = platform::ReadI16(s);
    platform::ReadI16(s); // reserved
    r.ShortName = ReadAString(s);
    return r;
}

} // namespace

TDateTime FileTimeToListDateTime(int64_t seconds_since_1970) {
    const auto t = time_t(seconds_since_1970);
    struct tm local;
    if (localtime_r(&t, &local) == nullptr)
        return kUnixEpochDateTime;
    const int64_t year = int64_t(local.tm_year) + 1900;
    if (year < 1980 || year > 2107)
        return kUnixEpochDateTime;
    // The old form keeps seconds in two-second steps, at most 58.
    const int seconds = std::min(local.tm_sec & ~1, 58);
    const int64_t days = DaysFromCivil(year, unsigned(local.tm_mon + 1), unsigned(local.tm_mday));
    return TDateTime(days) + kUnixEpochDateTime +
           (local.tm_hour * 3600 + local.tm_min * 60 + seconds) / 86400.0;
}

// ---- TMySearchRecList ----

TMySearchRecList::TMySearchRecList() {
    OwnObjects<TMySearchRecHolder>();
}

void TMySearchRecList::Clear() {
    platform::TList::Clear();
    fSort = sr_sort_none;
}

int TMySearchRecList::AddRec(const TMySearchRec& SR) {
    auto holder = std::make_unique<TMySearchRecHolder>(SR);
    const int index = Add(holder.get());
    holder.release();
    return index;
}

TMySearchRecHolder* TMySearchRecList::Holder(int i) const {
    if (i < 0 || i >= Count())
        return nullptr;
    return static_cast<TMySearchRecHolder*>(Items(i));
}

TMySearchRec TMySearchRecList::GetAMySearchRec(int i) const {
    const TMySearchRecHolder* holder = Holder(i);
    return holder != nullptr ? holder->data : TMySearchRec{};
}

void TMySearchRecList::SetSort(TMySearchRecSort Sort) {
    if (Sort == fSort)
        return;
    fSort = Sort;
    if (Sort == sr_sort_none)
        return;
    platform::TList::Sort([Sort](const void* a, const void* b) {
        return CompareRecs(static_cast<const TMySearchRecHolder*>(a)->data,
                           static_cast<const TMySearchRecHolder*>(b)->data, Sort);
    });
}

int TMySearchRecList::IndexFromFront(const TMySearchRec& SR) const {
    for (int i = 0; i < Count(); ++i)
        if (SameFile(Holder(i)->data, SR))
            return i;
    return -1;
}

int TMySearchRecList::Find(const TMySearchRec& SR) const {
    if (fSort == sr_sort_none)
        return IndexFromFront(SR);
    int lo = 0, hi = Count() - 1;
    while (lo <= hi) {
        MyYieldProcess();
        const int mid = lo + (hi - lo) / 2;
        const TMySearchRec& item = Holder(mid)->data;
        const int c = CompareRecs(item, SR, fSort);
        if (c == 0)
            return SameFile(item, SR) ? mid : IndexFromFront(SR);
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

bool TMySearchRecList::SaveToStream(platform::TStream& Stream) const {
    platform::WriteI32(Stream, Count());
    for (int i = 0; i < Count(); ++i)
        WriteRec(Stream, Holder(i)->data);
    return true;
}

bool TMySearchRecList::ReadFromStream(platform::TStream& Stream) {
    const int32_t count = platform::ReadI32(Stream);
    // The count is checked against what the stream can hold before anything
    // is made for it.
    const int64_t left = Stream.Size() - Stream.Position();
    if (count < 0 || int64_t(count) > left / kMinStoredRecordBytes)
        ReadError("TMySearchRecList.ReadFromStream");
    for (int32_t i = 0; i < count; ++i)
        AddRec(ReadRec(Stream));
    return true;
}

// ---- TFolderful ----

TFolderful::TFolderful(std::u16string_view ADirname)
    : fThisList(std::make_unique<TMySearchRecList>()), fDirname(WithDelimiter(ADirname)) {}

void TFolderful::Clear() {
    fThisList.reset();
}

bool TFolderful::FillList(TPeruseDir& PeruseDir) {
    return PeruseDir.HandleAllFilesIn(fDirname, fThisList.get());
}

int TFolderful::fGetTotalFiles() const {
    return fProcessing_files && fThisList ? fThisList->Count() : 0;
}

void TFolderful::fSetSort(TMySearchRecSort Sort) {
    fSort = Sort;
    if (fThisList)
        fThisList->SetSort(Sort);
}

bool TFolderful::SaveToStream(platform::TStream& Stream) const {
    platform::WriteU8(Stream, uint8_t(fSort));
    platform::WriteI32(Stream, fstarts);
    platform::WriteI32(Stream, fends);
    platform::WriteI32(Stream, fdirnum);
    if (!WriteAString(Stream, fDirname))
        throw platform::EWriteError("cannot write the folder name " + Utf16ToUtf8(fDirname));
    if (fThisList)
        return fThisList->SaveToStream(Stream);
    platform::WriteI32(Stream, 0);
    return true;
}

bool TFolderful::ReadFromStream(platform::TStream& Stream) {
    const uint8_t sort = platform::ReadU8(Stream);
    if (sort > sr_sort_by_extension)
        ReadError("TFolderful.ReadFromStream");
    fSort = TMySearchRecSort(sort);
    fstarts = platform::ReadI32(Stream);
    fends = platform::ReadI32(Stream);
    fdirnum = platform::ReadI32(Stream);
    fDirname = ReadAString(Stream);
    if (!fThisList)
        fThisList = std::make_unique<TMySearchRecList>();
    fThisList->Clear();
    return fThisList->ReadFromStream(Stream);
}

bool TFolderful::fGetIsZipfile(int i) const {
    return fThisList && fThisList->GetAMySearchRec(i).Number_Within_Zip > 0;
}

std::u16string TFolderful::fGetAShortName(int i) const {
    return fThisList ? fThisList->GetAMySearchRec(i).ShortName : std::u16string();
}

std::u16string TFolderful::fGetAFullname(int i) const {
    if (!fThisList || fThisList->Holder(i) == nullptr)
        return {};
    const TMySearchRec& r = fThisList->Holder(i)->data;
    return r.Number_Within_Zip > 0 ? r.ShortName : fDirname + r.ShortName;
}

TMySearchRec TFolderful::fGetASearchRec(int i) const {
    return fThisList ? fThisList->GetAMySearchRec(i) : TMySearchRec{};
}

TMySimpleSearchRec TFolderful::fGetASimpleSearchRec(int i) const {
    const TMySearchRec r = fGetASearchRec(i);
    TMySimpleSearchRec simple;
    simple.DateTime = r.DateTime;
    simple.Size = r.Size;
    simple.ShortName = r.ShortName;
    return simple;
}

int64_t TFolderful::GetAFileSize(int i) const {
    if (!fThisList || fThisList->Holder(i) == nullptr)
        return -1;
    return fThisList->Holder(i)->data.Size;
}

void TFolderful::fSetAFullName(int i, std::u16string_view NewName) {
    if (!fThisList || fThisList->Holder(i) == nullptr)
        return;
    const std::u16string old = fGetAFullname(i);
    if (platform::RenameWithoutReplacing(Utf16ToUtf8(old), Utf16ToUtf8(NewName)) != 0)
        throw ERenameError(Utf16ToUtf8(platform::Format(u"cannot rename %s", {old})));
    fThisList->Holder(i)->data.ShortName = std::u16string(NamePart(NewName));
}

// ---- TPeruseDir ----

// One name of a folder: as the system gives it, and in UTF-16.
struct TPeruseDir::TFolderName {
    std::string raw;
    std::u16string name;
    bool maybe_folder = true;
};

namespace {

// The names of a folder that can be named in UTF-16, ordered without regard
// to case (names differing only in case by their bytes); false when the
// folder cannot be read.
template <class TName>
bool SortedNames(platform::TOpenFolder& folder, std::vector<TName>& out,
                 bool folders_only = false) {
    std::vector<platform::TOpenFolder::TEntry> entries;
    if (!folder.Entries(entries))
        return false;
    out.clear();
    out.reserve(entries.size());
    for (platform::TOpenFolder::TEntry& e : entries) {
        if (folders_only && !e.maybe_folder)
            continue;
        if (!platform::IsValidUtf8(e.name)) {
            Log(u"ignoring %s (not UTF-8)", {Utf8ToUtf16(e.name)});
            continue;
        }
        std::u16string name = Utf8ToUtf16(e.name);
        out.push_back({std::move(e.name), std::move(name), e.maybe_folder});
    }
    std::sort(out.begin(), out.end(), [](const TName& a, const TName& b) {
        const int c = CompareTextIgnoringCase(a.name, b.name);
        return c != 0 ? c < 0 : a.raw < b.raw;
    });
    return true;
}

} // namespace

TPeruseDir::TPeruseDir(std::u16string_view filemask, std::u16string_view dirmask,
                       std::u16string_view zipmask, std::u16string_view excluded_dirs_mask,
                       std::u16string_view excluded_exts, bool ACheckingMACOS_files, bool zips_too,
                       bool aTreatZipsLikeAnyOtherFile, bool AAcceptSystemFiles,
                       bool AAcceptHiddenFiles)
    : fFilemaskStr(filemask), fZipExtension(u".zip"), fCheckingMACOS_files(ACheckingMACOS_files),
      fTreatZipsLikeAnyOtherFile(aTreatZipsLikeAnyOtherFile),
      fAcceptSystemFiles(AAcceptSystemFiles), fAcceptHiddenFiles(AAcceptHiddenFiles),
      fExamineZips(zips_too) {
    BuildAMask(fFilemasks, filemask);
    BuildAMask(fDirmasks, dirmask);
    BuildAMask(fZipMasks, zipmask);
    BuildAMask(fDirExcludeMasks, excluded_dirs_mask);
    BuildAMask(fExtExcludeMasks, excluded_exts);
    // A bare folder name leaves out that folder at any depth: the masks are
    // matched against whole paths.
    for (std::u16string& mask : fDirExcludeMasks)
        if (!mask.empty() && !mask.starts_with(u"*/") && !mask.starts_with(u"*\\"))
            mask.insert(0, u"*/");
}

bool TPeruseDir::IsExcludedFolder(std::u16string_view Path) const {
    return !fDirExcludeMasks.empty() && WhereInAMask(Path, fDirExcludeMasks) >= 0;
}

bool TPeruseDir::HasExcludedExtension(std::u16string_view FileName) const {
    return !fExtExcludeMasks.empty() && WhereInAMask(ExtensionOf(FileName), fExtExcludeMasks) >= 0;
}

bool TPeruseDir::IsDot_UnderscoreFile(std::u16string_view FileName) const {
    return FileName.starts_with(u"._");
}

bool TPeruseDir::fIsAZipfile(std::u16string_view FileName) const {
    const size_t n = fZipExtension.size();
    return FileName.size() >= 5 && FileName.size() >= n &&
           platform::LowerCase(FileName.substr(FileName.size() - n)) ==
               platform::LowerCase(fZipExtension);
}

void TPeruseDir::ZipSkipped() {
    if (keeping_log)
        AddToLogFile(fLastZipProblem);
    if (OnZipProblem)
        OnZipProblem(this);
}

bool TPeruseDir::Ignored(const std::u16string& name, int32_t attr) {
    const bool ignored = (!fAcceptSystemFiles && (attr & platform::faSysFile) != 0) ||
                         (!fAcceptHiddenFiles && (attr & platform::faHidden) != 0) ||
                         (fCheckingMACOS_files && IsDot_UnderscoreFile(name));
    if (ignored)
        Log(u"ignoring %s (%d)", {name, int64_t(attr)});
    return ignored;
}

bool TPeruseDir::AddAZip(TMySearchRecList* ASearchRecList, std::u16string_view folder,
                         std::u16string_view zipname) {
    const std::u16string path = std::u16string(folder) + std::u16string(zipname);
    std::unique_ptr<platform::TZipFile> zip;
    try {
        zip = std::make_unique<platform::TZipFile>(Utf16ToUtf8(path));
    } catch (const std::exception& e) {
        fLastZipProblem = Utf8ToUtf16(e.what());
        ZipSkipped();
        return false;
    }
    if (OnZipStartReading)
        OnZipStartReading(std::u16string(zipname));
    ++fzips_examined;
    const int64_t entries = zip->Count();
    const auto count = int32_t(std::min<int64_t>(entries, kMaxNumberWithinZip));
    if (entries > kMaxNumberWithinZip)
        Log(u"%s holds %d entries: only the first %d are read",
            {path, entries, int64_t(kMaxNumberWithinZip)});
    for (int32_t i = 0; i < count && fProcessing_files; ++i) {
        MyYieldProcess();
        if (OnZipReading)
            OnZipReading(i, count);
        platform::TZipEntry entry;
        try {
            entry = zip->Entry(i);
        } catch (const std::exception& e) {
            fLastZipProblem = Utf8ToUtf16(e.what());
            ZipSkipped();
            continue;
        }
        if (entry.IsFolder())
            continue;
        const std::u16string name = Utf8ToUtf16(entry.name);
        if (name.empty() || WhereInAMask(name, fZipMasks) < 0 || HasExcludedExtension(name))
            continue;
        ++ftotal_files_in_zips;
        TMySearchRec rec;
        rec.ShortName = path + u'/' + name;
        rec.DateTime = FileTimeToListDateTime(entry.mtime);
        rec.Size = SaturatedSize(entry.size);
        rec.Attr = int32_t(entry.external_attributes);
        rec.Number_Within_Zip = int16_t(i + 1);
        if ((!OnCheckFileAcceptable || OnCheckFileAcceptable(rec, true)) &&
            ASearchRecList != nullptr)
            ASearchRecList->AddRec(rec);
    }
    if (OnDoneZipReading)
        OnDoneZipReading(fzips_examined);
    return true;
}

void TPeruseDir::AddZipsOf(std::u16string_view folder, platform::TOpenFolder& open,
                           const std::vector<TFolderName>& names, TMySearchRecList* list) {
    // The name part of the file mask with the archive extension: the mask
    // for all texts of one extension looks for all archives.
    const size_t dot = fFilemaskStr.find(u'.');
    const std::u16string pattern =
        (dot == std::u16string::npos ? std::u16string(u"*") : fFilemaskStr.substr(0, dot)) +
        fZipExtension;
    for (const TFolderName& n : names) {
        if (!fProcessing_files)
            break;
        if (!MatchesMask(n.name, pattern))
            continue;
        platform::TPathInfo info;
        if (!open.Examine(n.raw, info) || info.is_folder)
            continue;
        AddAZip(list, folder, n.name);
        MyYieldProcess();
    }
}

bool TPeruseDir::HandleAllFilesIn(std::u16string_view dir, TMySearchRecList* ASearchRecList) {
    if (!fProcessing_files)
        return false;
    bool result = false;
    try {
        const std::u16string folder = WithDelimiter(dir);
        Log(u"searching %s for %s", {folder, fFilemaskStr});
        platform::TOpenFolder open(Utf16ToUtf8(folder));
        std::vector<TFolderName> names;
        if (!SortedNames(open, names))
            return false;
        if (fExamineZips)
            AddZipsOf(folder, open, names, ASearchRecList);
        std::vector<bool> taken(names.size());
        for (const std::u16string& mask : fFilemasks) {
            if (mask.empty())
                continue;
            bool first = true;
            for (size_t k = 0; k < names.size(); ++k) {
                const TFolderName& n = names[k];
                if (!MatchesMask(n.name, mask))
                    continue;
                if (!fProcessing_files) {
                    if (first)
                        Log(u"processing stopped", {});
                    break;
                }
                first = false;
                if (taken[k])
                    continue;
                platform::TPathInfo info;
                // Only regular files are texts: a pipe or a device could
                // block a reader for ever.
                if (!open.Examine(n.raw, info) || !info.is_regular)
                    continue;
                const int32_t attr = platform::AttributesOf(n.raw, info);
                if (Ignored(n.name, attr))
                    continue;
                Log(u"\tfound %s", {n.name});
                if (HasExcludedExtension(n.name) ||
                    (!fTreatZipsLikeAnyOtherFile && fIsAZipfile(n.name)))
                    continue;
                TMySearchRec rec;
                rec.Size = SaturatedSize(uint64_t(info.size));
                rec.Attr = attr;
                rec.ShortName = n.name;
                rec.DateTime = FileTimeToListDateTime(info.mtime);
                if (OnCheckFileAcceptable && !OnCheckFileAcceptable(rec, false)) {
                    Log(u"ignoring %s (%d)", {n.name, int64_t(attr)});
                    continue;
                }
                result = true;
                taken[k] = true;
                if (ASearchRecList != nullptr)
                    ASearchRecList->AddRec(rec);
                MyYieldProcess();
            }
        }
        return result;
    } catch (const std::exception&) {
        return false;
    }
}

void TPeruseDir::ProcessAllSubDirectories(std::u16string_view s) {
    std::set<std::pair<uint64_t, uint64_t>> visited;
    const std::u16string folder = WithDelimiter(s);
    platform::TPathInfo info;
    if (platform::ExaminePath(Utf16ToUtf8(folder), info))
        visited.insert({info.device, info.inode});
    for (size_t k = 0; k < fDirmasks.size() && fProcessing_files; ++k)
        if (!fDirmasks[k].empty())
            fCountAnySubDirectories(folder, int(k), visited);
}

void TPeruseDir::fCountAnySubDirectories(const std::u16string& folder, int k,
                                         std::set<std::pair<uint64_t, uint64_t>>& visited) {
    MyYieldProcess();
    platform::TOpenFolder open(Utf16ToUtf8(folder));
    std::vector<TFolderName> names;
    if (!SortedNames(open, names, true))
        return;
    const std::u16string& mask = fDirmasks[size_t(k)];
    for (const TFolderName& n : names) {
        MyYieldProcess();
        if (!fProcessing_files)
            return;
        if (n.name.starts_with(u'.') || !MatchesMask(n.name, mask))
            continue;
        platform::TPathInfo info;
        if (!open.Examine(n.raw, info) || !info.is_folder)
            continue;
        // A folder reached again through a symbolic link is not walked twice.
        if (!visited.insert({info.device, info.inode}).second)
            continue;
        const std::u16string full = folder + n.name;
        if (IsExcludedFolder(full))
            continue;
        ++fsubdir_counter;
        if (OnFoundDir)
            OnFoundDir(full);
        MyYieldProcess();
        if (fProcessing_files)
            fCountAnySubDirectories(full + u'/', k, visited);
    }
}

} // namespace qm7
