#pragma once
// The parameter window's rules without its widgets: the value and the range of a Parámetro
// shown with 2 decimals, the track bar (0..1000) sliding the value with the figure following at
// once, typed expressions applied all together or not at all, Esc putting everything back, and
// one undo step for what the window changed.

#include "model/element.h"
#include "ui/session.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zeva::ui {

class ParameterLogic {
  public:
    enum Field { Value = 0, Minimum = 1, Maximum = 2 };
    using Texts = std::array<std::string, 3>;

    ParameterLogic(Session& session, model::Element& parameter);

    // "Modificar parámetro", then a blank and the parameter's name when it has one.
    std::string caption() const;
    // The value and the two ends as the fields show them (2 decimals).
    Texts shownTexts() const;
    // Where the track bar stands for the present value: none leaves it where it was (a value
    // outside the range).
    std::optional<int> trackPosition() const;

    // The track bar moved: value = minimum + position / 1000 * (maximum - minimum).
    void slide(int position);
    // Applies the fields the user changed (none for an untouched field). Every changed field
    // must evaluate: the first that does not is answered and nothing is applied.
    std::optional<Field> apply(const std::array<std::optional<std::string>, 3>& typed);
    // Esc: the value and range of the opening back, and the figure with them.
    void restore();
    // Closing: what differs from the opening becomes one undo step and marks the document
    // modified; nothing differs, nothing is recorded.
    void finish();

    double value() const;
    double minimum() const;
    double maximum() const;
    bool present() const;

  private:
    void write(double value, double minimum, double maximum);
    void recomputeAndRedraw(bool sliding);

    Session& s_;
    model::Element* parameter_;
    std::vector<model::Element*> dependents_; // the parameter and what is built on it
    std::array<double, 3> opening_{};
};

} // namespace zeva::ui
