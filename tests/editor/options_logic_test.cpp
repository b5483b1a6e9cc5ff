// The rules of the options windows without widgets: the checks of "Opciones generales", what
// OK stores and Cancel restores, the class groups of "Aspecto de los elementos", the fonts, and
// "Guardar opciones" / "Cargar opciones originales".

#include "document/document_load.h"
#include "document/document_set.h"
#include "settings/options_file.h"
#include "settings/text_table.h"
#include "tests/support/temp_dir.h"
#include "ui/appearance_logic.h"
#include "ui/font_options_logic.h"
#include "ui/general_options_logic.h"
#include "ui/options_commands.h"

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using F = GeneralOptionsField;
using settings::Options;

settings::TextTable spanish() {
    settings::TextTable t;
    t.setBuiltInDefaults();
    return t;
}

GeneralOptionsForm validForm() {
    GeneralOptionsForm f;
    f.detectionDistance = "8";
    f.planeSize = "3000";
    f.locusPoints = "80";
    f.nameDistance = "50";
    f.decimals = "2";
    f.pixelsPerUnit = "40";
    return f;
}

std::string& textOf(GeneralOptionsForm& f, F field) {
    switch (field) {
    case F::DetectionDistance:
        return f.detectionDistance;
    case F::PlaneSize:
        return f.planeSize;
    case F::LocusPoints:
        return f.locusPoints;
    case F::NameDistance:
        return f.nameDistance;
    case F::Decimals:
        return f.decimals;
    case F::PixelsPerUnit:
        return f.pixelsPerUnit;
    }
    return f.decimals;
}

struct EditCase {
    F field;
    const char* text;
    int screenWidth;
    bool accepted;
};

TEST(GeneralOptionsChecks, EveryEditAcceptsExactlyItsRange) {
    const EditCase cases[] = {
        {F::DetectionDistance, "1", 1024, false},  {F::DetectionDistance, "2", 1024, true},
        {F::DetectionDistance, "20", 1024, true},  {F::DetectionDistance, "21", 1024, false},
        {F::PlaneSize, "999", 1024, false},        {F::PlaneSize, "1024", 1024, false},
        {F::PlaneSize, "1025", 1024, true},        {F::PlaneSize, "10025", 1024, true},
        {F::PlaneSize, "10026", 1024, false},      {F::PlaneSize, "999", 800, false},
        {F::PlaneSize, "1000", 800, true},         {F::PlaneSize, "1921", 1920, true},
        {F::LocusPoints, "9", 1024, false},        {F::LocusPoints, "10", 1024, true},
        {F::LocusPoints, "10000", 1024, true},     {F::LocusPoints, "10001", 1024, false},
        {F::NameDistance, "19", 1024, false},      {F::NameDistance, "100", 1024, true},
        {F::NameDistance, "101", 1024, false},     {F::Decimals, "8", 1024, true},
        {F::Decimals, "9", 1024, false},           {F::Decimals, "0", 1024, true},
        {F::Decimals, "-1", 1024, false},          {F::PixelsPerUnit, "0", 1024, false},
        {F::PixelsPerUnit, "1000", 1024, true},    {F::PixelsPerUnit, "1001", 1024, false},
        // Only whole numbers, blanks around them allowed.
        {F::Decimals, " 3 ", 1024, true},          {F::Decimals, "+3", 1024, true},
        {F::Decimals, "", 1024, false},            {F::Decimals, "2.5", 1024, false},
        {F::Decimals, "2e0", 1024, false},         {F::Decimals, "dos", 1024, false},
        {F::PlaneSize, "99999999999999", 1024, false},
    };
    const settings::TextTable t = spanish();
    for (const EditCase& c : cases) {
        GeneralOptionsForm f = validForm();
        textOf(f, c.field) = c.text;
        const auto refused = checkGeneralOptions(f, c.screenWidth, t);
        EXPECT_EQ(!refused, c.accepted) << int(c.field) << " '" << c.text << "' at " << c.screenWidth;
        if (refused) {
            EXPECT_EQ(refused->field, c.field);
        }
    }
}

TEST(GeneralOptionsChecks, WarningsNameTheRangeAndTheFirstRefusalWins) {
    const settings::TextTable t = spanish();
    GeneralOptionsForm f = validForm();
    f.planeSize = "999";
    auto refused = checkGeneralOptions(f, 1024, t);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->warning, "Solo valen enteros entre 1025 y 10025");
    EXPECT_EQ(refused->caption, "Ancho y Alto del plano (píxels)");
    EXPECT_EQ(refused->page, GeneralOptionsPage::Environment);

    f = validForm();
    f.decimals = "9";
    refused = checkGeneralOptions(f, 1024, t);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->warning, "Solo valen enteros entre 0 y 8");
    EXPECT_EQ(refused->caption, "Número de decimales en pantalla");
    EXPECT_EQ(refused->page, GeneralOptionsPage::Numbers);

    f.locusPoints = "5";
    refused = checkGeneralOptions(f, 1024, t);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, F::LocusPoints); // checked before the decimals
    EXPECT_EQ(refused->warning, "Solo valen enteros entre 10 y 10000");
    EXPECT_EQ(refused->page, GeneralOptionsPage::Construction);
}

struct GeneralSession : ::testing::Test {
    Options options;
    document::Document doc = document::newDocument(document::environmentFor(options));
    settings::TextTable texts = spanish();
};

TEST_F(GeneralSession, OkStoresTheApplicationOptionsAndTheDocumentsUnits) {
    GeneralOptionsSession s(options, &doc, 1024);
    GeneralOptionsForm f = s.form();
    EXPECT_EQ(f.planeSize, "3000");
    EXPECT_EQ(f.pixelsPerUnit, "40");
    f.detectionDistance = "12";
    f.planeSize = "5000";
    f.locusPoints = "300";
    f.nameDistance = "70";
    f.decimals = "8";
    f.pixelsPerUnit = "25";
    f.lengthUnit = 3;
    f.angleUnit = 1;
    f.coordSystem = 1;
    f.adaptCursorColor = false;
    f.hideIntermediate = false;
    f.smoothDrawing = true;
    ASSERT_FALSE(s.accept(f, texts));
    EXPECT_EQ(options.detectionDistance, 12);
    EXPECT_EQ(options.planeSize, 5000.0);
    EXPECT_EQ(options.locusPoints, 300);
    EXPECT_EQ(options.nameDistance, 70);
    EXPECT_EQ(options.decimals, 8);
    EXPECT_EQ(options.adaptCursorColor, 0);
    EXPECT_EQ(options.hideIntermediate, 0);
    EXPECT_EQ(options.smoothDrawing, 1);
    EXPECT_EQ(documentOptionsOf(doc),
              (settings::DocumentDefaults{0, model::LengthUnit::Kilometre, model::AngleUnit::Degree,
                                          25, model::CoordinateSystem::Polar}));
    EXPECT_TRUE(doc.modified);
    // The application's new-document defaults are the business of "Guardar opciones".
    EXPECT_EQ(options.documentDefaults(), settings::DocumentDefaults{});
}

TEST_F(GeneralSession, ARefusedEditStoresNothingAndUnchangedUnitsLeaveTheDocumentAsItWas) {
    const Options before = options;
    GeneralOptionsSession s(options, &doc, 1024);
    GeneralOptionsForm f = s.form();
    f.detectionDistance = "15";
    f.planeSize = "999";
    ASSERT_TRUE(s.accept(f, texts));
    EXPECT_EQ(options, before);

    f.planeSize = "1025";
    ASSERT_FALSE(s.accept(f, texts));
    EXPECT_EQ(options.planeSize, 1025.0);
    EXPECT_FALSE(doc.modified);
}

TEST_F(GeneralSession, CancelPutsBackTheColoursChangedWhileOpen) {
    doc.units.backgroundColor = 0x202020;
    options.hiddenColor = 0x111111;
    GeneralOptionsSession s(options, &doc, 1024);
    s.setBackgroundColor(0xFFFFFF);
    s.setHiddenColor(0x00FF00);
    s.setSelectionColor(0x0000FF);
    // At once, before OK: the window redraws with them.
    EXPECT_EQ(doc.units.backgroundColor, 0xFFFFFF);
    EXPECT_EQ(options.hiddenColor, 0x00FF00);
    s.cancel();
    EXPECT_EQ(doc.units.backgroundColor, 0x202020);
    EXPECT_EQ(options.hiddenColor, 0x111111);
    EXPECT_EQ(options.selectionColor, Options().selectionColor);
    EXPECT_FALSE(doc.modified);

    // Kept on OK, and the document counts as changed.
    GeneralOptionsSession again(options, &doc, 1024);
    again.setBackgroundColor(0xFFFFFF);
    ASSERT_FALSE(again.accept(again.form(), texts));
    EXPECT_EQ(doc.units.backgroundColor, 0xFFFFFF);
    EXPECT_TRUE(doc.modified);
}

TEST_F(GeneralSession, WithNoDocumentTheNewDocumentDefaultsAreEdited) {
    GeneralOptionsSession s(options, nullptr, 1024);
    s.setBackgroundColor(0x404040);
    GeneralOptionsForm f = s.form();
    f.pixelsPerUnit = "60";
    ASSERT_FALSE(s.accept(f, texts));
    EXPECT_EQ(options.units.backgroundColor, 0x404040);
    EXPECT_EQ(options.units.pixelsPerUnit, 60);
}

TEST(Appearance, LinesAndAxesTakeTheColourChosenForRectasEjesOnOk) {
    Options options;
    const Options before = options;
    AppearanceSession s(options);
    s.selectGroup(1); // "rectas,ejes"
    ASSERT_EQ(s.current().elementClass, model::ElementClass::Line);
    s.setColour(0x00FFFF);
    s.setStyle(3);
    s.setStyle(7); // no such line shape
    EXPECT_EQ(s.style(), 3);
    s.selectGroup(7); // "ángulos": three shapes only
    s.setStyle(4);
    EXPECT_EQ(s.style(), 1);
    s.setStyle(2);
    s.selectGroup(42);
    EXPECT_EQ(s.group(), 7);

    EXPECT_EQ(options, before); // nothing is stored before OK (Cancel just drops the session)
    s.accept(options);
    EXPECT_EQ(options.colorOf(model::ElementClass::Line), 0x00FFFF);
    EXPECT_EQ(options.colorOf(model::ElementClass::Axes), 0x00FFFF);
    EXPECT_EQ(options.styleOf(model::ElementClass::Line), 3);
    EXPECT_EQ(options.styleOf(model::ElementClass::Angle), 2);
    EXPECT_EQ(options.styleOf(model::ElementClass::Axes), before.styleOf(model::ElementClass::Axes));
    EXPECT_EQ(options.colorOf(model::ElementClass::Ray), before.colorOf(model::ElementClass::Ray));

    EXPECT_EQ(shapesOf(ShapeFamily::Point).size(), 4u);
    EXPECT_EQ(shapesOf(ShapeFamily::Angle).size(), 3u);
    const settings::TextTable t = spanish();
    for (size_t g = 0; g < kAppearanceGroups.size(); ++g)
        EXPECT_FALSE(t.message(settings::kMsgAppearanceClasses + int(g)).empty()) << g;
}

TEST(FontOptions, CancelPutsTheFourFontsBackAndSizesStayWithinTheDialogsRange) {
    Options options;
    FontOptionsSession s(options);
    s.select(1); // "Nombres"
    s.setFont({"Serif", 0x0000FF, 200, 1, 1, 0, 0});
    EXPECT_EQ(options.namesFont.name, "Serif");
    EXPECT_EQ(options.namesFont.size, 72);
    s.select(3);
    s.setFont({"Mono", 0, 0, 0, 0, 1, 1});
    EXPECT_EQ(options.textFont.size, 1);
    s.cancel();
    EXPECT_EQ(options, Options());
    const settings::TextTable t = spanish();
    EXPECT_EQ(fontRoleCaption(FontRole::CursorMessages, t), "Mensajes del cursor");
    EXPECT_EQ(fontRoleCaption(FontRole::Text, t), "Texto");
}

TEST(OptionsCommands, SavedOptionsGiveTheNextNewDocumentTheCurrentBackgroundAndUnits) {
    testing::TempDir dir;
    const auto file = dir.path() / "ZEVA" / "ZEVA 3" / "zeva.ini";
    Options options;
    document::DocumentSet documents;
    documents.environment = document::environmentFor(options);
    document::Document* current = documents.newDocument();
    current->units.backgroundColor = 0x336699;
    current->units.lengthUnit = model::LengthUnit::Metre;
    current->units.angleUnit = model::AngleUnit::Degree;
    current->units.pixelsPerUnit = 55;
    current->units.coordSystem = model::CoordinateSystem::Polar;

    ASSERT_TRUE(saveOptions(file, options, current, {20, 30, 800, 600, 0}));
    Options read;
    ASSERT_EQ(settings::readOptionsFile(file, read), settings::OptionsError::None);
    EXPECT_EQ(
        read.documentDefaults(),
        (settings::DocumentDefaults{0x336699, model::LengthUnit::Metre, model::AngleUnit::Degree,
                                    55, model::CoordinateSystem::Polar}));
    EXPECT_EQ(read.windowLeft, 20);
    EXPECT_EQ(read.windowHeight, 600);
    EXPECT_EQ(read.windowState, 0);

    documents.environment = document::environmentFor(options);
    const document::Document* next = documents.newDocument();
    EXPECT_EQ(
        documentOptionsOf(*next),
        (settings::DocumentDefaults{0x336699, model::LengthUnit::Metre, model::AngleUnit::Degree,
                                    55, model::CoordinateSystem::Polar}));
    // Likewise in the next run, from the file.
    EXPECT_EQ(documentOptionsOf(document::newDocument(document::environmentFor(read))),
              documentOptionsOf(*next));
}

TEST(OptionsCommands, OriginalOptionsResetTheCurrentDocumentButNotTheNewDocumentDefaults) {
    Options options;
    options.languageFile = "English";
    options.detectionDistance = 15;
    options.units.pixelsPerUnit = 70;
    options.smoothDrawing = 1;
    document::Document doc = document::newDocument(document::environmentFor(options));
    doc.units.backgroundColor = 0xFFFFFF;
    doc.units.angleUnit = model::AngleUnit::Grad;
    loadOriginalOptions(options, &doc);
    EXPECT_EQ(options.detectionDistance, 8);
    EXPECT_EQ(options.smoothDrawing, 0);
    EXPECT_EQ(options.languageFile, "English");
    EXPECT_EQ(options.units.pixelsPerUnit, 70);
    EXPECT_EQ(documentOptionsOf(doc), settings::DocumentDefaults{});
}

} // namespace
} // namespace zeva::ui
