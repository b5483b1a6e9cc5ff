// Golden dumps: each folder under tests/golden holds an input document or macro file and the
// JSON that `zeva --dump` prints for it. ZEVA_UPDATE_GOLDEN=1 rewrites the expected files.

#include "document/document_dump.h"
#include "document/document_load.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zeva::document {
namespace {

namespace fs = std::filesystem;

// What the dump command prints for a file (the same steps as `zeva --dump`).
std::string dumpOf(const std::string& path) {
    auto loaded = loadDocument(path, environmentFor(settings::Options{}));
    auto* ok = std::get_if<LoadedDocument>(&loaded);
    if (!ok) return "no es un archivo válido\n";
    return dumpJson(*ok->document, ok->type, ok->version);
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
