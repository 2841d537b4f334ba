// Peak heap use of one call, counted by the benchmark binary's replacement of
// the global operator new and delete.
#pragma once

#include <cstddef>
#include <functional>

namespace quor::bench {

// Highest number of heap bytes live during call beyond those live before it.
std::size_t PeakExtraBytes(const std::function<void()>& call);

}  // namespace quor::bench
