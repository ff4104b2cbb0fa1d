// klt-cli read, write and clear against klt-radio-sim on a real pseudo-terminal: the system's serial
// port code, the simulator's command line and the protocol's own timing.

#include "model/image_layout.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace klt {
namespace {

std::filesystem::path Tool(const std::string &name) {
    return std::filesystem::path(KLT_BUILD_BIN_DIR) / name;
}

// klt-radio-sim in a child process, serving until the object goes away.
class Simulator {
public:
    Simulator(const std::filesystem::path &link, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {Tool("klt-radio-sim").string(), "--link", link.string()});
        int output[2];
        EXPECT_EQ(::pipe(output), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            ::close(output[0]);
            std::vector<char *> argv;
            for (auto &argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(output[1]);
        FILE *out = ::fdopen(output[0], "r");
        char line[512] = {};
        ready_ = std::fgets(line, sizeof line, out) != nullptr &&
                 std::string(line) == "ready " + link.string() + "\n";
        std::fclose(out);
    }
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;
    ~Simulator() { stop(); }

    bool ready() const { return ready_; }
    // SIGTERM: the simulator saves its memory and exits 0.
    int stop() {
        if (pid_ <= 0) {
            return status_;
        }
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return status_;
    }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
    int status_ = -1;
};

struct Result {
    int status;
    std::string err;
};

Result Cli(const test::TempFolder &folder, const std::string &arguments) {
    const auto err = folder.path() / "cli.err";
    const int status =
        std::system((Tool("klt-cli").string() + " " + arguments + " 2>" + err.string()).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadFile(err)};
}

TEST(LinkEndToEnd, ReadTakesOverTheRadiosMemory) {
    test::TempFolder folder;
    std::string memory = test::ReadFile(Tool("CAN_012C.ini"));
    memory[layout::kPlanTables[2].Name(32)] = 'Z'; // a name the radio holds
    memory[0x0010] = 0x42;                         // kept by the program
    memory[0x6000] = 0x43;                         // a log the program never takes over
    const auto image = folder.write("radio.hex", memory);
    const auto link = folder.path() / "radio";
    Simulator sim(link, {"--image", image.string(), "--log", (folder.path() / "sim.log").string()});
    ASSERT_TRUE(sim.ready());

    const auto result =
        Cli(folder, "read --model 1 --port " + link.string() + " -o " + (folder.path() / "r.hex").string());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "Read from Radio: Complete!!\n");
    const std::string read = test::ReadFile(folder.path() / "r.hex");
    ASSERT_EQ(read.size(), 32768u);
    for (std::size_t a = 0; a < read.size(); ++a) {
        if (!layout::Contains(layout::kKeptOnRead, static_cast<layout::Address>(a))) {
            ASSERT_EQ(read[a], a >= 0x70 && a <= 0x76 ? read[a] : memory[a]) << a;
        }
    }
    EXPECT_EQ(read.substr(0x70, 6), "QZ071R");
    EXPECT_NE(read[0x0010], 0x42);
    EXPECT_NE(read[0x6000], 0x43);
    EXPECT_NE(test::ReadFile(folder.path() / "sim.log").find("PC> #CEPRD\\t7FC0\\t40\\t"), std::string::npos);
}

TEST(LinkEndToEnd, WriteProgramsTheRadioAndClearErases) {
    test::TempFolder folder;
    const auto link = folder.path() / "radio";
    const auto saved = folder.path() / "saved.hex";
    Simulator sim(link, {"--model", "3", "--save", saved.string()});
    ASSERT_TRUE(sim.ready());
    const auto settings = folder.path() / "a.dat";
    ASSERT_EQ(Cli(folder, "new --model 3 -o " + settings.string()).status, 0);
    std::string text = test::ReadFile(settings);
    text.replace(text.find("ChTag=#DISTRESS"), 15, "ChTag=#MAYDAY");
    folder.write("a.dat", text);

    const auto write = Cli(folder, "write --model 3 --port " + link.string() + " " + settings.string());
    ASSERT_EQ(write.status, 0) << write.err;
    const auto clear = Cli(folder, "clear --model 3 --port " + link.string() + " waypoint-directory");
    ASSERT_EQ(clear.status, 0) << clear.err;
    EXPECT_EQ(clear.err, "Clear WayPoint Directory: Complete!!\n");
    ASSERT_EQ(sim.stop(), 0);

    const std::string memory = test::ReadFile(saved);
    ASSERT_EQ(memory.size(), 32768u);
    EXPECT_EQ(memory.substr(layout::kPlanTables[0].Name(32), 6), "MAYDAY");
    EXPECT_EQ(memory[0x5100], 0x00);
    EXPECT_EQ(static_cast<unsigned char>(memory[0x5164]), 0xFF);
}

TEST(LinkEndToEnd, ANonexistentPortSaysSo) {
    test::TempFolder folder;
    const auto result = Cli(folder, "read --model 1 --port " + (folder.path() / "none").string() + " -o " +
                                        (folder.path() / "r.hex").string());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.starts_with("Port Inicialize Error!!: ")) << result.err;
}

} // namespace
} // namespace klt
