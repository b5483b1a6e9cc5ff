#pragma once
// The window's captions and hints follow the text table. Each control is tagged once, when it is
// made, with the key or tool its text comes from; applyInterfaceTexts then gives every tagged
// control under a widget its text, at start and again after each language load (the
// dialogs read the table each time they open, so only the lasting controls need this).

#include <QString>

class QAction;
class QObject;
class QWidget;

namespace zeva::ui {

// A menu item's caption from a language-file key (a menu caption key such as 556 "&Nuevo", a
// message key 1000 + n, or any other key of the table).
void setCaptionKey(QAction* action, int key);
// A tool's menu item: caption and status tip are the tool's text (slot = ToolCode).
void setToolCaption(QAction* action, int tool);
// A tool button's hint (tool tip) is the tool's text.
void setToolHint(QWidget* button, int tool);
// A button's hint from a key (541 colour button, 545 "Ver lo oculto", ...).
void setHintKey(QWidget* button, int key);

// The text a tag gives now: the table's text of the key or tool.
QString captionOfKey(int key);
QString textOfTool(int tool);

// Gives every tagged action and widget owned by `root` (and `root` itself) its text from the
// current text table.
void applyInterfaceTexts(QObject* root);

} // namespace zeva::ui
