// The statement editor on large programs: deleting every row of a selection
// (document and table together), the document's own bulk delete, and
// rebuilding the table from the document.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include "program/VelmoraDoc.h"
#include "editor/GcodeEditPanelView.h"
#include "platform/KeyTyper.h"

#include <QTableView>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

namespace {

class CYesPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string&, EPromptButtons buttons, EPromptIcon,
                      const std::string&) override
    {
        return buttons == EPromptButtons::YesNo ? EPromptAnswer::Yes : EPromptAnswer::Ok;
    }
};

class CNoKeys : public CKeyTyper {
public:
    void TypeChar(char, bool) override {}
};

void Fill(CVelmoraDoc& doc, long statements)
{
    doc.RemoveAllStatements();
    for (long n = 1; n <= statements; ++n)
        doc.AppendInOrder(std::make_unique<CProcess>(static_cast<int>(n), "G01", "", "", "X20.5",
                                                     "Z-15.25", "", "", "", "F0.1", "", "", "", 0));
}

void BM_DeleteAllSelectedRows(benchmark::State& state)
{
    CYesPrompter prompter;
    CNoKeys keys;
    CVelmoraDoc doc(prompter);
    CGcodeEditPanelView editor(doc, prompter, keys);
    for (auto _ : state) {
        state.PauseTiming();
        Fill(doc, state.range(0));
        editor.refreshFromDocument();
        editor.table()->selectAll();
        state.ResumeTiming();
        editor.deleteStatements();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DocumentDeleteMany(benchmark::State& state)
{
    CYesPrompter prompter;
    CVelmoraDoc doc(prompter);
    std::vector<int> numbers(static_cast<std::size_t>(state.range(0)));
    std::iota(numbers.begin(), numbers.end(), 1);
    for (auto _ : state) {
        state.PauseTiming();
        Fill(doc, state.range(0));
        state.ResumeTiming();
        doc.DeleteStatements(numbers);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RefreshTable(benchmark::State& state)
{
    CYesPrompter prompter;
    CNoKeys keys;
    CVelmoraDoc doc(prompter);
    Fill(doc, state.range(0));
    CGcodeEditPanelView editor(doc, prompter, keys);
    for (auto _ : state)
        editor.refreshFromDocument();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_DeleteAllSelectedRows)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentDeleteMany)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshTable)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
