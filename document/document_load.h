#pragma once
// Giving what a file held to a document: options, view, construction, macros, then the full
// recompute pass.

#include "document/document.h"
#include "document/document_file.h"

#include <memory>
#include <string>
#include <variant>

namespace zeva::document {

// What documents need from the application and the window.
struct DocumentEnvironment {
    DocumentDefaults defaults; // the application options' per-document defaults
    int clientWidth = 1024;    // drawing area of the window, for the view of a new document
    int clientHeight = 768;
    ScreenSize screen; // the drawing surface
    double drawScale = 1.0;
    double planeSize = 3000.0; // side of the plane (option "Ancho y Alto del plano")
    model::ElementFont textFont{"Arial", 12632256, 11, 0, 0, 0, 0}; // application text font
};

// The environment with the given application options and the default window and screen.
DocumentEnvironment environmentFor(const settings::Options& options);

// An empty document for the environment (options and centred view).
Document newDocument(const DocumentEnvironment& env);

// Replaces d's construction, options, view and macros with a document file's, clears the
// history, the selection and `modified`, and recomputes every element. The file name is left
// to the caller.
void installDocumentFile(Document& d, LoadedFile&& file, const DocumentEnvironment& env);

// Appends a macro file's macros to d and marks it modified.
void installMacroFile(Document& d, LoadedFile&& file);

struct LoadedDocument {
    std::unique_ptr<Document> document;
    FileType type = FileType::Invalid;
    int32_t version = 0;
};

// Reads a document file into a new document with that path, or a macro file into the first
// macro slot of a new empty document; recomputed and ready to draw.
std::variant<LoadedDocument, model::ReadError> loadDocument(const std::string& path,
                                                            const DocumentEnvironment& env);

} // namespace zeva::document
