// Tools 52..54: texts (through the text dialog), hide/show buttons and pictures (through the
// picture file dialog); editing a text.
#include "render/view_transform.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps.h"
#include "ui/tool_steps_common.h"

#include <algorithm>

namespace zeva::ui {

namespace {

using model::Element;
using model::Kind;

// The lines as the text keeps them: trailing empty lines dropped.
std::vector<std::string> trimmedLines(std::vector<std::string> lines) {
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

void askForNewText(Session& s, Point world) {
    s.tool.awaiting = {AwaitedAnswer::Window::NewText, nullptr, nullptr, world, s.tool.active};
    TextDialogRequest request;
    request.font = settings::options().textFont;
    request.background = s.document()->units.backgroundColor;
    request.at = s.tool.lastPress;
    s.host.openTextDialog(request);
}

// A pick toggles the element's selection; a click on empty space makes a button that shows and
// hides the selected elements.
void buttonStep(Session& s, Point world) {
    model::Construction& c = s.document()->construction;
    if (Element* hit = steps::pickedElement(s)) {
        hit->selected = hit->selected ? 0 : 1;
        redrawAndRepaint(s);
        return;
    }
    std::vector<Element*> targets = c.selectedList();
    if (targets.empty()) return;
    ToolState& t = s.tool;
    t.request.kind = Kind::HideShowButton;
    t.request.x2 = world.x;
    t.request.y2 = world.y;
    edit::CreationInputs in;
    in.picked = std::move(targets);
    steps::finish(s, in);
    c.setSelectionAll(0);
    redrawAndRepaint(s);
}

void askForPicture(Session& s, Point world) {
    Element* hit = steps::pickedElement(s);
    s.tool.awaiting = {AwaitedAnswer::Window::Picture, hit, nullptr, world, s.tool.active};
    s.host.openPictureDialog();
}

} // namespace

namespace steps {

void objectStep(Session& s, Point world) {
    switch (s.tool.active) {
    case tool::Text:
        return askForNewText(s, world);
    case tool::HideShowButton:
        return buttonStep(s, world);
    case tool::InsertBitmap:
        return askForPicture(s, world);
    }
}

} // namespace steps

void openTextEditor(Session& s, Element& text) {
    takeEditSnapshot(s);
    s.tool.awaiting = {AwaitedAnswer::Window::EditedText, &text, nullptr, text.point(),
                       s.tool.active};
    TextDialogRequest request;
    request.lines = text.text().lines;
    request.font = text.text().textFont;
    request.font.color = text.color;
    request.background = s.document()->units.backgroundColor;
    request.at = render::worldToScreen(s.view().transform(), text.point());
    text.visible = 0; // hidden while the dialog shows it
    redrawAndRepaint(s);
    s.host.openTextDialog(request);
}

void textDialogClosed(Session& s, const TextDialogAnswer& answer) {
    const AwaitedAnswer asked = s.tool.awaiting;
    const std::vector<std::string> lines = trimmedLines(answer.lines);
    if (asked.window == AwaitedAnswer::Window::NewText) {
        s.tool.awaiting = {};
        if (answer.accepted && !lines.empty() && s.document()) {
            takeEditSnapshot(s);
            edit::CreationRequest r;
            r.kind = Kind::Text;
            r.x1 = asked.click.x;
            r.y1 = asked.click.y;
            edit::CreationInputs in;
            in.textLines = lines;
            in.textFont = answer.font;
            createElement(s, r, in);
            recomputeAll(s);
        }
        selectTool(s, tool::Move);
        return;
    }
    if (asked.window != AwaitedAnswer::Window::EditedText) return;
    s.tool.awaiting = {};
    Element* text = asked.target;
    if (!isInDocument(s, text)) return;
    text->visible = 1;
    if (answer.accepted) {
        markModified(s);
        if (lines.empty()) {
            s.hover.hits.clear();
            s.hover.single = s.hover.ambiguous = false;
            s.hover.element = nullptr;
            deleteWithDependents(s, *text);
        } else {
            model::TextTail& tail = text->text();
            tail.lines = lines;
            tail.textFont = answer.font;
            text->param1 = static_cast<int32_t>(lines.size());
            text->color = answer.font.color;
        }
    }
    recomputeRedrawRepaint(s);
}

void pictureDialogClosed(Session& s, const PictureAnswer& answer) {
    const AwaitedAnswer asked = s.tool.awaiting;
    if (asked.window != AwaitedAnswer::Window::Picture) return;
    s.tool.awaiting = {};
    if (!s.document() || answer.outcome == PictureAnswer::Outcome::Cancelled) return;
    if (answer.outcome == PictureAnswer::Outcome::Unreadable || answer.picture.bmp.empty()) {
        s.host.notify(MessageIcon::Warning,
                      settings::texts().message(settings::kMsgPictureNotLoaded));
        return;
    }
    edit::CreationRequest& r = s.tool.request;
    r.kind = Kind::Bitmap;
    if (isInDocument(s, asked.target)) {
        r.parent1 = asked.target;
    } else {
        r.x1 = asked.click.x;
        r.y1 = asked.click.y;
    }
    edit::CreationInputs in;
    in.picture = &answer.picture;
    steps::finish(s, in);
}

} // namespace zeva::ui
