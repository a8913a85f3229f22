// The event list's edits through the main dialog's real handlers, on a list
// of many events: inserting an event at row 0 (the new row, every following
// row's number rewritten, the event dialog opened) and deleting row 0 (its
// question answered Yes, the rows renumbered, the preview repainted). The
// targets: within one 60 Hz frame (16.7 ms) with 5,000 rows; inserting with
// 65,535 rows within 100 ms (the list is at 65,534 rows before, since insert
// stops at 65,535).
//
// Run it from the build folder, which holds the demo archive.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "EditorBench.h"
#include "StageTables.h"

namespace {

CVantrelDlg* dialog = nullptr;

// Fills the event list to rows events of every kind the dialog writes,
// dialogue rows with lines of 35 bytes among them.
void FillEvents(int rows)
{
    CListCtrl& list = dialog->m_eventList;
    list.DeleteAllItems();
    const std::string line(35, 'x');
    char text[32];
    for (int row = 0; row < rows; row++) {
        std::snprintf(text, sizeof(text), "%d", row);
        list.InsertItem(row, text);
        int command = row % EVENT_COMMAND_LIST_COUNT;
        list.SetItemText(row, 1, g_characterTypeNames[row % CHARACTER_TYPE_COUNT]);
        list.SetItemText(row, 2, g_eventCommandNames[g_eventCommandList[command].fileCommand]);
        if (command == 2) {
            list.SetItemText(row, 3, g_characterTypeNames[(row / 3) % CHARACTER_TYPE_COUNT]);
            for (int cell = 9; cell < 12; cell++)
                list.SetItemText(row, cell, line.c_str());
        } else {
            std::snprintf(text, sizeof(text), "%d", row % 24);
            list.SetItemText(row, 5, text);
        }
    }
}

bool NumbersAreContiguous()
{
    CListCtrl& list = dialog->m_eventList;
    for (int row = 0; row < list.GetItemCount(); row++) {
        if (list.GetItemText(row, 0) != std::to_string(row).c_str())
            return false;
    }
    return true;
}

// Insert at row 0 through "삽입"; the dialog's Cancel (untimed) takes the row
// out again, so that every insert starts from the same list.
void BM_InsertEventAtRow0(benchmark::State& state)
{
    FillEvents(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        testhooks::ClickListRow(dialog->m_eventList.m_hWnd, 0);
        state.ResumeTiming();

        dialog->OnInsertEvent();

        state.PauseTiming();
        if (dialog->m_eventList.GetItemCount() != state.range(0) + 1 || dialog->m_insertMode != 1)
            state.SkipWithError("the insert did not happen");
        dialog->OnEventEditResult(RESULT_CANCEL_NEW, 0, 0, 0, nullptr, nullptr, nullptr);
        state.ResumeTiming();
    }
    if (!NumbersAreContiguous())
        state.SkipWithError("the row numbers have gaps");
}

// Delete row 0 through "삭제", answered Yes; a row put back in front
// (untimed) keeps the list at the same length.
void BM_DeleteEventAtRow0(benchmark::State& state)
{
    FillEvents(static_cast<int>(state.range(0)));
    CListCtrl& list = dialog->m_eventList;
    char text[32];
    for (auto _ : state) {
        state.PauseTiming();
        testhooks::ClickListRow(list.m_hWnd, 0);
        testhooks::ClearMessageBoxes();
        testhooks::AnswerNextMessageBoxes({IDYES});
        state.ResumeTiming();

        dialog->OnDeleteEvent();

        state.PauseTiming();
        if (list.GetItemCount() != state.range(0) - 1)
            state.SkipWithError("the delete did not happen");
        list.InsertItem(0, "0");
        for (int row = 1; row < list.GetItemCount(); row++) {
            std::snprintf(text, sizeof(text), "%d", row);
            list.SetItemText(row, 0, text);
        }
        state.ResumeTiming();
    }
    if (!NumbersAreContiguous())
        state.SkipWithError("the row numbers have gaps");
}

// Medians with their spread over repetitions of a fixed number of edits:
// many of the quick ones, a few of those on the longest list.
void Repeated(benchmark::internal::Benchmark* b, int iterations, int repetitions)
{
    bench::WithSpread(b)->Unit(benchmark::kMillisecond)->Iterations(iterations)->Repetitions(repetitions);
}

void Quick(benchmark::internal::Benchmark* b)
{
    Repeated(b, 20, 10);
}

void Long(benchmark::internal::Benchmark* b)
{
    Repeated(b, 3, 5);
}

// 10 rows show what the handlers cost beside the list's own work.
BENCHMARK(BM_InsertEventAtRow0)->Arg(5000)->Arg(10)->Apply(Quick);
BENCHMARK(BM_DeleteEventAtRow0)->Arg(5000)->Arg(10)->Apply(Quick);
BENCHMARK(BM_InsertEventAtRow0)->Arg(65534)->Apply(Long);

}  // namespace

int main(int argc, char** argv)
{
    bench::EditorProgram program(argc, argv);
    dialog = program.Dialog();
    if (!dialog)
        return 1;
    bench::TargetReporter reporter;
    return program.Run(reporter);
}
