#pragma once
// The help window: the pages of the help book of the interface language, with links, back and
// forward, the contents, and a search within the page (Ctrl+F). One window serves every help
// command; each command brings it forward on its page.

#include "ui/program_folders.h"

#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <vector>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace zeva::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page (a local HTML file, with an optional #anchor in the URL).
    void openPage(const QUrl& page);
    // Follows a link of the page shown: pages of the book in this window, web and mail addresses
    // outside; a page that is missing is reported and the window stays where it is.
    void followLink(const QUrl& link);
    // Selects the next (or previous) match of the text in the page, wrapping round; false when
    // the page does not hold it.
    bool find(const QString& text, bool backward = false);
    // Reads the window's texts again from the text table.
    void retranslate();
    // Where "Contenidos" looks for the contents page.
    void setDataFolders(std::vector<std::filesystem::path> folders) { dataFolders_ = std::move(folders); }

    QTextBrowser* browser() const { return browser_; }
    QLineEdit* findField() const { return findField_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showTitle();
    void findFromField(bool backward);

    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QLabel* findLabel_ = nullptr;
    QLineEdit* findField_ = nullptr;
    std::vector<std::filesystem::path> dataFolders_ = programDataFolders();
};

// The help commands. Each finds its page in the book of the interface language (the folder
// beside the program first, then the installed one) and shows it in the help window, which it
// answers; when the page is missing it shows "No se ha encontrado el archivo de ayuda" and
// answers none.
HelpWindow* showHelpContents(QWidget* parent,
                             const std::vector<std::filesystem::path>& dataFolders =
                                 programDataFolders());
HelpWindow* showHelpTopic(QWidget* parent, int topic,
                          const std::vector<std::filesystem::path>& dataFolders =
                              programDataFolders());
// "Página actual" (F1): the page of the tool in hand.
HelpWindow* showHelpForTool(QWidget* parent, int toolCode,
                            const std::vector<std::filesystem::path>& dataFolders =
                                programDataFolders());
// "Novedades".
HelpWindow* showWhatsNew(QWidget* parent, const std::vector<std::filesystem::path>& dataFolders =
                                              programDataFolders());

} // namespace zeva::ui
