// The program's own work, without the line: the image mapping, the settings file, the report and the
// frames. Each case runs on a model's defaults and on a configuration with every table full.

#include "bench_configs.h"
#include "files/atomic_write.h"
#include "files/section_table.h"
#include "files/settings_reader.h"
#include "files/settings_writer.h"
#include "files/whole_file.h"
#include "link/frame.h"
#include "model/image_mapping.h"
#include "report/report_text.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

namespace klt::bench {
namespace {

constexpr Model kModel = Model::Tq500;

// The settings reader lets the window breathe between sections; here nothing needs to.
class QuietUi final : public Ui {
public:
    void message(MessageIcon, const std::string &, const std::string &) override {}
    Answer question(MessageIcon, const std::string &, const std::string &, Buttons) override {
        return Answer::Ok;
    }
    void progress(int) override {}
    void monitor(const std::string &) override {}
    void setBusyPointer(bool) override {}
    void sleep(int) override {}
    void pause(int) override {}
};

Sample Make(const benchmark::State &state) {
    return state.range(0) == 0 ? DefaultSample(kModel) : FullSample(kModel);
}

void EncodeImageCase(benchmark::State &state) {
    Sample sample = Make(state);
    for (auto _ : state) {
        EncodeImage(sample.image, sample.config);
        benchmark::DoNotOptimize(sample.image);
    }
}

void DecodeImageCase(benchmark::State &state) {
    const Sample sample = Make(state);
    Configuration config = sample.config;
    for (auto _ : state) {
        DecodeImage(sample.image, config, kModel);
        benchmark::DoNotOptimize(config);
    }
}

void EncodeAndDecodeCase(benchmark::State &state) {
    Sample sample = Make(state);
    Configuration config = sample.config;
    for (auto _ : state) {
        EncodeImage(sample.image, sample.config);
        DecodeImage(sample.image, config, kModel);
        benchmark::DoNotOptimize(config);
    }
}

void CheckChannelRefsCase(benchmark::State &state) {
    Sample sample = Make(state);
    for (auto _ : state) {
        CheckChannelRefs(sample.image, sample.config);
        benchmark::DoNotOptimize(sample.image);
    }
}

void SettingsWriteCase(benchmark::State &state) {
    const Sample sample = Make(state);
    for (auto _ : state) {
        std::string text = ComposeSettingsText(sample.config, kModel, ModelName(kModel), true);
        benchmark::DoNotOptimize(text);
    }
}

void SettingsReadCase(benchmark::State &state) {
    const Sample sample = Make(state);
    const std::string text = ComposeSettingsText(sample.config, kModel, ModelName(kModel), true);
    QuietUi ui;
    const Configuration fresh = DefaultSample(kModel).config;
    for (auto _ : state) {
        Configuration config = fresh;
        ApplySettingsTable(SectionTable::Parse(text), config, kModel, true);
        benchmark::DoNotOptimize(config);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void SettingsWriteAndReadCase(benchmark::State &state) {
    const Sample sample = Make(state);
    QuietUi ui;
    Configuration config = sample.config;
    for (auto _ : state) {
        const std::string text = ComposeSettingsText(sample.config, kModel, ModelName(kModel), true);
        ApplySettingsTable(SectionTable::Parse(text), config, kModel, true);
        benchmark::DoNotOptimize(config);
    }
}

// Through the disk, as Save and Open do it (their pauses for the user left out).
void SettingsFileCase(benchmark::State &state) {
    const Sample sample = Make(state);
    const auto path =
        std::filesystem::temp_directory_path() / ("klt-bench-" + std::to_string(getpid()) + ".dat");
    QuietUi ui;
    Configuration config = sample.config;
    for (auto _ : state) {
        if (WriteFileAtomically(path, ComposeSettingsText(sample.config, kModel, ModelName(kModel), true))) {
            state.SkipWithError("cannot write the settings file");
            break;
        }
        const WholeFile file = ReadWholeFile(path);
        ApplySettingsTable(SectionTable::Parse(file.bytes), config, kModel, true);
        benchmark::DoNotOptimize(config);
    }
    std::filesystem::remove(path);
}

void ReportTextCase(benchmark::State &state) {
    const Sample sample = Make(state);
    for (auto _ : state) {
        std::string text = ComposeReportText({sample.config, sample.image, kModel, true});
        benchmark::DoNotOptimize(text);
    }
}

void BuildFrameCase(benchmark::State &state) {
    const std::string data(128, 'A'); // a block of 64 bytes as hexadecimal text
    for (auto _ : state) {
        auto frame = BuildFrame("#CEPWR", "1A40", "40", data);
        benchmark::DoNotOptimize(frame);
    }
}

void VerifyChecksumCase(benchmark::State &state) {
    std::string line = "#CEPRD\t1A40\t40\t" + std::string(128, '7') + "\t";
    line += Hex2(XorChecksum(line));
    for (auto _ : state) {
        benchmark::DoNotOptimize(VerifyLineChecksum(line));
    }
}

// Argument 0: the model's defaults; 1: every table full.
BENCHMARK(EncodeImageCase)->Name("EncodeImage")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeImageCase)->Name("DecodeImage")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodeAndDecodeCase)
    ->Name("EncodeImage+DecodeImage")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckChannelRefsCase)->Name("CheckChannelRefs")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SettingsWriteCase)->Name("SettingsWrite")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SettingsReadCase)->Name("SettingsRead")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SettingsWriteAndReadCase)
    ->Name("SettingsWrite+Read")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SettingsFileCase)->Name("SettingsFile save+open")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReportTextCase)->Name("ComposeReportText")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildFrameCase)->Name("BuildFrame")->Unit(benchmark::kMicrosecond);
BENCHMARK(VerifyChecksumCase)->Name("VerifyLineChecksum")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace klt::bench

BENCHMARK_MAIN();
