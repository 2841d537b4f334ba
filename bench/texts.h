// Deterministic sample texts for the task text benchmarks, in three shapes.
#pragma once

#include <cstddef>
#include <string>

namespace quor::bench {

enum class Shape {
    Prose,   // words, single spaces, punctuation, a few CR LF line breaks
    Spaces,  // words between runs of 1 to 12 spaces
    Breaks,  // short lines ended by CR LF, CR or LF, some opening with a
             // marker prefix or with spaces
};

const char* ShapeName(Shape shape);

// A text of exactly units code units; the same shape always starts the same.
std::u16string MakeText(Shape shape, std::size_t units);

}  // namespace quor::bench
