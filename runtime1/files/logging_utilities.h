// The diagnostic log shared by every module of the process: one UTF-16
// little-endian text file (byte-order mark FF FE, lines ending CR LF) whose
// name the running tool sets. Each entry starts with the running tool's label.
// Logging is off until the tool switches keeping_log on; a write that fails
// switches it off again, silently.
#pragma once

#include <string>
#include <string_view>

#include "platform/export.h"
#include "runtime1/core/my_types_mini.h"

namespace qm7 {

// Logging is on. Modules test it before they build a log text.
extern QM7_EXPORT bool keeping_log;

QM7_EXPORT std::u16string GetLogFilename();
// Only remembers the name; the file is not touched.
QM7_EXPORT void SetLogFilename(const std::u16string& name);

// Appends the running tool's label and s, then CR LF when with_line_break is
// true. Does nothing while logging is off or no log name is set. Never throws.
QM7_EXPORT void AddToLogFile(const std::u16string& s, bool with_line_break);
QM7_EXPORT void AddToLogFile(const std::u16string& s);

// Two entries: ten asterisks, then "LOG STARTED at " with the local date and
// time (short date, a blank, long time, in the user's locale).
QM7_EXPORT void StartNewLogSection();

// When a log name is set and the file exists: deletes it and starts a new
// section. Never throws.
QM7_EXPORT void ClearLogFile();

// The label that starts each entry written by the tool, such as "(LF): ".
QM7_EXPORT std::u16string LogLabelOf(tool_type tool);

// The local date and time as the log writes them.
QM7_EXPORT std::u16string LogDateTimeText();

} // namespace qm7
