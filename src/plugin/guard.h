// The barrier between the plug-in and the host: nothing thrown inside an
// export reaches the host; a failure becomes the export's failure value.
#pragma once

#include <cstdint>

namespace quor {

template <typename Body>
std::int32_t Guarded(Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return 0;
    }
}

}  // namespace quor
