#pragma once
// The commands of the "&Archivo" menu, the clipboard part of "&Edición" and the "&Documento"
// menu, one function each. Those whose windows or storage come later show "not available yet".

class QString;

namespace zeva::ui {

class MainWindow;

namespace file_commands {

void newDocument(MainWindow& w);
void open(MainWindow& w);
void save(MainWindow& w);
void saveAs(MainWindow& w);
void exportDrawing(MainWindow& w);
void close(MainWindow& w);
void closeAll(MainWindow& w);
void print(MainWindow& w);
void printSetup(MainWindow& w);
void clearRecentFiles(MainWindow& w);
void exit(MainWindow& w);

void cut(MainWindow& w);
void copy(MainWindow& w);
void paste(MainWindow& w);
void deleteSelection(MainWindow& w);
void selectAll(MainWindow& w);
void copyPicture(MainWindow& w);
void pastePicture(MainWindow& w);
void deleteAll(MainWindow& w);

void nextDocument(MainWindow& w);
void previousDocument(MainWindow& w);
void documentsList(MainWindow& w);

// Leaving the program: every document closed in turn, asking to save the modified ones. False
// when the user cancelled: the program goes on.
bool closeEverything(MainWindow& w);

} // namespace file_commands
} // namespace zeva::ui
