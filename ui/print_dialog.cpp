#include "ui/print_dialog.h"

#include "document/document.h"
#include "platform/qt_canvas.h"
#include "settings/text_table.h"
#include "ui/document_view.h"
#include "ui/page_drawing.h"
#include "ui/ui_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

constexpr int kPreviewMargin = 4;
constexpr int kMaxCopies = 999;
constexpr QRgb kPageColour = qRgb(0x00, 0xFF, 0xFF); // 0xFFFF00 as the figure writes colours

QSlider* slider(QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(0, kSliderMax);
    s->setPageStep(kSliderMax / 20);
    s->setMinimumWidth(200);
    return s;
}

void showBox(QWidget* parent, QMessageBox::Icon icon, int slot) {
    QMessageBox box(icon, QStringLiteral("ZEVA"), messageText(slot), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

bool printerAvailable() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintDialog::PrintDialog(document::Document& d, const render::ViewTransform& view,
                         const render::RenderOptions& options, QPrinter& printer,
                         QWidget* parent)
    : QDialog(parent), document_(d), options_(options), printer_(printer),
      layout_(view.planeSize, {d.viewLeft, d.viewTop}, view.screenWidth, paperOf(printer)) {
    setObjectName(QStringLiteral("PrintDialog"));
    setWindowTitle(messageText(settings::kMsgPrintTitle));

    previewWidget_ = new PrintPreview(*this, this);

    Mnemonics mnemonics;
    printers_ = new QComboBox(this);
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        printers_->addItem(name, name);
    printers_->addItem(messageText(settings::kMsgPrintToPdf), QString());
    const QString current = printer.outputFormat() == QPrinter::PdfFormat ? QString()
                                                                          : printer.printerName();
    printers_->setCurrentIndex(std::max(0, printers_->findData(current)));

    copies_ = new QSpinBox(this);
    copies_->setRange(1, kMaxCopies);
    copies_->setValue(1);

    magnification_ = slider(this);
    planeSize_ = slider(this);

    auto* form = new QFormLayout;
    const auto addRow = [&](int slot, QWidget* field) {
        auto* label = new QLabel(mnemonics.mark(messageText(slot)), this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    addRow(settings::kMsgPrintPrinter, printers_);
    addRow(settings::kMsgPrintCopies, copies_);
    addRow(settings::kMsgPrintMagnification, magnification_);
    addRow(settings::kMsgPrintPlaneSize, planeSize_);

    auto* print = new QPushButton(mnemonics.mark(messageText(settings::kMsgPrintButton)), this);
    auto* setUp = new QPushButton(mnemonics.mark(messageText(settings::kMsgPrintOptions)), this);
    auto* cancel = new QPushButton(mnemonics.mark(messageText(settings::kMsgCancel)), this);
    print->setObjectName(QStringLiteral("print"));
    print->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(setUp);
    buttons->addWidget(cancel);

    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addStretch(1);
    side->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(kPreviewMargin, kPreviewMargin, 12, 12);
    top->addWidget(previewWidget_, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(side, 1);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(printers_, copies_);
    setTabOrder(copies_, magnification_);
    setTabOrder(magnification_, planeSize_);
    setTabOrder(planeSize_, print);

    magnification_->setValue(layout_.magnificationPosition());
    planeSize_->setValue(layout_.planeSizePosition());
    connect(magnification_, &QSlider::valueChanged, this, &PrintDialog::magnificationMoved);
    connect(planeSize_, &QSlider::valueChanged, this, &PrintDialog::planeSizeMoved);
    connect(printers_, &QComboBox::currentIndexChanged, this, &PrintDialog::printerChosen);
    connect(print, &QPushButton::clicked, this, [this] { printNow(); });
    connect(setUp, &QPushButton::clicked, this, &PrintDialog::setUpPrinter);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    printerChosen(printers_->currentIndex());
    copies_->setFocus();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::drawPlane() {
    plane_ = QImage(kPreviewSide, kPreviewSide, QImage::Format_RGB32);
    plane_.fill(Qt::white);
    {
        platform::QtCanvas canvas(plane_, render::CanvasRole::Miniature);
        canvas.setSmooth(options_.smooth);
        drawThroughView(document_, layout_.previewTransform(), options_, canvas);
    }
    rebuildPreview();
}

void PrintDialog::rebuildPreview() {
    preview_ = plane_.copy();
    const render::IPoint a = layout_.pagePosition();
    const render::IPoint b = layout_.pageEnd();
    QPainter p(&preview_);
    p.setBrush(Qt::NoBrush);
    // Rectangles as the figure draws them: the far corner is outside.
    p.setPen(QColor(kPageColour));
    p.drawRect(a.x, a.y, b.x - a.x - 1, b.y - a.y - 1);
    p.setPen(Qt::black);
    p.drawRect(a.x - 1, a.y - 1, b.x - a.x + 1, b.y - a.y + 1);
    p.end();
    previewWidget_->update();
}

void PrintDialog::magnificationMoved(int position) {
    layout_.setMagnificationPosition(position);
    rebuildPreview();
}

void PrintDialog::planeSizeMoved(int position) {
    layout_.setPlaneSizePosition(position);
    drawPlane();
}

void PrintDialog::printerChosen(int index) {
    const QString name = printers_->itemData(index).toString();
    if (name.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(name);
    }
    layout_.setPaper(paperOf(printer_));
    drawPlane();
}

void PrintDialog::setUpPrinter() {
    ui::setUpPrinter(this, printer_);
    layout_.setPaper(paperOf(printer_));
    rebuildPreview();
}

bool PrintDialog::printNow(const QString& pdfPath) {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        QString path = pdfPath;
        if (path.isEmpty())
            path = QFileDialog::getSaveFileName(
                this, messageText(settings::kMsgPrintTitle),
                qtText(document::bareFileName(document_.fileName.empty()
                                                  ? std::string("figura.pdf")
                                                  : document_.fileName + ".pdf")),
                QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return false;
        printer_.setOutputFileName(path);
    }
    hide();
    const bool printed = printPages(document_, layout_.pageView(), layout_.planeSize(), options_,
                                    printer_, copies_->value());
    if (!printed) showBox(parentWidget(), QMessageBox::Warning, settings::kMsgPrintFailed);
    accept();
    return printed;
}

PrintPreview::PrintPreview(PrintDialog& dialog, QWidget* parent)
    : QWidget(parent), dialog_(dialog) {
    setFixedSize(kPreviewSide, kPreviewSide);
    setMouseTracking(true);
}

QSize PrintPreview::sizeHint() const {
    return {kPreviewSide, kPreviewSide};
}

void PrintPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, dialog_.previewImage());
}

void PrintPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (dialog_.layout().press({at.x(), at.y()})) setCursor(Qt::ClosedHandCursor);
}

void PrintPreview::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    PrintLayout& layout = dialog_.layout();
    if (layout.dragging()) {
        if (layout.move({at.x(), at.y()})) dialog_.rebuildPreview();
        return;
    }
    setCursor(layout.overPage({at.x(), at.y()}) ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PrintPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dialog_.layout().release();
    const QPoint at = event->position().toPoint();
    setCursor(dialog_.layout().overPage({at.x(), at.y()}) ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

void printFigure(QWidget* parent, document::Document& d, DocumentView& view, QPrinter& printer) {
    if (!printerAvailable()) {
        showBox(parent, QMessageBox::Critical, settings::kMsgNoPrinter);
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    {
        PrintDialog dialog(d, view.transform(), view.renderContext().options, printer, parent);
        dialog.exec();
    }
    view.recomputeAll();
    view.redraw();
}

} // namespace zeva::ui
