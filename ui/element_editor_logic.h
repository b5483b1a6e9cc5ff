#pragma once
// The element editor's rules without its widgets: which controls an element's class and kind
// show, the changes the buttons make at once (the figure is the preview), "Cancel" putting the
// element back exactly as it was, and "OK" recording the edit as one undo step -- or nothing at
// all when nothing differs.

#include "model/element.h"
#include "ui/appearance_logic.h"
#include "ui/session.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zeva::ui {

// What the name field edits.
enum class NameRole {
    Name,         // the element's name label (made when typed, deleted when cleared)
    NamedElement, // a Nombre element: the name it shows; cleared, the Nombre goes
    CheckerText,  // a property checker: the text its present result shows
    Caption,      // a hide/show button's caption
};

// The controls an element's editor shows.
struct EditorLayout {
    NameRole nameRole = NameRole::Name;
    bool nameToggle = false;       // vernom
    bool decimals = false;         // CB_ndec
    bool tableOrientation = false; // B_f_tabla
    bool font = false;             // B_tiplet
    bool unit = false;             // Buni
    std::optional<ShapeFamily> shapes;
    bool locusPoints = false; // Ed_npLG
    bool interval = false;    // Ed_exta, Ed_extb
    bool anchors = false;     // B_pBTM1..9
    bool anchorsEnabled = false;
};

// The fields "OK" reads; a refused one keeps the editor open with nothing applied.
enum class EditorField { Name, LocusPoints, IntervalStart, IntervalEnd };
struct EditorRefusal {
    EditorField field;
    int messageSlot = 0;          // a message (key 1000 + slot), or
    std::optional<int> extraSlot; // an extra message (key 2000 + slot) when given
};

class ElementEditorLogic {
  public:
    ElementEditorLogic(Session& session, model::Element& element);

    const EditorLayout& layout() const { return layout_; }
    // The kind's name; for a Cálculo or Función ": " and its expression, for a graph ": " and
    // its function's expression.
    std::string caption() const;
    const std::string& openingText() const { return openingText_; }
    // The decimals the combo box shows: the element's, or 2 when outside 0..8.
    int shownDecimals() const;
    // The interval ends of a graph as the fields show them (4 decimals).
    std::pair<std::string, std::string> intervalTexts() const;
    std::string locusPointsText() const;
    bool nameHidden() const;    // vernom down
    bool elementHidden() const; // verelem down
    // Whether "Unidad" offers the four dimensions in a menu (a Parámetro, or a Cálculo without
    // a natural unit) instead of toggling the natural unit.
    bool unitMenu() const;

    // Changes shown at once in the figure.
    void setColour(int32_t colorRef); // a plain colour: a parametric colour source goes
    void setStyle(int32_t style);
    void toggleVisible();
    void toggleNameVisible();
    void setDecimals(int decimals);
    void setTableHorizontal(bool horizontal);
    void setFont(const model::ElementFont& font);
    void setDimension(int dimension); // from the unit menu
    void toggleUnit();
    void setAnchor(int anchor);

    // "OK" with the fields as typed: none when accepted (recorded as one undo step when
    // anything differs), else the refused field, with nothing applied.
    std::optional<EditorRefusal> accept(const std::string& name, const std::string& locusPoints,
                                        const std::string& intervalStart,
                                        const std::string& intervalEnd);
    // "Cancel" and the close box: everything back as it was.
    void cancel();
    // "Eliminar": the element and everything built on it go (one undo step).
    void deleteElement();
    // The parametric-colour button: what was changed is kept (one undo step) and the
    // parametric-colour tool starts on the element.
    void startParametricColour();

    model::Element& element() { return *e_; }
    bool present() const;

  private:
    struct Saved {
        int32_t color, style, visible, decimals, param1, dimension, colorMode;
        model::Element* colorSource;
        int32_t labelVisible;
        std::optional<model::ElementFont> font;
    };
    Saved current() const;
    void put(const Saved& s);
    void preview(bool recompute = false);
    void endHighlights();

    Session& s_;
    model::Element* e_;
    EditorLayout layout_;
    Saved saved_;
    std::string openingText_;
    bool closed_ = false;
};

} // namespace zeva::ui
