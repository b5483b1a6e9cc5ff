#include "ui/interface_texts.h"

#include "settings/text_table.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

#include <optional>

namespace zeva::ui {

namespace {

// Dynamic properties that carry the tags.
constexpr char kCaptionKey[] = "zevaCaptionKey";
constexpr char kToolCaption[] = "zevaToolCaption";
constexpr char kToolHint[] = "zevaToolHint";
constexpr char kHintKey[] = "zevaHintKey";

std::optional<int> tagOf(const QObject* o, const char* name) {
    const QVariant v = o->property(name);
    if (!v.isValid()) return std::nullopt;
    return v.toInt();
}

void applyTo(QObject* o) {
    if (auto* action = qobject_cast<QAction*>(o)) {
        if (auto key = tagOf(o, kCaptionKey)) action->setText(captionOfKey(*key));
        if (auto tool = tagOf(o, kToolCaption)) {
            action->setText(textOfTool(*tool));
            action->setStatusTip(textOfTool(*tool));
        }
        return;
    }
    if (auto* widget = qobject_cast<QWidget*>(o)) {
        if (auto tool = tagOf(o, kToolHint)) widget->setToolTip(textOfTool(*tool));
        if (auto key = tagOf(o, kHintKey)) widget->setToolTip(captionOfKey(*key));
    }
}

} // namespace

void setCaptionKey(QAction* action, int key) {
    action->setProperty(kCaptionKey, key);
    applyTo(action);
}

void setToolCaption(QAction* action, int tool) {
    action->setProperty(kToolCaption, tool);
    applyTo(action);
}

void setToolHint(QWidget* button, int tool) {
    button->setProperty(kToolHint, tool);
    applyTo(button);
}

void setHintKey(QWidget* button, int key) {
    button->setProperty(kHintKey, key);
    applyTo(button);
}

QString captionOfKey(int key) {
    return qtText(settings::texts().byKey(key));
}

QString textOfTool(int tool) {
    return qtText(settings::texts().toolText(tool));
}

void applyInterfaceTexts(QObject* root) {
    if (!root) return;
    applyTo(root);
    for (QObject* o : root->findChildren<QObject*>())
        applyTo(o);
}

} // namespace zeva::ui
