// Search flags, tool names and file names, signatures and version texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/enumset.h"
#include "platform/export.h"
#include "runtime1/core/my_types_mini.h"

namespace qm7 {

inline constexpr int kQMMajorVersion = 7;

// The options of one search word; stored as one byte, member n in bit n.
enum TMySearchFlag : uint8_t {
    myReplace,
    myConfirmFinds,
    myCaseIsSensitive,
    mySW_To_Avoid,
    myLeftBounded,
    myRightBounded
};
using TMySearchFlags = platform::TEnumSet<TMySearchFlag, uint8_t>;

// The signature number each tool writes into its files.
extern QM7_EXPORT const std::array<int32_t, kToolTypeCount> CurrentSignature;

// The display name of a tool; empty for the rows that have none.
QM7_EXPORT std::u16string Tool_Name(tool_type tool);
// "Word_Lister7.exe", "QM7_API_Library7.dll"; empty when the tool has no name.
QM7_EXPORT std::u16string GetShortToolFilename(tool_type tool);
// The running program's folder with a trailing '/', then the short file name.
QM7_EXPORT std::u16string GetFullToolFilename(tool_type tool);

// The tool whose short file name matches the program's file name, compared
// without regard to case and without a ".exe" or ".dll" ending; tt_no_tool
// when none does.
QM7_EXPORT tool_type ToolFromProgramName(std::u16string_view program_file_name);
// current_tool_var := the tool of the running program.
QM7_EXPORT void SetCurrentTool();

QM7_EXPORT std::u16string QuillmarkControllerCaption();
QM7_EXPORT std::u16string CurrentQMMajorVersion100Str();
QM7_EXPORT std::u16string QuillmarkHelpURL();

QM7_EXPORT float CardinalToSingle(uint32_t value);
QM7_EXPORT float IntToSingle(int32_t value);

} // namespace qm7
