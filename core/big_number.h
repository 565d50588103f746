#pragma once
// An unsigned integer of any size, 32 bits a word, least significant word first: the
// exact arithmetic of the decimal conversions.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/binary_format.h"

namespace strs {

class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32)
            words_.push_back(std::uint32_t(value));
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& w : words_) {
            const std::uint64_t product = std::uint64_t(w) * factor + carry;
            w = std::uint32_t(product);
            carry = product >> 32;
        }
        if (carry != 0)
            words_.push_back(std::uint32_t(carry));
    }
    void add(std::uint32_t value) {
        std::uint64_t carry = value;
        for (std::size_t i = 0; carry != 0; ++i) {
            if (i == words_.size())
                words_.push_back(0);
            const std::uint64_t sum = std::uint64_t(words_[i]) + carry;
            words_[i] = std::uint32_t(sum);
            carry = sum >> 32;
        }
    }
    // base^exponent for base 5 or 10, in as few passes as fit a word.
    void multiplyByPower(std::uint32_t base, std::int64_t exponent) {
        const int perPass = base == 5 ? 13 : 9;  // 5^13 and 10^9 still fit in 32 bits
        std::uint32_t step = 1;
        for (int i = 0; i < perPass; ++i)
            step *= base;
        for (; exponent >= perPass; exponent -= perPass)
            multiply(step);
        for (; exponent > 0; --exponent)
            multiply(base);
    }
    // Divides by divisor and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = words_.size(); i-- > 0;) {
            const std::uint64_t part = (remainder << 32) | words_[i];
            words_[i] = std::uint32_t(part / divisor);
            remainder = part % divisor;
        }
        trim();
        return std::uint32_t(remainder);
    }
    BigNumber shifted(std::int64_t bits) const {
        BigNumber result;
        const std::size_t wordShift = std::size_t(bits / 32);
        const int bitShift = int(bits % 32);
        result.words_.assign(wordShift, 0);
        std::uint32_t carry = 0;
        for (std::uint32_t w : words_) {
            result.words_.push_back((w << bitShift) | carry);
            carry = bitShift == 0 ? 0 : w >> (32 - bitShift);
        }
        if (carry != 0)
            result.words_.push_back(carry);
        result.trim();
        return result;
    }
    void subtract(const BigNumber& other) {  // requires *this >= other
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::int64_t d = std::int64_t(words_[i]) - borrow - (i < other.words_.size() ? other.words_[i] : 0);
            borrow = d < 0 ? 1 : 0;
            words_[i] = std::uint32_t(d + (borrow << 32));
        }
        trim();
    }
    friend int Compare(const BigNumber& a, const BigNumber& b) {
        if (a.words_.size() != b.words_.size())
            return a.words_.size() < b.words_.size() ? -1 : 1;
        for (std::size_t i = a.words_.size(); i-- > 0;) {
            if (a.words_[i] != b.words_[i])
                return a.words_[i] < b.words_[i] ? -1 : 1;
        }
        return 0;
    }
    std::int64_t bitLength() const {
        return words_.empty() ? 0 : std::int64_t(words_.size() - 1) * 32 + std::bit_width(words_.back());
    }
    bool isZero() const { return words_.empty(); }

    // The top 126 bits of a number of at least that many bits, rounded down; a shorter
    // number shifted up to 126 bits exactly.
    Uint128 top126() const {
        const std::int64_t length = bitLength();
        Uint128 top = 0;
        for (std::size_t i = words_.size(); i-- > 0;) {
            const std::int64_t position = std::int64_t(i) * 32 - (length - 126);  // of the word's lowest bit
            if (position >= 0)
                top |= Uint128(words_[i]) << position;
            else if (position > -32)
                top |= Uint128(words_[i] >> -position);
        }
        return top;
    }

    std::string decimal() const {
        BigNumber rest = *this;
        std::string text;
        while (!rest.isZero()) {
            std::uint32_t chunk = rest.divide(1'000'000'000);
            for (int i = 0; i < 9; ++i, chunk /= 10)
                text.push_back(char('0' + chunk % 10));
        }
        while (text.size() > 1 && text.back() == '0')
            text.pop_back();
        std::reverse(text.begin(), text.end());
        return text.empty() ? std::string("0") : text;
    }

private:
    void trim() {
        while (!words_.empty() && words_.back() == 0)
            words_.pop_back();
    }
    std::vector<std::uint32_t> words_;
};

}  // namespace strs
