// The result lines and the clipboard text with extreme values: every line
// keeps its length limit and stays whole UTF-8, and the copy has all its
// lines, each framed by three blanks and CR LF, within its size limit.

#include "clipboardtext.h"
#include "fuzzinput.h"
#include "resultlines.h"
#include "textformat.h"

#include <string>

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

// Whole UTF-8 sequences only: a cut never splits a character.
bool WholeUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

void CheckLines(const TResultLines& lines, bool inputWasUtf8)
{
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string& line = lines.Line(i);
        if (Utf8Length(line) > ResultLineMaxChars)
            Finding("a result line beyond its limit");
        if (inputWasUtf8 && !WholeUtf8(line))
            Finding("a result line ends in half a character");
    }
}

std::size_t Count(const std::string& text, std::string_view what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

void CheckCopy(const std::string& copy, int lineCount, std::size_t limit)
{
    if (Count(copy, "\r\n") < static_cast<std::size_t>(lineCount) || copy.compare(0, 3, "   ") != 0)
        Finding("the copy lost a line or its frame");
    // content stops at the limit; the frames of the lines still follow
    if (Utf8Length(copy) > limit + 5 * static_cast<std::size_t>(lineCount))
        Finding("the copy is beyond its size limit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        TResultLines lines = MakeCircleResultLines();
        WriteCircleFullFlowLines(lines, AnyDouble(in), AnyDouble(in), AnyDouble(in), AnyDouble(in), AnyDouble(in),
                                 AnyDouble(in));
        if (in.ConsumeBool())
            WriteCirclePartialFlowLines(lines, AnyDouble(in), AnyDouble(in), AnyDouble(in), AnyDouble(in),
                                        AnyDouble(in));
        CheckLines(lines, true);
        CheckCopy(CircleClipboardText(lines), 17, CircleCopyLimit);
    } else {
        TChannelInput input;
        TChannelResult result;
        for (double* v : {&input.Q,       &input.Is,    &input.kstBottom, &input.kstLeft,  &input.kstRight,
                          &input.b,       &input.hp,    &result.alpha,    &result.mLeft,   &result.beta,
                          &result.mRight, &result.h,    &result.v,        &result.kstMean, &result.l1,
                          &result.l2,     &result.bWsp, &result.bProfil,  &result.hgr,     &result.vgr})
            *v = AnyDouble(in);
        result.regime = static_cast<TFlowRegime>(in.ConsumeIntegralInRange(0, 2));
        TResultLines lines = MakeChannelResultLines();
        WriteChannelResultLines(lines, input, result);
        CheckLines(lines, true);
        CheckCopy(ChannelClipboardText(lines), 22, ChannelCopyLimit);
    }
    // Lines set from any text, as a page does with a field's working text.
    TResultLines lines(3);
    const std::string text = in.ConsumeRemainingBytesAsString();
    lines.Set(1, text);
    CheckLines(lines, WholeUtf8(text));
    CheckCopy(ClipboardText(lines, 3, 10), 3, 10);
    return 0;
}
