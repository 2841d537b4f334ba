// UTF-16 text in a buffer of fixed capacity that it owns by value: the
// plug-in's strings. They never allocate, so no call can fail for want of
// memory, and a text longer than its purpose allows is refused, not grown.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

namespace quor {

// At most N units, always followed by a terminator. A write that does not fit
// writes nothing and leaves the text overflowed; every later write is refused
// too, until Truncate takes the text back to a length it had.
template <std::size_t N>
class FixedText {
public:
    FixedText() noexcept { units_[0] = u'\0'; }
    FixedText(const FixedText& other) noexcept { *this = other; }
    FixedText& operator=(const FixedText& other) noexcept {
        if (this != &other) {
            size_ = other.size_;
            overflowed_ = other.overflowed_;
            std::copy_n(other.units_, size_ + 1, units_);
        }
        return *this;
    }

    bool Append(std::u16string_view text) noexcept {
        if (!Reserve(text.size())) return false;
        std::copy(text.begin(), text.end(), units_ + size_);
        Grow(text.size());
        return true;
    }

    bool Append(char16_t unit) noexcept { return Append(std::u16string_view(&unit, 1)); }

    // The free units after the text, for a writer that fills them directly
    // and then commits how many it wrote; none once overflowed.
    std::span<char16_t> Spare() noexcept { return {units_ + size_, overflowed_ ? 0 : N - size_}; }
    void Commit(std::size_t count) noexcept { Grow(std::min(count, N - size_)); }

    // Marks the text overflowed, for a writer whose output does not fit the
    // free room; answers false, as a refused write does.
    bool Overflow() noexcept {
        overflowed_ = true;
        return false;
    }

    // Cuts the text to size units (it never lengthens it) and clears the
    // overflow, so that a writer can take back what it wrote since then.
    void Truncate(std::size_t size) noexcept {
        size_ = std::min(size, size_);
        overflowed_ = false;
        units_[size_] = u'\0';
    }

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    bool overflowed() const noexcept { return overflowed_; }
    std::u16string_view view() const noexcept { return {units_, size_}; }
    const char16_t* c_str() const noexcept { return units_; }

private:
    bool Reserve(std::size_t count) noexcept { return (!overflowed_ && count <= N - size_) || Overflow(); }
    void Grow(std::size_t count) noexcept {
        size_ += count;
        units_[size_] = u'\0';
    }

    std::size_t size_ = 0;
    bool overflowed_ = false;
    char16_t units_[N + 1];
};

}  // namespace quor
