#include "runtime1/scanning/bare_assemb_types.h"

#include <algorithm>

namespace qm7 {

ANSILower_or_upperStr_type::ANSILower_or_upperStr_type(std::string_view text) {
    length = uint8_t(std::min(text.size(), kCapacity));
    std::copy_n(text.data(), length, chars.data());
}

} // namespace qm7
