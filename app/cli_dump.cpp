#include "app/cli.h"

#include "document/document_dump.h"

#include <cstdio>

namespace zeva::app {

int runDump(const std::string& path) {
    const document::DumpOutcome dump = document::dumpFile(path);
    std::fwrite(dump.out.data(), 1, dump.out.size(), stdout);
    std::fwrite(dump.err.data(), 1, dump.err.size(), stderr);
    return dump.exitCode;
}

} // namespace zeva::app
