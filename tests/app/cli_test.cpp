#include "app/cli.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

using zeva::app::runCommandLine;

namespace {

int run(std::vector<std::string> args, std::string* path = nullptr) {
    std::string p;
    const int code = runCommandLine(args, p);
    if (path) *path = p;
    return code;
}

}  // namespace

TEST(CommandLine, HelpAndVersionAnswerWithoutStartingTheEditor) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("--render"), std::string::npos);
    testing::internal::CaptureStdout();
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("zeva ", 0), 0u);
}

TEST(CommandLine, TheWholeCommandLineIsTheDocumentToOpen) {
    std::string path;
    EXPECT_EQ(run({}, &path), -1);
    EXPECT_EQ(path, "");
    EXPECT_EQ(run({"/tmp/My", "Figure.KDO"}, &path), -1);
    EXPECT_EQ(path, "/tmp/My Figure.KDO");
}

TEST(CommandLine, MalformedOptionsAreUsageErrors) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(run({"--bogus"}), 64);
    EXPECT_EQ(run({"--dump"}), 64);
    EXPECT_EQ(run({"--render", "a.kdo"}), 64);
    EXPECT_EQ(run({"--render", "a.kdo", "-o", "b.png", "--size", "12"}), 64);
    EXPECT_EQ(run({"--render", "a.kdo", "-o", "b.png", "--size", "0x10"}), 64);
    EXPECT_EQ(run({"--eval", "1+1", "--angle-unit", "TURNS"}), 64);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Usage"), std::string::npos);
}

TEST(CommandLine, TheVersionNamesTheLanguagesFound) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zeva-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "languages");
    std::ofstream(dir / "languages" / "English.lng") << "1=point\n";
    const std::string version = zeva::app::versionText(dir);
    EXPECT_EQ(version.rfind("zeva ", 0), 0u);
    EXPECT_NE(version.find("languages: " + (dir / "languages").string() + " (English)"),
              std::string::npos)
        << version;
    std::filesystem::remove_all(dir);
}
