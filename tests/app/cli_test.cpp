#include "app/cli.h"
#include "settings/options.h"
#include "settings/options_file.h"
#include "tests/support/temp_dir.h"

#include <array>
#include <fstream>
#include <sys/wait.h>

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

} // namespace

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

TEST(CommandLine, EveryFileGivenIsADocumentAndTheStartUpHookIsTakenOut) {
    zeva::testing::TempDir dir;
    const std::string a = (dir.path() / "a.kdo").string(), b = (dir.path() / "b kdo.kdo").string();
    std::ofstream(a) << "x";
    std::ofstream(b) << "x";
    zeva::app::EditorStart start;
    EXPECT_EQ(runCommandLine({a, "--quit-after-paint", b}, start), -1);
    EXPECT_EQ(start.documents, (std::vector<std::string>{a, b}));
    EXPECT_TRUE(start.quitAfterPaint);
    EXPECT_FALSE(zeva::app::isBatchCommand({a}));
    EXPECT_TRUE(zeva::app::isBatchCommand({"--render", a}));
}

// Qt's own options are Qt's: the editor starts on the platform it is given, opens the file,
// paints it and (with the start-up hook) reports the time and quits. The options exist, so no
// first-start question waits.
TEST(CommandLine, TheEditorTakesQtOptionsAndStartsWithoutAQuestion) {
    zeva::testing::TempDir home;
    const auto config = home.path() / "ZEVA" / "ZEVA 3";
    std::filesystem::create_directories(config);
    zeva::settings::Options options;
    options.languageFile = "Espanol";
    ASSERT_TRUE(zeva::settings::writeOptionsFile(config / "zeva.ini", options));
    const std::string command = "env -u DISPLAY XDG_CONFIG_HOME='" + home.path().string() +
                                "' HOME='" + home.path().string() + "' timeout 60 '" +
                                std::string(ZEVA_BINARY_DIR) + "/zeva' -platform offscreen " +
                                "--quit-after-paint '" + ZEVA_SOURCE_DIR +
                                "/examples/gallery.kdo' < /dev/null 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), buf.size(), pipe))
        out += buf.data();
    const int status = pclose(pipe);
    EXPECT_NE(out.find("first paint after"), std::string::npos) << out;
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << out;
}
