#include "base/error_log.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace klt {
namespace {

using Program = test::TestProgram;

TEST(ErrorLog, NothingWithoutDebugMode) {
    Program p;
    ErrorLogOf(p.ctx).append("frmRadio.PortOpen", Fault{8002, "Invalid port number"});
    EXPECT_FALSE(std::filesystem::exists(p.folder.path() / "err.log"));
}

TEST(ErrorLog, AppendsOneLinePerFailure) {
    Program p;
    p.ctx.DebugMode = true;
    p.folder.write("err.log", "earlier line\n");
    ErrorLogOf(p.ctx).append("frmRadio.PortOpen", Fault{8002, "Invalid port number"});
    ErrorLogOf(p.ctx).append("frmMain.FileRead2", Fault{62, ""});
    const std::string log = test::ReadFile(p.folder.path() / "err.log");
    const std::regex lines(
        "earlier line\n"
        "[0-9]{4}-[0-9]{2}-[0-9]{2},[0-9]{2}:[0-9]{2}:[0-9]{2}:frmRadio.PortOpen -> 8002Invalid port number\n"
        "[^\n]*:frmMain.FileRead2 -> 62\n");
    EXPECT_TRUE(std::regex_match(log, lines)) << log;
}

TEST(ErrorLog, AnUnwritableLogIsSilent) {
    Program p;
    p.ctx.DebugMode = true;
    std::filesystem::create_directory(p.folder.path() / "err.log"); // a folder where the file should be
    EXPECT_NO_THROW(ErrorLogOf(p.ctx).append("frmMain.SaveFileAs", Fault{61, "Disk full"}));
}

// An installed program's folder is not the user's to write: the log goes to the per-user data folder.
TEST(ErrorLog, GoesToTheUserDataFolderWhenTheProgramFolderIsNotWritable) {
    test::TempFolder data;
    // The variable that names the per-user data folder on this system.
#ifdef _WIN32
    const char *variable = "LOCALAPPDATA";
#else
    const char *variable = "XDG_DATA_HOME";
#endif
    const char *before = std::getenv(variable);
    const std::string kept = before != nullptr ? before : "";
    test::SetEnvironment(variable, data.path().string());
    const ErrorLog log(true, data.path() / "no-such-program-folder", "KLT Programmer");
    log.append("frmRadio.PortOpen", Fault{8002, "Invalid port number"});
    const auto expected = data.path() / "KLT Programmer" / "err.log";
    EXPECT_EQ(log.path(), expected);
    EXPECT_NE(test::ReadFile(expected).find("frmRadio.PortOpen -> 8002Invalid port number"),
              std::string::npos);
    if (before != nullptr) {
        test::SetEnvironment(variable, kept);
    } else {
        test::SetEnvironment(variable, std::nullopt);
    }
}

TEST(Fault, SystemErrorsAsTheProgramNumbersThem) {
    EXPECT_EQ(FailureText(FaultFromErrno(ENOENT)), "53File not found");
    EXPECT_EQ(FailureText(FaultFromErrno(EACCES)), "70Permission denied");
    EXPECT_EQ(FaultFromErrno(ENOSPC).number, 61);
}

} // namespace
} // namespace klt
