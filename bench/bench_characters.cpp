// The character list's two costliest edits, through the real handlers of
// the main dialog on the demo archive with 60 character rows, against one
// preview paint of the same stage in the same run. Target: each at most
// twice the paint.
//   - Deleting row 0: the question (answered Yes), the row removed, the 59
//     rows after it renumbered, the preview repainted.
//   - A selection that removes 59 of the 60 rows, from the click on the
//     selection dialog's OK: its check, its result, and the main dialog's
//     handler. The kept row is the last, so it is renumbered from 59 to 0.
//     As in the editor, the dialog's window is deleted once the click is
//     done, in the event loop, outside the measured time.
// Each edit, and the paint it is held against, starts from the 60 rows just
// set up and the event loop's work done; the delete and the paint with row 0
// selected, the selection with no row selected. The paint repeated on an
// unchanged stage, whose images are still in the processor's caches, is
// shown for comparison.
//
// Run it from the build folder, which holds the demo archive.
#include <QAbstractButton>
#include <QCoreApplication>

#include <chrono>
#include <memory>

#include "BenchSupport.h"
#include "EditorBench.h"
#include "testing/Testing.h"

namespace {

CVantrelDlg* dialog = nullptr;

// The type of the last row in the selection benchmark, which no other row
// has (not among bench::kCharacterTypes).
const int kKeptType = 0;

// Runs prepare, then times edit alone. What an edit leaves for the event loop
// (repaints of the widgets, the deletion of a dialog's window) is done before
// the next one and not timed, as the editor's loop does it between the
// user's clicks.
template <typename Prepare, typename Edit>
void TimeEach(benchmark::State& state, Prepare prepare, Edit edit)
{
    for (auto _ : state) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        prepare();
        auto start = std::chrono::steady_clock::now();
        edit();
        benchmark::ClobberMemory();
        auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

// The stage of 60 rows set up afresh, row 0 selected.
void PlaceAndSelect()
{
    bench::PlaceCharacters(*dialog);
    testhooks::ClickListRow(dialog->m_characterList.m_hWnd, 0);
}

// The paint from the state the delete starts in: the stage just set up.
void BM_PreviewPaint(benchmark::State& state)
{
    TimeEach(state, PlaceAndSelect, [] { dialog->OnPaint(); });
}

// The paint repeated on an unchanged stage, its images still in the caches:
// for comparison only.
void BM_PreviewPaintRepeated(benchmark::State& state)
{
    PlaceAndSelect();
    TimeEach(state, [] {}, [] { dialog->OnPaint(); });
}

void BM_DeleteFirstRow(benchmark::State& state)
{
    CListCtrl& list = dialog->m_characterList;
    TimeEach(
        state,
        [&] {
            PlaceAndSelect();
            testhooks::ClearMessageBoxes();
            testhooks::AnswerNextMessageBoxes({IDYES});
        },
        [] { dialog->OnDeleteCharacter(); });
    if (list.GetItemCount() != 59 || list.GetItemText(58, 0) != "58")
        state.SkipWithError("the row was not deleted");
}

void BM_SelectionRemoves59Rows(benchmark::State& state)
{
    CListCtrl& list = dialog->m_characterList;
    QAbstractButton* ok = nullptr;
    TimeEach(
        state,
        [&] {
            bench::PlaceCharacters(*dialog);
            list.SetItemText(59, 1, g_characterTypeNames[kKeptType]);
            int slot = 0;
            for (int type : bench::kCharacterTypes)
                dialog->m_selectedTypes[slot++] = type;
            dialog->m_selectedTypes[slot++] = kKeptType;
            dialog->m_selectedTypeCount = slot;
            dialog->OnCharacterSetting();
            for (const SelectionBox& box : g_selectionBoxes)
                static_cast<CButton*>(dialog->m_dlgSelect.GetDlgItem(box.id))
                    ->SetCheck(box.type == kKeptType ? BST_CHECKED : BST_UNCHECKED);
            ok = static_cast<QAbstractButton*>(dialog->m_dlgSelect.GetDlgItem(IDOK)->Widget());
        },
        [&] { ok->click(); });
    if (list.GetItemCount() != 1 || list.GetItemText(0, 0) != "0")
        state.SkipWithError("the rows were not removed and renumbered");
}

BENCHMARK(BM_PreviewPaint)->UseManualTime();
BENCHMARK(BM_PreviewPaintRepeated)->UseManualTime();
BENCHMARK(BM_DeleteFirstRow)->UseManualTime();
BENCHMARK(BM_SelectionRemoves59Rows)->UseManualTime();

}  // namespace

int main(int argc, char** argv)
{
    bench::EditorProgram program(argc, argv);
    dialog = program.Dialog();
    if (!dialog)
        return 1;

    bench::TargetReporter reporter;
    reporter.AddRatio("delete row 0 / preview paint", "BM_DeleteFirstRow", "BM_PreviewPaint", 2.0);
    reporter.AddRatio("selection removing 59 rows / paint", "BM_SelectionRemoves59Rows",
                      "BM_PreviewPaint", 2.0);
    return program.Run(reporter);
}
