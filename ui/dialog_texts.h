#pragma once
// The texts of the calculation, parameter, element-edit, move-screen, point-by-coordinates and
// parametric-colour windows: message slots of the text table (key 1000 + slot) and the extra
// messages these windows add (key 2000 + slot), each with a default in both languages.

#include "settings/text_table.h"

#include <QString>

namespace zeva::ui {

// Message slots (key 1000 + slot).
inline constexpr int kMsgExpressionTooLong = 17; // "La expresión está limitada a 100 caracteres"
inline constexpr int kMsgExpressionInvalid = 18; // "la expresión no es válida"
inline constexpr int kMsgPlaneSize = 19;         // "Cambiar el tamaño del plano"
inline constexpr int kMsgRectangular = 47;       // "rectangulares (x,y)"
inline constexpr int kMsgPolar = 48;             // "polares (r,theta)"
inline constexpr int kMsgColourShape = 84;       // "Color,forma"
inline constexpr int kMsgInvalidRedefinition = 90; // "Redefinición no válida"
inline constexpr int kMsgInvalidInput = 91;        // "Datos de entrada no válidos"
inline constexpr int kMsgChangeParameter = 95;     // "Modificar parámetro"
inline constexpr int kMsgClose = 100;              // "Cerrar"
inline constexpr int kMsgParametricColour = 101;   // "Color paramétrico"
inline constexpr int kMsgColourButton = 162;       // "Color"

// Extra messages of these windows (key 2000 + slot).
enum DialogText : int {
    kTextEvaluate = 20,         // "Evaluar"
    kTextClearExpression = 21,  // hint of "C"
    kTextInverse = 22,          // hint of "arc"
    kTextVariable = 23,         // hint of the variable button
    kTextFunctionType = 24,     // hint of the function-type button
    kTextPlaceHint = 25,        // hint of the result: click it to place the result
    kTextExpression = 26,       // "&Expresión"
    kTextResult = 27,           // "Resultado"
    kTextValue = 28,            // "&Valor"
    kTextMinimum = 29,          // "Mí&nimo"
    kTextMaximum = 30,          // "Má&ximo"
    kTextPlot = 31,             // "&Representar"
    kTextName = 32,             // "&Nombre"
    kTextShowElement = 33,      // "(ver/no ver) elemento"
    kTextShowName = 34,         // "(ver/no ver) nombre"
    kTextDelete = 35,           // "Eliminar"
    kTextPointCount = 36,       // "número de puntos"
    kTextOtherColour = 37,      // "Otro color..."
    kTextDecimals = 38,         // "&Decimales"
    kTextUnit = 39,             // "Unidad"
    kTextTableOrientation = 40, // hint of "HOR"
    kTextBitmapAnchor = 41,     // "Anclaje"
    kTextInterval = 42,         // "Intervalo"
    kTextIntervalOrder = 43,    // the interval's first end must be the smaller one
    kTextMoveScreenHint = 44,   // how to use the miniature
    kTextPointCountRange = 45,  // the locus's number of points out of range
    kTextTextStyle = 46,        // "Tipo de &letra..."
    kTextShape = 47,            // "Forma"
    kTextAppearance = 48,       // "Apariencia"
    kTextScale = 49,            // "Escala"
};

inline QString dialogText(int extraSlot) {
    const std::string& s = settings::texts().extraMessage(extraSlot);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace zeva::ui
