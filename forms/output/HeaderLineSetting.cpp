#include "HeaderLineSetting.h"

#include "settingsstore.h"

namespace fluvara {

THeaderLine::THeaderLine(const QString& text, QObject* parent) : QObject(parent), text_(text) { }

void THeaderLine::Load() { Take(ReadHeaderLine(text_)); }

std::optional<QString> THeaderLine::Store(const QString& text)
{
    const QString cut = CutHeaderLine(text);
    auto error = WriteHeaderLine(cut);
    Take(cut);
    return error;
}

void THeaderLine::Take(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    emit Changed(text_);
}

}  // namespace fluvara
