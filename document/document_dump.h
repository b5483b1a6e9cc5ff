#pragma once
// The document as one JSON object, for `zeva --dump` and golden tests: the document options,
// every element in construction order (each sub-element right after its owner), the trace and
// animation lists and the macros. Numbers have 17 significant digits; non-finite ones are null.

#include "document/document.h"
#include "document/document_file.h"

#include <string>

namespace zeva::document {

// Renumbers d's construction so that the serials shown are the ones a save would write. An
// element that shows text carries it under "text": names, values, formulas, coordinate pairs,
// stored equation texts, check results, free texts (lines joined by a line break) and button
// captions as drawn.
std::string dumpJson(Document& d, FileType fileType, int32_t version);

// What `zeva --dump FILE` answers: the exit code, what it prints and what it reports. The
// document is read with the original options on a 1024 x 768 screen, so a dump does not depend
// on the user's setup.
struct DumpOutcome {
    int exitCode = 0;
    std::string out;
    std::string err;
};
DumpOutcome dumpFile(const std::string& path);

// A double as JSON: 17 significant digits, always with a decimal point or exponent; null when
// not finite.
std::string jsonNumber(double v);

// A UTF-8 text as a JSON string literal.
std::string jsonString(std::string_view text);

} // namespace zeva::document
