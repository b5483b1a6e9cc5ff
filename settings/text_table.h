#pragma once
// The interface texts: fixed slots addressed by the integer keys of the language files, filled
// with the built-in Spanish texts and then replaced from a language file. Texts are UTF-8 here;
// a slot's size limits the Windows-1252 bytes of its text (79 for 80-byte slots, 127 for
// 128-byte slots), which is how language files are cut.

#include "model/kinds.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace zeva::settings {

inline constexpr size_t kShortSlotSize = 80;
inline constexpr size_t kMessageSlotSize = 128;

inline constexpr int kToolCount = 74;
inline constexpr int kClassWordBase = 74; // short text 74 + ElementClass

// Short-text indices of the further words after the class words.
enum ShortWord : int {
    kWordSide = kClassWordBase + model::kClassCount, // "lado"          key 27
    kWordAxisX,                                      // "eje x"         key 28
    kWordAxisY,                                      // "eje y"         key 29
    kWordCoordinateX,                                // "coordenada x o r"      key 31
    kWordCoordinateY,                                // "coordenada y o theta"  key 32
    kWordUnit,                                       // "unidad"        key 30
    kWordParallel,                                   // "paralelos"     key 159
    kWordNotParallel,                                // "no paralelos"  key 160
    kWordPerpendicular,                              // "perpendicular" key 162
    kWordNotPerpendicular,                           // "no perpendicular" key 163
    kWordBelongs,                                    // "pertenece"     key 165
    kWordNotBelongs,                                 // "no pertenece"  key 166
    kWordCollinear,                                  // "alineados"     key 168
    kWordNotCollinear,                               // "no alineados"  key 169
    kWordEquidistant,                                // "equidistan"    key 171
    kWordNotEquidistant,                             // "no equidistan" key 172
    kShortTextCount
};

inline constexpr int kMessageCount = 200;      // keys 1000..1199
inline constexpr int kExtraMessageCount = 100; // keys 2000..2099
inline constexpr int kMessageKeyBase = 1000;
inline constexpr int kExtraMessageKeyBase = 2000;
// The prompt of step s of tool t (s picks made so far, 0..9) has the key 3000 + 10 t + s.
inline constexpr int kStepPromptKeyBase = 3000;
inline constexpr int kStepsPerTool = 10;
inline constexpr int kStepPromptCount = kToolCount * kStepsPerTool;

// Message slots used by the engine and the windows (key 1000 + slot).
enum MessageSlot : int {
    kMsgVarious = 0,                  // "varios"
    kMsgSaveChanges = 1,              // "Guardar los cambios realizados al documento"
    kMsgWriteError = 7,               // "error de escritura"
    kMsgNoVisibleElements = 10,       // "No hay elementos visibles"
    kMsgSaveOptions = 11,             // "¿ Guardar las opciones actuales ?"
    kMsgDocument = 12,                // "Documento"
    kMsgHelpNotFound = 13,            // "No se ha encontrado el archivo de ayuda"
    kMsgNoLanguageFiles = 14,         // "No se encuentran ficheros de lenguaje"
    kMsgFirstElement = 28,            // "primer elemento"
    kMsgLastElement = 29,             // "último elemento"
    kMsgDecimalsRange = 76,           // warning for a number of decimals outside 0..8
    kMsgNotExisting = 92,             // "no existente"
    kMsgKeepConstruction = 97,        // "¿ Mantener la construcción en este paso ?"
    kMsgInvalidFile = 98,             // "no es un archivo válido"
    kMsgTooManyDocuments = 99,        // "Existen muchos documentos abiertos"
    kMsgUnitNumber = 107,             // unit pop-up of the element editor: dimension 0 "número",
    kMsgUnitLength = 108,             // 1 "longitud",
    kMsgUnitArea = 109,               // 2 "área",
    kMsgUnitAngle = 110,              // 3 "ángulo"
    kMsgMacroDialogTitle = 115,       // "Macros"
    kMsgMacroApply = 116,             // the applying button, "Aplicar"
    kMsgMacroLoadFromFile = 117,      // first item of the "Cargar macros" pop-up
    kMsgMacrosOfDocument = 118,       // disabled heading in the "&Macros" menu
    kMsgMacrosOfOtherDocuments = 119, // disabled heading in the menu and the pop-up
    kMsgTooManyMacros = 120,          // a document already holds 100 macros
    kMsgDeleteMacro = 122,            // "Eliminar macro"
    kMsgRenameMacro = 123,            // "Cambiar Nombre"
    kMsgDocumentsListTitle = 124,     // "Lista documentos"
    kMsgDocumentsListClose = 125,     // "Cerrar"
    kMsgDocumentsListSave = 126,      // "Guardar"
    kMsgDocumentsListPrevious = 127,  // "Anterior"
    kMsgDocumentsListNext = 128,      // "Siguiente"
    kMsgLengthUnit = 129,             // label of the length-unit choice in "Opciones generales"
    kMsgAppearanceClasses = 130,      // 130..138: the nine class groups of "Aspecto de los
                                      // elementos", "puntos" .. "lugares geométricos"
    kMsgHelpButton = 139,             // "Ayuda", the macro dialog's help button
    kMsgPictureNotLoaded = 160,       // a picture file that could not be read
    kMsgNotYetAvailable = 161,        // a window of a later version: followed by the tool's name
    kMsgColour = 162,                 // the colour button of the font dialog
    kMsgSmoothDrawing = 140,          // "Suavizar el dibujo", check box of "Opciones generales"
    kMsgHelpFind = 141,               // "Buscar:", the search field of the help window
    kMsgHelpBack = 142,               // "Atrás", back in the help window
    kMsgHelpForward = 143,            // "Adelante", forward in the help window
    // Printing, export, the clipboard and the documents.
    kMsgPrintTitle = 144, // caption of the print dialog
    kMsgPrintButton = 145, // its print button
    kMsgPrintOptions = 146, // its printer set-up button
    kMsgPrintCopies = 147, // label of the copies field
    kMsgPrintMagnification = 148, // label of the magnification slider
    kMsgPrintPlaneSize = 149, // label of the plane-size slider
    kMsgNoPrinter = 150, // no printer is installed
    kMsgPrintPrinter = 151, // label of the printer choice
    kMsgPrintToPdf = 152, // the printer choice that writes a PDF file
    kMsgPrintFailed = 153, // the printer refused the job
    kMsgClearRecentFiles = 154, // File menu item
    kMsgDocumentsListItem = 155, // Document menu item
    kMsgPastePicture = 156, // Edit menu item
    kMsgExportFailed = 157, // writing the exported picture failed
    kMsgNoPictureOnClipboard = 158, // Pegar imagen with no picture
    // The animation, step-by-step and construction-list windows.
    kMsgOk = 170,                 // "OK"
    kMsgCancel = 171,             // "Cancelar"
    kMsgAnimationPlay = 172,      // hint of B_play
    kMsgAnimationDirection = 173, // hint of B_sentido
    kMsgAnimationPause = 174,     // hint of B_pausa
    kMsgAnimationRemove = 175,    // hint of B_stop
    kMsgAnimationSpeed = 176,     // label of the speed controls
    kMsgStepFirst = 177,          // first, previous, next and last step (or item)
    kMsgStepPrevious = 178,
    kMsgStepNext = 179,
    kMsgStepLast = 180,
    kMsgListFont = 181,       // hint of B_font of the construction list
    kMsgListBackground = 182, // hint of B_colfon
};
inline constexpr int kAppearanceClassCount = 9;

// Extra message slots of the program's own texts (key 2000 + slot).
enum ExtraMessageSlot : int {
    kExtraMacroDamaged = 50,     // a macro whose body refers to what it does not hold
    kExtraMacroDescription = 51, // label of the macro window's description memo
    kExtraMacroList = 52,        // label of the macro window's list
};

// Where a language-file key goes.
enum class TextTarget { None, ShortText, KindName, Message, ExtraMessage, StepPrompt, Control };
struct KeyTarget {
    TextTarget target = TextTarget::None;
    int index = 0; // slot index, or the key itself for Control
};

// The target of a (non-negative) key; None for keys that name no slot or control.
KeyTarget targetOfKey(int key);

struct TextTable {
    std::array<std::string, kShortTextCount> shortTexts;
    std::array<std::string, model::kKindCount> kindNames;
    std::array<std::string, kMessageCount> messages;
    std::array<std::string, kExtraMessageCount> extraMessages;
    // What the status bar adds to a tool's message at each step; empty by default.
    std::array<std::string, kStepPromptCount> stepPrompts;
    // One short word per kind, rebuilt from the class words by rebuildKindWords().
    std::array<std::string, model::kKindCount> kindWords;
    // Menu captions and button hints by key; the main window applies them to its controls.
    // Holds the built-in captions, plus whatever a language file set.
    std::map<int, std::string> controlTexts;

    // Fills every slot with its built-in Spanish text (empty where there is none), the control
    // texts with their built-in captions, and rebuilds the kind words.
    void setBuiltInDefaults();
    // Each kind gets the class word of its class, except sides, the axes, the coordinate parts
    // (their own words) and function graphs (their kind name).
    void rebuildKindWords();

    const std::string& toolText(int tool) const; // empty for codes outside 0..73
    const std::string& classWord(model::ElementClass c) const {
        return shortTexts[kClassWordBase + model::toInt(c)];
    }
    const std::string& shortText(int index) const; // empty outside the array
    const std::string& kindName(model::Kind k) const { return kindNames[model::toInt(k)]; }
    const std::string& kindWord(model::Kind k) const { return kindWords[model::toInt(k)]; }
    const std::string& message(int slot) const;      // slot 0..199 (key 1000 + slot)
    const std::string& extraMessage(int slot) const; // slot 0..99 (key 2000 + slot)
    // The prompt of a tool at a step; empty outside the table.
    const std::string& stepPrompt(int tool, int step) const;
    // The control text of a key (menu caption or button hint); empty when none is set.
    const std::string& controlText(int key) const;

    // Stores `text` (UTF-8) under `key` (its absolute value), cut to fit the slot. Returns false
    // when the key names no slot or control.
    bool set(int key, std::string_view text);
    // The text under a key, whichever array holds it; empty when none.
    const std::string& byKey(int key) const;
};

// The program's one text table (built-in texts set on first use).
TextTable& texts();

// True when class words 0 and 1, trimmed and upper-cased, are "PUNTO" and "RECTA".
bool isSpanish(const TextTable& t);

// Cuts a UTF-8 text so that its Windows-1252 form has at most maxBytes bytes.
std::string cutToSlot(std::string_view utf8, size_t maxBytes);

} // namespace zeva::settings
