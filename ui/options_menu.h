#pragma once
// The two commands of the options menu that have no window of their own.

#include "document/document.h"
#include "settings/options.h"

#include <filesystem>

class QWidget;

namespace zeva::ui {

// "Guardar opciones": asks "¿ Guardar las opciones actuales ?"; on Yes writes the options file
// with the window's placement and the current document's background and units (which become the
// defaults of new documents), and keeps the options that live in the settings store. A failed
// write is reported ("error de escritura"). True when the options were saved.
bool runSaveOptions(QWidget* window, settings::Options& options, const document::Document* current,
                    const std::filesystem::path& optionsFile);

// "Cargar opciones originales": the defaults into the options and the current document's
// background and units. The window then applies the options, clears the trace layer, selects
// "Mover, editar" and redraws.
void runLoadOriginalOptions(settings::Options& options, document::Document* current);

} // namespace zeva::ui
