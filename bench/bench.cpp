// Cost per element of the element-wise gateway, against calling the library
// function in a plain loop. Run: build/default/bench/hyx_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "mexhost.hpp"
#include "zorhyx6.h"

namespace {

mexhost::Plugin& ThermCond() {
    static mexhost::Plugin plugin(std::string(HYX_PLUGIN_DIR) + "/hyxTHERMCONDPTX" HYX_PLUGIN_SUFFIX);
    return plugin;
}

std::vector<double> Ramp(std::size_t n) {
    std::vector<double> v(n);
    for (std::size_t k = 0; k < n; ++k) v[k] = 300 + static_cast<double>(k % 1000);
    return v;
}

void DirectLoop(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::vector<double> t = Ramp(n);
    std::vector<double> out(n);
    for (auto _ : state) {
        for (std::size_t k = 0; k < n; ++k) {
            out[k] = hyxTHERMCONDPTX(0.1, t[k], 0);
            if (hyxGETLASTERROR() != 0) state.SkipWithError("library error");
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(n));
}

void Gateway(benchmark::State& state, mxClassID cls) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const mexhost::Array p = mexhost::scalar(0.1), x = mexhost::scalar(0);
    const mexhost::Array t = mexhost::numeric(cls, {1, n}, Ramp(n));
    mexhost::Plugin& plugin = ThermCond();
    for (auto _ : state) {
        mexhost::Outcome out = plugin.call(1, {p.get(), t.get(), x.get()});
        if (out.failed) state.SkipWithError(out.message.c_str());
        benchmark::DoNotOptimize(out.outputs.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(n));
}

}  // namespace

BENCHMARK(DirectLoop)->Arg(1000)->Arg(1000000);
BENCHMARK_CAPTURE(Gateway, double, mxDOUBLE_CLASS)->Arg(1000)->Arg(1000000);
BENCHMARK_CAPTURE(Gateway, int16, mxINT16_CLASS)->Arg(1000)->Arg(1000000);

BENCHMARK_MAIN();
