#include "ui/options_menu.h"

#include "platform/drawing_settings.h"
#include "settings/text_table.h"
#include "ui/options_commands.h"
#include "ui/ui_text.h"

#include <QMessageBox>
#include <QWidget>

namespace zeva::ui {

namespace {

WindowPlacement placementOf(const QWidget* window) {
    WindowPlacement p;
    const Qt::WindowStates s = window->windowState();
    p.state = s.testFlag(Qt::WindowMaximized) ? 2 : s.testFlag(Qt::WindowMinimized) ? 1 : 0;
    // The rectangle of the normal state, which is what comes back when it is restored.
    const QRect r = window->normalGeometry().isValid() ? window->normalGeometry()
                                                       : window->geometry();
    p.left = r.left();
    p.top = r.top();
    p.width = r.width();
    p.height = r.height();
    return p;
}

} // namespace

bool runSaveOptions(QWidget* window, settings::Options& options, const document::Document* current,
                    const std::filesystem::path& optionsFile) {
    const QMessageBox::StandardButton answer = QMessageBox::information(
        window, QStringLiteral("ZEVA"), messageText(settings::kMsgSaveOptions),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) return false;
    const bool written = saveOptions(optionsFile, options, current, placementOf(window));
    platform::writeSmoothDrawing(options.smoothDrawing != 0);
    if (!written)
        QMessageBox::critical(window, QStringLiteral("ZEVA"),
                              messageText(settings::kMsgWriteError));
    return written;
}

void runLoadOriginalOptions(settings::Options& options, document::Document* current) {
    loadOriginalOptions(options, current);
}

} // namespace zeva::ui
