#include "settings/program_texts.h"

namespace zeva::settings {

namespace {

constexpr ProgramTexts kSpanish = {
    "Geometría dinámica",
    "Versión",
    "Este programa es software libre: puede redistribuirlo y modificarlo según los términos de "
    "la Licencia Pública General de GNU, versión 3 o posterior. Se distribuye sin ninguna "
    "garantía.",
    "Hecho con Qt",
    "Ayuda de ZEVA",
    "No se ha encontrado ningún archivo de idioma (.lng) junto al programa ni en la carpeta de "
    "datos instalada. ZEVA funcionará con sus textos en español incorporados.",
};

constexpr ProgramTexts kEnglish = {
    "Dynamic geometry",
    "Version",
    "This program is free software: you can redistribute it and modify it under the terms of "
    "the GNU General Public License, version 3 or later. It comes with no warranty.",
    "Built with Qt",
    "ZEVA Help",
    "No language file (.lng) was found beside the program or in the installed data folder. "
    "ZEVA will run with its built-in Spanish texts.",
};

} // namespace

const ProgramTexts& programTexts(bool spanish) {
    return spanish ? kSpanish : kEnglish;
}

} // namespace zeva::settings
