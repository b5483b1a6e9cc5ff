#pragma once
// The figure clipboard on the system clipboard. "Copiar" puts the copied figure there as
// document file bytes under a type of its own, so another running copy of the program can paste
// it too; the copy last made here is kept as well, for when the system clipboard is not
// available. Pictures ("Copiar al portapapeles", "Pegar imagen") go as images.

#include "document/document_set.h"
#include "model/element.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace zeva::ui {

inline const QString kFigureMimeType = QStringLiteral("application/x-zeva-figure");

class FigureClipboard {
  public:
    // "Copiar" from `source` gave `bytes`: they go on the system clipboard, and the paste
    // counts start again (one step in the source, none elsewhere).
    void copied(document::DocumentSet& set, const document::Document& source,
                std::vector<uint8_t> bytes);

    // Whether "Pegar" has something to paste.
    bool canPaste() const;
    // What "Pegar" pastes: the figure on the system clipboard, else the last copy made here.
    // A figure another program put there pastes into every document as into another document.
    std::optional<std::vector<uint8_t>> toPaste(document::DocumentSet& set);

  private:
    std::optional<std::vector<uint8_t>> onSystemClipboard() const;

    std::vector<uint8_t> last_; // the last figure copied or pasted here
};

// "Copiar al portapapeles": the picture on the system clipboard.
void putPictureOnClipboard(const QImage& picture);
// "Pegar imagen": the clipboard's picture as the BMP image documents keep; empty when none.
model::Picture pictureOnClipboard();
bool clipboardHasPicture();

} // namespace zeva::ui
