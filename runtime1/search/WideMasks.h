// File masks such as *.txt: a text of several masks (separated by
// semicolons or on separate lines) made into a list, and the matching of a
// file name against the masks, the way the shell matches wildcards: "*" any
// run of characters, "?" exactly one character, letters compared without
// regard to case, "\" and "/" alike, and "*.*" matching every name, with or
// without a dot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace qm7 {

// Empties masks and fills it from the mask text: the text is trimmed,
// line breaks become ";", and each part before a ";" becomes a mask (empty
// parts too); a non-empty remainder is the last mask. Masks are not trimmed.
QM7_EXPORT void BuildAMask(std::vector<std::u16string>& masks, std::u16string_view text);

// True when the file name is non-empty and matches the mask. A mask may
// itself be a ";" list; spaces around each mask are ignored.
QM7_EXPORT bool MatchesMask(std::u16string_view file_name, std::u16string_view mask);

// The index of the first non-empty mask the file name matches, or -1.
QM7_EXPORT int WhereInAMask(std::u16string_view file_name,
                            const std::vector<std::u16string>& masks);

} // namespace qm7
