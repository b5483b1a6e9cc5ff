#include "tests/soak/user_soak.h"

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "edit/clipboard.h"
#include "edit/delete.h"
#include "edit/edit.h"
#include "render/recording_canvas.h"
#include "render/renderer.h"
#include "tests/editor/drawn_pixel.h"
#include "tests/editor/fake_host.h"
#include "tests/support/on_element.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace zeva::soak {
namespace {

constexpr int kMaxPastedFigure = 2000;

using ui::MouseButton;
using ui::MouseEvent;
using ui::testing::FakeHost;

// A check failed: carries its text up to runSoak.
struct Broken : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A 2 x 2 picture, 24 bits per pixel, as a picture dialog hands over a loaded file.
model::Picture tinyPicture() {
    std::vector<uint8_t> bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file header
                                40,  0,   0,  0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, // info
                                0,   0,   0,  0, 16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,
                                0,   0,   0,  0, 0, 0, 0, 0};
    for (int row = 0; row < 2; ++row) {
        const uint8_t px[] = {0, 0, 255, 0, 255, 0, 0, 0}; // two pixels and row padding
        bmp.insert(bmp.end(), std::begin(px), std::end(px));
    }
    model::Picture p;
    p.bmp = std::move(bmp);
    return p;
}

class RandomUser {
  public:
    explicit RandomUser(const SoakSettings& s) : settings_(s), rng_(s.seed) {
        documents_.environment.clientWidth = 1024;
        documents_.environment.clientHeight = 768;
        documents_.environment.screen = {1024, 768};
        documents_.environment.planeSize = host_.fakeView.transformValue.planeSize;
        host_.fakeView.documents = &documents_;
        const document::OpenResult opened = documents_.open(s.document);
        if (opened.status != document::OpenStatus::Opened)
            throw std::runtime_error("cannot open " + s.document);
        host_.fakeView.scrollTo(doc().viewLeft, doc().viewTop);
        editor_.selectTool(ui::tool::Move);
    }

    // One user action; answers the windows it opened as the user would.
    void step(int64_t n) {
        event_ = n;
        const size_t openedBefore = host_.opened.size();
        act();
        answerWindows(openedBefore);
    }

    // The invariants; throws Broken with the reason.
    void check() {
        // A user saves with no construction in progress: leaving it is part of the check.
        editor_.selectTool(ui::tool::Move);
        checkIntersections();
        checkSaveAndReadBack();
        checkUndoTwice();
        drawEverything();
    }

    int elementCount() { return doc().construction.countOf(); }

    std::string history() const {
        std::string out;
        for (const std::string& h : history_) out += "\n    " + h;
        return out;
    }

  private:
    document::Document& doc() { return *documents_.current(); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    void note(const std::string& what) {
        history_.push_back("#" + std::to_string(event_) + " " + what);
        while (static_cast<int>(history_.size()) > settings_.historyLength) history_.pop_front();
    }
    static std::string at(render::IPoint p) {
        return std::to_string(p.x) + "," + std::to_string(p.y);
    }

    // Where the user aims: mostly at something drawn, sometimes anywhere (even off the area).
    render::IPoint target() {
        std::vector<model::Element*> all;
        for (model::Element* e : doc().construction) all.push_back(e);
        render::RenderContext& ctx = host_.fakeView.renderContext();
        for (int attempt = 0; attempt < 3 && !all.empty() && chance(0.7); ++attempt) {
            const model::Element& e = *all[static_cast<size_t>(below(static_cast<int>(all.size())))];
            if (!render::isDrawable(ctx, e)) continue;
            render::RecordingCanvas canvas;
            render::drawElement(ctx, canvas, e, e.color, e.style);
            if (auto p = ui::testing::drawnPixel(canvas, e.elementClass())) {
                if (chance(0.3)) {
                    p->x += below(7) - 3;
                    p->y += below(7) - 3;
                }
                return *p;
            }
        }
        if (chance(0.03)) return {below(1400) - 200, below(1100) - 170};
        return {below(1024), below(768)};
    }

    ui::Modifiers modifiers() {
        ui::Modifiers m;
        m.shift = chance(0.08);
        m.ctrl = chance(0.06);
        m.alt = chance(0.02);
        return m;
    }

    MouseEvent mouse(render::IPoint p, MouseButton b, ui::Modifiers m = {}) {
        host_.cursor = p;
        MouseEvent e;
        e.x = p.x;
        e.y = p.y;
        e.button = b;
        e.modifiers = m;
        return e;
    }
    void hover(render::IPoint p, ui::Modifiers m = {}) {
        editor_.mouseMove(mouse(p, MouseButton::None, m));
    }
    void click(render::IPoint p, MouseButton b = MouseButton::Left, ui::Modifiers m = {}) {
        hover(p, m);
        editor_.mouseDown(mouse(p, b, m));
        editor_.mouseUp(mouse(p, b, m));
    }
    void drag(render::IPoint from, MouseButton b, ui::Modifiers m) {
        hover(from, m);
        editor_.mouseDown(mouse(from, b, m));
        if (chance(0.8)) fire(ui::TimerId::DragDelay);
        render::IPoint p = from;
        const int steps = 1 + below(6);
        const int reach = chance(0.1) ? 400 : 60;
        for (int i = 0; i < steps; ++i) {
            p.x += below(2 * reach + 1) - reach;
            p.y += below(2 * reach + 1) - reach;
            MouseEvent e = mouse(p, MouseButton::None, m);
            e.leftHeld = b == MouseButton::Left;
            editor_.mouseMove(e);
            if (chance(0.2)) fire(ui::TimerId::Blink);
        }
        editor_.mouseUp(mouse(p, b, m));
        note("drag " + std::string(b == MouseButton::Left ? "left" : "right") + " from " +
             at(from) + " to " + at(p));
    }
    void fire(ui::TimerId id) {
        if (host_.timerRunning(id)) editor_.timerFired(id);
    }

    void chooseTool() {
        const ui::ToolCode t = chance(0.3) ? ui::tool::Move : below(ui::kToolCount);
        editor_.selectTool(t);
        note("tool " + std::to_string(t));
    }

    // "Borrar" from the menu: the selected elements with everything built on them.
    void deleteSelected() {
        editor_.selectTool(ui::tool::Move);
        bool any = false;
        for (const model::Element* e : doc().construction) any = any || e->selected != 0;
        note(any ? "Borrar" : "Borrar (nothing selected)");
        if (!any) return;
        edit::Edit change(doc(), host_.fakeView.recomputeContext(), edit::UndoStep::Checkpoint);
        edit::deleteSelected(change);
        if (change.commit() == edit::Redraw::Redraw) host_.fakeView.redraw();
    }

    // "Copiar", "Pegar" and "Seleccionar Todo" as the Edit menu runs them.
    void copy() {
        if (auto bytes = edit::copySelection(doc())) clipboard_ = std::move(*bytes);
        note("Copiar");
    }
    void paste() {
        editor_.selectTool(ui::tool::Move);
        // Everything selected, copied and pasted doubles the figure; past the size of a large
        // classroom figure the soak stops pasting, or a long run would spend itself on checks
        // of a hundred thousand copies.
        if (doc().construction.countOf() >= kMaxPastedFigure) {
            note("Pegar (figure large enough)");
            return;
        }
        note(clipboard_.empty() ? "Pegar (nothing copied)" : "Pegar");
        if (clipboard_.empty()) return;
        {
            edit::Edit change(doc(), host_.fakeView.recomputeContext(),
                              edit::UndoStep::Checkpoint);
            edit::pasteFigure(change, clipboard_);
        }
        host_.fakeView.redraw();
    }
    void selectAll() {
        editor_.selectTool(ui::tool::Move);
        doc().construction.setSelectionAll(1);
        note("Seleccionar Todo");
    }

    void act() {
        static constexpr int kWeights[] = {10, 28, 14, 3, 4, 10, 5, 2, 6, 5, 2, 3, 2, 2, 2, 1};
        int roll = below(std::accumulate(std::begin(kWeights), std::end(kWeights), 0));
        int kind = 0;
        while (roll >= kWeights[kind]) roll -= kWeights[kind++];
        switch (kind) {
        case 0:
            chooseTool();
            break;
        case 1: {
            const render::IPoint p = target();
            click(p, MouseButton::Left, modifiers());
            note("click " + at(p));
            break;
        }
        case 2:
            drag(target(), MouseButton::Left, modifiers());
            break;
        case 3:
            drag(target(), MouseButton::Right, {});
            break;
        case 4: {
            const render::IPoint p = target();
            click(p);
            editor_.doubleClick(mouse(p, MouseButton::Left));
            editor_.mouseUp(mouse(p, MouseButton::Left));
            note("double click " + at(p));
            break;
        }
        case 5: {
            const render::IPoint p = target();
            hover(p, modifiers());
            note("hover " + at(p));
            break;
        }
        case 6: {
            ui::KeyEvent k;
            k.key = static_cast<ui::Key>(below(6));
            k.modifiers = modifiers();
            k.autoRepeat = chance(0.3);
            editor_.keyDown(k);
            if (chance(0.8)) editor_.keyUp(k);
            note("key " + std::to_string(static_cast<int>(k.key)));
            break;
        }
        case 7: {
            ui::WheelEvent w;
            w.delta = (below(2) ? 120 : -120) * (1 + below(3));
            w.modifiers = modifiers();
            editor_.wheel(w);
            note("wheel " + std::to_string(w.delta));
            break;
        }
        case 8: {
            const auto id = static_cast<ui::TimerId>(below(5));
            fire(id);
            note("timer " + std::to_string(static_cast<int>(id)));
            break;
        }
        case 9:
            editor_.undo();
            note("undo");
            break;
        case 10:
            deleteSelected();
            break;
        case 11:
        case 12: {
            const ui::ToolCode t = kind == 11 ? ui::tool::HideShow : ui::tool::DeleteElement;
            editor_.selectTool(t);
            const render::IPoint p = target();
            click(p);
            note((kind == 11 ? "hide/show " : "delete ") + at(p));
            break;
        }
        case 13:
            copy();
            break;
        case 14:
            paste();
            break;
        case 15:
            selectAll();
            break;
        }
    }

    // The windows a tool opened get the answers a user gives: a choice or none, OK or Cancel.
    void answerWindows(size_t openedBefore) {
        if (!host_.chooserItems.empty()) {
            const int n = static_cast<int>(host_.chooserItems.size());
            const int index = below(n + 1) - 1;
            host_.chooserItems.clear();
            editor_.chooserClosed(index);
            note("chooser " + std::to_string(index) + " of " + std::to_string(n));
        }
        for (size_t i = openedBefore; i < host_.opened.size(); ++i) {
            const std::string& w = host_.opened[i];
            if (w == "text") {
                ui::TextDialogAnswer a;
                a.accepted = chance(0.7);
                static const char* const kLines[] = {"", "A", "soak ñandú", "x = %1",
                                                     "una línea bastante más larga que otras"};
                for (int l = below(3) + (a.accepted ? 0 : 1); l > 0; --l)
                    a.lines.push_back(kLines[below(5)]);
                if (host_.textRequest) a.font = host_.textRequest->font;
                a.font.size = 1 + below(60);
                editor_.textDialogClosed(a);
            } else if (w == "font") {
                std::optional<model::ElementFont> font;
                if (host_.fontRequest && chance(0.7)) {
                    font = *host_.fontRequest;
                    font->size = 1 + below(200);
                    font->color = below(0x1000000);
                }
                editor_.fontDialogClosed(font);
            } else if (w == "picture") {
                ui::PictureAnswer a;
                a.outcome = static_cast<ui::PictureAnswer::Outcome>(below(3));
                if (a.outcome == ui::PictureAnswer::Outcome::Loaded) a.picture = tinyPicture();
                editor_.pictureDialogClosed(a);
            } else if (w == "parametric colour" || w == "parametric fill") {
                std::optional<int32_t> mode;
                if (chance(0.7)) mode = 1 + below(6);
                editor_.parametricColourClosed(mode);
            } else {
                continue; // windows that change nothing until their own buttons are used
            }
            note("answered " + w);
        }
        host_.opened.clear();
    }

    std::string dump() {
        return document::dumpJson(doc(), document::FileType::Document, document::kFileVersion) +
               " modified=" + std::to_string(doc().modified);
    }

    // A conic that stops existing keeps its last shape in memory (it comes back as it was when
    // its points allow), while a file stores no shape: a conic read back without existing has
    // none. The shape of a conic that does not exist is left out of the comparison.
    static std::string withoutShapesOfMissingConics(const std::string& dump) {
        std::string out;
        out.reserve(dump.size());
        size_t from = 0;
        while (from < dump.size()) {
            size_t end = dump.find('\n', from);
            end = end == std::string::npos ? dump.size() : end + 1;
            std::string line = dump.substr(from, end - from);
            if (line.find("\"kind\": 55,") != std::string::npos &&
                line.find("\"exists\": 0,") != std::string::npos) {
                const size_t shape = line.find(", \"conicType\"");
                const size_t close = line.rfind('}');
                if (shape != std::string::npos && close != std::string::npos && close > shape)
                    line.erase(shape, close - shape);
            }
            out += line;
            from = end;
        }
        return out;
    }

    static std::string firstDifference(const std::string& a, const std::string& b) {
        size_t i = 0;
        while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
        // From the start of the element (or the key) where they part.
        size_t from = a.rfind("{\"serial\"", i);
        if (from == std::string::npos || i - from > 400) from = i > 120 ? i - 120 : 0;
        const size_t length = i - from + 120;
        return "\n    here:  ..." + a.substr(from, length) + "\n    there: ..." +
               b.substr(from, length);
    }

    void checkIntersections() {
        for (const model::Element* e : doc().construction) {
            if (e->kind != model::Kind::Intersection || e->exists != 1) continue;
            for (const model::Element* parent : {e->parent1, e->parent2}) {
                if (!parent || !testing::judgeableCurve(*parent) || parent->exists != 1) continue;
                const Point p = e->point();
                const double scale = std::max({1.0, std::fabs(p.x), std::fabs(p.y)});
                const std::string why =
                    testing::offElement(p, *parent, testing::kOnCurve * scale);
                if (!why.empty())
                    throw Broken("intersection " + std::to_string(e->serial) + " (code " +
                                 std::to_string(e->param1) + ") not on its parent " +
                                 std::to_string(parent->serial) + ": " + why);
            }
        }
    }

    void checkSaveAndReadBack() {
        const std::vector<uint8_t> bytes = document::documentFileBytes(doc());
        document::ReadResult read = document::readFileBytes(bytes, document::ReadMode::Any);
        if (const auto* error = std::get_if<model::ReadError>(&read))
            throw Broken("the saved bytes do not read back (" + std::to_string(bytes.size()) +
                         " bytes, error " + std::to_string(static_cast<int>(error->code)) +
                         " at byte " + std::to_string(error->offset) + ")");
        document::Document copy = document::newDocument(documents_.environment);
        document::installDocumentFile(copy, std::get<document::LoadedFile>(std::move(read)),
                                      documents_.environment);
        const std::string here = withoutShapesOfMissingConics(
            document::dumpJson(doc(), document::FileType::Document, document::kFileVersion));
        const std::string there = withoutShapesOfMissingConics(
            document::dumpJson(copy, document::FileType::Document, document::kFileVersion));
        if (here != there)
            throw Broken("saving and reading back changes the dump" +
                         firstDifference(here, there));
    }

    void checkUndoTwice() {
        if (!editor_.canUndo()) return;
        const std::string before = dump();
        editor_.undo();
        editor_.undo();
        const std::string after = dump();
        if (before != after)
            throw Broken("undo followed by undo changes the dump" +
                         firstDifference(before, after));
    }

    // Every element drawn once (selection halos and traces included) on a recording canvas.
    void drawEverything() {
        render::RecordingCanvas canvas;
        render::redrawAll(host_.fakeView.renderContext(), canvas);
    }

    const SoakSettings& settings_;
    std::mt19937 rng_;
    document::DocumentSet documents_;
    FakeHost host_;
    ui::Editor editor_{host_, documents_};
    std::deque<std::string> history_;
    std::vector<uint8_t> clipboard_; // the figure last copied
    int64_t event_ = 0;
};

} // namespace

SoakOutcome runSoak(const SoakSettings& settings) {
    SoakOutcome out;
    RandomUser user(settings);
    auto fail = [&](const std::string& what) {
        out.passed = false;
        std::ostringstream s;
        s << "seed " << settings.seed << ", after event " << out.events << ": " << what
          << "\n  last events:" << user.history()
          << "\n  replay: zeva_soak --seed " << settings.seed << " --events " << out.events
          << " --check-every " << settings.checkEvery;
        out.failure = s.str();
    };
    try {
        while (out.events < settings.events) {
            user.step(++out.events);
            if (out.events % settings.checkEvery == 0 || out.events == settings.events) {
                user.check();
                const int n = user.elementCount();
                out.fewestElements = out.checks == 0 ? n : std::min(out.fewestElements, n);
                out.mostElements = std::max(out.mostElements, n);
                ++out.checks;
            }
        }
    } catch (const Broken& b) {
        fail(b.what());
    }
    return out;
}

} // namespace zeva::soak
