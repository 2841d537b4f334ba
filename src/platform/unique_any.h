// An owner of one operating-system handle of any kind: it releases the handle
// when it goes out of scope or takes another, and it can be moved but not
// copied. The kind is described by a traits class:
//
//   struct Traits {
//       using pointer = ...;                   // the handle's type
//       static pointer invalid_value();        // the value that owns nothing
//       static void close(pointer) noexcept;   // releases a handle that is not invalid_value()
//   };
#pragma once

#include <utility>

namespace quor {

template <typename Traits>
class unique_any {
public:
    using pointer = typename Traits::pointer;

    unique_any() noexcept = default;
    explicit unique_any(pointer value) noexcept : value_(value) {}
    ~unique_any() { reset(); }

    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;

    pointer get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::invalid_value(); }

    // Releases the handle owned now and gives the place for a call to store a new one in.
    pointer* put() noexcept {
        reset();
        return &value_;
    }

    // Releases the handle owned now and owns value instead.
    void reset(pointer value = Traits::invalid_value()) noexcept {
        const pointer old = std::exchange(value_, value);
        if (old != Traits::invalid_value()) Traits::close(old);
    }

    // Gives the handle up without releasing it; the owner is empty afterwards.
    [[nodiscard]] pointer release() noexcept { return std::exchange(value_, Traits::invalid_value()); }

private:
    pointer value_ = Traits::invalid_value();
};

}  // namespace quor
