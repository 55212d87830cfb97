#pragma once
#include <cstdint>
#include <initializer_list>

// A small set of enumeration values (up to 64), as the grid's option, state and
// shift sets are used: test with Contains, add with +, remove with -.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Items)
    {
        for (E I : Items)
            FBits |= Bit(I);
    }
    constexpr bool Contains(E I) const { return (FBits & Bit(I)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet operator+(E I) const { return From_Bits(FBits | Bit(I)); }
    constexpr TSet operator-(E I) const { return From_Bits(FBits & ~Bit(I)); }
    constexpr TSet operator+(TSet O) const { return From_Bits(FBits | O.FBits); }
    constexpr TSet operator-(TSet O) const { return From_Bits(FBits & ~O.FBits); }
    constexpr TSet operator*(TSet O) const { return From_Bits(FBits & O.FBits); }
    TSet &operator+=(E I) { FBits |= Bit(I); return *this; }
    TSet &operator-=(E I) { FBits &= ~Bit(I); return *this; }
    TSet &operator+=(TSet O) { FBits |= O.FBits; return *this; }
    TSet &operator-=(TSet O) { FBits &= ~O.FBits; return *this; }
    constexpr std::uint64_t Bits() const { return FBits; }
    static constexpr TSet From_Bits(std::uint64_t B) { TSet S; S.FBits = B; return S; }
    friend constexpr bool operator==(TSet A, TSet B) = default;

private:
    static constexpr std::uint64_t Bit(E I) { return std::uint64_t(1) << static_cast<unsigned>(I); }
    std::uint64_t FBits = 0;
};
