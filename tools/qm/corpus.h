// The corpus texts a command reads: folders, files and zip archives given as
// PATHs (the sample corpus when there are none), chosen by masks and
// exclusions, and read whatever their encoding.
//
//     TCorpusOptions options = TakeCorpusOptions(args);
//     options.paths = args.Positionals();
//     TCorpus corpus(options);
//     TCorpusText text;
//     while (corpus.Next(text))
//         ... text.name, text.text (UTF-16), text.type ...
//     return corpus.Problems() > 0 ? kExitBadInput : kExitOk;
//
// Order: the PATHs as given; in a folder, the entries of its zip archives,
// then its files mask by mask (names sorted without regard to case), then
// its sub-folders depth first, each listed the same way. A file named as a
// PATH is taken whatever the masks say; an archive named as a PATH gives its
// entries. Hidden files and folders (names starting with ".") are left out.
//
// Anything that cannot be read (a missing PATH, a damaged archive, an
// unreadable file, a document that is not plain text) is reported on stderr
// as one line starting "qm: " and the run goes on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "runtime1/files/file_utils.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

struct TCorpusOptions {
    std::vector<std::string> paths; // folders, files, zip archives; none: the samples
    std::string mask = "*";         // masks of the texts (and archive entries), ";" between
    std::string exclude;            // masks of file and folder names to leave out
    bool subfolders = true;
    bool zips = true;
    uint32_t code_page = 1252; // of 8-bit texts
};

// Takes --mask, --exclude, --no-subfolders, --no-zip and --code-page from
// the arguments (TUsageError for a bad value). The PATHs are the caller's.
TCorpusOptions TakeCorpusOptions(TArgs& args);
// The help lines of those options, for a command's help text.
extern const char* const kCorpusOptionsHelp;

// One chosen text.
struct TCorpusFile {
    std::string name;           // as shown: the path, or "<archive>/<entry>"
    std::filesystem::path file; // the file, or the archive holding the entry
    int32_t entry = 0;          // 0 for a file; the entry's number (from 1) in the archive
    int64_t size = 0;
    double date = 0; // last written, local time, days since 1899-12-30
};

// One text read and decoded.
struct TCorpusText {
    size_t index = 0; // in TCorpus::Files()
    std::string name;
    std::u16string text;
    TFileContentsSet type;
};

// The text of a file's bytes: by a byte-order mark; UTF-16 little-endian
// without a mark when the statistical test says so; UTF-8 when the bytes are
// UTF-8 (bytes that are not are read as U+FFFD); otherwise the system code
// page, with the suite's repair of UTF-8 read as 8-bit text. False, with why
// set, for bytes that are not plain text (a zip archive, a compound or early
// word-processor document).
bool DecodeCorpusBytes(const std::string& bytes, std::u16string& text, TFileContentsSet& type,
                       std::string& why);

class TCorpus {
public:
    // Sets the system code page to the options' one (TUsageError when it is
    // not supported).
    explicit TCorpus(TCorpusOptions options);
    ~TCorpus();
    TCorpus(const TCorpus&) = delete;
    TCorpus& operator=(const TCorpus&) = delete;

    // The chosen texts in order (the PATHs are walked at the first call).
    const std::vector<TCorpusFile>& Files();
    // Reads the next text; false after the last one (or once the user asked
    // to stop). Texts that cannot be read are reported and skipped.
    bool Next(TCorpusText& text);
    // The bytes of a chosen text; false, with the reason, when they cannot
    // be read.
    bool ReadBytes(const TCorpusFile& file, std::string& bytes, std::string& why);

    // Reports a problem on stderr and counts it.
    void Report(const std::string& problem);
    int Problems() const { return problems_; }

private:
    void Walk();
    void WalkPath(const std::string& path);

    TCorpusOptions options_;
    std::vector<TCorpusFile> files_;
    bool walked_ = false;
    size_t next_ = 0;
    int problems_ = 0;
    struct TOpenArchive;
    std::unique_ptr<TOpenArchive> archive_; // the archive read last, kept open
};

} // namespace qm7::tool
