#pragma once
// A printer page for tests: a page of a given size that records the job's
// steps in order with the drawing calls made on it.

#include "pagesurface.h"
#include "recordingsurface.h"

#include <string>
#include <vector>

namespace fluvara::test {

class TRecordingPage : public TPageSurface {
public:
    TRecordingPage(int width, int height);

    void SetJobTitle(std::string_view title) override;
    int PageWidth() override;
    int PageHeight() override;
    void BeginDoc() override;
    void EndDoc() override;
    TDrawSurface& Surface() override { return surface_; }
    void SetFontSize(int points) override;

    const TRecordingSurface& Drawing() const { return surface_; }
    // Job steps ("SetJobTitle(\"FLUVARA\")", "PageHeight", "BeginDoc",
    // "SetFontSize(10)", ...) and drawing calls, in the order they were made.
    std::vector<std::string> Log() const;
    // Only the drawing calls of the given operations and the job steps.
    std::vector<std::string> Log(std::initializer_list<std::string_view> names) const;

private:
    struct TStep {
        std::size_t drawingCalls;  // drawing calls made before the step
        std::string text;
    };
    void Step(std::string text);
    std::vector<std::string> Log(std::initializer_list<std::string_view> names, bool allCalls) const;

    int width_;
    int height_;
    TRecordingSurface surface_;
    std::vector<TStep> steps_;
};

}  // namespace fluvara::test
