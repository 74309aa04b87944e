#include "recordingpage.h"

#include "textformat.h"

#include <algorithm>

namespace fluvara::test {

TRecordingPage::TRecordingPage(int width, int height) : width_(width), height_(height), surface_("Courier New", 50, 94)
{ }

void TRecordingPage::Step(std::string text) { steps_.push_back({surface_.Calls().size(), std::move(text)}); }

void TRecordingPage::SetJobTitle(std::string_view title) { Step("SetJobTitle(\"" + std::string(title) + "\")"); }

int TRecordingPage::PageWidth()
{
    Step("PageWidth");
    return width_;
}

int TRecordingPage::PageHeight()
{
    Step("PageHeight");
    return height_;
}

void TRecordingPage::BeginDoc() { Step("BeginDoc"); }

void TRecordingPage::EndDoc() { Step("EndDoc"); }

void TRecordingPage::SetFontSize(int points) { Step(Fmt("SetFontSize(%d)", points)); }

std::vector<std::string> TRecordingPage::Log() const { return Log({}, true); }

std::vector<std::string> TRecordingPage::Log(std::initializer_list<std::string_view> names) const
{
    return Log(names, false);
}

std::vector<std::string> TRecordingPage::Log(std::initializer_list<std::string_view> names, bool allCalls) const
{
    const std::vector<TSurfaceCall>& calls = surface_.Calls();
    std::vector<std::string> out;
    auto step = steps_.begin();
    for (std::size_t i = 0; i <= calls.size(); ++i) {
        for (; step != steps_.end() && step->drawingCalls == i; ++step)
            out.push_back(step->text);
        if (i < calls.size() && (allCalls || std::find(names.begin(), names.end(), calls[i].name) != names.end()))
            out.push_back(calls[i].ToString());
    }
    return out;
}

}  // namespace fluvara::test
