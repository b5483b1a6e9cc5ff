#include "ui/field_warning.h"

#include <QLineEdit>
#include <QMessageBox>

namespace zeva::ui {

void refuseField(QWidget* parent, QLineEdit* field, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("ZEVA"), text);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace zeva::ui
