// The cost of one typical director action: nine 64-byte records written and committed, fsyncs included.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "store/action.h"

namespace {

using tallyvex::store::Action;
using tallyvex::store::DataDir;
using tallyvex::store::RecordFile;
namespace fs = std::filesystem;

void commitNineRecords(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "tallyvex-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    const fs::path folder = pattern;
    const DataDir dir(folder);
    long round = 0;
    for (auto _ : state) {
        Action action(dir);
        RecordFile info(action, "fInfo.fil", 64);
        // Different bytes every round, so the commit really writes.
        const std::string stamp = std::to_string(++round);
        for (int n = 1; n <= 9; ++n) {
            info.write(n, "Tn_" + std::to_string(n) + "#A#E#16#4#" + stamp + "#1#*#*#*#*#*#*#");
        }
        action.commit();
    }
    state.SetItemsProcessed(state.iterations());
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
BENCHMARK(commitNineRecords)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
