// Hostile documents (tests/hostile): each one opens, dumps and renders, or is refused with the
// message, and never crashes, hangs or trips a sanitizer. Garbage of any size is refused at once.

#include "app/cli.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace zeva::app {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> hostileFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(ZEVA_SOURCE_DIR "/tests/hostile")) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        if (ext == ".kdo" || ext == ".mac") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Exit code 0 with the document, or 2 with the message (Qt may add notes of its own).
void expectOpenedOrRefused(int code, const std::string& errors) {
    EXPECT_TRUE(code == 0 || code == 2) << code;
    EXPECT_EQ(errors.find("no es un archivo válido\n") != std::string::npos, code == 2) << errors;
}

class HostileFile : public ::testing::TestWithParam<std::string> {};

TEST_P(HostileFile, DumpsOrIsRefused) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = runDump(GetParam());
    const std::string errors = ::testing::internal::GetCapturedStderr();
    const std::string json = ::testing::internal::GetCapturedStdout();
    expectOpenedOrRefused(code, errors);
    EXPECT_EQ(json.rfind("{", 0), code == 0 ? 0u : std::string::npos);
}

TEST_P(HostileFile, RendersOrIsRefused) {
    testing::TempDir dir;
    for (const char* name : {"out.png", "out.svg"}) {
        ::testing::internal::CaptureStderr();
        const int code = runRender({GetParam(), dir.file(name), 640, 480});
        expectOpenedOrRefused(code, ::testing::internal::GetCapturedStderr());
        EXPECT_EQ(fs::exists(dir.file(name)), code == 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Folder, HostileFile, ::testing::ValuesIn(hostileFiles()),
                         [](const auto& info) {
                             std::string name = fs::path(info.param).stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(HostileFiles, TheFolderHoldsTheFilesFoundByFuzzing) {
    EXPECT_GE(hostileFiles().size(), 11u);
}

TEST(HostileFiles, OneHundredMegabytesOfGarbageAreRefusedWithTheMessage) {
    testing::TempDir dir;
    std::mt19937_64 random(20240601);
    std::vector<uint64_t> chunk(1 << 17); // 1 MiB
    const std::string withForeignHeader = dir.file("garbage.KDO");
    const std::string withDocumentHeader = dir.file("garbage-after-header.KDO");
    {
        std::ofstream a(withForeignHeader, std::ios::binary);
        std::ofstream b(withDocumentHeader, std::ios::binary);
        const int32_t header[2] = {300, 1};
        b.write(reinterpret_cast<const char*>(header), sizeof header);
        for (int mb = 0; mb < 100; ++mb) {
            for (auto& w : chunk)
                w = random() | 0x8000000080000000u; // negative int32 fields: never a header
            a.write(reinterpret_cast<const char*>(chunk.data()), 1 << 20);
            b.write(reinterpret_cast<const char*>(chunk.data()), 1 << 20);
        }
    }
    for (const std::string& file : {withForeignHeader, withDocumentHeader}) {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(runDump(file), 2) << file;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "no es un archivo válido\n");
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    }
}

} // namespace
} // namespace zeva::app
