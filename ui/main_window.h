#pragma once
// The editor's main window.

#include <QMainWindow>
#include <QString>

namespace zeva::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& documentPath = QString(), QWidget* parent = nullptr);
};

}  // namespace zeva::ui
