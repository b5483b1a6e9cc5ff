#pragma once
// A plain window for widget tests of the editor's tool windows: one document drawn on a Qt
// bitmap in a drawing area, with a status bar, implementing the Host and View the interaction
// logic talks to. Requests to other windows are ignored; timers are the test's to fire.

#include "document/document_set.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/drawing_area.h"
#include "ui/host.h"
#include "ui/session.h"

#include <QMainWindow>
#include <QStatusBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zeva::ui::testing {

class FigureWindow : public QMainWindow, public Host, public View {
  public:
    document::DocumentSet documents;
    render::ViewTransform transformValue;
    render::RenderContext ctx;
    QImage bitmap;
    QImage traces;
    std::unique_ptr<platform::QtCanvas> canvas;
    std::unique_ptr<platform::QtCanvas> traceCanvas;
    DrawingArea* area = nullptr;
    std::unique_ptr<Session> session;
    std::function<void(bool)> onHideToolWindows;
    std::function<void(model::Element&)> onAnimationPick;
    std::function<void(model::Element*, Point)> onMacroInput;
    std::function<void(int, model::Element&)> onMacroPick;
    std::vector<std::string> notices; // texts of the "ZEVA" boxes asked for
    // The windows' requests, for tests of the windows that answer them.
    std::function<void(int, model::Element*)> onOpenCalculator;
    std::function<void(model::Element&)> onOperandPicked;
    std::function<void(model::Element&)> onOpenParameter;
    std::function<void(model::Element&)> onOpenElementEditor;
    std::function<void(model::Element*, model::Element*)> onOpenPointByCoordinates;
    std::function<void(model::Element&, model::Element&, bool)> onOpenParametricColour;
    int toolShown = -1;

    explicit FigureWindow(QSize client = {1000, 640}) {
        area = new DrawingArea(this);
        setCentralWidget(area);
        statusBar()->showMessage(QStringLiteral(" "));
        area->setFixedSize(client);
        bitmap = QImage(client.width() + 1, client.height() + 1, QImage::Format_RGB32);
        traces = QImage(bitmap.size(), QImage::Format_RGB32);
        canvas = std::make_unique<platform::QtCanvas>(bitmap, render::CanvasRole::Main);
        traceCanvas = std::make_unique<platform::QtCanvas>(traces, render::CanvasRole::Trace);
        area->setSource([this]() -> const QImage& { return bitmap; });
        documents.environment.clientWidth = client.width();
        documents.environment.clientHeight = client.height();
        documents.environment.screen = {client.width(), client.height()};
        documents.newDocument();
        transformValue.screenWidth = transformValue.clientWidth = client.width();
        transformValue.screenHeight = transformValue.clientHeight = client.height();
        render::setPlaneSize(transformValue, settings::options().planeSize);
        render::loadView(transformValue, document());
        ctx.view = &transformValue;
        ctx.traceCanvas = traceCanvas.get();
        ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
        render::clearSurface(renderContext(), *traceCanvas);
        session = std::make_unique<Session>(*this, documents);
    }

    document::Document& document() { return *documents.current(); }
    // Opens a document file in place of the empty one and shows its saved view.
    bool openDocument(const std::string& path) {
        if (documents.open(path).status != document::OpenStatus::Opened) return false;
        render::loadView(transformValue, document());
        refigure();
        return true;
    }
    // Recomputes everything, redraws and repaints.
    void refigure() {
        geometry::recomputeAll(document().construction, recomputeContext());
        redraw();
        repaint();
    }

    // ---- View ----
    const render::ViewTransform& transform() const override { return transformValue; }
    render::RenderContext& renderContext() override {
        ctx.document = documents.current();
        return ctx;
    }
    geometry::RecomputeContext recomputeContext() override {
        return render::recomputeContextFor(*documents.current(), transformValue);
    }
    void redraw() override {
        render::redrawAll(renderContext(), *canvas);
        canvas->flush();
    }
    render::Canvas& baseCanvas() override { return *canvas; }
    render::Canvas& beginPreview() override { return *canvas; }
    void scrollTo(double left, double top) override {
        document().viewLeft = left;
        document().viewTop = top;
        render::loadView(transformValue, document());
    }
    void setPlaneSize(double planeSize) override {
        render::setPlaneSize(transformValue, planeSize);
    }

    // ---- Host ----
    View& view() override { return *this; }
    void setStatusText(const std::string& text) override {
        status_ = text;
        statusBar()->showMessage(QString::fromStdString(text));
    }
    const std::string& statusText() const override { return status_; }
    void setCursor(int) override {}
    void showCursorLabel(const CursorLabel&) override {}
    void startTimer(TimerId, int) override {}
    void stopTimer(TimerId) override {}
    bool timerRunning(TimerId) const override { return false; }
    void notify(MessageIcon, const std::string& text) override { notices.push_back(text); }
    void repaint() override { area->update(); }
    void captureMouse(bool) override {}
    void viewMoved() override {}
    std::optional<render::IPoint> cursorPosition() const override { return std::nullopt; }
    bool windowActive() const override { return true; }
    void toolChanged(int t) override { toolShown = t; }
    void hideToolWindows(bool keepAnimation) override {
        if (onHideToolWindows) onHideToolWindows(keepAnimation);
    }
    void openChooser(const std::vector<std::string>&, render::IPoint) override {}
    void openTextDialog(const TextDialogRequest&) override {}
    void openFontDialog(const model::ElementFont&) override {}
    void openPictureDialog() override {}
    void openParametricColour(model::Element& target, model::Element& source, bool fill) override {
        if (onOpenParametricColour) onOpenParametricColour(target, source, fill);
    }
    void openElementEditor(model::Element& e) override {
        if (onOpenElementEditor) onOpenElementEditor(e);
    }
    void openCalculator(int tool, model::Element* e) override {
        if (onOpenCalculator) onOpenCalculator(tool, e);
    }
    void openParameterWindow(model::Element& e) override {
        if (onOpenParameter) onOpenParameter(e);
    }
    void openPointByCoordinates(model::Element* plotted, model::Element* axes) override {
        if (onOpenPointByCoordinates) onOpenPointByCoordinates(plotted, axes);
    }
    void calculatorOperandPicked(model::Element& e) override {
        if (onOperandPicked) onOperandPicked(e);
    }
    void macroInputClicked(model::Element* e, Point world) override {
        if (onMacroInput) onMacroInput(e, world);
    }
    void macroElementPicked(int tool, model::Element& e) override {
        if (onMacroPick) onMacroPick(tool, e);
    }
    void animationElementPicked(model::Element& e) override {
        if (onAnimationPick) onAnimationPick(e);
    }
    void setWaitCursor(bool) override {}

  private:
    std::string status_;
};

} // namespace zeva::ui::testing
