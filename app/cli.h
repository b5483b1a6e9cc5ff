#pragma once
// The command-line interface: batch commands that run without a display.

#include "model/units.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zeva::app {

struct RenderRequest {
    std::string input;
    std::string output;
    int width = 1024;
    int height = 768;
};

// Each returns the process exit code and writes only to the given streams' files.
int runDump(const std::string& path);
int runRender(const RenderRequest& request);
int runEval(const std::string& expression, model::AngleUnit angleUnit);

// How the editor starts: the documents to open, in order, and whether it reports the time to
// its first painted window and quits (for start-up measurements).
struct EditorStart {
    std::vector<std::string> documents;
    bool quitAfterPaint = false;
};

// True when the arguments name a batch command (--dump, --render, --eval, --help, --version),
// which runs before any window system is touched.
bool isBatchCommand(const std::vector<std::string>& args);

// Parses the arguments (Qt's own options already taken out) and runs the matching command;
// answers -1 when the editor should start, with `start` filled. Every argument that names an
// existing file is a document; when they do not all exist, the whole command line is one path
// (a path with blanks given without quotes).
int runCommandLine(const std::vector<std::string>& args, EditorStart& start);
// The same with only the first document's path (empty for none).
int runCommandLine(const std::vector<std::string>& args, std::string& documentPath);

std::string usageText();

// "zeva 3.0.0" and, on a second line, the first folder holding language files for a program in
// `programDir` with the languages found there (or "none found").
std::string versionText(const std::filesystem::path& programDir);


}  // namespace zeva::app
