// The keys the logic handles itself: Esc leaves any tool, Ctrl suppresses detection, + and -
// change the number of points of the selected loci.
#include "geometry/locus.h"
#include "edit/edit.h"
#include "model/dependencies.h"
#include "ui/hit_test.h"
#include "ui/navigation.h"
#include "ui/tool_selection.h"

#include <algorithm>

namespace zeva::ui {

namespace {

using model::Element;

constexpr int kLocusPointsPerKey = 5;
constexpr int kFewestLocusPoints = 10;
constexpr int kMostLocusPoints = 10000;

// The selected loci whose number of points the keys change: not those driven on a grid (they
// have one point per grid node).
std::vector<Element*> selectedLoci(const document::Document& d) {
    std::vector<Element*> loci;
    for (Element* e : d.construction) {
        if (!e->selected || e->kind != model::Kind::Locus) continue;
        const Element* driving = model::drivingPointOf(e);
        if (driving && driving->kind != model::Kind::GridPoint) loci.push_back(e);
    }
    return loci;
}

// One key of a run: every selected locus gets `change` more points; the run takes one undo
// step however long the key repeats.
void changeLocusPoints(Session& s, int change) {
    document::Document* d = s.document();
    NavigationState& n = s.navigation;
    if (!d) return;
    n.keyRun = true;
    const std::vector<Element*> loci = selectedLoci(*d);
    std::vector<Element*> changed;
    for (Element* locus : loci) {
        const int count = std::clamp(locus->samples().capacity + change, kFewestLocusPoints,
                                     kMostLocusPoints);
        if (count != locus->samples().capacity) changed.push_back(locus);
    }
    if (changed.empty()) return;
    edit::Edit edit(*d, s.view().recomputeContext(),
                      n.keyRunChanged ? edit::UndoStep::Continue : edit::UndoStep::Checkpoint);
    n.keyRunChanged = true;
    for (Element* locus : changed) {
        locus->samples().resize(std::clamp(locus->samples().capacity + change,
                                           kFewestLocusPoints, kMostLocusPoints));
        edit.changed(*locus); // sampled again with its dependents
    }
    edit.commit();
    // The loci are drawn unselected while the key runs, so their new points can be seen.
    for (Element* locus : loci)
        locus->selected = 0;
    s.view().redraw();
    s.host.repaint();
    for (Element* locus : loci)
        locus->selected = 1;
}

} // namespace

void keyDown(Session& s, const KeyEvent& e) {
    switch (e.key) {
    case Key::Escape:
        selectTool(s, tool::Move);
        hitTestAtCursor(s);
        s.host.repaint();
        return;
    case Key::Plus:
    case Key::Minus:
        if (s.tool.active == tool::Move)
            changeLocusPoints(s, e.key == Key::Plus ? kLocusPointsPerKey : -kLocusPointsPerKey);
        return;
    case Key::Control: // the editor has cleared the hover; moves with Ctrl detect nothing
    case Key::Shift:
    case Key::Other:
        return;
    }
}

void keyUp(Session& s, const KeyEvent& e) {
    NavigationState& n = s.navigation;
    if (!n.keyRun || e.autoRepeat) return;
    n.keyRun = false;
    n.keyRunChanged = false;
    if (!s.document()) return;
    s.view().redraw();
    hitTestAtCursor(s);
    s.host.repaint();
}

} // namespace zeva::ui
