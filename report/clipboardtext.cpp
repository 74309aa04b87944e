#include "clipboardtext.h"

#include "textformat.h"

namespace fluvara {

std::string ClipboardText(const TResultLines& lines, int lineCount, std::size_t limit)
{
    std::string text;
    std::size_t chars = 0;
    for (int i = 0; i < lineCount; ++i) {
        text += "   ";
        chars += 3;
        const std::string& line = lines.Line(i);
        const std::size_t room = chars < limit ? limit - chars : 0;
        const std::string content = Utf8Left(line, room);
        text += content;
        chars += Utf8Length(content);
        text += "\r\n";
        chars += 2;
    }
    return text;
}

std::string CircleClipboardText(const TResultLines& lines)
{
    return ClipboardText(lines, CircleResultLineCount, CircleCopyLimit);
}

std::string ChannelClipboardText(const TResultLines& lines) { return ClipboardText(lines, 22, ChannelCopyLimit); }

}  // namespace fluvara
