// A third table of shared texts, kept for messages that belong with neither
// the general vocabulary (GeneralRuntime1Const) nor the tools' messages
// (GeneralRuntime2Const). It holds no entries.
#pragma once

namespace qm7::GeneralRuntime3Const {} // namespace qm7::GeneralRuntime3Const
