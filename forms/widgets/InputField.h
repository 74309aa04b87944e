#pragma once

#include <QString>

#include <string>

class QEvent;
class QLineEdit;

namespace fluvara {

// Limits what the user can type into a field to maxChars characters while the
// program can still write a longer text (a transferred diameter of seven
// characters): QLineEdit::setMaxLength would cut that text.
void LimitTyping(QLineEdit* field, int maxChars);

// The field's text as UTF-8, for the number check.
std::string FieldText(const QLineEdit* field);
QString FromUtf8(const std::string& text);

// True for the Return and Enter keys of a key-press event.
bool IsEnterKey(const QEvent* event);

}  // namespace fluvara
