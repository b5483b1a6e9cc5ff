#pragma once
// The command-line interface: batch commands that run without a display.

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
int runEval(const std::string& expression, int angleUnit);

// Parses argv and runs the matching command; answers -1 when the editor should start, with
// `documentPath` set to the file to open (empty for none).
int runCommandLine(const std::vector<std::string>& args, std::string& documentPath);

std::string usageText();

}  // namespace zeva::app
