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

QString notYetAvailableText(const QString& what) {
    return fromUtf8(settings::texts().message(settings::kMsgNotYetAvailable)) + QLatin1Char(' ') +
           what;
}

void showNotYetAvailable(QWidget* parent, const QString& what) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("ZEVA"), what,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setText(notYetAvailableText(what));
    box->open();
}

void showNotYetAvailable(QWidget* parent, ToolCode tool) {
    showNotYetAvailable(parent, fromUtf8(settings::texts().toolText(tool)));
}

} // namespace zeva::ui
