// qm tools: the suite's tools with their file names and signatures.
#include <cstdio>

#include "runtime1/core/my_types.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

int Run(TArgs& args) {
    if (!args.Positionals().empty())
        throw TUsageError("qm tools takes no arguments.");
    std::printf("%-4s %-18s %-24s %s\n", "row", "tool", "file name", "signature");
    for (int row = 0; row < kToolTypeCount; ++row) {
        const auto tool = tool_type(row);
        const std::u16string name = Tool_Name(tool);
        if (name.empty())
            continue;
        std::printf("%-4d %-18s %-24s %d\n", row, ToUtf8(name).c_str(),
                    ToUtf8(GetShortToolFilename(tool)).c_str(), CurrentSignature[size_t(row)]);
    }
    return kExitOk;
}

TRegisterCommand reg({"tools", "", "list the suite's tools, file names and signatures", "", &Run});

} // namespace

} // namespace qm7::tool
