#pragma once
// "Acerca de ZEVA...": the program's title, what it is, its version and licence.

#include <QDialog>

namespace zeva::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// The program's version ("3.0.0").
QString programVersion();

// Shows the about box and waits for it to close.
void showAbout(QWidget* parent);

} // namespace zeva::ui
