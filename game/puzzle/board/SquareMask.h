#pragma once

#include <cstddef>
#include <cstdint>

namespace Pemberquill {

// A set of a board's squares as bits of their row-major indices (N·y + x,
// at most 81 squares): the shape search tests, copies and hashes square
// sets in a few instructions instead of walking trees.
struct SquareMask {
    uint64_t low = 0;  // squares 0 to 63
    uint64_t high = 0; // squares 64 to 127

    bool Has(int index) const
    {
        return index < 64 ? ((low >> index) & 1u) != 0 : ((high >> (index - 64)) & 1u) != 0;
    }
    void Add(int index)
    {
        if (index < 64) {
            low |= uint64_t{1} << index;
        } else {
            high |= uint64_t{1} << (index - 64);
        }
    }
    // Bit arithmetic: the builtin becomes a library call on the baseline
    // instruction set.
    int Count() const { return CountBits(low) + CountBits(high); }
    static int CountBits(uint64_t bits)
    {
        bits = bits - ((bits >> 1) & 0x5555555555555555ull);
        bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
        return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
    }
    bool Intersects(const SquareMask& other) const { return ((low & other.low) | (high & other.high)) != 0; }
    bool IsEmpty() const { return (low | high) == 0; }
    // The lowest index in the mask, the first in row-major order; the mask
    // must not be empty.
    int First() const { return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(high); }
    SquareMask operator&(const SquareMask& other) const { return {low & other.low, high & other.high}; }
    SquareMask operator|(const SquareMask& other) const { return {low | other.low, high | other.high}; }
    SquareMask Without(const SquareMask& other) const { return {low & ~other.low, high & ~other.high}; }
    // Every index moved up or down by shift (1 to 63); bits moved past
    // either end are lost.
    SquareMask ShiftedUp(unsigned shift) const { return {low << shift, (high << shift) | (low >> (64 - shift))}; }
    SquareMask ShiftedDown(unsigned shift) const { return {(low >> shift) | (high << (64 - shift)), high >> shift}; }
    // The squares 0 to count - 1.
    static SquareMask FirstSquares(unsigned count)
    {
        return {count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1u,
                count <= 64 ? 0 : (uint64_t{1} << (count - 64)) - 1u};
    }
    bool operator==(const SquareMask& other) const { return low == other.low && high == other.high; }

    // Calls visit(index) for every square in increasing index order, which
    // is the board's row-major order.
    template <typename Visitor>
    void ForEach(Visitor&& visit) const
    {
        for (uint64_t bits = low; bits != 0; bits &= bits - 1) {
            visit(__builtin_ctzll(bits));
        }
        for (uint64_t bits = high; bits != 0; bits &= bits - 1) {
            visit(64 + __builtin_ctzll(bits));
        }
    }
};

struct SquareMaskHash {
    size_t operator()(const SquareMask& mask) const
    {
        // Multiplying by the golden ratio spreads the few set bits of small
        // shapes over the whole word.
        const uint64_t mixed = (mask.low * 0x9E3779B97F4A7C15ull) ^ (mask.high * 0xC2B2AE3D27D4EB4Full);
        return static_cast<size_t>(mixed ^ (mixed >> 32));
    }
};

} // namespace Pemberquill
