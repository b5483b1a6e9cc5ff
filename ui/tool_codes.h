#pragma once
// The tools of the main window. At every moment exactly one is active; buttons, menu items and a
// few keys choose it. The numbers are fixed: tables, help topics and the macro dialog use them.

#include <cstdint>

namespace zeva::ui {

using ToolCode = int;

inline constexpr int kToolCount = 74;

namespace tool {
inline constexpr ToolCode Move = 0; // move, select, edit
inline constexpr ToolCode Point = 1;
inline constexpr ToolCode Line = 2;
inline constexpr ToolCode Ray = 3;
inline constexpr ToolCode Conic = 4;
inline constexpr ToolCode Circle = 5;
inline constexpr ToolCode CircleByRadius = 6;
inline constexpr ToolCode Parallel = 7;
inline constexpr ToolCode Perpendicular = 8;
inline constexpr ToolCode Segment = 9;
inline constexpr ToolCode Polygon = 10;
inline constexpr ToolCode RegularPolygon = 11;
inline constexpr ToolCode Arc = 12;
inline constexpr ToolCode Angle = 13;
inline constexpr ToolCode Midpoint = 14;
inline constexpr ToolCode AngleBisector = 15;
inline constexpr ToolCode PerpendicularBisector = 16;
inline constexpr ToolCode Intersection = 17;
inline constexpr ToolCode Locus = 18;
inline constexpr ToolCode CentralSymmetry = 19;
inline constexpr ToolCode AxialSymmetry = 20;
inline constexpr ToolCode Translation = 21;
inline constexpr ToolCode Rotation = 22;
inline constexpr ToolCode Homothety = 23;
inline constexpr ToolCode Inversion = 24;
inline constexpr ToolCode CheckParallel = 25;
inline constexpr ToolCode CheckPerpendicular = 26;
inline constexpr ToolCode CheckMembership = 27;
inline constexpr ToolCode CheckEquidistance = 28;
inline constexpr ToolCode CheckCollinearity = 29;
inline constexpr ToolCode Displacement = 30;
inline constexpr ToolCode PointByCoordinates = 31;
inline constexpr ToolCode PlotPoints = 32;
inline constexpr ToolCode LengthDistance = 33;
inline constexpr ToolCode MeasureAngle = 34;
inline constexpr ToolCode Area = 35;
inline constexpr ToolCode Slope = 36;
inline constexpr ToolCode Axes = 37;
inline constexpr ToolCode EquationCoordinates = 38;
inline constexpr ToolCode Grid = 39;
inline constexpr ToolCode Calculate = 40;
inline constexpr ToolCode Parameter = 41;
inline constexpr ToolCode Function = 42;
inline constexpr ToolCode PlotFunction = 43;
inline constexpr ToolCode Redefine = 44;
inline constexpr ToolCode Trace = 45;
inline constexpr ToolCode Animation = 46;
inline constexpr ToolCode Zoom = 47;
inline constexpr ToolCode Table = 48;
inline constexpr ToolCode ApplyMacro = 49;
inline constexpr ToolCode MacroInitial = 50;
inline constexpr ToolCode MacroFinal = 51;
inline constexpr ToolCode Text = 52;
inline constexpr ToolCode HideShowButton = 53;
inline constexpr ToolCode InsertBitmap = 54;
inline constexpr ToolCode HideShow = 55;
inline constexpr ToolCode EditElement = 56;
inline constexpr ToolCode DeleteElement = 57;
inline constexpr ToolCode Font = 58;
inline constexpr ToolCode Colour = 59;
inline constexpr ToolCode FillColour = 60;
inline constexpr ToolCode ParametricColour = 61;
inline constexpr ToolCode ParametricFillColour = 62;
inline constexpr ToolCode PointShapeNormal = 63; // 63..66 point styles 1, 4, 2, 3
inline constexpr ToolCode PointShapeLast = 66;
inline constexpr ToolCode LineShapeNormal = 67; // 67..70 line styles 1, 3, 4, 2
inline constexpr ToolCode LineShapeLast = 70;
inline constexpr ToolCode AngleShapeOne = 71; // 71..73 angle styles 1, 2, 3
inline constexpr ToolCode AngleShapeLast = 73;
} // namespace tool

constexpr bool isValidTool(int t) { return t >= 0 && t < kToolCount; }

// The cursors of the tools and of the move tool's states (numbers of the cursor table).
namespace cursor {
inline constexpr int Arrow = 0; // the platform's standard arrow (no document open)
inline constexpr int Construct = 1;
inline constexpr int Dragging = 2;     // "ARRCON"
inline constexpr int MoveScreen = 3;   // "ARR"
inline constexpr int Select = 4;       // "SELEC"
inline constexpr int Ambiguous = 5;    // "INTERR"
inline constexpr int ColourShape = 6;  // "COLFOR"
inline constexpr int HideShow = 7;     // "VERNOVER"
inline constexpr int Text = 8;         // "TXT"
inline constexpr int Edit = 9;         // "EDIT"
inline constexpr int Draggable = 10;   // "SELARR"
inline constexpr int Delete = 11;      // "ELIM"
inline constexpr int PressButton = 12; // "MANOI"
inline constexpr int Animation = 13;   // "ANIM"
inline constexpr int Zoom = 14;        // "ZOOM"
inline constexpr int Button = 15;      // "BOTON"
inline constexpr int Table = 16;       // "TABLA"
inline constexpr int Bitmap = 17;      // "BITMAP"
inline constexpr int Trace = 18;       // "TRAZA"
inline constexpr int Redefine = 19;    // "REDEF"
inline constexpr int Check = 20;       // "COMPROB"
inline constexpr int Fill = 21;        // "RELLENO"
inline constexpr int Font = 22;        // "FUENTE"
inline constexpr int MacroInitial = 23; // "MACINI"
inline constexpr int MacroFinal = 24;  // "MACFIN"
} // namespace cursor

} // namespace zeva::ui
