// Fuzz target: a language file (".lng"), applied over the built-in texts as the program applies
// one when it starts or when the user picks a language. Every text it leaves must be valid
// UTF-8 inside the program.

#include "settings/language_file.h"
#include "settings/text_table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace zeva;

namespace {

bool validUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

template <class Texts> void checkAll(const Texts& texts) {
    for (const std::string& t : texts) {
        if (!validUtf8(t)) {
            std::fprintf(stderr, "a language file left text that is not UTF-8\n");
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The built-in texts are made once: copying them is far cheaper than building them for
    // every input, which kept the fuzzer at a few hundred inputs a second.
    static const settings::TextTable defaults = [] {
        settings::TextTable t;
        t.setBuiltInDefaults();
        return t;
    }();
    settings::TextTable table = defaults;
    settings::applyLanguageText(table,
                                std::string_view(reinterpret_cast<const char*>(data), size));
    checkAll(table.shortTexts);
    checkAll(table.kindNames);
    checkAll(table.messages);
    checkAll(table.extraMessages);
    checkAll(table.kindWords);
    for (const auto& [key, text] : table.controlTexts)
        checkAll(std::array{text});
    (void)settings::isSpanish(table);
    return 0;
}
