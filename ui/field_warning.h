#pragma once
// A refused entry in a dialog: a warning captioned "ZEVA", then the dialog stays open with the
// bad text selected in its field, so the user can retype it at once.

#include <QString>

class QLineEdit;
class QWidget;

namespace zeva::ui {

// Shows `text` over `parent` (waits for the box), then focuses `field` and selects its text.
void refuseField(QWidget* parent, QLineEdit* field, const QString& text);

} // namespace zeva::ui
