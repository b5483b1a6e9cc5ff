#pragma once
// A figure window whose requests open the real calculation, parameter, element-edit,
// point-by-coordinates and parametric-colour windows, as the editor window routes them.

#include "figure_window.h"

#include "tests/support/edits.h"
#include "ui/calculator_window.h"
#include "ui/element_editor_window.h"
#include "ui/parameter_window.h"
#include "ui/point_coordinates_window.h"

#include <optional>

namespace zeva::ui::testing {

struct WindowsFigure {
    FigureWindow w;

    WindowsFigure() {
        w.onOpenCalculator = [this](int tool, model::Element* e) {
            openCalculatorWindow(&w, w.area, *w.session, tool, e);
        };
        w.onOperandPicked = [this](model::Element& e) { calculatorOperandPicked(&w, e); };
        w.onHideToolWindows = [this](bool) { hideCalculatorWindow(&w); };
        w.onOpenParameter = [this](model::Element& e) { openParameterWindow(&w, *w.session, e); };
        w.onOpenElementEditor = [this](model::Element& e) {
            openElementEditorWindow(&w, *w.session, e);
        };
        w.onOpenPointByCoordinates = [this](model::Element* plotted, model::Element* axes) {
            openPointCoordinatesWindow(&w, *w.session, plotted, axes);
        };
        w.show();
    }

    document::Document& doc() { return w.document(); }
    Session& session() { return *w.session; }

    model::Element* make(model::Kind kind, model::Element* p1 = nullptr,
                         model::Element* p2 = nullptr, double x = 0, double y = 0) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.x1 = r.x2 = x;
        r.y1 = r.y2 = y;
        edit::Edit e(doc(), w.recomputeContext(), edit::UndoStep::Continue);
        model::Element* made = edit::createElement(e, r);
        e.commit();
        return made;
    }
};

} // namespace zeva::ui::testing
