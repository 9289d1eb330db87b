// Cost of building an option model compared with libcups' own parse of the
// same PPD, and of one choice change on a large model.
#include "LargeModel.h"

#include <benchmark/benchmark.h>
#include <cups/ppd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

ppd_file_t *openLarge(benchmark::State &state)
{
    ppd_file_t *ppd = ppdOpenFile(kLargePpd);
    if (!ppd)
        state.SkipWithError("cannot open " VM_BENCH_DATA "/large.ppd");
    return ppd;
}

void BM_ParsePpd(benchmark::State &state)
{
    for (auto _ : state) {
        ppd_file_t *ppd = openLarge(state);
        if (!ppd)
            break;
        state.PauseTiming();
        ppdClose(ppd);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ParsePpd)->Unit(benchmark::kMillisecond);

void BM_ParseAndBuild(benchmark::State &state)
{
    for (auto _ : state) {
        ppd_file_t *ppd = openLarge(state);
        if (!ppd)
            break;
        auto *model = new tOptionModel;
        buildOptionModel(ppd, model);
        state.PauseTiming();
        delete model;
        ppdClose(ppd);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ParseAndBuild)->Unit(benchmark::kMillisecond);

void BM_SetCurrentChoice(benchmark::State &state)
{
    auto model = buildLargeModel();
    tOption *option = model ? mostConstrainedOption(*model) : nullptr;
    if (!option) {
        state.SkipWithError("no model");
        return;
    }
    model->resetConstraints();
    const QString keyword = option->keyword();
    const QString first = option->choices().at(0)->keyword();
    const QString second = option->choices().at(1)->keyword();
    bool flip = false;
    for (auto _ : state) {
        model->setCurrentChoice(keyword, flip ? first : second);
        flip = !flip;
    }
    int conflicts = 0;
    for (tChoice *choice : option->choices())
        conflicts += choice->conflicts().size();
    state.SetLabel(keyword.toStdString() + ", " + std::to_string(conflicts) + " conflicts");
}
BENCHMARK(BM_SetCurrentChoice)->Unit(benchmark::kMicrosecond);

void BM_ResetConstraints(benchmark::State &state)
{
    auto model = buildLargeModel();
    if (!model) {
        state.SkipWithError("no model");
        return;
    }
    for (auto _ : state)
        model->resetConstraints();
}
BENCHMARK(BM_ResetConstraints)->Unit(benchmark::kMicrosecond);

// Console output plus the times per benchmark, for the ratio line. The ratio
// uses CPU time, which other load on a shared machine disturbs far less.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                ++m_errors;
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                       run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    int errors() const { return m_errors; }

    void printRatio() const
    {
        const auto parse = m_times.find("BM_ParsePpd");
        const auto both = m_times.find("BM_ParseAndBuild");
        if (parse == m_times.end() || both == m_times.end() || parse->second.cpu <= 0)
            return;
        std::printf("ppdOpenFile: %.3f ms real, %.3f ms CPU\n", parse->second.real,
                    parse->second.cpu);
        std::printf("ppdOpenFile + buildOptionModel: %.3f ms real, %.3f ms CPU\n",
                    both->second.real, both->second.cpu);
        const double build = both->second.cpu - parse->second.cpu;
        std::printf("build/parse ratio (CPU): %.2f\n", build / parse->second.cpu);
    }

private:
    struct Times
    {
        double real;
        double cpu;
    };
    std::map<std::string, Times> m_times;
    int m_errors = 0;
};

} // namespace

#pragma GCC diagnostic pop

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatio();
    // A benchmark that could not run is a failure, not a figure to skip over.
    if (reporter.errors() > 0) {
        std::fprintf(stderr, "%d benchmark run(s) reported an error\n", reporter.errors());
        return 1;
    }
    return 0;
}
