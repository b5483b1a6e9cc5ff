#pragma once
// The rules of the macro window and of the three macro tool modes, without widgets: choosing
// the initial and final elements (tools 50 and 51, picks toggle membership and blink), making
// a macro from them, applying one (tool 49, one input per click, each of the class the macro
// asks for next), the window's enabled buttons, and the entries of the "&Macros" menu and the
// load pop-up. Messages go out through the Host; the window asks for names and files.

#include "document/document_set.h"
#include "document/macro.h"
#include "ui/session.h"

#include <optional>
#include <string>
#include <vector>

namespace zeva::ui {

// What the macro window enables when it is shown.
struct MacroDialogState {
    bool initialEnabled = false;  // "Elementos Iniciales"
    bool finalEnabled = false;    // "Elementos Finales"
    bool completeEnabled = false; // "Completar Macro"
};

// The macros of the other open documents, one group per document that has any.
struct MacroMenuGroup {
    document::Document* document = nullptr;
    std::string caption;
    std::vector<std::string> names;
};

class MacroTools {
  public:
    explicit MacroTools(Session& session);

    Session& session() { return s_; }

    // ---- choosing the initial and final elements ----
    // The lists as they stand in the current document (elements gone from it are dropped).
    const std::vector<model::Element*>& initialElements();
    const std::vector<model::Element*>& finalElements();
    // "Elementos Iniciales" / "Elementos Finales": the tool mode, with its list blinking.
    void chooseInitial();
    void chooseFinal();
    // A pick of tool 50 or 51: in the list it leaves it, otherwise it joins it; a final element
    // must be determined by the initial ones, else "No puede ser un elemento final".
    void elementPicked(int tool, model::Element& e);

    // The window is being shown: after choosing initial elements, the final elements they no
    // longer determine are dropped; a choosing mode gives way to the macro tool. Answers what
    // the window enables.
    MacroDialogState dialogOpened();
    MacroDialogState dialogState() const { return state_; }

    // "Completar Macro" with the name typed: the macro goes into the current document's next
    // slot and both lists are forgotten; answers its index. -1 when it was refused (the
    // reason shown: no name, a final element no longer determined, 100 macros already).
    int complete(const std::string& name);
    // Whether the current document can take one more macro ("Completar Macro", loading and
    // copying say so otherwise with message 1120).
    bool hasFreeSlot() const;

    // ---- applying ----
    // OK in the window, a double click on the list, or a macro of the "&Macros" menu: the
    // macro tool applies a copy of `m`. A macro whose body is damaged is refused with a
    // message, and the tool is left as it was. False when refused.
    bool startApplying(const document::Macro& m);
    bool applying() const { return applying_.has_value(); }
    const document::Macro* macroApplied() const { return applying_ ? &*applying_ : nullptr; }
    // A click of the macro tool: the element under the cursor (none on empty space) and the
    // world point. Where a point is expected, empty space makes a free point and another
    // element a point on it; otherwise the hit must be of the expected class (a polygon's side
    // serves where a segment is expected). The last input builds the macro in one undo step,
    // its texts placed at this click, and the tool waits for the next set of inputs.
    void inputClicked(model::Element* hit, Point world);
    // The class the next click must give; none when no macro is being applied.
    std::optional<model::ElementClass> expectedClass() const;
    // The status text while applying: the macro's name, " -> " and the class expected next.
    std::string prompt() const;

    // ---- the document's macros ----
    // "Cargar macros" from a file into the current document: the index of the new macro, or -1
    // after "no es un archivo válido" (or the message of 1120 when 100 are already there).
    int loadFile(const std::string& path);
    // "Guardar macro": false after "error de escritura".
    bool saveFile(int index, const std::string& path);
    // Copies macro `index` of another open document into the current one; -1 after message
    // 1120 when the current document already holds 100.
    int copyFrom(const document::Document& from, int index);
    // Every other open document that has macros, in opening order.
    std::vector<MacroMenuGroup> otherDocumentsMacros() const;

  private:
    enum class Choosing { None, Initial, Final };

    document::Document* document() const { return s_.document(); }
    std::vector<model::Element*>& listOf(Choosing c) { return c == Choosing::Final ? final_ : initial_; }
    void forgetVanished();
    void showChosen(Choosing c);
    void choose(Choosing c, ToolCode tool);
    void awaitInput();
    void instantiate(Point lastClick);
    void startNextSet();

    Session& s_;
    document::Document* listsDocument_ = nullptr; // where the lists were picked
    std::vector<model::Element*> initial_;
    std::vector<model::Element*> final_;
    Choosing choosing_ = Choosing::None;
    MacroDialogState state_;
    std::optional<document::Macro> applying_;
};

} // namespace zeva::ui
