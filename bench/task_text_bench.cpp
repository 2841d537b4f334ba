// Benchmarks of what users meet, in two tables that bench/summary.py compares
// with their goals:
// - links that fit (1 K units, and the longest text whose link fits): the
//   pipeline against the literal reference model, a copy of the link and one
//   length scan of the text (what any pass that reads every unit costs);
// - texts far past the limit (1 M and 64 M units): the whole Text2LTProc
//   call (a refusal, or the short link of a mostly blank text) against one
//   length scan of the same text, with the call's peak heap use.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "alloc_meter.h"
#include "leadertask/task_text.h"
#include "plugin/exports.h"
#include "support/fake_platform.h"
#include "support/reference_task_text.h"
#include "support/task_link_text.h"
#include "texts.h"

namespace {

using quor::bench::Shape;

constexpr std::size_t kOneK = 1024;
constexpr std::size_t kOneM = std::size_t{1} << 20;
constexpr std::size_t kSixtyFourM = std::size_t{64} << 20;
constexpr std::size_t kLongestSearched = 40'000;

// Each text is generated once per run, outside every timed loop.
const std::u16string& TextFor(Shape shape, std::size_t units) {
    static std::map<std::pair<Shape, std::size_t>, std::u16string> texts;
    auto [at, added] = texts.try_emplace({shape, units});
    if (added) at->second = quor::bench::MakeText(shape, units);
    return at->second;
}

// The most units of shape whose link still fits.
std::size_t LongestFitting(Shape shape) {
    std::size_t low = 1;
    std::size_t high = kLongestSearched;
    while (low + 1 < high) {
        const std::size_t middle = (low + high) / 2;
        (quor::test::TaskLinkOf(quor::bench::MakeText(shape, middle)) ? low : high) = middle;
    }
    return low;
}

// ns_per_unit: nanoseconds per input code unit.
void ReportPerUnit(benchmark::State& state, std::size_t units) {
    state.counters["ns_per_unit"] =
        benchmark::Counter(static_cast<double>(units) * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Pipeline(benchmark::State& state, Shape shape, std::size_t units) {
    const std::u16string& text = TextFor(shape, units);
    const auto link = std::make_unique<quor::TaskLink>();
    for (auto _ : state) {
        link->Truncate(0);
        benchmark::DoNotOptimize(quor::BuildTaskLink(text.c_str(), *link));
        benchmark::ClobberMemory();
    }
    ReportPerUnit(state, units);
    state.counters["units"] = static_cast<double>(units);
    state.counters["link_units"] = static_cast<double>(link->size());
}

void Reference(benchmark::State& state, Shape shape, std::size_t units) {
    const std::u16string& text = TextFor(shape, units);
    for (auto _ : state) benchmark::DoNotOptimize(quor::test::ReferencePrepareTaskText(text));
    ReportPerUnit(state, units);
}

// Copies a buffer the size of the link the pipeline produces for the text.
void CopyOfLink(benchmark::State& state, Shape shape, std::size_t units) {
    const std::size_t bytes = quor::test::TaskLinkOf(TextFor(shape, units)).value().size() * sizeof(char16_t);
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes, 'y');
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    ReportPerUnit(state, units);
}

// Text2LTProc in the shown mode over the fake platform, LeaderTask found.
void WholeCall(benchmark::State& state, Shape shape, std::size_t units) {
    const std::u16string& text = TextFor(shape, units);
    quor::fake::Reset();
    quor::fake::world().SetLTPath(u"C:\\Program Files\\Leader Task\\LeaderTask.exe");
    quor::ProcCallInfo call{};
    call.text = text.c_str();
    call.itemParam = 1;
    for (auto _ : state) {
        quor::fake::world().shellCalls.clear();
        benchmark::DoNotOptimize(Text2LTProc(&call));
    }
    ReportPerUnit(state, units);
    quor::fake::world().shellCalls.clear();
    state.counters["peak_bytes"] = static_cast<double>(
        quor::bench::PeakExtraBytes([&] { benchmark::DoNotOptimize(Text2LTProc(&call)); }));
    state.counters["launched"] = static_cast<double>(quor::fake::world().shellCalls.size());
}

void LengthScan(benchmark::State& state, Shape shape, std::size_t units) {
    const std::u16string& text = TextFor(shape, units);
    for (auto _ : state) benchmark::DoNotOptimize(std::char_traits<char16_t>::length(text.c_str()));
    ReportPerUnit(state, units);
}

void Register(const char* what, void (*body)(benchmark::State&, Shape, std::size_t), Shape shape,
              std::size_t units, const std::string& size) {
    const std::string name = std::string(what) + "/" + quor::bench::ShapeName(shape) + "/" + size;
    benchmark::RegisterBenchmark(name.c_str(), body, shape, units)->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
    for (Shape shape : {Shape::Prose, Shape::Spaces, Shape::Breaks}) {
        for (const auto& [units, size] :
             {std::pair{kOneK, std::string("1K")}, {LongestFitting(shape), "max"}}) {
            Register("pipeline", Pipeline, shape, units, size);
            Register("reference", Reference, shape, units, size);
            Register("memcpy_link", CopyOfLink, shape, units, size);
            Register("length", LengthScan, shape, units, size);
        }
    }
    for (Shape shape :
         {Shape::Prose, Shape::SpaceRun, Shape::BreakRun, Shape::LeadingBlanks, Shape::TrailingBlanks}) {
        for (const auto& [units, size] : {std::pair{kOneM, "1M"}, {kSixtyFourM, "64M"}}) {
            Register("call", WholeCall, shape, units, size);
            Register("length", LengthScan, shape, units, size);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
