// Reading the star catalogue: the whole of "STERNKAT" (15639 records) through the
// visitor, as every chart drawing does, and the parsing of the records alone.
//
//   build/tools/bench_catalog_read
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalog/catalog.h"

namespace {

// The reader opens the file by bare name: work in the data folder.
struct InDataFolder {
    InDataFolder() { std::filesystem::current_path(POLARIDE_DATA_DIR); }
};

void BM_ReadStarRecords(benchmark::State& state) {
    static InDataFolder folder;
    for (auto _ : state) {
        double brightness = 0;
        int count = 0;
        ReadStarRecords([&](int, const StarRecord& star) {
            brightness += star.magnitude;
            ++count;
        });
        benchmark::DoNotOptimize(brightness);
        if (count != kStarCount) state.SkipWithError("wrong star count");
    }
    state.SetItemsProcessed(state.iterations() * kStarCount);
}
BENCHMARK(BM_ReadStarRecords)->Unit(benchmark::kMillisecond);

void BM_ParseStarRecords(benchmark::State& state) {
    static InDataFolder folder;
    DataFile file(kStarCatalogFile);
    std::vector<std::string> lines;
    std::string_view line;
    while (file.NextLine(line)) lines.emplace_back(line);
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& text : lines) sum += ParseStarRecord(text).declinationDeg;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_ParseStarRecords)->Unit(benchmark::kMillisecond);

void BM_ReadConstellationLines(benchmark::State& state) {
    static InDataFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(ReadConstellationLines().entries.size());
}
BENCHMARK(BM_ReadConstellationLines)->Unit(benchmark::kMicrosecond);

void BM_ReadOneStarLine(benchmark::State& state) {
    static InDataFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(ReadStarLine(kStarCount).size());
}
BENCHMARK(BM_ReadOneStarLine)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
