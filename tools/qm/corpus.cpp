#include "tools/qm/corpus.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>

#include "platform/folder.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/files/PeruseDir.h"
#include "runtime1/search/WideMasks.h"
#include "tools/qm/progress.h"

namespace qm7::tool {

const char* const kCorpusOptionsHelp =
    "  --mask MASKS       texts to read, as \"*.txt;*.htm\" (default: every file)\n"
    "  --exclude MASKS    leave out files and folders whose names match\n"
    "  --no-subfolders    read only the folders given, not their sub-folders\n"
    "  --no-zip           leave zip archives out instead of reading their texts\n"
    "  --codepage N       code page of 8-bit texts (default 1252)\n";

namespace {

namespace fs = std::filesystem;
using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

std::string NamePart(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithDelimiter(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool HasMark(const std::string& bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
           bytes.starts_with("\xEF\xBB\xBF");
}

std::u16string Utf16LE(const std::string& bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t k = 0; k < text.size(); ++k)
        text[k] = char16_t(uint8_t(bytes[2 * k]) | uint8_t(bytes[2 * k + 1]) << 8);
    return text;
}

} // namespace

TCorpusOptions TakeCorpusOptions(TArgs& args) {
    TCorpusOptions options;
    if (auto mask = args.Option("mask")) {
        if (platform::Utf16ToUtf8(platform::Trim(FromUtf8(*mask))).empty())
            throw TUsageError("The option --mask needs at least one mask, such as \"*.txt\".");
        options.mask = *mask;
    }
    if (auto exclude = args.Option("exclude"))
        options.exclude = *exclude;
    options.subfolders = !args.Flag("no-subfolders");
    options.zips = !args.Flag("no-zip");
    // --code-page is an older spelling of --codepage.
    auto page = args.IntOption("codepage", 0, 65535);
    if (auto older = args.IntOption("code-page", 0, 65535))
        page = older;
    if (page) {
        if (!platform::IsSupportedCodePage(uint32_t(*page)))
            throw TUsageError("The code page " + std::to_string(*page) +
                              " is not supported; try 1250 to 1258, 874, 932, 936, 949 or 950.");
        options.code_page = uint32_t(*page);
    }
    return options;
}

bool DecodeCorpusBytes(const std::string& bytes, std::u16string& text, TFileContentsSet& type,
                       std::string& why) {
    type = FileBufferType(bytes.data(), int64_t(bytes.size()), true);
    if (type.Contains(_Zip) || type.Contains(_Storage) || type.Contains(_early_Word)) {
        why = type.Contains(_Zip)       ? "a zip archive, not a plain text"
              : type.Contains(_Storage) ? "a compound document, not a plain text"
                                        : "an early word-processor document, not a plain text";
        return false;
    }
    const bool marked = HasMark(bytes);
    if (!marked && type.Contains(_16_bit))
        text = Utf16LE(bytes);
    else if (!marked && type.Contains(_UTF8) && !platform::IsValidUtf8(bytes))
        text = Utf8ToUtf16(bytes);
    else
        text = RepairedText(bytes);
    return true;
}

struct TCorpus::TOpenArchive {
    fs::path file;
    platform::TZipFile zip;
};

TCorpus::TCorpus(TCorpusOptions options) : options_(std::move(options)) {
    // With TZ unset the C library reads the zone file again at every mktime,
    // which libzip calls for each entry of an archive it opens; naming the
    // same zone file once makes listing large archives twice as fast.
    if (std::getenv("TZ") == nullptr)
        ::setenv("TZ", ":/etc/localtime", 0);
    if (!platform::SetSystemCodePage(options_.code_page))
        throw TUsageError("The code page " + std::to_string(options_.code_page) +
                          " is not supported.");
}

TCorpus::~TCorpus() = default;

void TCorpus::Report(const std::string& problem) {
    Progress().End();
    std::fprintf(stderr, "qm: %s\n", problem.c_str());
    ++problems_;
}

const std::vector<TCorpusFile>& TCorpus::Files() {
    if (!walked_) {
        walked_ = true;
        Walk();
    }
    return files_;
}

void TCorpus::Walk() {
    std::vector<std::string> paths = options_.paths;
    if (paths.empty())
        paths.push_back(SamplesDir().string());
    Progress().Begin("finding texts");
    for (const std::string& path : paths) {
        if (StopRequested())
            break;
        WalkPath(path);
    }
    Progress().End();
}

void TCorpus::WalkPath(const std::string& path) {
    platform::TPathInfo info;
    if (!platform::ExaminePath(path, info)) {
        Report("cannot find " + path + ".");
        return;
    }
    const std::u16string mask = Utf8ToUtf16(options_.mask);
    const std::u16string exclude = Utf8ToUtf16(options_.exclude);
    TPeruseDir walk(mask, u"*", mask, exclude, u"", false, options_.zips, false, false, false);
    std::string folder;  // the folder being listed, with its "/"
    std::string archive; // the archive being read
    walk.OnZipStartReading = [&](const std::u16string& zipname) {
        archive = folder + Utf16ToUtf8(zipname);
    };
    walk.OnZipProblem = [&](platform::TObject*) { Report(Utf16ToUtf8(walk.LastZipProblem())); };
    walk.OnCheckFileAcceptable = [&](TMySearchRec& SR, bool InAZip) {
        if (StopRequested())
            walk.SetPeruse_Processing_Files(false);
        const std::string name = Utf16ToUtf8(SR.ShortName);
        if (!exclude.empty() && MatchesMask(Utf8ToUtf16(NamePart(name)), exclude))
            return false;
        TCorpusFile file;
        file.name = InAZip ? name : folder + name;
        file.file = InAZip ? fs::path(archive) : fs::path(file.name);
        file.entry = InAZip ? SR.Number_Within_Zip : 0;
        file.size = SR.Size;
        file.date = SR.DateTime;
        files_.push_back(std::move(file));
        return true;
    };
    walk.OnFoundDir = [&](const std::u16string&) {
        if (StopRequested())
            walk.SetPeruse_Processing_Files(false);
    };

    if (!info.is_folder && !info.is_regular) {
        Report(path + " is neither a file nor a folder.");
        return;
    }
    if (!info.is_folder) {
        folder = WithDelimiter(fs::path(path).parent_path().string());
        if (path.find('/') == std::string::npos)
            folder.clear();
        const std::string name = NamePart(path);
        if (options_.zips && walk.fIsAZipfile(Utf8ToUtf16(name))) {
            walk.AddAZip(nullptr, Utf8ToUtf16(folder), Utf8ToUtf16(name));
            return;
        }
        TCorpusFile file;
        file.name = path;
        file.file = path;
        file.size = info.size;
        file.date = FileTimeToListDateTime(info.mtime);
        files_.push_back(std::move(file));
        return;
    }
    std::vector<std::string> folders{WithDelimiter(path)};
    if (options_.subfolders) {
        walk.OnFoundDir = [&](const std::u16string& found) {
            if (StopRequested())
                walk.SetPeruse_Processing_Files(false);
            folders.push_back(WithDelimiter(Utf16ToUtf8(found)));
        };
        walk.ProcessAllSubDirectories(Utf8ToUtf16(path));
    }
    for (const std::string& f : folders) {
        if (!walk.Peruse_Processing_Files())
            break;
        folder = f;
        platform::TOpenFolder open(f);
        if (!open.Ok()) {
            Report("cannot read the folder " + f + ".");
            continue;
        }
        walk.HandleAllFilesIn(Utf8ToUtf16(f), nullptr);
    }
}

bool TCorpus::ReadBytes(const TCorpusFile& file, std::string& bytes, std::string& why) {
    try {
        if (file.entry > 0) {
            if (!archive_ || archive_->file != file.file)
                archive_ = std::make_unique<TOpenArchive>(
                    TOpenArchive{file.file, platform::TZipFile(file.file)});
            bytes = archive_->zip.Read(file.entry - 1);
            return true;
        }
        std::ifstream in(file.file, std::ios::binary | std::ios::ate);
        if (!in) {
            why = "cannot open " + file.name + ".";
            return false;
        }
        // One read of the size the file has; whatever it gains meanwhile is
        // read on after that.
        const std::streamoff size = in.tellg();
        if (size < 0 || !in.seekg(0))
            in.clear(); // not a file one can seek in: all of it is read on below
        bytes.clear();
        if (size > 0 && in.tellg() == 0) {
            bytes.resize(size_t(size));
            in.read(bytes.data(), size);
            bytes.resize(size_t(in.gcount()));
        }
        if (!in.bad() && in.good()) {
            std::ostringstream rest;
            rest << in.rdbuf();
            bytes += std::move(rest).str();
        }
        if (in.bad()) {
            why = "cannot read " + file.name + ".";
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        why = e.what();
        return false;
    }
}

bool TCorpus::Next(TCorpusText& text) {
    const std::vector<TCorpusFile>& files = Files();
    while (next_ < files.size() && !StopRequested()) {
        const TCorpusFile& file = files[next_++];
        std::string bytes, why;
        if (!ReadBytes(file, bytes, why)) {
            Report(why);
            continue;
        }
        text.index = next_ - 1;
        text.name = file.name;
        if (!DecodeCorpusBytes(bytes, text.text, text.type, why)) {
            Report(file.name + " is " + why + ".");
            continue;
        }
        return true;
    }
    return false;
}

} // namespace qm7::tool
