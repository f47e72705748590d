#pragma once
// A multiset of the letters A..Z, eight bits a letter packed into four
// machine words, so that the fill's inner loop compares, adds and takes away
// whole words in a handful of operations. Counts stay within 0..127.

#include <array>
#include <cstdint>
#include <string_view>

namespace zpx {

class LetterBag {
public:
    static constexpr int MaxCount = 127;

    static LetterBag of(std::string_view upperLetters)
    {
        LetterBag bag;
        for (const char c : upperLetters)
            bag.add(c - 'A', 1);
        return bag;
    }

    void add(int letter, int n) { parts[letter / 8] += static_cast<std::uint64_t>(n) << (8 * (letter % 8)); }
    int count(int letter) const { return static_cast<int>((parts[letter / 8] >> (8 * (letter % 8))) & 0xFF); }

    // Every count at most the other bag's. A high bit set in each byte of the
    // pool keeps the subtraction from borrowing across letters; it survives
    // exactly where the pool's count is not below this one's.
    bool fitsIn(const LetterBag& pool) const
    {
        for (int i = 0; i < 4; ++i)
            if ((((pool.parts[i] | High) - parts[i]) & High) != High)
                return false;
        return true;
    }

    friend LetterBag operator+(LetterBag a, const LetterBag& b)
    {
        for (int i = 0; i < 4; ++i)
            a.parts[i] += b.parts[i];
        return a;
    }
    // b fits in a.
    friend LetterBag operator-(LetterBag a, const LetterBag& b)
    {
        for (int i = 0; i < 4; ++i)
            a.parts[i] -= b.parts[i];
        return a;
    }
    friend bool operator==(const LetterBag&, const LetterBag&) = default;

    static LetterBag max(const LetterBag& a, const LetterBag& b)
    {
        LetterBag result;
        for (int i = 0; i < 4; ++i) {
            const std::uint64_t aNotBelow = (((a.parts[i] | High) - b.parts[i]) & High) >> 7;
            const std::uint64_t mask = aNotBelow * 0xFF;
            result.parts[i] = (a.parts[i] & mask) | (b.parts[i] & ~mask);
        }
        return result;
    }

    static LetterBag min(const LetterBag& a, const LetterBag& b)
    {
        return a + b - max(a, b);
    }

    // The number of letters; the counts must add up to less than 256 in each
    // machine word.
    int size() const
    {
        int n = 0;
        for (const std::uint64_t part : parts)
            n += static_cast<int>((part * 0x0101010101010101ull) >> 56);
        return n;
    }

    std::size_t hash() const
    {
        std::uint64_t h = 0;
        for (const std::uint64_t part : parts)
            h = (h ^ part) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }

private:
    static constexpr std::uint64_t High = 0x8080808080808080ull;
    std::array<std::uint64_t, 4> parts{};
};

struct LetterBagHash {
    std::size_t operator()(const LetterBag& bag) const { return bag.hash(); }
};

}  // namespace zpx
