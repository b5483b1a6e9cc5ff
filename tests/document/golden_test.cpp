// Golden dumps: each folder under tests/golden holds an input document or macro file and the
// JSON that `zeva --dump` prints for it. ZEVA_UPDATE_GOLDEN=1 rewrites the expected files.

#include "doc_test_util.h"
#include "document/document_dump.h"
#include "document/document_load.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zeva::document {
namespace {

namespace fs = std::filesystem;

// What `zeva --dump` prints for a file: its output when it succeeds, its message otherwise.
std::string dumpOf(const std::string& path) {
    const DumpOutcome dump = dumpFile(path);
    EXPECT_EQ(dump.exitCode == 0, dump.err.empty()) << path;
    return dump.exitCode == 0 ? dump.out : dump.err;
}

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Golden, DumpsMatchTheExpectedJson) {
    const fs::path root = fs::path(ZEVA_SOURCE_DIR) / "tests" / "golden";
    const bool update = std::getenv("ZEVA_UPDATE_GOLDEN") != nullptr;
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (!entry.is_directory()) continue;
        fs::path input;
        for (const auto& f : fs::directory_iterator(entry.path()))
            if (f.path().stem() == "input") input = f.path();
        ASSERT_FALSE(input.empty()) << entry.path();
        const fs::path expected = entry.path() / "expected.json";
        const std::string json = dumpOf(input.string());
        if (update) {
            std::ofstream(expected, std::ios::binary) << json;
        } else {
            EXPECT_EQ(json, readText(expected)) << entry.path().filename();
        }
        ++cases;
    }
    EXPECT_GE(cases, 4);
}

} // namespace
} // namespace zeva::document
