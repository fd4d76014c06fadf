#include "runtime1/files/PeruseDir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/folder.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/files/logging_utilities.h"

namespace qm7 {
namespace {

namespace fs = std::filesystem;
using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

std::u16string U(const fs::path& p) {
    return Utf8ToUtf16(p.string());
}

class PeruseDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("qm7_peruse_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
        const char* tz = std::getenv("TZ");
        saved_tz_ = tz ? tz : "";
        had_tz_ = tz != nullptr;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override {
        keeping_log = false;
        SetLogFilename(u"");
        fs::remove_all(root_);
        if (had_tz_)
            ::setenv("TZ", saved_tz_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    void Write(const std::string& name, const std::string& bytes = "text") {
        const fs::path p = root_ / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }

    // root: files of several kinds, an archive, a damaged archive, folders
    // to walk and to leave out, a hidden folder and a link back to root.
    void MakeTree() {
        Write("b.txt");
        Write("A.txt");
        Write("c.htm");
        Write("d.doc");
        Write("e.bak.txt");
        Write(".hidden.txt");
        Write("._mac.txt");
        Write("broken.zip", "PK\x03\x04 not really");
        platform::WriteZipFile(root_ / "letters.zip", {{"one.txt", "first letter"},
                                                       {"pic.png", "png"},
                                                       {"sub/", ""},
                                                       {"sub/two.txt", "second letter"}});
        Write("sub1/x.txt");
        Write("sub1/deep/y.txt");
        Write("sub1/deep/old/z.txt");
        Write("old/w.txt");
        Write(".git/config.txt");
        fs::create_directory_symlink(root_, root_ / "sub1" / "back");
        fs::create_directory_symlink(root_ / "sub1", root_ / "zlink");
    }

    static std::vector<std::u16string> Names(const TMySearchRecList& list) {
        std::vector<std::u16string> names;
        for (int i = 0; i < list.Count(); ++i)
            names.push_back(list.GetAMySearchRec(i).ShortName);
        return names;
    }

    std::string LogText() {
        std::ifstream in(log_, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        std::u16string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
        return Utf16ToUtf8(text);
    }
    void StartLog() {
        log_ = root_ / "walk.log";
        SetLogFilename(U(log_));
        keeping_log = true;
    }

    fs::path root_, log_;
    std::string saved_tz_;
    bool had_tz_ = false;
};

TEST_F(PeruseDirTest, ListsFilesOfEachMaskInTurn) {
    MakeTree();
    TPeruseDir walk(u"*.txt;*.htm;*.TXT", u"*", u"", u"", u"", false, false, false, false, false);
    TMySearchRecList list;
    EXPECT_TRUE(walk.HandleAllFilesIn(U(root_), &list));
    // Case ignored in the order; a name two masks match is listed once.
    EXPECT_EQ(Names(list),
              (std::vector<std::u16string>{u"A.txt", u"b.txt", u"e.bak.txt", u"c.htm"}));
    const TMySearchRec a = list.GetAMySearchRec(0);
    EXPECT_EQ(a.Size, 4);
    EXPECT_EQ(a.Attr, platform::faArchive);
    EXPECT_EQ(a.Number_Within_Zip, 0);
    // Without a list the walk only answers.
    EXPECT_TRUE(walk.HandleAllFilesIn(U(root_), nullptr));
    EXPECT_TRUE(walk.HandleAllFilesIn(U(root_ / "old"), nullptr));
    EXPECT_FALSE(walk.HandleAllFilesIn(U(root_ / "missing"), &list));
}

TEST_F(PeruseDirTest, HiddenCompanionAndExcludedFiles) {
    MakeTree();
    StartLog();
    {
        TPeruseDir walk(u"*.txt", u"*", u"", u"", u"*.bak;*.TXT2", false, false, false, false,
                        false);
        TMySearchRecList list;
        walk.HandleAllFilesIn(U(root_), &list);
        EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"A.txt", u"b.txt", u"e.bak.txt"}));
        // A hidden file is logged as ignored, with its attribute number.
        EXPECT_NE(LogText().find("ignoring .hidden.txt (34)"), std::string::npos) << LogText();
        EXPECT_NE(LogText().find("searching " + root_.string() + "/ for *.txt"), std::string::npos);
    }
    {
        TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, true);
        TMySearchRecList list;
        walk.HandleAllFilesIn(U(root_), &list);
        EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"._mac.txt", u".hidden.txt", u"A.txt",
                                                            u"b.txt", u"e.bak.txt"}));
        EXPECT_EQ(list.GetAMySearchRec(1).Attr, platform::faArchive | platform::faHidden);
    }
    {
        TPeruseDir walk(u"*.txt", u"*", u"", u"", u"*.txt", true, false, false, false, true);
        TMySearchRecList list;
        EXPECT_FALSE(walk.HandleAllFilesIn(U(root_), &list));
    }
    {
        TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", true, false, false, false, true);
        TMySearchRecList list;
        walk.HandleAllFilesIn(U(root_), &list);
        EXPECT_EQ(Names(list),
                  (std::vector<std::u16string>{u".hidden.txt", u"A.txt", u"b.txt", u"e.bak.txt"}));
    }
}

TEST_F(PeruseDirTest, OwnerDecidesAndStops) {
    MakeTree();
    TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    walk.OnCheckFileAcceptable = [](TMySearchRec& SR, bool InAZip) {
        EXPECT_FALSE(InAZip);
        return SR.ShortName != u"b.txt";
    };
    TMySearchRecList list;
    walk.HandleAllFilesIn(U(root_), &list);
    EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"A.txt", u"e.bak.txt"}));

    walk.OnCheckFileAcceptable = [&walk](TMySearchRec&, bool) {
        walk.SetPeruse_Processing_Files(false);
        return true;
    };
    list.Clear();
    EXPECT_TRUE(walk.HandleAllFilesIn(U(root_), &list));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(walk.HandleAllFilesIn(U(root_), &list));
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(PeruseDirTest, EntriesOfArchives) {
    MakeTree();
    TPeruseDir walk(u"*", u"*", u"*.txt", u"", u"", false, true, false, false, false);
    int problems = 0;
    std::vector<std::u16string> started;
    int done = -1;
    walk.OnZipProblem = [&](platform::TObject* sender) {
        EXPECT_EQ(sender, &walk);
        ++problems;
    };
    walk.OnZipStartReading = [&](const std::u16string& name) { started.push_back(name); };
    walk.OnDoneZipReading = [&](int32_t n) { done = n; };
    TMySearchRecList list;
    EXPECT_TRUE(walk.HandleAllFilesIn(U(root_), &list));
    const std::u16string zip = U(root_ / "letters.zip");
    const std::vector<std::u16string> names = Names(list);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], zip + u"/one.txt");
    EXPECT_EQ(names[1], zip + u"/sub/two.txt");
    // The damaged archive was reported, and the folder's own files still came.
    EXPECT_EQ(problems, 1);
    EXPECT_NE(Utf16ToUtf8(walk.LastZipProblem()).find("broken.zip"), std::string::npos);
    EXPECT_EQ(started, std::vector<std::u16string>{u"letters.zip"});
    EXPECT_EQ(done, 1);
    EXPECT_EQ(walk.ZipsExamined(), 1);
    EXPECT_EQ(walk.TotalFilesInZips(), 2);
    EXPECT_EQ(list.GetAMySearchRec(0).Number_Within_Zip, 1);
    EXPECT_EQ(list.GetAMySearchRec(1).Number_Within_Zip, 4);
    EXPECT_EQ(list.GetAMySearchRec(1).Size, 13);
    EXPECT_EQ(names[2], u"A.txt");
    // Archives are not listed as files of the folder.
    for (const std::u16string& n : names)
        EXPECT_FALSE(n.ends_with(u".zip")) << Utf16ToUtf8(n);

    // The full name of an entry is its short name, not doubled.
    TFolderful folder(U(root_));
    TPeruseDir again(u"*.txt", u"*", u"*.txt", u"", u"", false, true, false, false, false);
    ASSERT_TRUE(folder.FillList(again));
    EXPECT_TRUE(folder.fGetIsZipfile(0));
    EXPECT_EQ(folder.fGetAFullname(0), zip + u"/one.txt");
    EXPECT_FALSE(folder.fGetIsZipfile(2));
    EXPECT_EQ(folder.fGetAFullname(2), U(root_) + u"/A.txt");
}

TEST_F(PeruseDirTest, ArchiveOptions) {
    MakeTree();
    {
        // No entry masks: no entries.
        TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, true, false, false, false);
        TMySearchRecList list;
        walk.HandleAllFilesIn(U(root_), &list);
        EXPECT_EQ(walk.TotalFilesInZips(), 0);
        EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"A.txt", u"b.txt", u"e.bak.txt"}));
    }
    {
        TPeruseDir walk(u"*.zip", u"*", u"", u"", u"", false, false, true, false, false);
        TMySearchRecList list;
        walk.HandleAllFilesIn(U(root_), &list);
        EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"broken.zip", u"letters.zip"}));
    }
    {
        TPeruseDir walk(u"*.zip", u"*", u"", u"", u"", false, false, false, false, false);
        EXPECT_FALSE(walk.HandleAllFilesIn(U(root_), nullptr));
    }
}

TEST_F(PeruseDirTest, ReportsSubFoldersDepthFirst) {
    MakeTree();
    TPeruseDir walk(u"*.txt", u"*", u"", u"old", u"", false, false, false, false, false);
    std::vector<std::u16string> found;
    walk.OnFoundDir = [&](const std::u16string& d) { found.push_back(d); };
    walk.ProcessAllSubDirectories(U(root_));
    // "old" is left out at two depths, the hidden folder is passed over, and
    // the links back to folders already walked are not followed again.
    EXPECT_EQ(found, (std::vector<std::u16string>{U(root_ / "sub1"), U(root_ / "sub1" / "deep")}));
    EXPECT_EQ(walk.SubDirsFound(), 2);
    EXPECT_TRUE(walk.IsExcludedFolder(U(root_ / "old")));
    EXPECT_TRUE(walk.IsExcludedFolder(U(root_ / "sub1" / "deep" / "old")));
    EXPECT_FALSE(walk.IsExcludedFolder(U(root_ / "older")));

    // The sub-folder mask is matched against each sub-folder's name.
    TPeruseDir masked(u"*.txt", u"s*", u"", u"", u"", false, false, false, false, false);
    found.clear();
    masked.OnFoundDir = [&](const std::u16string& d) { found.push_back(d); };
    masked.ProcessAllSubDirectories(U(root_));
    EXPECT_EQ(found, std::vector<std::u16string>{U(root_ / "sub1")});

    // Stopping from the event ends the walk.
    TPeruseDir stopping(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    found.clear();
    stopping.OnFoundDir = [&](const std::u16string& d) {
        found.push_back(d);
        stopping.SetPeruse_Processing_Files(false);
    };
    stopping.ProcessAllSubDirectories(U(root_));
    EXPECT_EQ(found.size(), 1u);
}

TEST_F(PeruseDirTest, OnlyRegularFilesAndLinksToThem) {
    Write("real.txt");
    fs::create_symlink(root_ / "real.txt", root_ / "alias.txt");
    fs::create_symlink(root_ / "gone.txt", root_ / "dangling.txt");
    ASSERT_EQ(::mkfifo((root_ / "pipe.txt").c_str(), 0600), 0);
    TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    TMySearchRecList list;
    walk.HandleAllFilesIn(U(root_), &list);
    EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"alias.txt", u"real.txt"}));
}

TEST_F(PeruseDirTest, SizesSaturateAndReadOnlyShows) {
    Write("huge.txt", "");
    fs::resize_file(root_ / "huge.txt", uintmax_t(3) << 30); // sparse: takes no room
    Write("fixed.txt");
    fs::permissions(root_ / "fixed.txt", fs::perms::owner_read | fs::perms::group_read);
    TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    TMySearchRecList list;
    walk.HandleAllFilesIn(U(root_), &list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetAMySearchRec(0).Attr, platform::faArchive | platform::faReadOnly);
    EXPECT_EQ(list.GetAMySearchRec(1).Size, INT32_MAX);
}

TEST_F(PeruseDirTest, DatesInTwoSecondSteps) {
    // 2024-06-01 12:34:57 UTC
    EXPECT_DOUBLE_EQ(FileTimeToListDateTime(1717245297),
                     45444.0 + (12 * 3600 + 34 * 60 + 56) / 86400.0);
    EXPECT_DOUBLE_EQ(FileTimeToListDateTime(0), 25569.0);
    EXPECT_DOUBLE_EQ(FileTimeToListDateTime(100000000), 25569.0); // 1973
    EXPECT_DOUBLE_EQ(FileTimeToListDateTime(315532800), 29221.0); // 1980-01-01
    Write("dated.txt");
    const struct timespec times[2] = {{1717245297, 0}, {1717245297, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (root_ / "dated.txt").c_str(), times, 0), 0);
    TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    TMySearchRecList list;
    walk.HandleAllFilesIn(U(root_), &list);
    EXPECT_DOUBLE_EQ(list.GetAMySearchRec(0).DateTime, FileTimeToListDateTime(1717245297));
}

TEST_F(PeruseDirTest, HugeArchivesStopAtTheLastEntryNumber) {
    std::vector<platform::TZipNewEntry> entries;
    for (int i = 0; i < kMaxNumberWithinZip + 2; ++i)
        entries.push_back({"e" + std::to_string(i) + ".txt", "", 0, 0, false});
    platform::WriteZipFile(root_ / "many.zip", entries);
    StartLog();
    TPeruseDir walk(u"*.txt", u"*", u"*.txt", u"", u"", false, true, false, false, false);
    TMySearchRecList list;
    walk.AddAZip(&list, U(root_) + u"/", u"many.zip");
    EXPECT_EQ(list.Count(), kMaxNumberWithinZip);
    EXPECT_EQ(list.GetAMySearchRec(list.Count() - 1).Number_Within_Zip, kMaxNumberWithinZip);
    EXPECT_NE(LogText().find("holds 32769 entries: only the first 32767 are read"),
              std::string::npos);
}

TEST_F(PeruseDirTest, TheTests) {
    TPeruseDir walk(u"*.txt", u"*", u"", u"*/cache;tmp", u"*.bak;*.old", false, false, false, false,
                    false);
    EXPECT_TRUE(walk.HasExcludedExtension(u"a.BAK"));
    EXPECT_TRUE(walk.HasExcludedExtension(u"dir.x/a.old"));
    EXPECT_FALSE(walk.HasExcludedExtension(u"a.bak.txt"));
    EXPECT_FALSE(walk.HasExcludedExtension(u"bak"));
    EXPECT_TRUE(walk.IsExcludedFolder(u"/x/cache"));
    EXPECT_TRUE(walk.IsExcludedFolder(u"/x/y/TMP"));
    EXPECT_FALSE(walk.IsExcludedFolder(u"/x/tmp2"));
    EXPECT_TRUE(walk.IsDot_UnderscoreFile(u"._a.txt"));
    EXPECT_FALSE(walk.IsDot_UnderscoreFile(u"a._txt"));
    EXPECT_TRUE(walk.fIsAZipfile(u"a.ZIP"));
    EXPECT_FALSE(walk.fIsAZipfile(u".zip"));
    walk.SetZipExtension(u".jar");
    EXPECT_TRUE(walk.fIsAZipfile(u"lib.jar"));
    TPeruseDir none(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    EXPECT_FALSE(none.IsExcludedFolder(u"/anything"));
    EXPECT_FALSE(none.HasExcludedExtension(u"a.bak"));
}

// ---- lists and their streams ----

TMySearchRec Rec(std::u16string name, int32_t size, double date, int32_t attr, int16_t zip = 0) {
    TMySearchRec r;
    r.ShortName = std::move(name);
    r.Size = size;
    r.DateTime = date;
    r.Attr = attr;
    r.Number_Within_Zip = zip;
    return r;
}

TEST_F(PeruseDirTest, SortsAndFinds) {
    TMySearchRecList list;
    list.AddRec(Rec(u"b.TXT", 30, 45000.5, 32));
    list.AddRec(Rec(u"a.htm", 10, 45002.0, 33));
    list.AddRec(Rec(u"C.doc", 20, 45001.0, 1));
    list.AddRec(Rec(u"d.txt", 20, 44000.0, 2));
    const struct {
        TMySearchRecSort sort;
        std::vector<std::u16string> order;
    } cases[] = {
        {sr_sort_by_name, {u"a.htm", u"b.TXT", u"C.doc", u"d.txt"}},
        {sr_sort_by_date, {u"a.htm", u"C.doc", u"b.TXT", u"d.txt"}},
        {sr_sort_by_size, {u"a.htm", u"C.doc", u"d.txt", u"b.TXT"}},
        {sr_sort_by_attr, {u"C.doc", u"d.txt", u"b.TXT", u"a.htm"}},
        {sr_sort_by_extension, {u"C.doc", u"a.htm", u"d.txt", u"b.TXT"}}, // stable
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.sort));
        list.SetSort(c.sort);
        EXPECT_EQ(Names(list), c.order);
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Find(list.GetAMySearchRec(i)), i);
        EXPECT_EQ(list.IndexOF(Rec(u"zz", 5, 1, 0)), -1);
    }
    list.SetSort(sr_sort_none);
    EXPECT_EQ(list.Find(Rec(u"d.txt", 20, 44000.0, 99)), 2); // the attributes do not count
    EXPECT_EQ(list.Find(Rec(u"D.txt", 20, 44000.0, 2)), -1); // the name's case does
    EXPECT_EQ(list.GetAMySearchRec(9).ShortName, u"");
    list.Clear();
    EXPECT_EQ(list.Sort(), sr_sort_none);
}

TEST_F(PeruseDirTest, StreamsKeepEverything) {
    TFolderful folder(u"/corpus/texts");
    EXPECT_EQ(folder.DirName(), u"/corpus/texts/");
    folder.ListOfFiles()->AddRec(Rec(u"b.txt", 7, 45000.25, 32));
    folder.ListOfFiles()->AddRec(Rec(u"/corpus/texts/a.zip/x.txt", 9, 44000.0, -2115174400, 3));
    folder.SetStarts(5);
    folder.SetEnds(6);
    folder.Setdirnum(2);
    folder.SetCurrentSort(sr_sort_by_size);
    platform::TMemoryStream stream;
    ASSERT_TRUE(folder.SaveToStream(stream));
    stream.SetPosition(0);

    TFolderful back(u"");
    ASSERT_TRUE(back.ReadFromStream(stream));
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(back.DirName(), u"/corpus/texts/");
    EXPECT_EQ(back.Starts(), 5);
    EXPECT_EQ(back.Ends(), 6);
    EXPECT_EQ(back.dirnum(), 2);
    EXPECT_EQ(back.CurrentSort(), sr_sort_by_size);
    EXPECT_EQ(back.ListOfFiles()->Sort(), sr_sort_none);
    ASSERT_EQ(back.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const TMySearchRec a = folder.fGetASearchRec(i), b = back.fGetASearchRec(i);
        EXPECT_EQ(a.ShortName, b.ShortName);
        EXPECT_EQ(a.Size, b.Size);
        EXPECT_EQ(a.DateTime, b.DateTime);
        EXPECT_EQ(a.Attr, b.Attr);
        EXPECT_EQ(a.Number_Within_Zip, b.Number_Within_Zip);
    }

    // The bytes of one record.
    TMySearchRecList one;
    one.AddRec(Rec(u"ab", 0x01020304, 1.0, 0x20, 0x0102));
    platform::TMemoryStream bytes;
    one.SaveToStream(bytes);
    EXPECT_EQ(bytes.Bytes(), std::string("\x01\0\0\0"           // count
                                         "\0\0\0\0\0\0\xF0\x3F" // 1.0
                                         "\x04\x03\x02\x01"     // size
                                         "\x20\0\0\0"           // attributes
                                         "\x02\x01\0\0"         // number, reserved
                                         "\x02\0\0\0a\0b\0",    // name
                                         32));
}

TEST_F(PeruseDirTest, BadStreamsAreRefusedBeforeAnythingIsMade) {
    const auto read = [](const std::string& bytes) {
        platform::TMemoryStream s;
        s.WriteBuffer(bytes);
        s.SetPosition(0);
        TMySearchRecList list;
        list.ReadFromStream(s);
        return list.Count();
    };
    EXPECT_THROW(read(std::string("\xFF\xFF\xFF\x7F", 4)), platform::EReadError);
    EXPECT_THROW(read(std::string("\xFF\xFF\xFF\xFF", 4)), platform::EReadError);
    EXPECT_THROW(read(std::string("\x01\0\0\0"
                                  "short",
                                  9)),
                 platform::EReadError);
    EXPECT_EQ(read(std::string("\0\0\0\0", 4)), 0);
    // A name count beyond the stream.
    std::string liar("\x01\0\0\0", 4);
    liar += std::string(20, '\0') + std::string("\xFF\xFF\0\0", 4);
    EXPECT_THROW(read(liar), platform::EReadError);

    platform::TMemoryStream s;
    s.WriteBuffer(std::string("\x09", 1)); // no such sort order
    s.SetPosition(0);
    TFolderful folder(u"/x");
    EXPECT_THROW(folder.ReadFromStream(s), platform::EReadError);
}

TEST_F(PeruseDirTest, RenamesWithoutReplacing) {
    Write("a.txt", "a");
    Write("b.txt", "b");
    TFolderful folder(U(root_));
    TPeruseDir walk(u"*.txt", u"*", u"", u"", u"", false, false, false, false, false);
    ASSERT_TRUE(folder.FillList(walk));
    ASSERT_EQ(folder.Count(), 2);
    EXPECT_THROW(folder.fSetAFullName(0, U(root_ / "b.txt")), ERenameError);
    EXPECT_EQ(folder.fGetAShortName(0), u"a.txt");
    folder.fSetAFullName(0, U(root_ / "c.txt"));
    EXPECT_EQ(folder.fGetAShortName(0), u"c.txt");
    EXPECT_TRUE(fs::exists(root_ / "c.txt"));
    EXPECT_FALSE(fs::exists(root_ / "a.txt"));
    folder.fSetAFullName(7, u"/nowhere"); // out of range: nothing

    EXPECT_EQ(folder.fGetAShortName(5), u"");
    EXPECT_EQ(folder.fGetAFullname(5), u"");
    EXPECT_EQ(folder.GetAFileSize(5), -1);
    EXPECT_FALSE(folder.fGetIsZipfile(-1));
    EXPECT_EQ(folder.GetAFileSize(1), 1);
    EXPECT_EQ(folder.fGetASimpleSearchRec(1).ShortName, u"b.txt");
    EXPECT_EQ(folder.fGetASimpleSearchRec(1).folder_number, 0);
    folder.SetFolder_Processing_Files(false);
    EXPECT_TRUE(folder.Empty());
    folder.SetFolder_Processing_Files(true);
    folder.Clear();
    EXPECT_EQ(folder.Count(), 0);
    EXPECT_EQ(folder.ListOfFiles(), nullptr);
}

} // namespace
} // namespace qm7
