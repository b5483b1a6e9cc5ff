#pragma once
// The print dialog: the whole plane in a 340 x 340 preview with the printed page as a rectangle
// the user drags, the plane size and the magnification, the number of copies, the printer (or a
// PDF file), the printer set-up, and printing with the same renderer on the printer.

#include "render/render_context.h"
#include "ui/print_layout.h"

#include <QDialog>
#include <QImage>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPrinter;
class QSlider;
class QSpinBox;

namespace zeva::document {
struct Document;
}

namespace zeva::ui {

class DocumentView;
class PrintPreview;

// Where the figure goes.
struct PrintTarget {
    QString printerName; // empty: a PDF file
    QString pdfPath;     // for a PDF file, the path asked when printing
};

class PrintDialog : public QDialog {
    Q_OBJECT
  public:
    // Prints `d` as `view` shows it (its plane size, view corner and screen) on `printer`. The
    // document is recomputed for the preview; the caller recomputes it for the window after.
    PrintDialog(document::Document& d, const render::ViewTransform& view,
                const render::RenderOptions& options, QPrinter& printer,
                QWidget* parent = nullptr);
    ~PrintDialog() override;

    PrintLayout& layout() { return layout_; }
    const QImage& previewImage() const { return preview_; }
    PrintPreview* preview() const { return previewWidget_; }
    QSlider* magnificationSlider() const { return magnification_; }
    QSlider* planeSizeSlider() const { return planeSize_; }
    QSpinBox* copiesBox() const { return copies_; }
    QComboBox* printerBox() const { return printers_; }

    // "imprimir": hides the dialog, prints, closes it. A PDF target asks for the file first
    // (unless `pdfPath` is given). False when nothing was printed.
    bool printNow(const QString& pdfPath = QString());

    // Rebuilds the preview from the plane picture and the page rectangle.
    void rebuildPreview();

  private:
    void drawPlane();
    void magnificationMoved(int position);
    void planeSizeMoved(int position);
    void printerChosen(int index);
    void setUpPrinter();

    document::Document& document_;
    render::RenderOptions options_;
    QPrinter& printer_;
    PrintLayout layout_;
    QImage plane_;
    QImage preview_;
    PrintPreview* previewWidget_ = nullptr;
    QSlider* magnification_ = nullptr;
    QSlider* planeSize_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QComboBox* printers_ = nullptr;
};

// The preview area: paints the dialog's preview picture and drags the page rectangle.
class PrintPreview : public QWidget {
    Q_OBJECT
  public:
    PrintPreview(PrintDialog& dialog, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    PrintDialog& dialog_;
};

// Whether any printer is installed.
bool printerAvailable();

// The print command: the no-printer message when none is installed (a PDF file can still be
// written), then the dialog over `parent`; afterwards the window's view is recomputed and
// redrawn.
void printFigure(QWidget* parent, document::Document& d, DocumentView& view, QPrinter& printer);

// "Configurar Impresión...": the printer's page set-up dialog.
void setUpPrinter(QWidget* parent, QPrinter& printer);

} // namespace zeva::ui
