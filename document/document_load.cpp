#include "document/document_load.h"

#include "document/undo.h"
#include "geometry/recompute.h"

namespace zeva::document {

DocumentEnvironment environmentFor(const settings::Options& options) {
    DocumentEnvironment env;
    env.defaults = options.documentDefaults();
    env.textFont = options.textFont;
    env.planeSize = options.planeSize;
    return env;
}

Document newDocument(const DocumentEnvironment& env) {
    return newDocument(env.defaults, env.clientWidth, env.clientHeight, env.screen, env.drawScale);
}

void installDocumentFile(Document& d, LoadedFile&& file, const DocumentEnvironment& env) {
    d.construction = std::move(file.construction);
    d.macros = std::move(file.macros);
    d.units = file.units;
    d.viewLeft = file.viewLeft;
    d.viewTop = file.viewTop;
    setViewExtent(d, env.screen, env.drawScale);
    d.modified = 0;
    d.traceLayerUsed = 0;
    d.pasteCount = 0;
    clearHistory(d);
    d.construction.setSelectionAll(0);
    geometry::RecomputeContext ctx = document::contextFor(d);
    ctx.planeSize = env.planeSize;
    geometry::recomputeAll(d.construction, ctx);
}

void installMacroFile(Document& d, LoadedFile&& file) {
    for (auto& m : file.macros) {
        if (d.macros.size() >= static_cast<size_t>(document::kMaxMacros)) break;
        d.macros.push_back(std::move(m));
    }
    markModified(d);
}

std::variant<LoadedDocument, model::ReadError> loadDocument(const std::string& path,
                                                            const DocumentEnvironment& env) {
    ReadSettings settings;
    settings.textFont = env.textFont;
    ReadResult read = readFile(path, ReadMode::Any, settings);
    if (auto* error = std::get_if<model::ReadError>(&read)) return *error;
    LoadedFile& file = std::get<LoadedFile>(read);

    LoadedDocument out;
    out.type = file.type;
    out.version = file.version;
    out.document = std::make_unique<Document>(newDocument(env));
    if (file.type == FileType::Document) {
        installDocumentFile(*out.document, std::move(file), env);
        out.document->fileName = path;
    } else {
        installMacroFile(*out.document, std::move(file));
    }
    return out;
}

} // namespace zeva::document
