// The animation tool (46): a pick puts the element in motion.
#include "edit/animation.h"
#include "ui/animation_control.h"
#include "ui/construction_change.h"

namespace zeva::ui {

void animationToolStep(Session& s, model::Element& hit) {
    document::Document* d = s.document();
    if (!d || !edit::addOrRestartAnimation(d->construction, hit)) return;
    markModified(s);
    s.host.animationElementPicked(hit);
    redrawAndRepaint(s);
}

} // namespace zeva::ui
