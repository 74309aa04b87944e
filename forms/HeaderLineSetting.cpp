#include "HeaderLineSetting.h"

#include "settingsstore.h"

namespace fluvara {

THeaderLine::THeaderLine(const QString& text, QObject* parent) : QObject(parent), text_(text) {}

void THeaderLine::Load() { Take(ReadHeaderLine(text_)); }

void THeaderLine::Store(const QString& text)
{
    const QString cut = CutHeaderLine(text);
    WriteHeaderLine(cut);
    Take(cut);
}

void THeaderLine::Take(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    emit Changed(text_);
}

} // namespace fluvara
