// qm files, run as a program.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "qm_runner.h"

namespace {

namespace fs = std::filesystem;
using qm7::testing::RunQm;
using qm7::testing::TQmRun;

std::string Utf16LE(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

std::string Utf16BE(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(char(c >> 8));
        out.push_back(char(c & 0xFF));
    }
    return out;
}

// The first column of each line that has four tab-separated columns.
std::vector<std::string> Names(const std::string& out) {
    std::vector<std::string> names;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        size_t tabs = 0;
        for (char c : line)
            tabs += c == '\t';
        if (tabs == 3)
            names.push_back(line.substr(0, line.find('\t')));
    }
    return names;
}

class FilesCommand : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("qm_files_test_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string Write(const std::string& name, const std::string& bytes = "text") {
        const fs::path p = root_ / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    void MakeTree() {
        Write("a.txt");
        Write("B.htm");
        Write("c.doc");
        Write(".hidden.txt");
        Write("old/x.txt");
        Write("sub/y.txt");
        Write("sub/deep/z.txt");
        Write("sub/.git/q.txt");
        Write("bad.zip", "PK\x03\x04 damaged");
        qm7::platform::WriteZipFile(root_ / "letters.zip",
                                    {{"one.txt", "first"}, {"two.md", "second"}});
    }

    std::string R(const std::string& name) const { return (root_ / name).string(); }

    fs::path root_;
};

TEST_F(FilesCommand, ListsTheSampleCorpusByDefault) {
    const TQmRun run = RunQm({"files"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto has = [&](const std::string& name, const std::string& type) {
        return run.out.find("/" + name + "\t") != std::string::npos &&
               run.out.find("\t" + type + "\n", run.out.find("/" + name + "\t")) ==
                   run.out.find('\n', run.out.find("/" + name + "\t")) - type.size() - 1;
    };
    EXPECT_TRUE(has("letters.zip/letter1.txt", "_8_bit")) << run.out;
    EXPECT_TRUE(has("bahnhof_de_utf16be.txt", "_16_bit_reversed")) << run.out;
    EXPECT_TRUE(has("market_fr_utf16le.txt", "_16_bit")) << run.out;
    EXPECT_TRUE(has("bees_utf8_signed.txt", "_UTF8")) << run.out;
    EXPECT_TRUE(has("limani_el_utf8.txt", "_UTF8")) << run.out;
    EXPECT_TRUE(has("zima_ru_1251.txt", "_8_bit")) << run.out;
    EXPECT_EQ(run.out.find("letters.zip\t"), std::string::npos)
        << "the archive itself is not a text";
}

TEST_F(FilesCommand, WalksFoldersArchivesMasksAndExclusions) {
    MakeTree();
    const TQmRun run =
        RunQm({"files", "--mask", "*.txt;*.htm", "--exclude", "old", root_.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad.zip"), std::string::npos) << run.err;
    EXPECT_EQ(Names(run.out),
              (std::vector<std::string>{R("letters.zip/one.txt"), R("a.txt"), R("B.htm"),
                                        R("sub/y.txt"), R("sub/deep/z.txt")}))
        << run.out;

    const TQmRun flat = RunQm(
        {"files", "--no-subfolders", "--no-zip", "--exclude", "a.*;*.doc", root_.string() + "/"});
    EXPECT_EQ(flat.status, 0) << flat.err;
    EXPECT_EQ(Names(flat.out), (std::vector<std::string>{R("B.htm")})) << flat.out;
}

TEST_F(FilesCommand, FilesAndArchivesAsPaths) {
    MakeTree();
    const TQmRun run = RunQm(
        {"files", "--mask", "*.md", R("c.doc"), R("letters.zip"), R("missing.txt"), R("sub")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("qm: cannot find " + R("missing.txt")), std::string::npos) << run.err;
    EXPECT_EQ(Names(run.out), (std::vector<std::string>{R("c.doc"), R("letters.zip/two.md")}))
        << run.out;
    EXPECT_NE(run.out.find(R("letters.zip/two.md") + "\t6\t"), std::string::npos) << run.out;
}

TEST_F(FilesCommand, SameTextInEveryEncoding) {
    const std::u16string text = u"Caf\u00E9 cr\u00E8me \u2013 na\u00EFve fa\u00E7ade \u20AC5\r\n"
                                u"the second line\r\n";
    const std::string utf8 = qm7::platform::Utf16ToUtf8(text);
    const std::vector<std::string> files = {
        Write("utf8.txt", utf8),
        Write("utf8_signed.txt", "\xEF\xBB\xBF" + utf8),
        Write("utf16le.txt", Utf16LE(u"\xFEFF" + text)),
        Write("utf16le_unmarked.txt", Utf16LE(text)),
        Write("utf16be.txt", Utf16BE(u"\xFEFF" + text)),
        Write("cp1252.txt", qm7::platform::UnicodeToAnsi(text, 1252)),
    };
    qm7::platform::WriteZipFile(root_ / "packed.zip", {{"inside.txt", utf8}});
    std::vector<std::string> paths = files;
    paths.push_back(R("packed.zip"));
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const TQmRun run = RunQm({"files", "--text", path});
        EXPECT_EQ(run.status, 0) << run.err;
        const size_t first = run.out.find('\n');
        ASSERT_NE(first, std::string::npos);
        EXPECT_EQ(run.out.substr(first + 1), utf8);
    }

    const std::u16string russian =
        u"\u0417\u0438\u043C\u043D\u0435\u0435 \u0443\u0442\u0440\u043E\r\n";
    const std::string ru8 = qm7::platform::Utf16ToUtf8(russian);
    for (const std::string& path :
         {Write("ru1251.txt", qm7::platform::UnicodeToAnsi(russian, 1251)),
          Write("ru8.txt", ru8)}) {
        const TQmRun run = RunQm({"files", "--text", "--code-page", "1251", path});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), ru8);
    }
}

TEST_F(FilesCommand, SampleCorpusReadsInEveryEncoding) {
    const fs::path samples = QM_SAMPLES_DIR;
    struct TCase {
        const char* file;
        const char* code_page;
        std::string first_line, word;
    };
    const TCase cases[] = {
        {"lighthouse_utf8.txt", "1252", "The Lighthouse Keeper's Year", "gallery"},
        {"bees_utf8_signed.txt", "1252", "Notes on Keeping Bees", "busy"},
        {"market_fr_utf16le.txt", "1252", "Le march\u00E9 du samedi", "ti\u00E8de"},
        {"bahnhof_de_utf16be.txt", "1252", "Der kleine Bahnhof", "Bahnhof"},
        {"huerta_es_1252.txt", "1252", "La huerta de mi abuela", "peque\u00F1a"},
        {"zima_ru_1251.txt", "1251",
         "\u0417\u0438\u043C\u043D\u0435\u0435 \u0443\u0442\u0440\u043E",
         "\u0441\u043D\u0435\u0433"},
        {"limani_el_utf8.txt", "1252", "\u03A4\u03BF \u03BB\u03B9\u03BC\u03AC\u03BD\u03B9",
         "\u03B8\u03AC\u03BB\u03B1\u03C3\u03C3\u03B1"},
        {"letters.zip", "1252", "Dear Margaret,", "seeds"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.file);
        const TQmRun run =
            RunQm({"files", "--text", "--codepage", c.code_page, (samples / c.file).string()});
        EXPECT_EQ(run.status, 0) << run.err;
        const size_t first = run.out.find('\n') + 1;
        EXPECT_EQ(run.out.substr(first, run.out.find('\r', first) - first), c.first_line);
        EXPECT_NE(run.out.find(c.word), std::string::npos);
        EXPECT_EQ(run.out.find("\xEF\xBF\xBD"), std::string::npos) << "a character was lost";
        EXPECT_EQ(run.out.find("\xEF\xBB\xBF"), std::string::npos) << "a byte-order mark was kept";
    }
}

TEST_F(FilesCommand, DocumentsAreReportedNotRead) {
    Write("a.txt", "plain");
    Write("report.doc", std::string("\xD0\xCF\x11\xE0\0\0\0\0", 8));
    const TQmRun listed = RunQm({"files", root_.string()});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.out.find(R("report.doc") + "\t8\t"), std::string::npos);
    EXPECT_NE(listed.out.find("\t_Storage\n"), std::string::npos);

    const TQmRun texts = RunQm({"files", "--text", root_.string()});
    EXPECT_EQ(texts.status, 1);
    EXPECT_NE(texts.err.find("report.doc is a compound document, not a plain text"),
              std::string::npos)
        << texts.err;
    EXPECT_NE(texts.out.find("plain"), std::string::npos);
}

TEST_F(FilesCommand, UsageErrors) {
    EXPECT_EQ(RunQm({"files", "--codepage", "1234"}).status, 2);
    EXPECT_EQ(RunQm({"files", "--code-page", "lots"}).status, 2);
    EXPECT_EQ(RunQm({"files", "--mask", " "}).status, 2);
    EXPECT_EQ(RunQm({"files", "--unknown"}).status, 2);
    const TQmRun help = RunQm({"help", "files"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--no-subfolders"), std::string::npos);
}

} // namespace
