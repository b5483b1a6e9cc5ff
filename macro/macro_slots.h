#pragma once
// A document's macro slots: adding, copying from another document, renaming, describing and
// deleting. Each change marks the document modified, so the macros are saved with it.

#include "document/document.h"
#include "document/macro.h"

#include <string>
#include <vector>

namespace zeva::macro {

// A deep copy: body elements (with their stored serials), classes, name, description, version.
document::Macro copyMacro(const document::Macro& m);

// Puts m in d's next free slot and answers its index; -1 (and nothing changes) when d already
// holds the most macros a document may hold.
int addMacro(document::Document& d, document::Macro&& m);

// Renames the macro at `index` to the trimmed answer; an empty or blank answer (or an index
// outside the slots) changes nothing. True when the name was replaced.
bool renameMacro(document::Document& d, int index, const std::string& answer);

// Stores the memo's lines as the description of the macro at `index` (each cut to what a file
// can hold); marks d modified only when they differ from what it had.
void describeMacro(document::Document& d, int index, const std::vector<std::string>& lines);

// Deletes the macro at `index`; the following ones move down one slot. Answers the index to
// select afterwards: the same position, the previous one when the last was deleted, -1 when
// none is left (nothing changes for an index that names no macro).
int deleteMacro(document::Document& d, int index);

} // namespace zeva::macro
