#include "settings/options_file.h"

#include "model/bytes.h"
#include "model/codepage.h"
#include "model/element.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <system_error>

namespace zeva::settings {

namespace {

constexpr std::array<uint8_t, 4> kSignature = {'Z', 'E', 'V', 'A'};

void writeFont(model::ByteWriter& w, const FontOption& f) {
    w.str(f.name, kMaxFontNameLength);
    w.i32(f.color);
    w.i32(f.size);
    w.i32(f.bold);
    w.i32(f.italic);
    w.i32(f.underline);
    w.i32(f.strikeout);
}

// A font name of any length is accepted and cut to its first 31 bytes.
bool readFont(model::ByteReader& r, FontOption& f) {
    std::string name;
    if (!r.windows1252(name, std::numeric_limits<int32_t>::max())) return false;
    if (name.size() > kMaxFontNameLength) name.resize(kMaxFontNameLength);
    f.name = model::utf8FromWindows1252(name);
    return r.i32(f.color) && r.i32(f.size) && r.i32(f.bold) && r.i32(f.italic) &&
           r.i32(f.underline) && r.i32(f.strikeout);
}

bool inRange(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

// Values that every options dialog keeps in range; anything else means a corrupt file, and
// trusting it would give divisions by zero, huge sample arrays or unreadable numbers later.
bool plausible(const Options& o) {
    const auto fontOk = [](const FontOption& f) {
        return inRange(f.size, model::kMinFontSize, model::kMaxFontSize);
    };
    return inRange(o.windowState, 0, 2) && std::isfinite(o.planeSize) && o.planeSize > 0 &&
           o.planeSize <= 1e6 && std::isfinite(o.angleArcRatio) && fontOk(o.textFont) &&
           fontOk(o.namesFont) && fontOk(o.numbersFont) && fontOk(o.cursorFont) &&
           fontOk(o.listFont) && inRange(o.detectionDistance, 2, 20) &&
           inRange(o.nameDistance, 20, 100) && inRange(o.units.pixelsPerUnit, 1, 1000) &&
           inRange(o.decimals, 0, 8) && inRange(o.locusPoints, 10, 10000);
}

} // namespace

std::vector<uint8_t> serializeOptions(const Options& o, const DocumentDefaults& d) {
    model::ByteWriter w;
    w.bytes(kSignature);
    w.i32(kOptionsVersion);
    w.str(o.languageFile, kMaxLanguageNameLength);
    w.i32(o.windowLeft);
    w.i32(o.windowTop);
    w.i32(o.windowHeight);
    w.i32(o.windowWidth);
    w.i32(o.windowState);
    w.i32(d.backgroundColor);
    w.i32(o.selectionColor);
    w.i32(o.hiddenColor);
    w.real(o.planeSize);
    w.i32(o.showMainButtons);
    w.i32(o.showEditButtons);
    w.i32(o.showStatusBar);
    w.i32(o.fullScreen);
    w.i32(o.showHidden);
    writeFont(w, o.textFont);
    writeFont(w, o.namesFont);
    writeFont(w, o.numbersFont);
    writeFont(w, o.cursorFont);
    writeFont(w, o.listFont);
    w.i32(o.listBackground);
    w.real(o.angleArcRatio);
    w.i32(o.detectionDistance);
    w.i32(o.nameDistance);
    w.i32(o.adaptCursorColor);
    w.i32(model::toStored(d.lengthUnit));
    w.i32(model::toStored(d.angleUnit));
    w.i32(d.pixelsPerUnit);
    w.i32(model::toStored(d.coordSystem));
    w.i32(o.decimals);
    w.i32(o.locusPoints);
    w.i32(o.hideIntermediate);
    for (model::ElementClass c : kStoredClasses)
        w.i32(o.colorOf(c));
    for (model::ElementClass c : kStoredClasses)
        w.i32(o.styleOf(c));
    return std::move(w.data());
}

std::optional<Options> parseOptions(std::span<const uint8_t> bytes, const Options& base,
                                    OptionsError* error) {
    const auto fail = [error](OptionsError e) -> std::optional<Options> {
        if (error) *error = e;
        return std::nullopt;
    };
    model::ByteReader r(bytes);
    std::vector<uint8_t> signature;
    if (!r.bytes(signature, kSignature.size())) return fail(OptionsError::Truncated);
    if (!std::equal(signature.begin(), signature.end(), kSignature.begin()))
        return fail(OptionsError::BadSignature);
    int32_t version = 0;
    if (!r.i32(version)) return fail(OptionsError::Truncated);
    if (version != kOptionsVersion) return fail(OptionsError::BadVersion);

    Options o = base;
    if (!r.str(o.languageFile, static_cast<int32_t>(kMaxLanguageNameLength)))
        return fail(r.error().code == model::ReadErrorCode::StringTooLong
                        ? OptionsError::BadLanguageName
                        : OptionsError::Truncated);
    r.i32(o.windowLeft);
    r.i32(o.windowTop);
    r.i32(o.windowHeight);
    r.i32(o.windowWidth);
    r.i32(o.windowState);
    r.i32(o.units.backgroundColor);
    r.i32(o.selectionColor);
    r.i32(o.hiddenColor);
    r.real(o.planeSize);
    r.i32(o.showMainButtons);
    r.i32(o.showEditButtons);
    r.i32(o.showStatusBar);
    r.i32(o.fullScreen);
    r.i32(o.showHidden);
    for (FontOption* f : {&o.textFont, &o.namesFont, &o.numbersFont, &o.cursorFont, &o.listFont})
        readFont(r, *f);
    r.i32(o.listBackground);
    r.real(o.angleArcRatio);
    r.i32(o.detectionDistance);
    r.i32(o.nameDistance);
    r.i32(o.adaptCursorColor);
    int32_t lengthUnit = 0;
    int32_t angleUnit = 0;
    int32_t coordSystem = 0;
    r.i32(lengthUnit);
    r.i32(angleUnit);
    r.i32(o.units.pixelsPerUnit);
    r.i32(coordSystem);
    r.i32(o.decimals);
    r.i32(o.locusPoints);
    r.i32(o.hideIntermediate);
    for (model::ElementClass c : kStoredClasses)
        r.i32(o.classColor[model::toInt(c)]);
    for (model::ElementClass c : kStoredClasses)
        r.i32(o.classStyle[model::toInt(c)]);
    if (r.failed()) return fail(OptionsError::Truncated);
    const auto length = model::lengthUnitFromStored(lengthUnit);
    const auto angle = model::angleUnitFromStored(angleUnit);
    const auto system = model::coordinateSystemFromStored(coordSystem);
    if (!length || !angle || !system || !plausible(o)) return fail(OptionsError::BadValue);
    o.units.lengthUnit = *length;
    o.units.angleUnit = *angle;
    o.units.coordSystem = *system;
    if (error) *error = OptionsError::None;
    return o;
}

OptionsError readOptionsFile(const std::filesystem::path& file, Options& o) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return OptionsError::Missing;
    // The file is a few hundred bytes; anything far larger is not an options file.
    constexpr std::streamsize kMaxSize = 1 << 16;
    std::vector<uint8_t> bytes;
    bytes.resize(kMaxSize + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), kMaxSize + 1);
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return OptionsError::Missing;
    OptionsError error = OptionsError::None;
    std::optional<Options> read = parseOptions(bytes, o, &error);
    if (!read) return error;
    o = std::move(*read);
    return OptionsError::None;
}

bool writeOptionsFile(const std::filesystem::path& file, const Options& o,
                      const DocumentDefaults& documentOptions) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    const std::vector<uint8_t> bytes = serializeOptions(o, documentOptions);
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

bool saveOptionsWithDocument(const std::filesystem::path& file, Options& o,
                             const DocumentDefaults& currentDocument) {
    const bool written = writeOptionsFile(file, o, currentDocument);
    o.setDocumentDefaults(currentDocument);
    return written;
}

std::filesystem::path optionsFilePath(const std::filesystem::path& programDir) {
    std::filesystem::path config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        config = xdg;
    else if (home && *home)
        config = std::filesystem::path(home) / ".config";
    else
        return programDir / "zeva.ini";
    return config / "ZEVA" / "ZEVA 3" / "zeva.ini";
}

} // namespace zeva::settings
