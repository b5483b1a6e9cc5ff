#include "ui/macro_logic.h"

#include "document/document_file.h"
#include "document/macro_check.h"
#include "document/undo.h"
#include "macro/apply_macro.h"
#include "macro/initial_list.h"
#include "macro/macro_slots.h"
#include "macro/make_macro.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps_common.h"

#include <algorithm>
#include <unordered_set>

namespace zeva::ui {

using model::Element;
using model::ElementClass;

namespace {

using C = ElementClass;

// What the hit test offers while a macro waits for an input of class c: a point can also be
// made on a curve, an axis serves as a line, a coordinate as a number, a polygon's side as a
// segment.
AcceptRow acceptRowFor(ElementClass c) {
    AcceptRow row{};
    const auto accept = [&row](std::initializer_list<ElementClass> classes) {
        for (ElementClass k : classes)
            row[static_cast<size_t>(k)] = 1;
    };
    accept({c});
    switch (c) {
    case C::Point:
        accept({C::Line, C::Ray, C::Segment, C::Polygon, C::Circle, C::Arc, C::Conic});
        break;
    case C::Line:
        accept({C::Axes});
        break;
    case C::Number:
        accept({C::Coordinates});
        break;
    case C::Segment:
        accept({C::Polygon});
        break;
    case C::Ray:
    case C::Polygon:
    case C::Circle:
    case C::Arc:
    case C::Angle:
    case C::Locus:
    case C::Text:
    case C::Name:
    case C::Function:
    case C::Axes:
    case C::Table:
    case C::Equation:
    case C::Coordinates:
    case C::Property:
    case C::Conic:
    case C::Intersection:
    case C::Grid:
    case C::Button:
    case C::Bitmap:
        break;
    }
    return row;
}

void notifyMessage(Session& s, MessageIcon icon, int slot) {
    s.host.notify(icon, settings::texts().message(slot));
}

} // namespace

MacroTools::MacroTools(Session& session) : s_(session) {}

// ---- choosing the initial and final elements ----------------------------------------------

void MacroTools::forgetVanished() {
    document::Document* d = document();
    if (d != listsDocument_) {
        initial_.clear();
        final_.clear();
        listsDocument_ = d;
        return;
    }
    if (!d || (initial_.empty() && final_.empty())) return;
    // An undo, a deletion or a redefinition may have taken elements away since they were
    // picked.
    std::unordered_set<const Element*> present;
    for (Element* e : d->construction) {
        present.insert(e);
        for (Element* sub : model::subElementsOf(*e))
            present.insert(sub);
    }
    const auto gone = [&present](const Element* e) { return !present.count(e); };
    std::erase_if(initial_, gone);
    std::erase_if(final_, gone);
}

const std::vector<Element*>& MacroTools::initialElements() {
    forgetVanished();
    return initial_;
}

const std::vector<Element*>& MacroTools::finalElements() {
    forgetVanished();
    return final_;
}

void MacroTools::showChosen(Choosing c) {
    s_.tool.pendingInputs = listOf(c);
    if (s_.tool.pendingInputs.empty())
        steps::stopBlinking(s_);
    else
        steps::startBlinking(s_);
    redrawAndRepaint(s_);
}

void MacroTools::choose(Choosing c, ToolCode tool) {
    forgetVanished();
    applying_.reset();
    selectTool(s_, tool);
    choosing_ = c;
    showChosen(c);
}

void MacroTools::chooseInitial() {
    choose(Choosing::Initial, tool::MacroInitial);
}

void MacroTools::chooseFinal() {
    choose(Choosing::Final, tool::MacroFinal);
}

void MacroTools::elementPicked(int tool, Element& e) {
    document::Document* d = document();
    if (!d) return;
    forgetVanished();
    const Choosing c = tool == tool::MacroFinal ? Choosing::Final : Choosing::Initial;
    choosing_ = c;
    std::vector<Element*>& list = listOf(c);
    if (const auto at = std::find(list.begin(), list.end(), &e); at != list.end()) {
        list.erase(at);
    } else {
        if (c == Choosing::Final &&
            !macro::isDetermined(d->construction, macro::extendInitialList(initial_), e)) {
            notifyMessage(s_, MessageIcon::Warning, 9); // "No puede ser un elemento final"
            return;
        }
        list.push_back(&e);
    }
    showChosen(c);
}

MacroDialogState MacroTools::dialogOpened() {
    forgetVanished();
    if (choosing_ == Choosing::Initial && !final_.empty()) {
        const document::Document* d = document();
        const std::vector<Element*> determined =
            macro::determinedElements(d->construction, macro::extendInitialList(initial_));
        const std::unordered_set<const Element*> known(determined.begin(), determined.end());
        std::erase_if(final_, [&known](const Element* e) { return !known.count(e); });
    }
    const document::Document* d = document();
    state_.initialEnabled = d && (choosing_ != Choosing::None || d->construction.countOf() > 1);
    state_.finalEnabled = d && !initial_.empty();
    state_.completeEnabled = d && !initial_.empty() && !final_.empty();
    // The window belongs to the macro tool: a choosing mode ends with its blinking, and a
    // macro being applied is put down.
    if (s_.tool.active == tool::MacroInitial || s_.tool.active == tool::MacroFinal)
        selectTool(s_, tool::ApplyMacro);
    choosing_ = Choosing::None;
    applying_.reset();
    return state_;
}

bool MacroTools::hasFreeSlot() const {
    const document::Document* d = document();
    return d && static_cast<int>(d->macros.size()) < document::kMaxMacros;
}

int MacroTools::complete(const std::string& name) {
    document::Document* d = document();
    if (!d) return -1;
    if (!hasFreeSlot()) {
        notifyMessage(s_, MessageIcon::Error, settings::kMsgTooManyMacros);
        return -1;
    }
    forgetVanished();
    macro::MadeMacro made = macro::makeMacro(d->construction, initial_, final_, name);
    switch (made.problem) {
    case macro::MakeProblem::None:
        break;
    case macro::MakeProblem::NoName:
        notifyMessage(s_, MessageIcon::Warning, 16); // "Debe tener un nombre"
        return -1;
    case macro::MakeProblem::FinalNotDetermined:
        notifyMessage(s_, MessageIcon::Warning, 9);
        return -1;
    case macro::MakeProblem::NoInitialElements:
    case macro::MakeProblem::NoFinalElements:
        return -1;
    }
    const int index = macro::addMacro(*d, std::move(*made.macro));
    initial_.clear();
    final_.clear();
    state_ = {d->construction.countOf() > 1, false, false};
    return index;
}

// ---- applying -------------------------------------------------------------------------------

std::optional<ElementClass> MacroTools::expectedClass() const {
    if (!applying_) return std::nullopt;
    const size_t next = s_.tool.pendingInputs.size();
    if (next >= applying_->initialClasses.size()) return std::nullopt;
    return static_cast<ElementClass>(applying_->initialClasses[next]);
}

std::string MacroTools::prompt() const {
    const auto c = expectedClass();
    if (!c) return {};
    return applying_->name + " -> " + settings::texts().classWord(*c);
}

void MacroTools::awaitInput() {
    const auto c = expectedClass();
    s_.tool.macroNextInput = c;
    setAcceptCounts(s_, c ? acceptRowFor(*c) : AcceptRow{});
    s_.tool.toolMessage = prompt();
    s_.host.setStatusText(s_.tool.toolMessage);
}

bool MacroTools::startApplying(const document::Macro& m) {
    if (!document()) return false;
    if (!document::bodyReferencesSound(m) || m.initialClasses.empty()) {
        s_.host.notify(MessageIcon::Error,
                       settings::texts().extraMessage(settings::kExtraMacroDamaged));
        return false;
    }
    selectTool(s_, tool::ApplyMacro);
    applying_ = macro::copyMacro(m);
    choosing_ = Choosing::None;
    awaitInput();
    return true;
}

void MacroTools::startNextSet() {
    ToolState& t = s_.tool;
    t.pendingInputs.clear();
    t.step = 0;
    t.auxiliaryPointMade = false;
    t.snapshotTaken = false;
    steps::stopBlinking(s_);
    redrawAndRepaint(s_);
    awaitInput();
}

void MacroTools::instantiate(Point lastClick) {
    document::Document& d = *document();
    const std::vector<Element*> picked = s_.tool.pendingInputs;
    takeSnapshot(s_); // once for the whole set: taken already when a click made a point
    macro::Applied applied;
    {
        edit::Edit change(d, s_.view().recomputeContext(), edit::UndoStep::Continue);
        applied = macro::applyMacro(change, *applying_, picked, lastClick,
                                    settings::options().hideIntermediate != 0);
        change.commit();
    }
    if (applied.problem != macro::ApplyProblem::None) {
        // Nothing was built: the points made for this set go as well.
        if (s_.tool.auxiliaryPointMade) {
            document::undo(d);
            recomputeAll(s_);
        }
        s_.host.notify(MessageIcon::Error,
                       settings::texts().extraMessage(settings::kExtraMacroDamaged));
    }
    startNextSet();
}

void MacroTools::inputClicked(Element* hit, Point world) {
    const auto expected = expectedClass();
    if (!expected || !document() || s_.tool.active != tool::ApplyMacro) return;
    // Inputs an undo or a deletion took away start the set again.
    for (Element* e : s_.tool.pendingInputs) {
        if (!isInDocument(s_, e)) {
            startNextSet();
            return inputClicked(hit, world);
        }
    }
    Element* input = nullptr;
    if (*expected == ElementClass::Point) {
        input = steps::pointPick(s_, hit, world);
    } else if (hit) {
        input = *expected == ElementClass::Segment ? steps::straightOf(s_, hit) : hit;
    }
    if (!input || input->elementClass() != *expected) return;
    steps::append(s_, input);
    if (s_.tool.pendingInputs.size() == applying_->initialClasses.size()) {
        instantiate(world);
        return;
    }
    awaitInput();
}

// ---- the document's macros ------------------------------------------------------------------

int MacroTools::loadFile(const std::string& path) {
    document::Document* d = document();
    if (!d) return -1;
    if (!hasFreeSlot()) {
        notifyMessage(s_, MessageIcon::Error, settings::kMsgTooManyMacros);
        return -1;
    }
    if (!s_.documents.loadMacroFile(*d, path)) {
        notifyMessage(s_, MessageIcon::Error, settings::kMsgInvalidFile);
        return -1;
    }
    return static_cast<int>(d->macros.size()) - 1;
}

bool MacroTools::saveFile(int index, const std::string& path) {
    const document::Document* d = document();
    if (!d || index < 0 || index >= static_cast<int>(d->macros.size())) return false;
    if (document::writeMacroFile(d->macros[static_cast<size_t>(index)], path)) return true;
    notifyMessage(s_, MessageIcon::Warning, settings::kMsgWriteError);
    return false;
}

int MacroTools::copyFrom(const document::Document& from, int index) {
    document::Document* d = document();
    if (!d || index < 0 || index >= static_cast<int>(from.macros.size())) return -1;
    if (!hasFreeSlot()) {
        notifyMessage(s_, MessageIcon::Error, settings::kMsgTooManyMacros);
        return -1;
    }
    return macro::addMacro(*d, macro::copyMacro(from.macros[static_cast<size_t>(index)]));
}

std::vector<MacroMenuGroup> MacroTools::otherDocumentsMacros() const {
    std::vector<MacroMenuGroup> out;
    for (const auto& d : s_.documents.documents()) {
        if (d.get() == document() || d->macros.empty()) continue;
        MacroMenuGroup g{d.get(), document::captionOf(*d), {}};
        for (const auto& m : d->macros)
            g.names.push_back(m.name);
        out.push_back(std::move(g));
    }
    return out;
}

} // namespace zeva::ui
