#include "settings/language_file.h"

#include "model/codepage.h"
#include "settings/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

namespace zeva::settings {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The key as a whole integer with an optional sign; none when it is not one.
std::optional<long long> parseKey(std::string_view s) {
    s = trimBlanks(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

void applyLanguageLine(TextTable& table, std::string_view line) {
    if (line.size() > kMaxLanguageLineLength) line = line.substr(0, kMaxLanguageLineLength);
    const std::string_view body = trimBlanks(line);
    if (!body.empty() && body.front() == ';') return;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const std::optional<long long> key = parseKey(line.substr(0, eq));
    if (!key) return;
    const long long k = *key < 0 ? -*key : *key;
    if (k > std::numeric_limits<int>::max()) return;
    std::string_view value = line.substr(eq + 1);
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);
    table.set(static_cast<int>(k), model::utf8FromWindows1252(value));
}

void applyLanguageText(TextTable& table, std::string_view content) {
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        applyLanguageLine(table, line);
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    table.rebuildKindWords();
}

bool loadLanguageFile(TextTable& table, const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return false;
    applyLanguageText(table, content);
    return true;
}

std::optional<std::filesystem::path>
findLanguageFile(const std::vector<std::filesystem::path>& dirs, std::string_view name) {
    if (name.empty()) return std::nullopt;
    std::error_code ec;
    for (const auto& dir : dirs) {
        std::filesystem::path candidate = dir / std::string(name);
        candidate += ".lng";
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

bool loadLanguage(TextTable& table, const std::vector<std::filesystem::path>& dirs,
                  std::string_view name) {
    const auto file = findLanguageFile(dirs, name);
    return file && loadLanguageFile(table, *file);
}

std::vector<std::string> languageNames(const std::vector<std::filesystem::path>& dirs) {
    std::vector<std::string> names;
    for (const auto& dir : dirs) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::filesystem::path& p = it->path();
            // Exactly ".lng": the loader finds a language again by appending that.
            if (p.extension() != ".lng" || !it->is_regular_file(ec)) continue;
            std::string name = p.stem().string();
            if (name.empty() || model::windows1252FromUtf8(name).size() > kMaxLanguageNameLength)
                continue;
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowered(a), lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace zeva::settings
