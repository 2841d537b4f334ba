// Deterministic sample texts for the task text benchmarks, in three shapes.
#pragma once

#include <cstddef>
#include <string>

namespace quor::bench {

enum class Shape {
    Prose,           // words, single spaces, punctuation, a few CR LF line breaks
    Spaces,          // words between runs of 1 to 12 spaces
    Breaks,          // short lines ended by CR LF, CR or LF, some opening with a
                     // marker prefix or with spaces
    SpaceRun,        // a word, one run of spaces, a word
    BreakRun,        // a word, line breaks (mostly CR LF pairs), a word
    LeadingBlanks,   // spaces and line breaks, then "buy milk"
    TrailingBlanks,  // "buy milk", then spaces and line breaks
};

const char* ShapeName(Shape shape);

// A text of exactly units code units; the same shape always starts the same.
std::u16string MakeText(Shape shape, std::size_t units);

}  // namespace quor::bench
