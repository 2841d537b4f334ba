// Benchmarks of the task link pipeline on 1 MiB and 64 MiB texts of three
// shapes, against the literal reference model and a plain copy of the link,
// with the pipeline's peak extra heap use. bench/summary.py compares the
// figures of a JSON run with the goals.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "alloc_meter.h"
#include "leadertask/task_text.h"
#include "support/reference_task_text.h"
#include "texts.h"

namespace {

using quor::bench::Shape;

constexpr std::size_t kSmallUnits = std::size_t{512} << 10;  // 1 MiB of UTF-16
constexpr std::size_t kLargeUnits = std::size_t{32} << 20;   // 64 MiB of UTF-16

struct Sample {
    std::u16string text;
    std::size_t linkUnits;
};

// Each text is generated once per run, outside every timed loop.
const Sample& SampleFor(Shape shape, std::size_t units) {
    static std::map<std::pair<Shape, std::size_t>, Sample> samples;
    auto [at, added] = samples.try_emplace({shape, units});
    if (added) {
        at->second.text = quor::bench::MakeText(shape, units);
        at->second.linkUnits = quor::BuildTaskLink(at->second.text).size();
    }
    return at->second;
}

// ns_per_unit: a rate of units * 1e-9 per second, inverted, is nanoseconds
// per input code unit.
void ReportPerUnit(benchmark::State& state, std::size_t units) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(units * sizeof(char16_t)));
    state.counters["ns_per_unit"] =
        benchmark::Counter(static_cast<double>(units) * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Pipeline(benchmark::State& state, Shape shape, std::size_t units) {
    const Sample& sample = SampleFor(shape, units);
    for (auto _ : state) benchmark::DoNotOptimize(quor::BuildTaskLink(sample.text));
    ReportPerUnit(state, units);

    const std::size_t peak =
        quor::bench::PeakExtraBytes([&] { benchmark::DoNotOptimize(quor::BuildTaskLink(sample.text)); });
    const std::size_t budget = (sample.linkUnits + units) * sizeof(char16_t);
    state.counters["peak_extra_bytes"] = static_cast<double>(peak);
    state.counters["peak_to_budget"] = static_cast<double>(peak) / static_cast<double>(budget);
}

void Reference(benchmark::State& state, Shape shape, std::size_t units) {
    const Sample& sample = SampleFor(shape, units);
    for (auto _ : state) benchmark::DoNotOptimize(quor::test::ReferencePrepareTaskText(sample.text));
    ReportPerUnit(state, units);
}

// Copies a buffer the size of the link the pipeline produces for the text.
void CopyOfLink(benchmark::State& state, Shape shape, std::size_t units) {
    const std::size_t bytes = SampleFor(shape, units).linkUnits * sizeof(char16_t);
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes, 'y');
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    ReportPerUnit(state, units);
}

void Register(const char* what, void (*body)(benchmark::State&, Shape, std::size_t), Shape shape,
              std::size_t units, const char* size) {
    const std::string name = std::string(what) + "/" + quor::bench::ShapeName(shape) + "/" + size;
    benchmark::RegisterBenchmark(name.c_str(), body, shape, units)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    for (Shape shape : {Shape::Prose, Shape::Spaces, Shape::Breaks}) {
        Register("pipeline", Pipeline, shape, kSmallUnits, "1MiB");
        Register("reference", Reference, shape, kSmallUnits, "1MiB");
        Register("memcpy_link", CopyOfLink, shape, kSmallUnits, "1MiB");
        // The reference is left out at 64 MiB: its replacements shift the
        // rest of the string each time, which takes hours at that size.
        Register("pipeline", Pipeline, shape, kLargeUnits, "64MiB");
        Register("memcpy_link", CopyOfLink, shape, kLargeUnits, "64MiB");
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
