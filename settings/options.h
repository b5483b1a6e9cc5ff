#pragma once
// The application options: window geometry, colours, fonts, detection distances and the
// defaults given to new elements and new documents. One shared record; every reader goes
// through options() so that it sees the current values.

#include "model/element.h"
#include "model/kinds.h"
#include "model/units.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeva::settings {

using FontOption = model::ElementFont;

inline constexpr size_t kMaxLanguageNameLength = 40; // bytes of languageFile in the options file
inline constexpr size_t kMaxFontNameLength = 31;     // bytes of a font name in the options file

// The five options each document carries; the application's copy is the default for new
// documents.
using DocumentDefaults = model::DocumentUnits;

struct Options {
    std::string languageFile; // language name without extension, UTF-8, at most 40 bytes stored

    int32_t windowLeft = 10;
    int32_t windowTop = 10;
    int32_t windowHeight = 440;
    int32_t windowWidth = 610;
    int32_t windowState = 2; // 0 normal, 1 minimised, 2 maximised

    int32_t selectionColor = 0xFFAAAA; // 16755370
    int32_t hiddenColor = 0x00BEBE;    // 48830
    double planeSize = 3000.0;         // world units (pixels) of the plane square's side

    int32_t showMainButtons = 1;
    int32_t showEditButtons = 1;
    int32_t showStatusBar = 1;
    int32_t fullScreen = 0;
    int32_t showHidden = 0;

    FontOption textFont{"Arial", 0xC0C0C0, 11, 0, 0, 0, 0};
    FontOption namesFont{"Arial", 0x00FF00, 10, 0, 0, 0, 0};
    FontOption numbersFont{"Arial", 0xC0C0C0, 12, 0, 0, 0, 0};
    FontOption cursorFont{"System", 0x00FFFF, 10, 0, 0, 0, 0};
    FontOption listFont{"Arial", 0xFFFFFF, 11, 0, 0, 0, 0};

    int32_t listBackground = 0;
    double angleArcRatio = 0.13; // copied into new angles as their marking's relative size

    int32_t detectionDistance = 8; // pixels, 2..20
    int32_t nameDistance = 50;     // pixels, 20..100
    int32_t adaptCursorColor = 1;

    // Defaults for new documents (the options file stores their background colour before the
    // selection colour, and their units here).
    DocumentDefaults units;

    int32_t decimals = 2;     // 0..8
    int32_t locusPoints = 80; // 10..10000
    int32_t hideIntermediate = 1;

    // Antialiased lines, curves and texts. Off keeps the figure's exact pixel rules. Kept in the
    // window's settings store, not in the options file, so the file stays as other versions
    // write it.
    int32_t smoothDrawing = 0;

    // Indexed by ElementClass. Only the ten drawn classes punto..ejes are stored in the options
    // file; the others keep these fixed values (most of them take their colour from a font).
    std::array<int32_t, model::kClassCount> classColor = defaultClassColors();
    std::array<int32_t, model::kClassCount> classStyle = defaultClassStyles();

    // Window state read by the element factory; never stored in the options file.
    int32_t currentColor = 255;  // colour of the colour button
    int32_t useCurrentColor = 0; // 1: new elements take currentColor

    DocumentDefaults documentDefaults() const { return units; }
    void setDocumentDefaults(const DocumentDefaults& d) { units = d; }

    int32_t colorOf(model::ElementClass c) const { return classColor[model::toInt(c)]; }
    int32_t styleOf(model::ElementClass c) const { return classStyle[model::toInt(c)]; }

    static std::array<int32_t, model::kClassCount> defaultClassColors();
    static std::array<int32_t, model::kClassCount> defaultClassStyles();

    friend bool operator==(const Options&, const Options&) = default;
};

// The ten classes whose colour and style the options file stores, in file order.
inline constexpr std::array<model::ElementClass, 10> kStoredClasses = {
    model::ElementClass::Point,   model::ElementClass::Line,   model::ElementClass::Ray,
    model::ElementClass::Segment, model::ElementClass::Circle, model::ElementClass::Arc,
    model::ElementClass::Polygon, model::ElementClass::Angle,  model::ElementClass::Locus,
    model::ElementClass::Axes};

// The program's one options record (starts with the defaults).
Options& options();

// Sets every option to its default ("Cargar opciones originales"). The language, the colour-button
// state and, unless `documentDefaultsToo`, the five document defaults are kept.
void loadOriginalOptions(Options& o, bool documentDefaultsToo = false);
inline void loadOriginalOptions() {
    loadOriginalOptions(options());
}

} // namespace zeva::settings
