#include "app/cli.h"

#include "document/document_dump.h"
#include "document/document_load.h"
#include "settings/options.h"

#include <cstdio>

namespace zeva::app {

int runDump(const std::string& path) {
    // The original options on a 1024 x 768 screen: a dump does not depend on the user's setup.
    const document::DocumentEnvironment env = document::environmentFor(settings::Options{});
    auto loaded = document::loadDocument(path, env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    if (!ok) {
        std::fputs("no es un archivo válido\n", stderr);
        return 2;
    }
    const std::string json = document::dumpJson(*ok->document, ok->type, ok->version);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}

} // namespace zeva::app
