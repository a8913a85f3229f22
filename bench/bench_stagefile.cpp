// Saving and loading stage files through the main dialog's real handlers,
// with the file dialogs scripted and the question before a load answered
// Yes:
//   BM_Save/60x5000    a stage of 60 characters and 5,000 dialogue events
//   BM_Load/60x5000    the same stage, loaded over itself
//   BM_Load/65535      the largest event script, 65,535 dialogue events
//                      (about 7.3 MB), loaded over itself
//   BM_Decode/65535    that file read and decoded alone, without the
//                      dialog: the part of a load that is not the lists
// Targets: 100 ms for the first two, 1 s for the third, and the process's
// resident memory (VmRSS) at most 150 MB while the largest script is loaded.
// Each runs in repetitions: the report gives their median and spread.
//
// Run it from the build folder, which holds the demo archive.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "EditorBench.h"
#include "StageFile.h"
#include "StageFileTesting.h"
#include "testing/FileDialogs.h"

namespace {

CVantrelDlg* dialog = nullptr;
std::filesystem::path folder;

// A stage of characters and dialogue events whose lines fill their 35
// bytes, written as a stage file into the folder.
void WriteStage(const char* name, int characters, int events)
{
    StageRecord stage = stagetest::PlainStage();
    stage.selectedTypes = {2, 5, 6, 10, 16, 17};
    for (int i = 0; i < characters; i++) {
        stage.characters.push_back(
            {uint8_t(stage.selectedTypes[i % 6]), uint16_t(20 + i * 13), uint8_t(200 + i % 41),
             uint8_t(i % 2), "name " + std::to_string(i), uint8_t(i % 6), uint8_t(i)});
    }
    const std::string korean = testhooks::Cp949("가나다라마바사아자차카타파하가나다");  // 34 bytes
    for (int i = 0; i < events; i++) {
        EventRecord e;
        e.target = uint8_t(i % 27);
        e.command = StageFile::COMMAND_DIALOGUE;
        e.speaker = uint8_t((i + 1) % 27);
        e.lines = {korean + "!", std::string(35, 'a' + i % 26), korean};
        stage.events.push_back(e);
    }
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!StageFile::Write(stage, bytes, reason)) {
        std::fprintf(stderr, "cannot encode the stage: %s\n", reason.c_str());
        std::exit(1);
    }
    std::ofstream((folder / name).string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Runs a handler with the file dialog answered by the name, and the
// question before a load by Yes; false when it showed anything else.
bool RunHandler(void (CVantrelDlg::*handler)(), const char* name)
{
    testhooks::ClearMessageBoxes();
    testhooks::ClearFileDialogs();
    testhooks::AnswerNextMessageBoxes({IDYES});
    testhooks::AnswerNextFileDialogs({{true, folder.string(), name}});
    (dialog->*handler)();
    for (const auto& box : testhooks::ShownMessageBoxes()) {
        if (box.type != (MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2))
            return false;
    }
    return true;
}

void BM_Save(benchmark::State& state)
{
    if (!RunHandler(&CVantrelDlg::OnStageLoad, "bench.stg")) {
        state.SkipWithError("the stage did not load");
        return;
    }
    for (auto _ : state) {
        if (!RunHandler(&CVantrelDlg::OnStageSave, "out.stg")) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    state.counters["bytes"] = double(std::filesystem::file_size(folder / "out.stg"));
}

void BM_Load(benchmark::State& state)
{
    const char* name = state.range(0) == 5000 ? "bench.stg" : "large.stg";
    for (auto _ : state) {
        if (!RunHandler(&CVantrelDlg::OnStageLoad, name) ||
            dialog->m_eventList.GetItemCount() != state.range(0)) {
            state.SkipWithError("the load failed");
            return;
        }
    }
    state.counters["VmRSS_MB"] = bench::MemoryMB("VmRSS:");
    state.counters["VmHWM_MB"] = bench::MemoryMB("VmHWM:");
}

void BM_Decode(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream file((folder / "large.stg").string(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
        StageRecord stage;
        std::string reason;
        if (!StageFile::Read(bytes.data(), bytes.size(), stage, reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
        benchmark::DoNotOptimize(stage);
    }
}

BENCHMARK(BM_Save)->Name("BM_Save/60x5000")->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_Load)->Name("BM_Load/60x5000")->Arg(5000)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BM_Load)->Name("BM_Load/65535")->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_Decode)->Name("BM_Decode/65535")->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv)
{
    bench::EditorProgram program(argc, argv);
    dialog = program.Dialog();
    if (!dialog)
        return 1;

    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    folder = pattern;
    WriteStage("bench.stg", 60, 5000);
    WriteStage("large.stg", 0, 65535);
    std::printf("before any stage: VmRSS %.1f MB\n", bench::MemoryMB("VmRSS:"));

    bench::TargetReporter reporter;
    reporter.AddTarget("BM_Save/60x5000", 100);
    reporter.AddTarget("BM_Load/60x5000", 100);
    reporter.AddTarget("BM_Load/65535", 1000);
    program.Run(reporter);
    std::filesystem::remove_all(folder);
    return 0;
}
