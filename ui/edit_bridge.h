#pragma once
// EDIT: stands in for the edit layer's transaction (edit::Edit) and the dependency lists
// (model/dependencies.h) until they are on main; the interaction modules call them with the
// same names and contracts, so switching over is a change of includes and namespaces.

#include "document/document.h"
#include "geometry/recompute.h"
#include "model/construction.h"

#include <span>
#include <vector>

namespace zeva::ui::bridge {

enum class UndoStep { Checkpoint, Continue };
enum class Redraw { None, Redraw };

// One change of the construction: the undo snapshot at construction (Checkpoint), reports of
// what changed, and commit() marking the document modified and recomputing what was reported.
class Edit {
  public:
    Edit(document::Document& document, const geometry::RecomputeContext& context, UndoStep step);
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    document::Document& document() { return document_; }
    model::Construction& construction() { return document_.construction; }
    const geometry::RecomputeContext& context() const { return context_; }

    void created(model::Element& e);
    void changed(model::Element& e);
    // Elements gathered earlier in recompute order (a drag's dependents); must outlive commit().
    void changedGathered(std::span<model::Element* const> inOrder);
    void recomputeAll();
    void changedWithoutRecompute();
    bool hasChanges() const { return changes_; }
    Redraw commit();

  private:
    document::Document& document_;
    geometry::RecomputeContext context_;
    bool committed_ = false;
    bool changes_ = false;
    bool all_ = false;
    std::vector<model::Element*> created_;
    std::vector<model::Element*> changed_;
    std::vector<std::span<model::Element* const>> gathered_;
};

// The sources and everything depending on them, in construction order.
std::vector<model::Element*> withDependents(const model::Construction& c,
                                            std::span<model::Element* const> sources);
// Whether e (or its owner, for a sub-element) depends on `on`.
bool dependsOn(const model::Construction& c, const model::Element& e, const model::Element& on);
// The ancestors a drag of e can move (parents and tail references, not numbers; of a locus
// only its traced element), in construction order.
std::vector<model::Element*> movableAncestorsOf(const model::Construction& c,
                                                const model::Element& e);
// The same for several elements at once, in one walk; none of `elements` is in the answer
// unless another of them is built on it.
std::vector<model::Element*> movableAncestorsOfAll(const model::Construction& c,
                                                   std::span<model::Element* const> elements);

} // namespace zeva::ui::bridge
