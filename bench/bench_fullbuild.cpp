// The full model build (PPD options plus the program's own options, fixed,
// grouped and derived constraints and precedence levels) against libcups'
// parse alone, measured in the same iterations; and one user change
// followed by the blocked-choices query a constraint pass makes.
#include "LargeModel.h"

#include <benchmark/benchmark.h>
#include <cups/ppd.h>

#include <chrono>
#include <memory>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_FullBuildVsParse(benchmark::State &state)
{
    double parseMs = 0;
    double buildMs = 0;
    for (auto _ : state) {
        const Clock::time_point parseStart = Clock::now();
        ppd_file_t *ppd = ppdOpenFile(kLargePpd);
        parseMs += millisecondsSince(parseStart);
        if (!ppd) {
            state.SkipWithError("cannot open " VM_BENCH_DATA "/large.ppd");
            break;
        }
        auto *model = new tOptionModel;
        const Clock::time_point buildStart = Clock::now();
        buildOptionModel(ppd, model);
        buildMs += millisecondsSince(buildStart);

        state.PauseTiming();
        delete model;
        ppdClose(ppd);
        state.ResumeTiming();
    }
    if (state.iterations() == 0 || parseMs <= 0)
        return;
    const double n = static_cast<double>(state.iterations());
    state.counters["parse_ms"] = parseMs / n;
    state.counters["build_ms"] = buildMs / n;
    state.counters["build/parse"] = buildMs / parseMs;
}
BENCHMARK(BM_FullBuildVsParse)->Unit(benchmark::kMillisecond);

int countBlocked(const tOptionModel &model)
{
    int blocked = 0;
    for (const tOption *option : model.options()) {
        for (const tChoice *choice : option->choices())
            blocked += choice->isBlocked() ? 1 : 0;
    }
    return blocked;
}

void BM_ChangeAndQueryAll(benchmark::State &state)
{
    auto model = buildLargeModel();
    tOption *option = model ? mostConstrainedOption(*model) : nullptr;
    if (!option) {
        state.SkipWithError("no model");
        return;
    }
    // As after a printer change: blocks reset, every option holds a choice.
    model->resetConstraints();
    for (tOption *each : model->options()) {
        if (!each->currentChoice() && each->choiceCount() > 0)
            each->setCurrentChoice(each->choices().first());
    }
    const QString keyword = option->keyword();
    const QString first = option->choices().at(0)->keyword();
    const QString second = option->choices().at(1)->keyword();
    bool flip = false;
    int choices = 0;
    for (const tOption *each : model->options())
        choices += each->choiceCount();

    for (auto _ : state) {
        model->setCurrentChoice(keyword, flip ? first : second);
        flip = !flip;
        benchmark::DoNotOptimize(countBlocked(*model));
    }
    state.counters["options"] = model->options().size();
    state.counters["choices"] = choices;
    state.SetLabel(keyword.toStdString());
}
BENCHMARK(BM_ChangeAndQueryAll)->Unit(benchmark::kMicrosecond);

} // namespace

#pragma GCC diagnostic pop
