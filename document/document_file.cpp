#include "document/document_file.h"

#include "document/macro_check.h"
#include "document/safe_write.h"
#include "model/serials.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <optional>
#include <unordered_set>

namespace zeva::document {

using model::ByteReader;
using model::ByteWriter;
using model::Construction;
using model::Element;
using model::Kind;
using model::ReadError;
using model::ReadErrorCode;

namespace {

// ---- writing --------------------------------------------------------------------------------

void writeMacroBlock(ByteWriter& w, const document::Macro& m) {
    w.i32(kFileVersion);
    w.i32(static_cast<int32_t>(FileType::Macro));
    w.i32(m.initialCount());
    for (int16_t c : m.initialClasses)
        w.i16(c);
    w.str(m.name);
    w.i32(static_cast<int32_t>(m.description.size()));
    for (const auto& line : m.description)
        w.str(line);

    // A version 100 macro numbers its body right after the initial elements as picked; later
    // versions number it after the extended initial list. The file can only say 300, so such
    // a body is renumbered on the way out to keep every reference pointing where it did.
    SerialShift shift;
    if (m.version <= 100) {
        shift.from = m.initialCount();
        shift.by = extendedInitialCount(m.initialClasses) - m.initialCount();
    }
    for (const Element* e : m.body)
        writeElementRecord(w, *e, shift);
}

// ---- reading --------------------------------------------------------------------------------

bool readMacroHeaderPart(ByteReader& r, document::Macro& m) {
    int32_t k = 0;
    if (!r.count(k, std::numeric_limits<int32_t>::max(), 2, ReadErrorCode::BadCount)) return false;
    m.initialClasses.resize(static_cast<size_t>(k));
    for (auto& c : m.initialClasses) {
        if (!r.i16(c)) return false;
        if (c < 0 || c >= model::kClassCount) return r.fail(ReadErrorCode::BadClass);
    }
    int32_t texts = 0;
    if (!r.str(m.name) ||
        !r.count(texts, std::numeric_limits<int32_t>::max(), 4, ReadErrorCode::BadCount))
        return false;
    m.description.resize(static_cast<size_t>(texts));
    for (auto& line : m.description)
        if (!r.str(line)) return false;
    return true;
}

bool acceptableVersion(int32_t v) {
    return v > 0 && v <= kFileVersion;
}

// Why a file with this header cannot be read in this mode, if it cannot.
std::optional<ReadErrorCode> headerProblem(int32_t version, int32_t type, ReadMode mode) {
    if (!acceptableVersion(version)) return ReadErrorCode::BadVersion;
    if (type != 1 && type != 2) return ReadErrorCode::BadFileType;
    if (type == 1 && mode == ReadMode::MacroOnly) return ReadErrorCode::BadFileType;
    return std::nullopt;
}

class FileReader {
  public:
    FileReader(std::span<const uint8_t> bytes, ReadMode mode, const ReadSettings& settings)
        : r_(bytes), mode_(mode), settings_(settings) {}

    ReadResult run() {
        try {
            if (read()) return std::move(out_);
        } catch (const std::bad_alloc&) {
            r_.fail(ReadErrorCode::OutOfMemory);
        }
        if (!r_.failed()) r_.fail(ReadErrorCode::BadFileType);
        return r_.error();
    }

  private:
    bool read();
    bool readDocumentHead();
    bool startMacro(int32_t version);
    bool readElements();
    bool finishDocument();
    bool finishMacros();

    ByteReader r_;
    ReadMode mode_;
    ReadSettings settings_;
    LoadedFile out_;
    ElementReadContext ctx_;
    std::vector<int32_t> traceSerials_;
    std::vector<model::AnimationEntry> animations_; // elements found once all are read
    std::vector<int32_t> animationSerials_;
};

bool FileReader::read() {
    int32_t version = 0, type = 0;
    if (!r_.i32(version) || !r_.i32(type)) return false;
    if (const auto problem = headerProblem(version, type, mode_)) return r_.fail(*problem);
    out_.type = static_cast<FileType>(type);
    out_.version = version;
    ctx_.textFont = settings_.textFont;

    if (out_.type == FileType::Document) {
        ctx_.version = version;
        if (!readDocumentHead()) return false;
    } else if (!startMacro(version)) {
        return false;
    }
    if (!readElements()) return false;
    if (!finishMacros()) return false;
    return out_.type == FileType::Macro || finishDocument();
}

bool FileReader::readDocumentHead() {
    const int32_t v = out_.version;
    model::DocumentUnits& units = out_.units;
    if (!r_.i32(units.backgroundColor)) return false;
    // Older versions had no length unit: their lengths are in centimetres.
    int32_t lengthUnit = model::toStored(model::LengthUnit::Centimetre);
    if (v >= kFileVersion && !r_.i32(lengthUnit)) return false;
    int32_t angleUnit = 0;
    int32_t coordSystem = 0;
    if (!r_.i32(angleUnit) || !r_.i32(units.pixelsPerUnit) || !r_.i32(coordSystem) ||
        !r_.real(out_.viewLeft) || !r_.real(out_.viewTop))
        return false;
    const auto length = model::lengthUnitFromStored(lengthUnit);
    const auto angle = model::angleUnitFromStored(angleUnit);
    const auto system = model::coordinateSystemFromStored(coordSystem);
    if (!length || !angle || !system || units.pixelsPerUnit < 1 || units.pixelsPerUnit > 1000 ||
        !std::isfinite(out_.viewLeft) || !std::isfinite(out_.viewTop))
        return r_.fail(ReadErrorCode::BadValue);
    units.lengthUnit = *length;
    units.angleUnit = *angle;
    units.coordSystem = *system;
    if (v < kFileVersion) {
        // Older versions kept the view corner of a window with other borders.
        out_.viewLeft += 27.0;
        out_.viewTop -= 50.0;
    }
    if (v <= 100) return true;

    int32_t t = 0;
    if (!r_.count(t, model::kMaxTraced, 4, ReadErrorCode::TooManyTraces)) return false;
    traceSerials_.resize(static_cast<size_t>(t));
    for (auto& s : traceSerials_)
        if (!r_.i32(s)) return false;
    int32_t a = 0;
    if (!r_.count(a, model::kMaxAnimations, 16, ReadErrorCode::TooManyAnimations)) return false;
    animations_.resize(static_cast<size_t>(a));
    animationSerials_.resize(static_cast<size_t>(a));
    for (size_t i = 0; i < animations_.size(); ++i) {
        auto& e = animations_[i];
        if (!r_.i32(animationSerials_[i]) || !r_.i32(e.playing) || !r_.i32(e.backward) ||
            !r_.i32(e.speed))
            return false;
        // Version 200 counted speed in units five times larger. The animation window cannot
        // set a speed outside its range; checking first also keeps the product in range.
        const int32_t unit = v < kFileVersion ? 5 : 1;
        if (e.speed < model::kMinAnimationSpeed || e.speed > model::kMaxAnimationSpeed / unit)
            return r_.fail(ReadErrorCode::BadValue);
        e.speed *= unit;
    }
    return true;
}

bool FileReader::startMacro(int32_t version) {
    if (settings_.existingMacros + static_cast<int>(out_.macros.size()) >= document::kMaxMacros)
        return r_.fail(ReadErrorCode::TooManyMacros);
    document::Macro m;
    m.version = version;
    if (!readMacroHeaderPart(r_, m)) return false;
    out_.macros.push_back(std::move(m));
    ctx_.version = version;
    return true;
}

bool FileReader::readElements() {
    while (!r_.atEnd()) {
        int32_t kind = 0;
        if (!r_.i32(kind)) return false;
        if (kind == kMacroMarker) {
            int32_t version = 0, type = 0;
            if (!r_.i32(version) || !r_.i32(type)) return false;
            if (!acceptableVersion(version)) return r_.fail(ReadErrorCode::BadVersion);
            if (type != static_cast<int32_t>(FileType::Macro))
                return r_.fail(ReadErrorCode::BadFileType);
            if (!startMacro(version)) return false;
            continue;
        }
        auto e = readElementRecord(r_, kind, ctx_);
        if (!e) return false;
        if (out_.macros.empty()) {
            out_.construction.append(std::move(e));
        } else {
            out_.macros.back().body.append(std::move(e));
        }
    }
    return true;
}

// Turns e's stored serials into references; false when a reference its construction needs
// names no element, or names e itself. The file does not keep how many references of a
// calculation or function are operands: the rest are user functions (Función elements), which
// always come last.
bool resolveElement(const model::SerialIndex& index, Element& e) {
    if (!model::resolveStoredSerials(index, e)) return false;
    if (auto* x = std::get_if<model::ExpressionTail>(&e.tail)) {
        x->measureCount = 0;
        for (Element* ref : x->refs)
            if (ref->kind != Kind::Function) ++x->measureCount;
    }
    if (e.kind == Kind::Name && e.parent1) e.parent1->label = &e;
    return true;
}

// Whether every reference an element's construction rests on names an element before it, as
// building a figure always leaves them. The recompute pass walks the list once, parents first;
// a reference forward could make it compute an element from one not yet computed, or make a
// locus run ask for a point on itself.
bool referencesPrecede(Construction& c) {
    std::unordered_set<const Element*> earlier;
    earlier.reserve(static_cast<size_t>(c.countOf()));
    for (Element* e : c) {
        bool ordered = true;
        model::forEachParentRef(*e, [&](Element*& ref) {
            ordered = ordered && earlier.count(model::ownerOf(ref)) != 0;
        });
        if (!ordered) return false;
        earlier.insert(e);
    }
    return true;
}

bool FileReader::finishDocument() {
    Construction& c = out_.construction;
    const model::SerialIndex index(c);
    for (Element* e : c)
        if (!resolveElement(index, *e)) return r_.fail(ReadErrorCode::MissingReference);
    if (!referencesPrecede(c)) return r_.fail(ReadErrorCode::ForwardReference);

    // Traces and animations name elements by the serials the file gave them.
    for (int32_t s : traceSerials_) {
        Element* t = index.find(s);
        if (!t) return r_.fail(ReadErrorCode::MissingReference);
        c.traced.push_back(t);
    }
    for (size_t i = 0; i < animations_.size(); ++i) {
        Element* t = index.find(animationSerials_[i]);
        if (!t) return r_.fail(ReadErrorCode::MissingReference);
        auto entry = animations_[i];
        entry.element = t;
        c.animations.push_back(entry);
    }
    // Serials read in order are already what numbering would give, stored serials included.
    if (!index.inOrder()) c.renumber();
    return true;
}

bool FileReader::finishMacros() {
    for (auto& m : out_.macros) {
        if (m.body.empty()) return r_.fail(ReadErrorCode::EmptyMacro);
        // A body that refers to what it does not hold could never be applied.
        if (!bodyReferencesSound(m)) return r_.fail(ReadErrorCode::MissingReference);
        // Body references stay serials; a reference is a user function when it names a
        // Función of the body or an initial element of class función.
        for (Element* e : m.body) {
            if (e->kind != Kind::Calculation && e->kind != Kind::Function) continue;
            auto& x = e->expression();
            int32_t operands = 0;
            for (int32_t s : x.refIndices) {
                bool function = false;
                if (s >= 0 && s < m.initialCount()) {
                    function = m.initialClasses[static_cast<size_t>(s)] ==
                               static_cast<int16_t>(model::ElementClass::Function);
                } else if (const Element* target = m.body.findBySerial(s)) {
                    function = target->kind == Kind::Function;
                }
                if (!function) ++operands;
            }
            x.measureCount = operands;
        }
    }
    return true;
}

// The whole file image, or why there is none. A file too large for any document, or whose
// header already says it is not one to read, is answered without reading the rest.
std::variant<std::vector<uint8_t>, ReadError> readWholeFile(const std::string& path,
                                                            ReadMode mode) {
    const ReadError cannotOpen{ReadErrorCode::CannotOpen, 0};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return cannotOpen;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return cannotOpen;
    if (size > kMaxFileBytes) return ReadError{ReadErrorCode::TooLarge, 0};
    std::ifstream in(path, std::ios::binary);
    if (!in) return cannotOpen;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    constexpr size_t kHeaderBytes = 8;
    if (size < kHeaderBytes) {
        if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
            return cannotOpen;
        return bytes; // too short: the reader says so
    }
    if (!in.read(reinterpret_cast<char*>(bytes.data()), kHeaderBytes)) return cannotOpen;
    int32_t header[2] = {0, 0};
    std::memcpy(header, bytes.data(), kHeaderBytes);
    if (const auto problem = headerProblem(header[0], header[1], mode))
        return ReadError{*problem, 0};
    if (!in.read(reinterpret_cast<char*>(bytes.data() + kHeaderBytes),
                 static_cast<std::streamsize>(size - kHeaderBytes)))
        return cannotOpen;
    return bytes;
}

} // namespace

int32_t extendedInitialCount(const std::vector<int16_t>& initialClasses) {
    int32_t n = static_cast<int32_t>(initialClasses.size());
    for (int16_t c : initialClasses)
        if (c >= 0 && c < model::kClassCount)
            n += model::classInfo(static_cast<model::ElementClass>(c)).macroExtras;
    return n;
}

FileType probeFileType(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileType::Invalid;
    int32_t header[2] = {0, 0};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return FileType::Invalid;
    if (header[1] == 1) return FileType::Document;
    if (header[1] == 2) return FileType::Macro;
    return FileType::Invalid;
}

ReadResult readFileBytes(std::span<const uint8_t> bytes, ReadMode mode,
                         const ReadSettings& settings) {
    return FileReader(bytes, mode, settings).run();
}

ReadResult readFile(const std::string& path, ReadMode mode, const ReadSettings& settings) {
    const auto image = readWholeFile(path, mode);
    if (const auto* error = std::get_if<ReadError>(&image)) return *error;
    return readFileBytes(std::get<std::vector<uint8_t>>(image), mode, settings);
}

std::vector<uint8_t> documentFileBytes(Document& d) {
    Construction& c = d.construction;
    c.renumber();
    ByteWriter w;
    w.reserve(64 + static_cast<size_t>(c.countWithSubElements()) * 120);
    w.i32(kFileVersion);
    w.i32(static_cast<int32_t>(FileType::Document));
    w.i32(d.units.backgroundColor);
    w.i32(model::toStored(d.units.lengthUnit));
    w.i32(model::toStored(d.units.angleUnit));
    w.i32(d.units.pixelsPerUnit);
    w.i32(model::toStored(d.units.coordSystem));
    w.real(d.viewLeft);
    w.real(d.viewTop);
    const size_t traces = std::min(c.traced.size(), static_cast<size_t>(model::kMaxTraced));
    w.i32(static_cast<int32_t>(traces));
    for (size_t i = 0; i < traces; ++i)
        w.i32(c.traced[i]->serial);
    const size_t anims = std::min(c.animations.size(), static_cast<size_t>(model::kMaxAnimations));
    w.i32(static_cast<int32_t>(anims));
    for (size_t i = 0; i < anims; ++i) {
        const auto& a = c.animations[i];
        w.i32(a.element->serial);
        w.i32(a.playing);
        w.i32(a.backward);
        w.i32(a.speed);
    }
    for (const Element* e : c)
        writeElementRecord(w, *e);
    const size_t macros = std::min(d.macros.size(), static_cast<size_t>(document::kMaxMacros));
    for (size_t i = 0; i < macros; ++i) {
        w.i32(kMacroMarker);
        writeMacroBlock(w, d.macros[i]);
    }
    return std::move(w.data());
}

std::vector<uint8_t> macroFileBytes(const document::Macro& m) {
    ByteWriter w;
    writeMacroBlock(w, m);
    return std::move(w.data());
}

bool writeDocumentFile(Document& d, const std::string& path) {
    return replaceFileContents(path, documentFileBytes(d));
}

bool writeMacroFile(const document::Macro& m, const std::string& path) {
    return replaceFileContents(path, macroFileBytes(m));
}

} // namespace zeva::document
