#pragma once
// A window for benchmarks of the interaction logic: it shows nothing and answers nothing. A
// benchmark derives from it and gives the view it draws on (and what else it measures).

#include "ui/host.h"

#include <string>

namespace zeva::bench {

class QuietHost : public ui::Host {
  public:
    std::string status;

    void setStatusText(const std::string& text) override { status = text; }
    const std::string& statusText() const override { return status; }
    void setCursor(int) override {}
    void showCursorLabel(const ui::CursorLabel&) override {}
    void startTimer(ui::TimerId, int) override {}
    void stopTimer(ui::TimerId) override {}
    bool timerRunning(ui::TimerId) const override { return false; }
    void notify(ui::MessageIcon, const std::string&) override {}
    void repaint() override {}
    void captureMouse(bool) override {}
    void viewMoved() override {}
    std::optional<render::IPoint> cursorPosition() const override { return std::nullopt; }
    bool windowActive() const override { return true; }
    void toolChanged(int) override {}
    void hideToolWindows(bool) override {}
    void openChooser(const std::vector<std::string>&, render::IPoint) override {}
    void openTextDialog(const ui::TextDialogRequest&) override {}
    void openFontDialog(const model::ElementFont&) override {}
    void openPictureDialog() override {}
    void openParametricColour(model::Element&, model::Element&, bool) override {}
    void openElementEditor(model::Element&) override {}
    void openCalculator(int, model::Element*) override {}
    void openParameterWindow(model::Element&) override {}
    void openPointByCoordinates(model::Element*, model::Element*) override {}
    void calculatorOperandPicked(model::Element&) override {}
    void macroInputClicked(model::Element*, Point) override {}
    void macroElementPicked(int, model::Element&) override {}
    void animationElementPicked(model::Element&) override {}
    void setWaitCursor(bool) override {}
};

} // namespace zeva::bench
