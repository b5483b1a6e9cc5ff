#pragma once
// Windows that later versions of the editor fill in (the calculation, parameter, animation,
// macro, point-by-coordinates, element-edit and parametric-colour windows). Until then a
// request for one shows a notice naming it, and the window answers as if it were cancelled.

#include "ui/tool_codes.h"

#include <QString>

class QWidget;

namespace zeva::ui {

// The notice's text: "not available yet" followed by the message of the tool it belongs to.
QString notYetAvailableText(ToolCode tool);
// Shows it in an information box captioned "ZEVA" over `parent`, without waiting.
void showNotYetAvailable(QWidget* parent, ToolCode tool);
// The same for a command that is not a tool, named by `what` (its menu caption).
QString notYetAvailableText(const QString& what);
void showNotYetAvailable(QWidget* parent, const QString& what);

} // namespace zeva::ui
