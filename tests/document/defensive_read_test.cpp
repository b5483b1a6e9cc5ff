// Damaged and hostile files: refused whole, never a crash, never half a document.

#include "document/document_file.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zeva::document {
namespace {

using model::Kind;
using testing::Bytes;

// Header and body fields of a version 300 document without traces or animations unless given.
Bytes head(const std::vector<int32_t>& traces = {}, int32_t animationCount = 0) {
    Bytes b;
    b.i32(300).i32(1).i32(0).i32(1).i32(0).i32(40).i32(0).real(-512).real(384);
    b.i32(static_cast<int32_t>(traces.size()));
    for (int32_t t : traces)
        b.i32(t);
    b.i32(animationCount);
    for (int32_t i = 0; i < animationCount; ++i)
        b.i32(1).i32(1).i32(1).i32(15);
    return b;
}

// A version 300 common block.
Bytes& common(Bytes& b, int32_t serial, int32_t p1 = -1, int32_t p2 = -1) {
    b.i32(serial).i32(p1).i32(p2).i32(-1).real(0).real(0).real(0).real(0);
    return b.i32(1).i32(1).i32(-1).i32(255).i32(-1).i32(0).i32(1).i32(0).i32(0).i32(2);
}

Bytes& point(Bytes& b, int32_t serial) {
    return common(b.i32(0), serial);
}

Bytes twoPoints(const std::vector<int32_t>& traces = {}, int32_t animations = 0) {
    Bytes b = head(traces, animations);
    point(b, 1);
    return point(b, 2);
}

Bytes& macroBlock(Bytes& b, const std::string& name) {
    b.i32(-1).i32(300).i32(2).i32(2).i16(0).i16(0).str(name).i32(0);
    return common(b.i32(4), 2, 0, 1);
}

struct BadFileCase {
    const char* name;
    std::function<Bytes()> build;
    bool accepted;
    int existingMacros = 0;
};

class FileContent : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(FileContent, IsCheckedAgainstItsLimits) {
    const BadFileCase& c = GetParam();
    ReadSettings settings;
    settings.existingMacros = c.existingMacros;
    const Bytes b = c.build();
    const ReadResult r = readFileBytes(b.data, ReadMode::Any, settings);
    EXPECT_EQ(std::holds_alternative<LoadedFile>(r), c.accepted);
}

Bytes nameWithText(size_t length) {
    Bytes b = twoPoints();
    b.i32(48).str(std::string(length, 'n')).real(0).real(0).real(0).real(0);
    common(b, 3, 1).font("Arial", 0, 10);
    return b;
}

Bytes tableWithColumns(int32_t columns) {
    Bytes b = twoPoints();
    b.i32(28);
    common(b, 3, 1, 2).font("Arial", 0, 10);
    b.i32(38).i32(1).i32(columns).i32(3);
    for (int32_t i = 0; i < columns; ++i)
        b.real(i);
    return common(b, 4).font("Arial", 0, 10);
}

Bytes nameWithFontSize(int32_t size) {
    Bytes b = twoPoints();
    b.i32(48).str("n").real(0).real(0).real(0).real(0);
    common(b, 3, 1).font("Arial", 0, size);
    return b;
}

// One animation of point 1 at `speed`, in a file of the given version.
Bytes animatedAt(int32_t version, int32_t speed) {
    Bytes b;
    b.i32(version).i32(1).i32(0);
    if (version == 300) b.i32(1);
    b.i32(0).i32(40).i32(0).real(-512).real(384);
    b.i32(0).i32(1).i32(1).i32(1).i32(1).i32(speed);
    b.i32(0).i32(1).i32(-1).i32(-1).i32(-1).real(0).real(0).real(0).real(0);
    b.i32(1).i32(1).i32(-1).i32(255);
    return version == 300 ? b.i32(-1).i32(0).i32(1).i32(0).i32(0).i32(2) : b.i32(1);
}

// `count` loci of `capacity` samples on the two points (whether they could ever exist does
// not matter to the reader).
Bytes loci(int count, int32_t capacity) {
    Bytes b = twoPoints();
    for (int i = 0; i < count; ++i)
        common(b.i32(21).i32(capacity), 3 + i, 1, 2);
    return b;
}

Bytes withMacros(int count) {
    Bytes b = twoPoints();
    for (int i = 0; i < count; ++i)
        macroBlock(b, "m" + std::to_string(i));
    return b;
}

const BadFileCase kCases[] = {
    {"plainDocument", [] { return twoPoints(); }, true},
    {"string999", [] { return nameWithText(999); }, true},
    {"string1000", [] { return nameWithText(1000); }, false},
    {"negativeStringCount",
     [] {
         Bytes b = twoPoints();
         return b.i32(48).i32(-1);
     },
     false},
    {"traces100", [] { return twoPoints(std::vector<int32_t>(100, 1)); }, true},
    {"traces101", [] { return twoPoints(std::vector<int32_t>(101, 1)); }, false},
    {"traceOfNoElement", [] { return twoPoints({3}); }, false},
    {"animations100", [] { return twoPoints({}, 100); }, true},
    {"animations101", [] { return twoPoints({}, 101); }, false},
    {"table100Columns", [] { return tableWithColumns(100); }, true},
    {"table101Columns", [] { return tableWithColumns(101); }, false},
    {"pictureLargerThanTheFile",
     [] {
         Bytes b = twoPoints();
         b.i32(67).i32(1000);
         return common(b, 3);
     },
     false},
    {"pictureFillingTheRest",
     [] {
         Bytes b = twoPoints();
         b.i32(67).i32(4).i32(0x4D42);
         return common(b, 3);
     },
     true},
    {"segmentOnMissingPoint",
     [] {
         Bytes b = twoPoints();
         return common(b.i32(13), 3, 1, 9);
     },
     false},
    {"segmentWithoutSecondParent",
     [] {
         Bytes b = twoPoints();
         return common(b.i32(13), 3, 1, -1);
     },
     false},
    {"segmentOnItself",
     [] {
         Bytes b = twoPoints();
         return common(b.i32(13), 3, 1, 3);
     },
     false},
    {"unanchoredPicture",
     [] {
         Bytes b = twoPoints();
         b.i32(67).i32(0);
         return common(b, 3);
     },
     true},
    {"calculationOnMissingOperand",
     [] {
         Bytes b = twoPoints();
         b.i32(37).i32(1).i32(0).i32(1).str("a").i32(-1).i32(7);
         return common(b, 3).font("Arial", 0, 10);
     },
     false},
    {"unknownKind",
     [] {
         Bytes b = twoPoints();
         return common(b.i32(68), 3);
     },
     false},
    {"sideOutsideAPolygon",
     [] {
         Bytes b = twoPoints();
         return common(b.i32(15), 3, 1, 2);
     },
     false},
    {"polygonWithNegativeSides",
     [] {
         Bytes b = twoPoints();
         return b.i32(14).i32(-1);
     },
     false},
    {"polygonWithTwoSides",
     [] {
         Bytes b = twoPoints();
         b.i32(14).i32(2);
         b.i32(4).i32(1).i32(2).i32(3).real(0).real(0).real(0).real(0);
         b.i32(5).i32(2).i32(1).i32(3).real(0).real(0).real(0).real(0);
         return common(b, 3);
     },
     false},
    {"locusOfHugeCapacity",
     [] {
         Bytes b = twoPoints();
         b.i32(21).i32(2000000000);
         return common(b, 3, 1, 2);
     },
     false},
    {"textWithMoreLinesThanBytes",
     [] {
         Bytes b = twoPoints();
         return b.i32(47).i32(1000000).str("x");
     },
     false},
    {"angleUnitOutOfRange",
     [] {
         Bytes b;
         b.i32(300).i32(1).i32(0).i32(1).i32(7).i32(40).i32(0).real(0).real(0).i32(0).i32(0);
         return b;
     },
     false},
    {"pixelsPerUnitZero",
     [] {
         Bytes b;
         b.i32(300).i32(1).i32(0).i32(1).i32(0).i32(0).i32(0).real(0).real(0).i32(0).i32(0);
         return b;
     },
     false},
    {"fontSize1638", [] { return nameWithFontSize(model::kMaxFontSize); }, true},
    {"fontSize1639", [] { return nameWithFontSize(model::kMaxFontSize + 1); }, false},
    {"fontSize0", [] { return nameWithFontSize(0); }, false},
    {"speed100", [] { return animatedAt(300, 100); }, true},
    {"speed101", [] { return animatedAt(300, 101); }, false},
    {"speed0", [] { return animatedAt(300, 0); }, false},
    {"version200Speed20", [] { return animatedAt(200, 20); }, true},
    {"version200Speed21", [] { return animatedAt(200, 21); }, false},
    {"version200SpeedOverflowingTimesFive", [] { return animatedAt(200, 429496730); }, false},
    {"samplesUpToTheFileBudget", [] { return loci(50, kMaxSampleCapacity); }, true},
    {"samplesBeyondTheFileBudget", [] { return loci(51, kMaxSampleCapacity); }, false},
    {"pictureBeyondItsLimitIsRefusedUnread",
     [] {
         Bytes b = twoPoints();
         b.i32(67).i32(kMaxPictureBytes + 1);
         return common(b, 3);
     },
     false},
    {"segmentOnALaterPoint",
     [] {
         Bytes b = head();
         point(b, 1);
         common(b.i32(13), 2, 1, 3);
         return point(b, 3);
     },
     false},
    {"pointOnALocusItDrives",
     [] {
         Bytes b = head();
         point(b, 1);
         common(b.i32(1), 2, 4);         // on the locus below
         common(b.i32(0), 3);            // traced: any point will do for the reader
         return common(b.i32(21).i32(20), 4, 3, 2);
     },
     false},
    {"macros100", [] { return withMacros(100); }, true},
    {"macros101", [] { return withMacros(101); }, false},
    {"macroIntoFullDocument",
     [] {
         Bytes b;
         b.i32(300).i32(2).i32(1).i16(0).str("m").i32(0);
         return point(b, 1);
     },
     false, 100},
    {"macroIntoAlmostFullDocument",
     [] {
         Bytes b;
         b.i32(300).i32(2).i32(1).i16(0).str("m").i32(0);
         return point(b, 1);
     },
     true, 99},
    {"macroWithoutElements",
     [] {
         Bytes b = twoPoints();
         return b.i32(-1).i32(300).i32(2).i32(0).str("m").i32(0);
     },
     false},
    {"macroOfUnknownClass",
     [] {
         Bytes b = twoPoints();
         b.i32(-1).i32(300).i32(2).i32(1).i16(23).str("m").i32(0);
         return point(b, 1);
     },
     false},
    {"macroMarkerWithDocumentType",
     [] {
         Bytes b = twoPoints();
         b.i32(-1).i32(300).i32(1).i32(0).str("m").i32(0);
         return point(b, 1);
     },
     false},
};

INSTANTIATE_TEST_SUITE_P(Limits, FileContent, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DefensiveRead, FileTruncatedAnywhereIsRefusedOrLoadedWhole) {
    Document d = testing::sampleDocument();
    // A trace on the last element makes a cut between element records detectable.
    d.construction.traced.push_back(d.construction.lastElement);
    const int elements = d.construction.countOf();

    std::vector<document::Macro> macros = std::move(d.macros);
    d.macros.clear();
    const size_t elementsEnd = documentFileBytes(d).size();
    d.macros = std::move(macros);
    const auto bytes = documentFileBytes(d);
    ASSERT_GT(bytes.size(), elementsEnd);

    size_t loaded = 0;
    for (size_t n = 0; n < bytes.size(); ++n) {
        const std::span<const uint8_t> cut(bytes.data(), n);
        ReadResult r = readFileBytes(cut, ReadMode::Any);
        auto* f = std::get_if<LoadedFile>(&r);
        if (!f) continue;
        ++loaded;
        EXPECT_GE(n, elementsEnd) << "a cut inside the elements was accepted at " << n;
        EXPECT_EQ(f->construction.countOf(), elements) << n;
    }
    // Cuts right after the elements, after the first macro block, and between the two body
    // elements of the second macro load; the format cannot tell them from whole files.
    EXPECT_EQ(loaded, 3u);
}

TEST(DefensiveRead, SerialsOutOfOrderAreResolvedByTheFileAndRenumbered) {
    Bytes b = head({9});
    common(b.i32(0), 9);
    common(b.i32(0), 5);
    common(b.i32(13), 7, 5, 9);
    common(b.i32(0), 5); // a second 5: the first element holding a serial wins
    ReadResult r = readFileBytes(b.data, ReadMode::Any);
    ASSERT_TRUE(std::holds_alternative<LoadedFile>(r));
    model::Construction& c = std::get<LoadedFile>(r).construction;
    model::Element* first = c.elements;
    model::Element* second = first->next;
    model::Element* segment = second->next;
    EXPECT_EQ(segment->parent1, second);
    EXPECT_EQ(segment->parent2, first);
    EXPECT_EQ(c.traced, std::vector<model::Element*>{first});
    EXPECT_EQ(first->serial, 1);
    EXPECT_EQ(segment->serial, 3);
    EXPECT_EQ(segment->parent1Index, 2);
    EXPECT_EQ(segment->parent2Index, 1);
}

TEST(DefensiveRead, ErrorTellsWhereReadingStopped) {
    Bytes b = twoPoints();
    const size_t at = b.data.size();
    b.i32(48).i32(1000);
    ReadResult r = readFileBytes(b.data, ReadMode::Any);
    ASSERT_TRUE(std::holds_alternative<model::ReadError>(r));
    EXPECT_EQ(std::get<model::ReadError>(r).code, model::ReadErrorCode::StringTooLong);
    EXPECT_EQ(std::get<model::ReadError>(r).offset, at + 8);
}

TEST(DefensiveRead, RecordsSpendTheFilesAllowanceBeforeAllocating) {
    // Small allowances stand for the real ones, which only files of tens of megabytes reach.
    Bytes b;
    point(b, 1);                                             // 1 element
    b.i32(39).real(40).real(40).i32(3).i32(1).i32(2).i32(-1).real(0).real(0).real(0).real(0);
    b.i32(4).i32(1).i32(2).i32(-1).real(0).real(0).real(0).real(0);
    common(b, 2, 1);                                         // axes: 3 elements
    b.i32(47).i32(2).str("a").str("b").font("Arial", 0, 10); // 2 lines
    common(b, 5);
    ElementReadContext ctx;
    ctx.budget.elements = 5;
    ctx.budget.textLines = 1;
    model::ByteReader r(b.data);
    int32_t kind = 0;
    ASSERT_TRUE(r.i32(kind));
    EXPECT_TRUE(readElementRecord(r, kind, ctx));
    ASSERT_TRUE(r.i32(kind));
    EXPECT_TRUE(readElementRecord(r, kind, ctx));
    EXPECT_EQ(ctx.budget.elements, 1); // the point, the axes and their two axis lines
    ASSERT_TRUE(r.i32(kind));
    EXPECT_FALSE(readElementRecord(r, kind, ctx)); // a text of two lines: one too many
    EXPECT_EQ(r.error().code, model::ReadErrorCode::OverLimit);
}

TEST(DefensiveRead, FilesLargerThanAnyDocumentOrWithAForeignHeaderAreRefusedUnread) {
    testing::TempDir dir;
    // Sparse: as large as it claims, without taking the disk space.
    const std::string huge = dir.file("huge.KDO");
    testing::writeBytes(huge, twoPoints().data);
    std::filesystem::resize_file(huge, kMaxFileBytes + 1);
    ReadResult r = readFile(huge, ReadMode::Any);
    ASSERT_TRUE(std::holds_alternative<model::ReadError>(r));
    EXPECT_EQ(std::get<model::ReadError>(r).code, model::ReadErrorCode::TooLarge);

    const std::string foreign = dir.file("foreign.KDO");
    Bytes b;
    b.i32(301).i32(1);
    testing::writeBytes(foreign, b.data);
    std::filesystem::resize_file(foreign, 64 << 20);
    r = readFile(foreign, ReadMode::Any);
    ASSERT_TRUE(std::holds_alternative<model::ReadError>(r));
    EXPECT_EQ(std::get<model::ReadError>(r).code, model::ReadErrorCode::BadVersion);
}

TEST(DefensiveRead, ProbeAnswersByTheFileType) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("doc.KDO"), twoPoints().data);
    Bytes macro;
    macro.i32(300).i32(2);
    testing::writeBytes(dir.file("m.MAC"), macro.data);
    Bytes other;
    other.i32(300).i32(3);
    testing::writeBytes(dir.file("x"), other.data);
    testing::writeBytes(dir.file("short"), {1, 0, 0, 0, 1, 0});
    EXPECT_EQ(probeFileType(dir.file("doc.KDO")), FileType::Document);
    EXPECT_EQ(probeFileType(dir.file("m.MAC")), FileType::Macro);
    EXPECT_EQ(probeFileType(dir.file("x")), FileType::Invalid);
    EXPECT_EQ(probeFileType(dir.file("short")), FileType::Invalid);
    EXPECT_EQ(probeFileType(dir.file("missing")), FileType::Invalid);
    EXPECT_EQ(probeFileType(dir.path().string()), FileType::Invalid);
}

} // namespace
} // namespace zeva::document
