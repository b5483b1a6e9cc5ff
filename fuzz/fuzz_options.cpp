// Fuzz target: the options file "zeva.ini". An image the parser accepts must come back unchanged
// through writing and reading again: what "Guardar opciones" writes is what the next start reads.

#include "settings/options.h"
#include "settings/options_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

using namespace zeva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const settings::Options base;
    const auto parsed = settings::parseOptions(std::span(data, size), base);
    if (!parsed) return 0;
    const std::vector<uint8_t> written =
        settings::serializeOptions(*parsed, parsed->documentDefaults());
    const auto again = settings::parseOptions(written, base);
    if (!again || !(*again == *parsed)) {
        std::fprintf(stderr, "options written from an accepted file read back differently\n");
        std::abort();
    }
    return 0;
}
