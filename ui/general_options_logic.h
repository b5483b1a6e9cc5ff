#pragma once
// The rules of "Opciones generales": what its controls show on opening, the checks of its edits
// (in order, stopping at the first refusal), what "OK" stores and what "Cancel" puts back. No
// widgets here: the dialog shows a GeneralOptionsForm and hands it back.

#include "document/document.h"
#include "settings/options.h"
#include "settings/text_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeva::ui {

enum class GeneralOptionsPage { Environment, Construction, Numbers };

// The edits, in the order "OK" checks them.
enum class GeneralOptionsField {
    DetectionDistance,
    PlaneSize,
    LocusPoints,
    NameDistance,
    Decimals,
    PixelsPerUnit
};
inline constexpr int kGeneralOptionsFieldCount = 6;
inline constexpr int kLocusPointsMaxDigits = 5; // the locus-points edit takes at most 5 digits

struct GeneralOptionsForm {
    // The edits' texts.
    std::string detectionDistance;
    std::string planeSize;
    std::string locusPoints;
    std::string nameDistance;
    std::string decimals;
    std::string pixelsPerUnit;
    // Combo boxes, indexed by the units' stored numbers: 0 mm, 1 cm, 2 m, 3 km; 0 RAD, 1 DEG,
    // 2 GRA; 0 rectangular, 1 polar.
    int lengthUnit = 1;
    int angleUnit = 0;
    int coordSystem = 0;
    bool adaptCursorColor = true;
    bool hideIntermediate = true;
    bool smoothDrawing = false;
};

struct WholeRange {
    int low = 0;
    int high = 0;
};

// The smallest plane side the screen allows: the larger of 1000 and screen width + 1.
int minimumPlaneSize(int screenWidth);
// The accepted values of an edit; the plane size's depend on the screen width.
WholeRange rangeOf(GeneralOptionsField field, int screenWidth);
GeneralOptionsPage pageOf(GeneralOptionsField field);

// A whole number in decimal digits with an optional sign, blanks around it allowed; none for
// anything else (empty, fractions, letters, out of the int range).
std::optional<int> parseWholeNumber(std::string_view text);

struct RefusedField {
    GeneralOptionsField field;
    GeneralOptionsPage page;
    std::string warning; // the box's text
    std::string caption; // the box's caption: the edit's label
};

// The first edit whose text is not a whole number in its range, with the warning to show; none
// when every edit is valid.
std::optional<RefusedField> checkGeneralOptions(const GeneralOptionsForm& form, int screenWidth,
                                                const settings::TextTable& texts);

// One opening of the dialog on the application options and the current document (the five
// per-document options go to the application's new-document defaults when no document is open).
class GeneralOptionsSession {
  public:
    GeneralOptionsSession(settings::Options& options, document::Document* document,
                          int screenWidth);

    // What the controls show on opening.
    GeneralOptionsForm form() const;

    // Colours chosen on the swatches take effect at once; the caller redraws.
    int32_t backgroundColor() const { return documentOptions().backgroundColor; }
    int32_t hiddenColor() const { return options_.hiddenColor; }
    int32_t selectionColor() const { return options_.selectionColor; }
    void setBackgroundColor(int32_t color);
    void setHiddenColor(int32_t color);
    void setSelectionColor(int32_t color);

    // "OK": nothing is stored while an edit is refused (the refusal is answered). Otherwise the
    // options and the document take the form's values, and the document is marked modified when
    // any of its five options differs from its value on opening.
    std::optional<RefusedField> accept(const GeneralOptionsForm& form,
                                       const settings::TextTable& texts);
    // "Cancel": the document's five options and the hidden and selection colours as on opening.
    void cancel();

    // After accept: whether one of the document's five options changed.
    bool documentOptionsChanged() const;

  private:
    settings::DocumentDefaults documentOptions() const;
    void setDocumentOptions(const settings::DocumentDefaults& d);

    settings::Options& options_;
    document::Document* document_;
    int screenWidth_;
    settings::DocumentDefaults openingDocument_;
    int32_t openingHidden_;
    int32_t openingSelection_;
};

} // namespace zeva::ui
