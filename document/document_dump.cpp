#include "document/document_dump.h"

#include "document/document_load.h"
#include "expr/shown_text.h"
#include "settings/options.h"

#include <cmath>
#include <cstdio>

namespace zeva::document {

using model::Element;
using model::Kind;

namespace {

// What a button without a caption of its own shows.
constexpr std::string_view kDefaultButtonCaption = "Ocultar/Ver";

int32_t serialOf(const Element* e) {
    return e ? e->serial : -1;
}

// The text an element shows as the figure draws it; false for elements that show none (and
// for the coordinate parts, which their coordinates element draws as one pair).
bool shownText(const Document& d, const Element& e, const Element* owner, std::string& out) {
    if (owner) return false;
    switch (model::textFormOf(e.elementClass())) {
    case model::TextForm::Name:
    case model::TextForm::Value:
        out = expr::shownText(e, d.units.lengthUnit, d.units.angleUnit);
        return true;
    case model::TextForm::Lines:
        out.clear();
        for (size_t i = 0; i < e.text().lines.size(); ++i) {
            if (i) out += '\n';
            out += e.text().lines[i];
        }
        return true;
    case model::TextForm::Button:
        out =
            " " +
            (e.button().caption.empty() ? std::string(kDefaultButtonCaption) : e.button().caption) +
            " ";
        return true;
    case model::TextForm::Table: // its cells are dumped with its rows
    case model::TextForm::None:
        return false;
    }
    return false; // no class has another text form
}

class JsonObject {
  public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    void close() { out_ += '}'; }
    void key(std::string_view k) {
        if (!first_) out_ += ", ";
        first_ = false;
        out_ += jsonString(k);
        out_ += ": ";
    }
    void integer(std::string_view k, int64_t v) {
        key(k);
        out_ += std::to_string(v);
    }
    void real(std::string_view k, double v) {
        key(k);
        out_ += jsonNumber(v);
    }
    void text(std::string_view k, std::string_view v) {
        key(k);
        out_ += jsonString(v);
    }

  private:
    std::string& out_;
    bool first_ = true;
};

// The kind-specific data the dump adds, by the element's tail.
void kindExtras(JsonObject& o, std::string& out, const Element& e) {
    std::visit(model::Overloaded{
                   [&](const model::SampleTail& t) {
                       o.integer("capacity", t.capacity);
                       o.integer("sampleCount", t.sampleCount);
                   },
                   [&](const model::ConicTail& t) {
                       o.integer("conicType", t.conicType);
                       o.key("coefficients");
                       out += '[';
                       for (size_t i = 0; i < t.coefficients.size(); ++i) {
                           if (i) out += ", ";
                           out += jsonNumber(t.coefficients[i]);
                       }
                       out += ']';
                   },
                   [&](const model::AxesTail& t) {
                       o.real("unitX", t.unitX);
                       o.real("unitY", t.unitY);
                   },
                   [&](const model::ParameterTail& t) {
                       o.real("minimum", t.minimum);
                       o.real("maximum", t.maximum);
                   },
                   [&](const model::TableTail& t) { o.integer("columnCount", t.columnCount); },
                   // The other tails show in the texts or not at all.
                   [](const std::monostate&) {},
                   [](const model::PolygonTail&) {},
                   [](const model::ExpressionTail&) {},
                   [](const model::CoordinatesTail&) {},
                   [](const model::EquationTail&) {},
                   [](const model::TextTail&) {},
                   [](const model::NameTail&) {},
                   [](const model::CheckerTail&) {},
                   [](const model::ButtonTail&) {},
                   [](const model::BitmapTail&) {},
               },
               e.tail);
}

void dumpElement(std::string& out, const Document& d, const Element& e, const Element* owner) {
    out += "    ";
    JsonObject o(out);
    o.integer("serial", e.serial);
    o.integer("kind", model::toInt(e.kind));
    o.integer("class", model::toInt(e.elementClass()));
    if (owner) o.integer("owner", owner->serial);
    o.key("parents");
    out += '[' + std::to_string(serialOf(e.parent1)) + ", " + std::to_string(serialOf(e.parent2)) +
           ", " + std::to_string(serialOf(e.parent3)) + ']';
    o.integer("colorSource", serialOf(e.colorSource));
    o.integer("exists", e.exists);
    o.integer("visible", e.visible);
    o.real("x1", e.x1);
    o.real("y1", e.y1);
    o.real("x2", e.x2);
    o.real("y2", e.y2);
    o.integer("param1", e.param1);
    o.integer("param2", e.param2);
    o.integer("color", e.color);
    o.integer("style", e.style);
    o.integer("dimension", e.dimension);
    o.integer("decimals", e.decimals);
    std::string text;
    if (shownText(d, e, owner, text)) o.text("text", text);
    kindExtras(o, out, e);
    o.close();
}

} // namespace

std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    std::string s(buf);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

std::string dumpJson(Document& d, FileType fileType, int32_t version) {
    model::Construction& c = d.construction;
    c.renumber();
    std::string out;
    out += "{\n  \"fileType\": " + std::to_string(static_cast<int32_t>(fileType)) + ",\n";
    out += "  \"version\": " + std::to_string(version) + ",\n";
    out += "  \"document\": ";
    {
        JsonObject o(out);
        o.integer("backgroundColor", d.units.backgroundColor);
        o.integer("lengthUnit", model::toStored(d.units.lengthUnit));
        o.integer("angleUnit", model::toStored(d.units.angleUnit));
        o.integer("pixelsPerUnit", d.units.pixelsPerUnit);
        o.integer("coordSystem", model::toStored(d.units.coordSystem));
        o.real("viewLeft", d.viewLeft);
        o.real("viewTop", d.viewTop);
        o.close();
    }
    out += ",\n  \"elements\": [";
    bool first = true;
    auto next = [&] {
        out += first ? "\n" : ",\n";
        first = false;
    };
    for (const Element* e : c) {
        next();
        dumpElement(out, d, *e, nullptr);
        for (const Element* s : model::subElementsOf(*e)) {
            next();
            dumpElement(out, d, *s, e);
        }
    }
    out += first ? "],\n" : "\n  ],\n";

    out += "  \"traces\": [";
    for (size_t i = 0; i < c.traced.size(); ++i) {
        if (i) out += ", ";
        out += std::to_string(serialOf(c.traced[i]));
    }
    out += "],\n  \"animations\": [";
    for (size_t i = 0; i < c.animations.size(); ++i) {
        const auto& a = c.animations[i];
        if (i) out += ", ";
        out += '[' + std::to_string(serialOf(a.element)) + ", " + std::to_string(a.playing) + ", " +
               std::to_string(a.backward) + ", " + std::to_string(a.speed) + ']';
    }
    out += "],\n  \"macros\": [";
    for (size_t i = 0; i < d.macros.size(); ++i) {
        const auto& m = d.macros[i];
        out += i ? ",\n    " : "\n    ";
        JsonObject o(out);
        o.text("name", m.name);
        o.key("initialClasses");
        out += '[';
        for (size_t k = 0; k < m.initialClasses.size(); ++k) {
            if (k) out += ", ";
            out += std::to_string(m.initialClasses[k]);
        }
        out += ']';
        o.integer("elementCount", m.body.countOf());
        o.close();
    }
    out += d.macros.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

DumpOutcome dumpFile(const std::string& path) {
    auto loaded = loadDocument(path, environmentFor(settings::Options{}));
    auto* ok = std::get_if<LoadedDocument>(&loaded);
    if (!ok) return {2, {}, "no es un archivo válido\n"};
    return {0, dumpJson(*ok->document, ok->type, ok->version), {}};
}

} // namespace zeva::document
