#include "lemmatiser/LemmaStopMatchTypes.h"

namespace qm7::lemmatiser {

uint64_t file_reload = 0;

std::u16string LemmaMatchStopFileTypeStr(TLemmaMatchStopOptions kind, std::u16string_view s) {
    if (kind >= kLemmaMatchStopKinds)
        return std::u16string(s);
    std::u16string label(LemmaMatchStopFiles[kind]);
    const size_t at = label.find(u"%s");
    if (at != std::u16string::npos)
        label.replace(at, 2, s);
    return label;
}

} // namespace qm7::lemmatiser
