#include "app/cli.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct EvalCase {
    std::vector<std::string> args;
    int exitCode;
    const char* output;
};

class EvalCommandTest : public testing::TestWithParam<EvalCase> {};

TEST_P(EvalCommandTest, PrintsSeventeenDigitsOrError) {
    const EvalCase& c = GetParam();
    std::string path;
    testing::internal::CaptureStdout();
    const int code = zeva::app::runCommandLine(c.args, path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
    EXPECT_EQ(code, c.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvalCommandTest,
    testing::Values(EvalCase{{"--eval", "2^3^2"}, 0, "64\n"},
                    EvalCase{{"--eval", "1/3"}, 0, "0.33333333333333331\n"},
                    EvalCase{{"--eval", "pi"}, 0, "3.1415926535897931\n"},
                    EvalCase{{"--eval", "(-8)^(1/3)"}, 0, "-2\n"},
                    EvalCase{{"--eval", "asin(1)", "--angle-unit", "DEG"}, 0, "90\n"},
                    EvalCase{{"--eval", "asin(1)", "--angle-unit", "GRA"}, 0, "100\n"},
                    EvalCase{
                        {"--eval", "asin(1)", "--angle-unit", "RAD"}, 0, "1.5707963267948966\n"},
                    EvalCase{{"--eval", "1/0"}, 1, "error\n"},
                    EvalCase{{"--eval", "x+1"}, 1, "error\n"},
                    EvalCase{{"--eval", ""}, 1, "error\n"}));

// The batch command needs no window system at all.
TEST(EvalCommandTest, RunsWithoutADisplay) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                std::string(ZEVA_BINARY_DIR) + "/zeva' --eval '3,5*2' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 128> buf{};
    while (fgets(buf.data(), buf.size(), pipe))
        out += buf.data();
    const int status = pclose(pipe);
    EXPECT_EQ(out, "7\n");
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
