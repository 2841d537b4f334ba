// Host records laid over a canary pattern, with guard bytes on both sides, so
// that a test can tell exactly which bytes a call wrote.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace quor::test {

// A byte range of a record, by offset from its start.
struct Span {
    std::size_t offset;
    std::size_t length;
};

template <typename Record>
class Canvas {
public:
    static constexpr std::size_t kGuard = 64;

    Canvas() {
        for (std::size_t i = 0; i < sizeof(bytes_); ++i) bytes_[i] = Pattern(i);
        Arm();
    }

    // Takes the bytes as they are now (after the test has filled in what the
    // host would) as the state later calls are compared with.
    void Arm() { std::memcpy(baseline_, bytes_, sizeof(bytes_)); }

    Record* record() { return reinterpret_cast<Record*>(bytes_ + kGuard); }
    const Record* record() const { return reinterpret_cast<const Record*>(bytes_ + kGuard); }

    // Offsets (from the record's start; negative or past its end in the
    // guards) of bytes that changed since Arm() and lie outside allowed.
    std::vector<long> ChangedOutside(const std::vector<Span>& allowed) const {
        std::vector<long> changed;
        for (std::size_t i = 0; i < sizeof(bytes_); ++i) {
            const long offset = static_cast<long>(i) - static_cast<long>(kGuard);
            if (bytes_[i] == baseline_[i] || IsAllowed(offset, allowed)) continue;
            changed.push_back(offset);
        }
        return changed;
    }

    bool Untouched() const { return ChangedOutside({}).empty(); }

private:
    static unsigned char Pattern(std::size_t i) { return static_cast<unsigned char>(0xA5 ^ (i * 7)); }

    static bool IsAllowed(long offset, const std::vector<Span>& allowed) {
        return std::any_of(allowed.begin(), allowed.end(), [offset](const Span& span) {
            return offset >= static_cast<long>(span.offset) &&
                   offset < static_cast<long>(span.offset + span.length);
        });
    }

    alignas(16) unsigned char bytes_[sizeof(Record) + 2 * kGuard];
    unsigned char baseline_[sizeof(Record) + 2 * kGuard];
};

// The span of a text of n units and its terminator written at offset.
inline Span TextSpan(std::size_t offset, std::size_t units, std::size_t unitSize) {
    return {offset, (units + 1) * unitSize};
}

}  // namespace quor::test
