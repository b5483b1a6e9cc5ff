#include "ui/general_options_logic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zeva::ui {

namespace {

using F = GeneralOptionsField;
using settings::TextTable;

constexpr int kMaxLocusPoints = 10000;
constexpr int kPlaneSizeSpan = 9000;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

const std::string& textOf(const GeneralOptionsForm& form, F field) {
    switch (field) {
    case F::DetectionDistance:
        return form.detectionDistance;
    case F::PlaneSize:
        return form.planeSize;
    case F::LocusPoints:
        return form.locusPoints;
    case F::NameDistance:
        return form.nameDistance;
    case F::Decimals:
        return form.decimals;
    case F::PixelsPerUnit:
        return form.pixelsPerUnit;
    }
    return form.detectionDistance;
}

std::string warningFor(F field, int screenWidth, const TextTable& t) {
    switch (field) {
    case F::DetectionDistance:
        return t.message(72);
    case F::PlaneSize: {
        const WholeRange r = rangeOf(field, screenWidth);
        return t.message(70) + " " + std::to_string(r.low) + " " + t.message(71) + " " +
               std::to_string(r.high);
    }
    case F::LocusPoints:
        return t.message(74) + " " + std::to_string(kMaxLocusPoints);
    case F::NameDistance:
        return t.message(75);
    case F::Decimals:
        return t.message(settings::kMsgDecimalsRange);
    case F::PixelsPerUnit:
        return t.message(77);
    }
    return {};
}

// The label of each edit, which is also the caption of its warning.
int captionSlotOf(F field) {
    switch (field) {
    case F::DetectionDistance:
        return 34;
    case F::PlaneSize:
        return 35;
    case F::LocusPoints:
        return 42;
    case F::NameDistance:
        return 40;
    case F::Decimals:
        return 45;
    case F::PixelsPerUnit:
        return 43;
    }
    return 34;
}

int clampedIndex(int value, int count) {
    return value >= 0 && value < count ? value : 0;
}

} // namespace

int minimumPlaneSize(int screenWidth) {
    return std::max(1000, screenWidth + 1);
}

WholeRange rangeOf(GeneralOptionsField field, int screenWidth) {
    switch (field) {
    case F::DetectionDistance:
        return {2, 20};
    case F::PlaneSize: {
        const int m = minimumPlaneSize(screenWidth);
        return {m, m + kPlaneSizeSpan};
    }
    case F::LocusPoints:
        return {10, kMaxLocusPoints};
    case F::NameDistance:
        return {20, 100};
    case F::Decimals:
        return {0, 8};
    case F::PixelsPerUnit:
        return {1, 1000};
    }
    return {0, 0};
}

GeneralOptionsPage pageOf(GeneralOptionsField field) {
    switch (field) {
    case F::DetectionDistance:
    case F::PlaneSize:
        return GeneralOptionsPage::Environment;
    case F::LocusPoints:
    case F::NameDistance:
        return GeneralOptionsPage::Construction;
    case F::Decimals:
    case F::PixelsPerUnit:
        return GeneralOptionsPage::Numbers;
    }
    return GeneralOptionsPage::Environment;
}

std::optional<int> parseWholeNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(),
                                     [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<RefusedField> checkGeneralOptions(const GeneralOptionsForm& form, int screenWidth,
                                                const TextTable& texts) {
    for (int i = 0; i < kGeneralOptionsFieldCount; ++i) {
        const auto field = static_cast<F>(i);
        const std::optional<int> value = parseWholeNumber(textOf(form, field));
        const WholeRange range = rangeOf(field, screenWidth);
        if (value && *value >= range.low && *value <= range.high) continue;
        return RefusedField{field, pageOf(field), warningFor(field, screenWidth, texts),
                            texts.message(captionSlotOf(field))};
    }
    return std::nullopt;
}

GeneralOptionsSession::GeneralOptionsSession(settings::Options& options,
                                             document::Document* document, int screenWidth)
    : options_(options), document_(document), screenWidth_(screenWidth),
      openingDocument_(documentOptions()), openingHidden_(options.hiddenColor),
      openingSelection_(options.selectionColor) {}

settings::DocumentDefaults GeneralOptionsSession::documentOptions() const {
    if (!document_) return options_.documentDefaults();
    return document_->units;
}

void GeneralOptionsSession::setDocumentOptions(const settings::DocumentDefaults& o) {
    if (!document_) {
        options_.setDocumentDefaults(o);
        return;
    }
    document_->units = o;
}

GeneralOptionsForm GeneralOptionsSession::form() const {
    const settings::DocumentDefaults d = documentOptions();
    GeneralOptionsForm f;
    f.detectionDistance = std::to_string(options_.detectionDistance);
    const double plane = std::isfinite(options_.planeSize) ? std::round(options_.planeSize) : 0.0;
    f.planeSize = std::to_string(static_cast<long long>(
        std::clamp(plane, 0.0, double(std::numeric_limits<int>::max()))));
    f.locusPoints = std::to_string(options_.locusPoints);
    f.nameDistance = std::to_string(options_.nameDistance);
    f.decimals = std::to_string(options_.decimals);
    f.pixelsPerUnit = std::to_string(d.pixelsPerUnit);
    f.lengthUnit = model::toStored(d.lengthUnit);
    f.angleUnit = model::toStored(d.angleUnit);
    f.coordSystem = model::toStored(d.coordSystem);
    f.adaptCursorColor = options_.adaptCursorColor != 0;
    f.hideIntermediate = options_.hideIntermediate != 0;
    f.smoothDrawing = options_.smoothDrawing != 0;
    return f;
}

void GeneralOptionsSession::setBackgroundColor(int32_t color) {
    settings::DocumentDefaults d = documentOptions();
    d.backgroundColor = color;
    setDocumentOptions(d);
}

void GeneralOptionsSession::setHiddenColor(int32_t color) {
    options_.hiddenColor = color;
}

void GeneralOptionsSession::setSelectionColor(int32_t color) {
    options_.selectionColor = color;
}

std::optional<RefusedField> GeneralOptionsSession::accept(const GeneralOptionsForm& form,
                                                          const TextTable& texts) {
    if (auto refused = checkGeneralOptions(form, screenWidth_, texts)) return refused;
    const auto value = [&form](F field) { return *parseWholeNumber(textOf(form, field)); };
    options_.detectionDistance = value(F::DetectionDistance);
    options_.locusPoints = value(F::LocusPoints);
    options_.nameDistance = value(F::NameDistance);
    // Never narrower than the screen, whatever the check allowed.
    options_.planeSize = std::max(value(F::PlaneSize), screenWidth_ + 1);
    options_.hideIntermediate = form.hideIntermediate ? 1 : 0;
    options_.adaptCursorColor = form.adaptCursorColor ? 1 : 0;
    options_.decimals = value(F::Decimals);
    options_.smoothDrawing = form.smoothDrawing ? 1 : 0;

    settings::DocumentDefaults d = documentOptions();
    d.pixelsPerUnit = value(F::PixelsPerUnit);
    // The menus' indexes are the units' stored numbers.
    d.lengthUnit =
        static_cast<model::LengthUnit>(clampedIndex(form.lengthUnit, model::kLengthUnitCount));
    d.angleUnit =
        static_cast<model::AngleUnit>(clampedIndex(form.angleUnit, model::kAngleUnitCount));
    d.coordSystem = static_cast<model::CoordinateSystem>(
        clampedIndex(form.coordSystem, model::kCoordinateSystemCount));
    setDocumentOptions(d);
    if (document_ && documentOptionsChanged()) document::markModified(*document_);
    return std::nullopt;
}

void GeneralOptionsSession::cancel() {
    setDocumentOptions(openingDocument_);
    options_.hiddenColor = openingHidden_;
    options_.selectionColor = openingSelection_;
}

bool GeneralOptionsSession::documentOptionsChanged() const {
    return documentOptions() != openingDocument_;
}

} // namespace zeva::ui
