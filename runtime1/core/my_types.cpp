#include "runtime1/core/my_types.h"

#include "platform/format.h"
#include "platform/process.h"
#include "platform/text.h"

namespace qm7 {

namespace {

// The maker's web address, the start of every online help address.
constexpr std::u16string_view kMakerWebAddress = u"https://www.quillmark.example";

std::u16string MajorVersionStr() {
    return platform::Utf8ToUtf16(std::to_string(kQMMajorVersion));
}

// Upper-cased, without a ".exe" or ".dll" ending.
std::u16string ComparableProgramName(std::u16string_view name) {
    std::u16string upper = platform::UpperCase(name);
    for (std::u16string_view ending : {u".EXE", u".DLL"})
        if (upper.size() > ending.size() && upper.ends_with(ending))
            upper.resize(upper.size() - ending.size());
    return upper;
}

} // namespace

const std::array<int32_t, kToolTypeCount> CurrentSignature = [] {
    std::array<int32_t, kToolTypeCount> signatures{};
    signatures.fill(36);
    for (tool_type t : {tt_word_lister, tt_key_finder, tt_controller, tt_converter,
                        tt_concgram_finder, tt_pair_finder})
        signatures[t] = 37;
    signatures[tt_text_aligner] = 38;
    signatures[tt_no_tool] = 789;
    return signatures;
}();

std::u16string Tool_Name(tool_type tool) {
    switch (tool) {
    case tt_word_lister:
        return u"Word Lister";
    case tt_line_finder:
        return u"Line Finder";
    case tt_key_finder:
        return u"Key Finder";
    case tt_chargram_finder:
        return u"Chargram Finder";
    case tt_controller:
        return u"Quillmark";
    case tt_converter:
        return u"Converter";
    case tt_concgram_finder:
        return u"Concgram Finder";
    case tt_language_picker:
        return u"Language Picker";
    case tt_text_aligner:
        return u"Text Aligner";
    case tt_char_profiler:
        return u"Char Profiler";
    case tt_pair_finder:
        return u"Pair Finder";
    case tt_file_toolkit:
        return u"File Toolkit";
    case tt_api:
        return u"QM" + MajorVersionStr() + u" API Library";
    case tt_text_viewer:
        return u"Text Viewer";
    case tt_corpus_verifier:
        return u"Corpus Verifier";
    case tt_update_checker:
        return u"Update Checker";
    default:
        return {};
    }
}

std::u16string GetShortToolFilename(tool_type tool) {
    std::u16string name = Tool_Name(tool);
    if (name.empty())
        return {};
    for (char16_t& c : name)
        if (c == u' ')
            c = u'_';
    return name + MajorVersionStr() + (tool == tt_api ? u".dll" : u".exe");
}

std::u16string GetFullToolFilename(tool_type tool) {
    std::u16string folder = platform::ProgramFileName().parent_path().u16string();
    if (!folder.ends_with(u'/'))
        folder += u'/';
    return folder + GetShortToolFilename(tool);
}

tool_type ToolFromProgramName(std::u16string_view program_file_name) {
    const std::u16string program = ComparableProgramName(program_file_name);
    if (program.empty())
        return tt_no_tool;
    for (int row = 0; row < kToolTypeCount; ++row) {
        const auto tool = tool_type(row);
        const std::u16string short_name = GetShortToolFilename(tool);
        if (!short_name.empty() && ComparableProgramName(short_name) == program)
            return tool;
    }
    return tt_no_tool;
}

void SetCurrentTool() {
    current_tool_var = ToolFromProgramName(platform::ProgramFileName().filename().u16string());
}

std::u16string QuillmarkControllerCaption() {
    return u"Quillmark Tools" + platform::Format(u"%4.1f", {double(kQMMajorVersion)});
}

std::u16string CurrentQMMajorVersion100Str() {
    return MajorVersionStr() + u".0.0.100";
}

std::u16string QuillmarkHelpURL() {
    return std::u16string(kMakerWebAddress) + u"/downloads/version" + MajorVersionStr() + u"/HTML/";
}

float CardinalToSingle(uint32_t value) {
    return float(value);
}

float IntToSingle(int32_t value) {
    return float(value);
}

} // namespace qm7
