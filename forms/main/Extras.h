#pragma once
// The main window's menu "&Extras": the partial-filling curves of the
// verification page's pipe and the rating curve of the channel page's
// channel, both following their page, and the preview and PDF file of the
// report of the page in front.

#include "printframe.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace fluvara {

class TChannelPage;
class TPartialFillingForm;
class TPrintService;
class TPrintTitleDialog;
class TRatingCurveForm;
class TResultOutput;
class TVerificationPage;

class TExtras : public QObject {
    Q_OBJECT
public:
    // The pages, their title dialogs, the output and the print service
    // outlive this object; pageInFront tells which page the main window shows.
    TExtras(QWidget& mainWindow, TVerificationPage& verification, TPrintTitleDialog* verificationTitles,
            TChannelPage& channel, TPrintTitleDialog* channelTitles, TResultOutput& output, TPrintService& printing,
            std::function<const QWidget*()> pageInFront);
    ~TExtras() override;

    // Adds the entries, one action each.
    void AddTo(QMenu& menu);

    void ShowPartialFillingCurves();
    void ShowRatingCurve();
    void PrintPreview();
    // Asks for the titles and a file; false when cancelled or failed.
    bool SaveAsPdf();

private:
    // The report of the page in front, with its title dialog and the name
    // offered for its file; an empty printout after a message to the user.
    struct TReport {
        std::optional<TPrintout> printout;
        TPrintTitleDialog* titles = nullptr;
        const char* name = "";
    };
    TReport ReportInFront() const;
    void Inform(const QString& message) const;
    void FollowPipe();
    void FollowChannel();

    QWidget& main_;
    TVerificationPage& verification_;
    TPrintTitleDialog* verificationTitles_;
    TChannelPage& channel_;
    TPrintTitleDialog* channelTitles_;
    TResultOutput& output_;
    TPrintService& printing_;
    std::function<const QWidget*()> pageInFront_;
    TPartialFillingForm* filling_ = nullptr;
    TRatingCurveForm* rating_ = nullptr;
};

// Writes the report as a PDF file on the page of the run's printer, replacing
// path only once the file is complete. Empty on success, else a German message.
QString WriteReportPdf(TResultOutput& output, const TPrintTitles& titles, const TPrintout& printout,
                       const QString& path);

}  // namespace fluvara
