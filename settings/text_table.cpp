#include "settings/text_table.h"

#include "model/codepage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <utility>

namespace zeva::settings {

namespace {

using C = model::ElementClass;
using K = model::Kind;

struct WordKey {
    int key;
    int index; // short-text index
    std::string_view text;
};

constexpr int cw(C c) {
    return kClassWordBase + model::toInt(c);
}

// Class words and further words of the short-text array.
constexpr WordKey kWordKeys[] = {
    {1, cw(C::Point), "punto"},
    {2, cw(C::Line), "recta"},
    {3, cw(C::Ray), "semirecta"},
    {4, cw(C::Segment), "segmento"},
    {5, cw(C::Polygon), "polígono"},
    {6, cw(C::Circle), "circunferencia"},
    {7, cw(C::Arc), "arco"},
    {8, cw(C::Angle), "ángulo"},
    {9, cw(C::Locus), "lugar geométrico"},
    {20, cw(C::Text), "texto"},
    {21, cw(C::Name), "nombre"},
    {22, cw(C::Number), "número"},
    {34, cw(C::Function), "función"},
    {23, cw(C::Axes), "ejes"},
    {24, cw(C::Table), "tabla"},
    {25, cw(C::Equation), "ecuación"},
    {26, cw(C::Coordinates), "coordenadas"},
    {35, cw(C::Property), "propiedad"},
    {33, cw(C::Conic), "cónica"},
    {36, cw(C::Intersection), "intersección"},
    {37, cw(C::Grid), "cuadrícula"},
    {38, cw(C::Button), "botón"},
    {39, cw(C::Bitmap), "bitmap"},
    {27, kWordSide, "lado"},
    {28, kWordAxisX, "eje x"},
    {29, kWordAxisY, "eje y"},
    {31, kWordCoordinateX, "coordenada x o r"},
    {32, kWordCoordinateY, "coordenada y o theta"},
    {30, kWordUnit, "unidad"},
    {159, kWordParallel, "paralelos"},
    {160, kWordNotParallel, "no paralelos"},
    {162, kWordPerpendicular, "perpendicular"},
    {163, kWordNotPerpendicular, "no perpendicular"},
    {165, kWordBelongs, "pertenece"},
    {166, kWordNotBelongs, "no pertenece"},
    {168, kWordCollinear, "alineados"},
    {169, kWordNotCollinear, "no alineados"},
    {171, kWordEquidistant, "equidistan"},
    {172, kWordNotEquidistant, "no equidistan"},
};

// Key of each kind's display name, in kind order.
constexpr std::array<int, model::kKindCount> kKindKeys = {
    100, 101, 102, 103, 117, 104, 105, 108, 109, 106, 107, 120, 118, 110, 111, 112, 113,
    114, 115, 116, 119, 121, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 133, 134,
    135, 136, 137, 138, 144, 143, 141, 142, 147, 148, 149, 145, 146, 139, 140, 127, 158,
    161, 164, 170, 167, 152, 154, 173, 157, 151, 153, 174, 175, 155, 150, 156, 176, 177};

// Key of each tool text. Tools 0..57 have their historic keys; the edit-bar tools 58..73
// (font, colour, fill colour, parametric colours, shapes) use 600 + their code, a block that
// no other key uses, so their status texts can be translated too.
constexpr int kEditBarToolKeyBase = 600;
constexpr int kFirstEditBarTool = 58;
constexpr std::array<int, kToolCount> kToolKeys = [] {
    std::array<int, kToolCount> keys = {
        500, 501, 502, 503, 580, 504, 510, 505, 506, 507, 508, 581, 511, 509, 512,
        514, 513, 515, 516, 517, 518, 519, 520, 521, 522, 584, 585, 586, 587, 588,
        524, 523, 582, 525, 526, 527, 583, 528, 529, 590, 532, 592, 593, 594, 589,
        591, 595, 596, 530, 533, 534, 535, 536, 603, 605, 598, 537, 538};
    for (int t = kFirstEditBarTool; t < kToolCount; ++t)
        keys[t] = kEditBarToolKeyBase + t;
    return keys;
}();

constexpr bool allKeysGiven(const auto& keys) {
    for (int k : keys)
        if (k == 0) return false;
    return true;
}

constexpr std::array<std::string_view, kToolCount> kToolDefaults = {
    "Mover los elementos libres o editar",
    "Punto Libre o Punto en elemento",
    "Recta dado 1 punto o dados 2 puntos",
    "Semirecta dado 1 punto o dados 2 puntos",
    "Cónica por 5 puntos",
    "Circunferencia dado el centro o dados el centro y un punto",
    "Circunferencia dados 2 puntos que definen el radio y dado el centro",
    "Recta Paralela",
    "Recta Perpendicular",
    "Segmento dados dos puntos",
    "Polígono dados 3 o más puntos",
    "Polígono regular",
    "Arco dados 3 puntos",
    "Angulo dados 3 puntos",
    "Punto medio dados 2 puntos",
    "Bisectriz dados 3 puntos",
    "Mediatriz dados 2 puntos",
    "Punto(s) de Intersección de dos elementos",
    "Lugar Geométrico",
    "Simetría central",
    "Simetría axial",
    "Traslación",
    "Giro",
    "Homotecia",
    "Inversión",
    "Comprobar paralelismo",
    "Comprobar perpendicularidad",
    "Comprobar pertenencia",
    "Comprobar equidistancia",
    "Comprobar alineación",
    "Punto desplazado según número",
    "Punto con coordenadas",
    "Representar puntos",
    "Longitud - distancia",
    "Mide ángulo",
    "Area",
    "Pendiente",
    "Ejes de coordenadas",
    "Ecuación,coordenadas",
    "Definir cuadrícula a unos ejes",
    "Calcular",
    "Parámetro",
    "Función",
    "Representar función",
    "Ligar/Desligar punto en elemento",
    "Activar/Desactivar traza",
    "Animación",
    "Zoom",
    "Tabla de valores",
    "Macros",
    "Seleccionar los elementos iniciales",
    "Seleccionar los elementos finales",
    "Texto",
    "Botón Ocultar/Ver",
    "Insertar bitmap",
    "Ocultar/Ver",
    "Editar elemento",
    "Eliminar elemento",
    "Tipo de letra",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Color paramétrico",
    "Color de relleno paramétrico",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
    "Cambiar la apariencia de un elemento",
};

struct KeyText {
    int key;
    std::string_view text; // empty: a control key without a built-in caption
};

// Keys that set a menu item's caption or a tool button's hint directly.
constexpr KeyText kControlKeys[] = {
    {550, "&Archivo"},
    {551, "&Ver"},
    {552, "&Edición"},
    {553, "&Construcción"},
    {544, "&Medir - Calcular"},
    {599, "&Transformar - Comprobar"},
    {554, "&Macros"},
    {577, "&Documento"},
    {555, "A&yuda"},
    {556, "&Nuevo"},
    {557, "&Abrir..."},
    {606, "Abrir recientes"},
    {607, "(vacío)"},
    {558, "&Guardar"},
    {559, "Guardar Como..."},
    {601, "Exportar dibujo..."},
    {560, "Imprimir..."},
    {610, "Configurar Impresión..."},
    {608, "Cerrar"},
    {609, "Cerrar todo"},
    {561, "Opciones generales..."},
    {562, "Aspecto de los elementos..."},
    {563, "Tipos de Letra..."},
    {564, "Idioma..."},
    {565, "Cargar opciones originales"},
    {566, "Guardar opciones"},
    {567, "Salir"},
    {568, "Botones Principales"},
    {569, "Botones de edición"},
    {570, "Barra de Estado"},
    {604, "Lista construcción "},
    {539, "Eliminar Todo"},
    {540, "Deshacer"},
    {611, "Cortar"},
    {612, "Copiar"},
    {613, "Pegar"},
    {614, "Borrar"},
    {615, "Seleccionar todo"},
    {571, "Contenidos"},
    {572, "Página actual"},
    {573, "Novedades"},
    {576, "Acerca de ZEVA..."},
    {578, "&Siguiente"},
    {579, "&Anterior"},
    // tool-button hints
    {541, "Color del próximo elemento, cambiar el color de elementos"},
    {600, "Color de relleno"},
    {602, "Forma"},
    {542, "paso a paso"},
    {543, "pantalla completa"},
    {545, "Ver lo oculto"},
    {546, "Mover la pantalla, cambiar el tamaño del plano"},
    {616, "Nuevo documento"},
    {617, "Abrir"},
    {618, "Guardar"},
    {619, "Imprimir"},
    {620, "Documento anterior"},
    {621, "Documento siguiente"},
    {622, "Cerrar documento"},
};

static_assert(allKeysGiven(kKindKeys) && allKeysGiven(kToolKeys));

// A key below 1000 names exactly one slot or control; a repeated key would silently send a
// language file's text to only one of its two owners.
constexpr bool lowKeysAreUnique() {
    std::array<int, 1000> uses{};
    const auto use = [&uses](int key) { return key > 0 && key < 1000 && ++uses[key] == 1; };
    for (const auto& w : kWordKeys)
        if (!use(w.key)) return false;
    for (int k : kKindKeys)
        if (!use(k)) return false;
    for (int k : kToolKeys)
        if (!use(k)) return false;
    for (const auto& c : kControlKeys)
        if (!use(c.key)) return false;
    return true;
}
static_assert(lowKeysAreUnique());

// Built-in messages by slot (key 1000 + slot).
constexpr KeyText kMessageDefaults[] = {
    {0, "varios"},
    {1, "Guardar los cambios realizados al documento"},
    {2, "Mover la pantalla con el botón derecho"},
    {3, "Hacer visible o invisible un elemento"},
    {4, "Cambiar la apariencia de un elemento"},
    {5, "Salir del programa"},
    {6, "Nuevo documento"},
    {7, "error de escritura"},
    {9, "No puede ser un elemento final"},
    {10, "No hay elementos visibles"},
    {11, "¿ Guardar las opciones actuales ?"},
    {12, "Documento"},
    {13, "No se ha encontrado el archivo de ayuda"},
    {14, "No se encuentran ficheros de lenguaje"},
    {15, "Nombre para la macro"},
    {16, "Debe tener un nombre"},
    {17, "La expresión está limitada a 100 caracteres"},
    {18, "la expresión no es válida"},
    {19, "Cambiar el tamaño del plano"},
    {20, "Cargar macros"},
    {21, "Guardar macro"},
    {22, "Elementos Iniciales"},
    {23, "Elementos Finales"},
    {24, "Completar Macro"},
    {25, "Nueva Macro:"},
    {26, "Número de puntos"},
    {27, "Ver/Ocultar nombre"},
    {28, "primer elemento"},
    {29, "último elemento"},
    {30, "Opciones generales"},
    {31, "Entorno"},
    {32, "Construcción"},
    {33, "Números"},
    {34, "Distancia máxima de detección (píxels)"},
    {35, "Ancho y Alto del plano (píxels)"},
    {36, "Adaptar el mensaje del cursor a lo detectado"},
    {37, "Color de fondo"},
    {38, "Color de los elementos ocultos"},
    {39, "Color de los elementos seleccionados"},
    {40, "Distancia máxima nombre-elemento (pixels)"},
    {41, "ocultar los elementos intermedios al instanciar una macro"},
    {42, "Número de puntos en un nuevo lugar geométrico"},
    {43, "Píxels por unidad de longitud"},
    {44, "Unidad para los ángulos"},
    {45, "Número de decimales en pantalla"},
    {46, "Sistema de coordenadas"},
    {47, "rectangulares (x,y)"},
    {48, "polares (r,theta)"},
    {70, "Solo valen enteros entre"},
    {71, "y"},
    {72, "Solo valen enteros entre 2 y 20"},
    {74, "Solo valen enteros entre 10 y"},
    {75, "Solo valen enteros entre 20 y 100"},
    {76, "Solo valen enteros entre 0 y 8"},
    {77, "Solo valen enteros entre 1 y 1000"},
    {78, "Vista previa"},
    {79, "click para cambiar"},
    {80, "Selección de los Tipos de letra"},
    {81, "Mensajes del cursor"},
    {82, "Nombres"},
    {83, "Apariencia de los elementos"},
    {84, "Color,forma"},
    {90, "Redefinición no válida"},
    {91, "Datos de entrada no válidos"},
    {92, "no existente"},
    {93, "Borrar trazas"},
    {94, "Desactivar todas las trazas"},
    {95, "Modificar parámetro"},
    {96, "Copiar al portapapeles"},
    {97, "¿ Mantener la construcción en este paso ?"},
    {98, "no es un archivo válido"},
    {99, "Existen muchos documentos abiertos"},
    {100, "Cerrar"},
    {101, "Color paramétrico"},
    {105, "Borrar lista de archivos recientes"},
    // the unit pop-up of the element editor, by dimension 0..3
    {107, "número"},
    {108, "longitud"},
    {109, "área"},
    {110, "ángulo"},
    // the macro dialog and the "&Macros" menu
    {115, "Macros"},
    {116, "Aplicar"},
    {117, "Cargar macros de un archivo..."},
    {118, "Macros del documento"},
    {119, "Macros de otros documentos"},
    {120, "Ya hay 100 macros en el documento"},
    {122, "Eliminar macro"},
    {123, "Cambiar Nombre"},
    // the documents list window
    {124, "Lista documentos"},
    {125, "Cerrar"},
    {126, "Guardar"},
    {127, "Anterior"},
    {128, "Siguiente"},
    // the options dialogs
    {129, "Unidad de longitud"},
    {130, "puntos"},
    {131, "rectas,ejes"},
    {132, "semirectas"},
    {133, "segmentos"},
    {134, "polígonos"},
    {135, "circunferencias"},
    {136, "arcos"},
    {137, "ángulos"},
    {138, "lugares geométricos"},
    {139, "Ayuda"},
    // the options and help windows
    {140, "Suavizar el dibujo"},
    {141, "Buscar:"},
    {142, "Atrás"},
    {143, "Adelante"},
    // printing, export, the clipboard and the documents
    {144, "Imprimir"},
    {145, "imprimir"},
    {146, "opciones"},
    {147, "número de copias"},
    {148, "Ampliación :"},
    {149, "Tamaño del plano :"},
    {150, "There is no default printer currently selected"},
    {151, "Impresora :"},
    {152, "Archivo PDF"},
    {153, "No se ha podido imprimir"},
    {154, "Eliminar lista de recientes"},
    {155, "Lista documentos..."},
    {156, "Pegar imagen"},
    {157, "No se ha podido exportar el dibujo"},
    {158, "El portapapeles no contiene ninguna imagen"},
    {160, "No se puede cargar la imagen"},
    {161, "Todavía no está disponible:"},
    {162, "Color"},
    // the animation, step-by-step and construction-list windows
    {170, "OK"},
    {171, "Cancelar"},
    {172, "Mover o parar el elemento elegido"},
    {173, "Cambiar el sentido del movimiento"},
    {174, "Pausa"},
    {175, "Quitar el elemento de la animación"},
    {176, "Velocidad"},
    {177, "Primero"},
    {178, "Anterior"},
    {179, "Siguiente"},
    {180, "Último"},
    {181, "Tipo de letra de la lista"},
    {182, "Color de fondo de la lista"},
};

// Built-in extra texts of the main window (key 2000 + slot, slots 0..19): menu captions that
// have no key of their own and the file dialogs' filters.
constexpr KeyText kWindowExtraDefaults[] = {
    {0, "Opciones"},
    {1, "Eliminar lista de recientes"},
    {2, "Paso a Paso..."},
    {3, "Mover la Pantalla..."},
    {4, "Pantalla Completa"},
    {5, "Pegar imagen"},
    {6, "Desactivar trazas"},
    {7, "Redibujar"},
    {8, "Macros..."},
    {9, "Lista documentos..."},
    {10, "Documentos ZEVA (*.kdo *.KDO)"},
    {11, "Macros ZEVA (*.mac *.MAC)"},
    {12, "Todos los archivos (*)"},
};

// Built-in extra messages by slot (key 2000 + slot).
constexpr KeyText kExtraMessageDefaults[] = {
    // the macro window
    {kExtraMacroDamaged, "La macro está dañada: se refiere a elementos que no contiene"},
    {kExtraMacroDescription, "Descripción:"},
    {kExtraMacroList, "Macros:"},
    // crash recovery: the recovery dialog and its messages (slots 60..69)
    {60, "Recuperar documentos"},
    {61, "ZEVA no se cerró correctamente. Estos documentos tenían cambios sin guardar:"},
    {62, "&Restaurar"},
    {63, "&Descartar"},
    {64, "Más &tarde"},
    {65, "Estas copias de recuperación no se pueden leer; se dejan en su carpeta:"},
    {66, "%1 (copia del %2)"},
    {67, "No se pueden escribir las copias de recuperación en %1"},
    {68, "Los documentos restaurados quedan como modificados: guárdelos para conservar los cambios."},
};

// Built-in extra texts of the calculation, parameter, element-edit, move-screen,
// point-by-coordinates and parametric-colour windows (key 2000 + slot, slots 20..49).
constexpr KeyText kDialogExtraDefaults[] = {
    {20, "Evaluar"},
    {21, "Borrar la expresión"},
    {22, "Funciones inversas: asin, acos, atan"},
    {23, "Insertar la variable"},
    {24, "Tipo de función"},
    {25, "Pulse sobre el resultado para colocarlo en ese punto de la figura"},
    {26, "&Expresión"},
    {27, "Resultado"},
    {28, "&Valor"},
    {29, "Mí&nimo"},
    {30, "Má&ximo"},
    {31, "&Representar"},
    {32, "&Nombre"},
    {33, "(ver/no ver) elemento"},
    {34, "(ver/no ver) nombre"},
    {35, "Eliminar"},
    {36, "número de puntos"},
    {37, "Otro color..."},
    {38, "&Decimales"},
    {39, "Unidad"},
    {40, "Tabla horizontal o vertical"},
    {41, "Anclaje"},
    {42, "Intervalo"},
    {43, "El primer extremo del intervalo debe ser menor que el segundo"},
    {44, "Arrastre el rectángulo para elegir la parte visible del plano"},
    {45, "El número de puntos debe ser un entero entre 2 y 99999"},
    {46, "Tipo de &letra..."},
    {47, "Forma"},
    {48, "Apariencia"},
    {49, "Escala"},
};

// Direct lookup for the keys below 1000 (words, kind names, tools, controls).
constexpr int kLowKeyLimit = 1000;

std::array<KeyTarget, kLowKeyLimit> buildLowKeys() {
    std::array<KeyTarget, kLowKeyLimit> keys{};
    for (const auto& w : kWordKeys)
        keys[w.key] = {TextTarget::ShortText, w.index};
    for (int k = 0; k < model::kKindCount; ++k)
        keys[kKindKeys[k]] = {TextTarget::KindName, k};
    for (int t = 0; t < kToolCount; ++t)
        keys[kToolKeys[t]] = {TextTarget::ShortText, t};
    for (const auto& c : kControlKeys)
        keys[c.key] = {TextTarget::Control, c.key};
    return keys;
}

const std::array<KeyTarget, kLowKeyLimit>& lowKeys() {
    static const std::array<KeyTarget, kLowKeyLimit> keys = buildLowKeys();
    return keys;
}

const std::string kEmpty;

std::string trimmedUpper(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The most negative int has no absolute value; it names no slot anyway.
int absoluteKey(int key) {
    if (key >= 0) return key;
    return key == std::numeric_limits<int>::min() ? -1 : -key;
}

} // namespace

KeyTarget targetOfKey(int key) {
    if (key < 0) return {};
    if (key < kLowKeyLimit) return lowKeys()[key];
    if (key < kMessageKeyBase + kMessageCount) return {TextTarget::Message, key - kMessageKeyBase};
    if (key >= kExtraMessageKeyBase && key < kExtraMessageKeyBase + kExtraMessageCount)
        return {TextTarget::ExtraMessage, key - kExtraMessageKeyBase};
    if (key >= kStepPromptKeyBase && key < kStepPromptKeyBase + kStepPromptCount)
        return {TextTarget::StepPrompt, key - kStepPromptKeyBase};
    return {};
}

std::string cutToSlot(std::string_view utf8, size_t maxBytes) {
    // Windows-1252 holds one byte per character, so count characters (UTF-8 lead bytes).
    size_t chars = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b & 0xC0) == 0x80) continue;
        if (chars == maxBytes) return std::string(utf8.substr(0, i));
        ++chars;
    }
    return std::string(utf8);
}

void TextTable::setBuiltInDefaults() {
    for (auto& s : shortTexts)
        s.clear();
    for (auto& s : messages)
        s.clear();
    for (auto& s : extraMessages)
        s.clear();
    for (auto& s : stepPrompts)
        s.clear();
    for (int t = 0; t < kToolCount; ++t)
        shortTexts[t] = kToolDefaults[t];
    for (const auto& w : kWordKeys)
        shortTexts[w.index] = w.text;
    for (int k = 0; k < model::kKindCount; ++k)
        kindNames[k] = model::kindName(static_cast<K>(k));
    for (const auto& m : kMessageDefaults)
        messages[m.key] = m.text;
    for (const auto& m : kWindowExtraDefaults)
        extraMessages[m.key] = m.text;
    for (const auto& m : kExtraMessageDefaults)
        extraMessages[m.key] = m.text;
    for (const auto& m : kDialogExtraDefaults)
        extraMessages[m.key] = m.text;
    controlTexts.clear();
    for (const auto& c : kControlKeys)
        if (!c.text.empty()) controlTexts[c.key] = std::string(c.text);
    rebuildKindWords();
}

void TextTable::rebuildKindWords() {
    // Sub-elements go by words of their own, a function graph by its kind's name, every other
    // kind by its class's word.
    static constexpr std::pair<K, int> kOwnWords[] = {{K::PolygonSide, kWordSide},
                                                      {K::AxisX, kWordAxisX},
                                                      {K::AxisY, kWordAxisY},
                                                      {K::CoordinateX, kWordCoordinateX},
                                                      {K::CoordinateY, kWordCoordinateY}};
    for (int k = 0; k < model::kKindCount; ++k)
        kindWords[k] = classWord(model::classOf(static_cast<K>(k)));
    kindWords[model::toInt(K::FunctionGraph)] = kindNames[model::toInt(K::FunctionGraph)];
    for (const auto& [kind, word] : kOwnWords)
        kindWords[model::toInt(kind)] = shortTexts[word];
}

const std::string& TextTable::toolText(int tool) const {
    return tool >= 0 && tool < kToolCount ? shortTexts[tool] : kEmpty;
}

const std::string& TextTable::shortText(int index) const {
    return index >= 0 && index < kShortTextCount ? shortTexts[index] : kEmpty;
}

const std::string& TextTable::message(int slot) const {
    return slot >= 0 && slot < kMessageCount ? messages[slot] : kEmpty;
}

const std::string& TextTable::extraMessage(int slot) const {
    return slot >= 0 && slot < kExtraMessageCount ? extraMessages[slot] : kEmpty;
}

const std::string& TextTable::stepPrompt(int tool, int step) const {
    // Steps beyond the last prompt (a polygon's later vertices) keep the last one.
    if (tool < 0 || tool >= kToolCount || step < 0) return kEmpty;
    return stepPrompts[tool * kStepsPerTool + std::min(step, kStepsPerTool - 1)];
}

const std::string& TextTable::controlText(int key) const {
    const auto it = controlTexts.find(key);
    return it == controlTexts.end() ? kEmpty : it->second;
}

bool TextTable::set(int key, std::string_view text) {
    // Avoid negating the most negative int.
    const KeyTarget t = targetOfKey(absoluteKey(key));
    switch (t.target) {
    case TextTarget::None:
        return false;
    case TextTarget::ShortText:
        shortTexts[t.index] = cutToSlot(text, kShortSlotSize - 1);
        return true;
    case TextTarget::KindName:
        kindNames[t.index] = cutToSlot(text, kShortSlotSize - 1);
        return true;
    case TextTarget::Message:
        messages[t.index] = cutToSlot(text, kMessageSlotSize - 1);
        return true;
    case TextTarget::ExtraMessage:
        extraMessages[t.index] = cutToSlot(text, kMessageSlotSize - 1);
        return true;
    case TextTarget::StepPrompt:
        stepPrompts[t.index] = cutToSlot(text, kShortSlotSize - 1);
        return true;
    case TextTarget::Control:
        controlTexts[t.index] = std::string(text);
        return true;
    }
    return false;
}

const std::string& TextTable::byKey(int key) const {
    const KeyTarget t = targetOfKey(absoluteKey(key));
    switch (t.target) {
    case TextTarget::None:
        return kEmpty;
    case TextTarget::ShortText:
        return shortTexts[t.index];
    case TextTarget::KindName:
        return kindNames[t.index];
    case TextTarget::Message:
        return messages[t.index];
    case TextTarget::ExtraMessage:
        return extraMessages[t.index];
    case TextTarget::StepPrompt:
        return stepPrompts[t.index];
    case TextTarget::Control:
        return controlText(t.index);
    }
    return kEmpty;
}

TextTable& texts() {
    static TextTable shared = [] {
        TextTable t;
        t.setBuiltInDefaults();
        return t;
    }();
    return shared;
}

bool isSpanish(const TextTable& t) {
    return trimmedUpper(t.classWord(C::Point)) == "PUNTO" &&
           trimmedUpper(t.classWord(C::Line)) == "RECTA";
}

} // namespace zeva::settings
