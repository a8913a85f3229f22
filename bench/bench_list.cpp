// The event list at the sizes a stage reaches, in the real main dialog shown
// offscreen: inserting a row at the top and deleting it, each with the
// renumbering of every row below as the handlers do it (a cell read into a
// buffer, parsed, written back), and filling 65,535 dialogue rows as a stage
// load does. Also reports the process's resident memory with 65,535
// dialogue rows in the list.
//
// Targets: insert or delete with renumbering within 16.7 ms at 5,000 rows,
// insert within 100 ms at 65,535 rows; filling 65,535 dialogue rows within
// 1 s, the whole editor then holding at most 150 MB.
//
// Run it from the build folder, which holds the demo archive.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "EditorBench.h"
#include "StageTables.h"

namespace {

const int kMaxRows = 65535;
const int kCellLength = 30;  // the handlers read at most 29 bytes of a cell

CVantrelDlg* dialog = nullptr;
std::string line;  // a dialogue line of 36 bytes

CListCtrl& Events()
{
    return dialog->m_eventList;
}

// A row of a table, counting round.
const char* Table(StageTables::Table table, int row)
{
    return StageTables::RowName(table, row % StageTables::RowCount(table));
}

// A dialogue event as a stage load writes it: its number, target, command,
// speaker and three lines.
void AddDialogueRow(int row)
{
    char number[16];
    std::snprintf(number, sizeof number, "%d", row);
    CListCtrl& list = Events();
    list.InsertItem(row, number);
    list.SetItemText(row, 1, Table(StageTables::TABLE_CHARACTER_TYPE, row));
    list.SetItemText(row, 2, Table(StageTables::TABLE_EVENT_COMMAND, 2));
    list.SetItemText(row, 3, Table(StageTables::TABLE_CHARACTER_TYPE, row + 5));
    for (int cell = 9; cell <= 11; cell++)
        list.SetItemText(row, cell, line.c_str());
}

// Fills the list with rows dialogue events, each with a value cell too.
void FillEvents(int rows)
{
    Events().DeleteAllItems();
    for (int row = 0; row < rows; row++) {
        AddDialogueRow(row);
        Events().SetItemText(row, 5, "05");
    }
    QApplication::processEvents();
}

// Cell 0 of every row from first on: the number it shows plus delta.
void Renumber(int first, int delta)
{
    CListCtrl& list = Events();
    char text[kCellLength];
    int rows = list.GetItemCount();
    for (int row = first; row < rows; row++) {
        list.GetItemText(row, 0, text, kCellLength);
        std::snprintf(text, sizeof text, "%d", std::atoi(text) + delta);
        list.SetItemText(row, 0, text);
    }
}

void InsertAtTop()
{
    Events().InsertItem(0, "0");
    Renumber(1, 1);
}

void DeleteTop()
{
    Events().DeleteItem(0);
    Renumber(0, -1);
}

// Times one edit. Between two edits the view lays itself out and paints,
// as it does between two clicks, and undo puts the list back as it was.
void BM_Edit(benchmark::State& state, void (*edit)(), void (*undo)())
{
    FillEvents(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        edit();
        state.PauseTiming();
        QApplication::processEvents();
        undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_FillDialogue(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Events().DeleteAllItems();
        QApplication::processEvents();
        state.ResumeTiming();
        for (int row = 0; row < kMaxRows; row++)
            AddDialogueRow(row);
    }
}

// Medians of repeated runs, with the spread.
void Repeated(benchmark::internal::Benchmark* b)
{
    bench::WithSpread(b)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(9)->ReportAggregatesOnly(true);
}

void Sizes(benchmark::internal::Benchmark* b)
{
    Repeated(b->Arg(5000)->Arg(kMaxRows));
}

BENCHMARK_CAPTURE(BM_Edit, InsertAtTop, InsertAtTop, DeleteTop)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Edit, DeleteTop, DeleteTop, InsertAtTop)->Apply(Sizes);
BENCHMARK(BM_FillDialogue)->Apply(Repeated);

}  // namespace

int main(int argc, char** argv)
{
    bench::EditorProgram program(argc, argv);
    dialog = program.Dialog();
    if (!dialog)
        return 1;
    line = testhooks::Cp949("가나다라마바사아자차카타파하가나다라");  // 36 bytes

    // Memory first, before the benchmarks have grown the heap.
    QApplication::processEvents();
    double empty = bench::MemoryMB("VmRSS:");
    for (int row = 0; row < kMaxRows; row++)
        AddDialogueRow(row);
    QApplication::processEvents();
    double full = bench::MemoryMB("VmRSS:");
    std::printf("resident memory: %.1f MB with empty lists, %.1f MB with %d dialogue rows "
                "(target at most 150 MB: %s)\n",
                empty, full, Events().GetItemCount(), full <= 150 ? "met" : "missed");
    Events().DeleteAllItems();

    bench::TargetReporter reporter;
    return program.Run(reporter);
}
