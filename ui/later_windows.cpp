#include "ui/later_windows.h"

#include "settings/text_table.h"

#include <QMessageBox>

namespace zeva::ui {

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

QString notYetAvailableText(ToolCode tool) {
    const settings::TextTable& t = settings::texts();
    return fromUtf8(t.message(settings::kMsgNotYetAvailable)) + QLatin1Char(' ') +
           fromUtf8(t.toolText(tool));
}

void showNotYetAvailable(QWidget* parent, ToolCode tool) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("ZEVA"),
                                notYetAvailableText(tool), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace zeva::ui
