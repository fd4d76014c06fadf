// A set of the members of a small enumeration, kept as bits (member n is bit
// n), the way the suite stores its sets: a set of up to eight members fits in
// one byte.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace qm7::platform {

template <class Enum, class Bits = uint32_t> class TEnumSet {
    static_assert(std::is_enum_v<Enum>);

public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<Enum> members) {
        for (Enum m : members)
            Include(m);
    }
    static constexpr TEnumSet FromBits(Bits bits) {
        TEnumSet s;
        s.bits_ = bits;
        return s;
    }

    constexpr Bits ToBits() const { return bits_; }
    constexpr bool Contains(Enum m) const { return (bits_ & Bit(m)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(Enum m) { bits_ |= Bit(m); }
    constexpr void Exclude(Enum m) { bits_ &= Bits(~Bit(m)); }

    constexpr TEnumSet operator|(TEnumSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TEnumSet operator&(TEnumSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TEnumSet operator-(TEnumSet o) const { return FromBits(bits_ & Bits(~o.bits_)); }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    static constexpr Bits Bit(Enum m) { return Bits(Bits(1) << unsigned(m)); }
    Bits bits_ = 0;
};

} // namespace qm7::platform
