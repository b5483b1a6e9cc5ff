#pragma once
// "Guardar opciones" and "Cargar opciones originales" without their windows: what they store and
// where, given the window's placement and the current document.

#include "document/document.h"
#include "settings/options.h"

#include <cstdint>
#include <filesystem>

namespace zeva::ui {

// The main window's rectangle and state as the options file keeps them.
struct WindowPlacement {
    int32_t left = 10;
    int32_t top = 10;
    int32_t width = 610;
    int32_t height = 440;
    int32_t state = 2; // 0 normal, 1 minimised, 2 maximised
};

// The five per-document options of a document.
settings::DocumentDefaults documentOptionsOf(const document::Document& d);

// "Guardar opciones" once confirmed: the window's placement goes into the options, the file is
// written with the current document's background and units (the application's own when no
// document is open), and those become the defaults of new documents. False when the file could
// not be written; the options are updated either way, as the window now shows them.
bool saveOptions(const std::filesystem::path& file, settings::Options& options,
                 const document::Document* current, const WindowPlacement& placement);

// "Cargar opciones originales": every application option back to its default except the
// language and the application's own five new-document defaults; the current document gets the
// default background, units and coordinate system. The window then applies the options, clears
// the trace layer, selects "Mover, editar" and redraws.
void loadOriginalOptions(settings::Options& options, document::Document* current);

} // namespace zeva::ui
