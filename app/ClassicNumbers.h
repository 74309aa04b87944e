#pragma once
// QApplication hands the user's locale to the C library. For its numbers the
// program keeps the "C" locale, so that no library it calls (the Excel
// writer, any printf or strtod underneath) writes or reads a decimal comma;
// texts, character classes and messages stay the user's.

namespace fluvara {

// Call right after the QApplication is made.
void KeepClassicNumbers();

}  // namespace fluvara
