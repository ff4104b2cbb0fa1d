// klt-radio-sim: a simulated radio on a pseudo-terminal; with --count N, N radios in one process on
// PATH.1 ... PATH.N, each with its own memory (--save FILE keeps each in FILE.1 ... FILE.N).
//
//   klt-radio-sim --link PATH [--count N] [--model N | --image FILE.hex] [--product CODE] [--save FILE.hex]
//                 [--log FILE] [--emulate-baud] [--slow] [--no-echo] [--no-acmd-reply] [--busy N]
//                 [--error-replies N] [--bad-checksum-at ADDR] [--hang-after N [--close-on-hang]]
//                 [--drop-writes-at ADDR[,ADDR...]] [--flip-bit-at ADDR]
//                 [--corrupt-rate P [--seed S]]

#include "files/atomic_write.h"
#include "line_log.h"
#include "pty_server.h"
#include "simulated_radio.h"

#include "model/image_mapping.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using klt::sim::SimulatedRadio;

constexpr const char *kUsage =
    "usage: klt-radio-sim --link PATH [--count N] [--model N | --image FILE.hex] [--product CODE] [--save "
    "FILE.hex]\n"
    "                     [--log FILE] [--emulate-baud] [--slow] [--no-echo] [--no-acmd-reply] [--busy N]\n"
    "                     [--error-replies N] [--bad-checksum-at ADDR] [--hang-after N [--close-on-hang]]\n"
    "                     [--drop-writes-at ADDR[,ADDR...]] [--flip-bit-at ADDR]\n"
    "                     [--corrupt-rate P [--seed S]]\n";

struct Options {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
};

std::optional<Options> Parse(int argc, char **argv) {
    static const std::set<std::string> kWithValue = {
        "--link",         "--model", "--image",          "--product",         "--save",
        "--log",          "--busy",  "--error-replies",  "--bad-checksum-at", "--hang-after",
        "--corrupt-rate", "--seed",  "--drop-writes-at", "--flip-bit-at",     "--count"};
    static const std::set<std::string> kFlags = {"--emulate-baud", "--slow", "--no-echo", "--no-acmd-reply",
                                                 "--close-on-hang"};
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (kWithValue.contains(arg) && i + 1 < argc) {
            options.values[arg] = argv[++i];
        } else if (kFlags.contains(arg)) {
            options.flags.insert(arg);
        } else {
            return std::nullopt;
        }
    }
    if (!options.values.contains("--link") ||
        (options.values.contains("--model") && options.values.contains("--image"))) {
        return std::nullopt;
    }
    return options;
}

std::optional<SimulatedRadio::Memory> LoadMemory(const Options &options) {
    SimulatedRadio::Memory memory{};
    if (const auto image = options.values.find("--image"); image != options.values.end()) {
        std::ifstream in(image->second, std::ios::binary);
        in.read(reinterpret_cast<char *>(memory.data()), static_cast<std::streamsize>(memory.size()));
        if (in.gcount() != static_cast<std::streamsize>(memory.size()) ||
            in.peek() != std::char_traits<char>::eof()) {
            std::cerr << "klt-radio-sim: " << image->second << " is not a 32768-byte image\n";
            return std::nullopt;
        }
        return memory;
    }
    const auto model = klt::CatalogueModel(
        options.values.contains("--model") ? std::atol(options.values.at("--model").c_str()) : 1);
    if (!model) {
        std::cerr << "klt-radio-sim: unknown model\n";
        return std::nullopt;
    }
    klt::RadioImage image;
    klt::Configuration config;
    klt::ImageNewDefaults(image, config, *model);
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    return memory;
}

std::optional<unsigned> Number(const Options &options, const std::string &name, int base = 10) {
    const auto found = options.values.find(name);
    if (found == options.values.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned>(std::strtoul(found->second.c_str(), nullptr, base));
}

// One radio on the link the options name plus the suffix (".2"), its log and saved memory named alike;
// stopFd: serve until it is readable (-1: until SIGTERM or SIGINT).
int ServeRadio(const Options &options, const SimulatedRadio::Memory &memory, const klt::sim::FaultPlan &plan,
               const std::string &suffix, int stopFd) {
    SimulatedRadio radio(memory, plan, options.flags.contains("--slow"));
    std::unique_ptr<std::ofstream> logFile;
    std::unique_ptr<klt::sim::LineLog> log;
    if (const auto path = options.values.find("--log"); path != options.values.end()) {
        logFile = std::make_unique<std::ofstream>(path->second + suffix, std::ios::binary);
        log = std::make_unique<klt::sim::LineLog>(*logFile);
        radio.setListener(
            [&log](bool fromPc, std::span<const std::uint8_t> bytes) { log->write(fromPc, bytes); });
    }
    const int status = klt::sim::Serve(radio, {options.values.at("--link") + suffix,
                                               options.flags.contains("--emulate-baud"),
                                               options.flags.contains("--close-on-hang"), stopFd});
    if (const auto save = options.values.find("--save"); save != options.values.end()) {
        std::ofstream out(save->second + suffix, std::ios::binary);
        out.write(reinterpret_cast<const char *>(radio.memory().data()),
                  static_cast<std::streamsize>(radio.memory().size()));
    }
    return status;
}

// count radios, each on LINK.1 ... LINK.count, until SIGTERM or SIGINT stops them all.
int ServeRadios(const Options &options, const SimulatedRadio::Memory &memory, const klt::sim::FaultPlan &plan,
                int count) {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    // Held back from every thread: this one takes them, and tells the radios through the pipe.
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    int stop[2] = {-1, -1};
    if (::pipe2(stop, O_CLOEXEC) != 0) {
        std::cerr << "klt-radio-sim: cannot make a pipe\n";
        return 1;
    }
    std::vector<int> statuses(static_cast<std::size_t>(count), 0);
    {
        std::vector<std::jthread> radios;
        for (int i = 1; i <= count; ++i) {
            radios.emplace_back([&, i] {
                statuses[static_cast<std::size_t>(i - 1)] =
                    ServeRadio(options, memory, plan, "." + std::to_string(i), stop[0]);
            });
        }
        int signal = 0;
        sigwait(&stopSignals, &signal);
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(stop[1], &byte, 1);
    }
    ::close(stop[0]);
    ::close(stop[1]);
    return *std::max_element(statuses.begin(), statuses.end());
}

} // namespace

int main(int argc, char **argv) {
    klt::LetWritesPastTheSizeLimitFail();
    const auto options = Parse(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    auto memory = LoadMemory(*options);
    if (!memory) {
        return 1;
    }
    // The product code the radio carries, then the byte after it.
    const std::string product =
        options->values.contains("--product") ? options->values.at("--product") : "QZ071R";
    for (std::size_t i = 0; i < product.size() && i < 6; ++i) {
        (*memory)[klt::layout::kProductCode + i] = static_cast<std::uint8_t>(product[i]);
    }
    (*memory)[klt::layout::kProductCodeEnd] = 0xFF;

    klt::sim::FaultPlan plan;
    plan.noEcho = options->flags.contains("--no-echo");
    plan.noAcmdReply = options->flags.contains("--no-acmd-reply");
    plan.busyReplies = static_cast<int>(Number(*options, "--busy").value_or(0));
    plan.errorReplies = static_cast<int>(Number(*options, "--error-replies").value_or(0));
    plan.badChecksumAt = Number(*options, "--bad-checksum-at", 16);
    if (const auto hang = Number(*options, "--hang-after")) {
        plan.hangAfter = static_cast<int>(*hang);
    }
    if (const auto rate = options->values.find("--corrupt-rate"); rate != options->values.end()) {
        plan.corruptRate = std::clamp(std::strtod(rate->second.c_str(), nullptr), 0.0, 1.0);
    }
    plan.seed = Number(*options, "--seed").value_or(1);
    if (const auto drops = options->values.find("--drop-writes-at"); drops != options->values.end()) {
        std::stringstream list(drops->second);
        for (std::string address; std::getline(list, address, ',');) {
            plan.dropWritesAt.push_back(static_cast<unsigned>(std::strtoul(address.c_str(), nullptr, 16)));
        }
    }
    plan.flipBitAt = Number(*options, "--flip-bit-at", 16);
    const int count = static_cast<int>(Number(*options, "--count").value_or(1));
    if (count < 1 || count > 64) {
        std::cerr << "klt-radio-sim: --count takes 1 to 64\n";
        return 2;
    }
    if (!options->values.contains("--count")) {
        return ServeRadio(*options, *memory, plan, "", -1);
    }
    return ServeRadios(*options, *memory, plan, count);
}
