#include "app/cli.h"

#include "settings/data_folders.h"
#include "settings/language_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace zeva::app {

std::string usageText() {
    return "Usage:\n"
           "  zeva [FILE...]                            open the editor (with each FILE, .KDO or .MAC)\n"
           "       [--quit-after-paint]                 print the start-up time and quit\n"
           "       (and Qt's own options: -platform, -qwindowgeometry, -style, -reverse, ...)\n"
           "  zeva --dump FILE                          print the document as JSON\n"
           "  zeva --render FILE -o OUT [--size WxH]    draw the document to OUT (.png .bmp .svg .pdf)\n"
           "  zeva --eval EXPR [--angle-unit RAD|DEG|GRA]  evaluate an expression\n"
           "  zeva --help                               this text\n"
           "  zeva --version                            the version and where the languages are\n";
}

std::string versionText(const std::filesystem::path& programDir) {
    std::string text = std::string("zeva ") + ZEVA_VERSION + "\n";
    for (const auto& folder : settings::languageFolders(settings::dataFolders(programDir))) {
        const std::vector<std::string> names = settings::languageNames({folder});
        if (names.empty()) continue;
        text += "languages: " + folder.string() + " (";
        for (size_t i = 0; i < names.size(); ++i)
            text += (i ? ", " : "") + names[i];
        return text + ")\n";
    }
    return text + "languages: none found\n";
}


namespace {

int usageError(const std::string& message) {
    std::fprintf(stderr, "zeva: %s\n%s", message.c_str(), usageText().c_str());
    return 64;
}

bool parseSize(std::string_view text, int& w, int& h) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos) return false;
    const std::string ws(text.substr(0, x)), hs(text.substr(x + 1));
    char* end = nullptr;
    const long wl = std::strtol(ws.c_str(), &end, 10);
    if (ws.empty() || *end) return false;
    const long hl = std::strtol(hs.c_str(), &end, 10);
    if (hs.empty() || *end) return false;
    if (wl < 1 || hl < 1 || wl > 20000 || hl > 20000) return false;
    w = static_cast<int>(wl);
    h = static_cast<int>(hl);
    return true;
}

}  // namespace

bool isBatchCommand(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    const std::string& a = args[0];
    return a == "--help" || a == "-h" || a == "--version" || a == "--dump" || a == "--eval" ||
           a == "--render";
}

int runCommandLine(const std::vector<std::string>& args, std::string& documentPath) {
    EditorStart start;
    const int code = runCommandLine(args, start);
    documentPath = start.documents.empty() ? std::string() : start.documents.front();
    return code;
}

int runCommandLine(const std::vector<std::string>& allArgs, EditorStart& start) {
    start = EditorStart{};
    std::vector<std::string> args;
    for (const std::string& a : allArgs) {
        if (a == "--quit-after-paint")
            start.quitAfterPaint = true;
        else
            args.push_back(a);
    }
    if (args.empty()) return -1;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (first == "--version") {
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        std::fputs(versionText(ec ? std::filesystem::path() : program.parent_path()).c_str(),
                   stdout);
        return 0;
    }
    if (first == "--dump") {
        if (args.size() != 2) return usageError("--dump takes one file");
        return runDump(args[1]);
    }
    if (first == "--eval") {
        if (args.size() != 2 && args.size() != 4) return usageError("--eval takes one expression");
        model::AngleUnit unit = model::AngleUnit::Radian;
        if (args.size() == 4) {
            if (args[2] != "--angle-unit") return usageError("unknown option " + args[2]);
            if (args[3] == "RAD") unit = model::AngleUnit::Radian;
            else if (args[3] == "DEG") unit = model::AngleUnit::Degree;
            else if (args[3] == "GRA") unit = model::AngleUnit::Grad;
            else return usageError("--angle-unit takes RAD, DEG or GRA");
        }
        return runEval(args[1], unit);
    }
    if (first == "--render") {
        RenderRequest req;
        for (size_t i = 1; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "-o" && i + 1 < args.size()) {
                req.output = args[++i];
            } else if (a == "--size" && i + 1 < args.size()) {
                if (!parseSize(args[++i], req.width, req.height))
                    return usageError("--size takes WxH, for example 1024x768");
            } else if (!a.empty() && a[0] != '-' && req.input.empty()) {
                req.input = a;
            } else {
                return usageError("unexpected argument " + a);
            }
        }
        if (req.input.empty() || req.output.empty())
            return usageError("--render needs a file and -o OUT");
        return runRender(req);
    }
    if (!first.empty() && first[0] == '-' && first.size() > 1)
        return usageError("unknown option " + first);
    // Each file given is a document to open; when they are not all files, the whole command
    // line is the path of one document.
    std::error_code error;
    bool allFiles = true;
    for (const std::string& a : args)
        allFiles = allFiles && std::filesystem::is_regular_file(a, error);
    if (allFiles) {
        start.documents = args;
        return -1;
    }
    std::string path;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) path += ' ';
        path += args[i];
    }
    start.documents = {path};
    return -1;
}

}  // namespace zeva::app
