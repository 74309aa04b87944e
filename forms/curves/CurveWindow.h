#pragma once
// The frame of the curve windows: a chart with a cursor readout, and buttons
// to save the chart as a picture, print it under the header line and close.
// Resizable and not modal, so it can stay open beside the main window.

#include <QDialog>
#include <QString>

#include <QPointF>

#include <functional>
#include <memory>
#include <vector>

class QChart;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QLabel;
class QPushButton;
class QValueAxis;

namespace fluvara {

class TChartLegend;
class TChartView;
class TPrintService;

class TCurveWindow : public QDialog {
    Q_OBJECT
public:
    ~TCurveWindow() override;

    QChart* Chart() const { return chart_; }

    // The header line printed above the chart.
    void SetHeaderLine(const QString& headerLine) { headerLine_ = headerLine; }

    // Asks for a file name and saves the chart; false when cancelled or failed.
    bool SaveBtnClick();
    void PrintBtnClick();

protected:
    // fileStem: the file name offered when saving, without suffix; the chart
    // prints on the run's printer of printing, which outlives the window.
    TCurveWindow(TPrintService& printing, const QString& caption, const QString& fileStem, QWidget* parent);

    TChartView* View() const { return view_; }
    // Once every series is in the chart: the axes at the bottom and left,
    // attached to every series.
    void AddAxes(QValueAxis* x, QValueAxis* y);
    // A text beside a value of the chart, which stays there when the chart is
    // resized; side says where: Qt::AlignLeft or AlignRight with AlignTop or
    // AlignBottom, unless a curve, a mark or an earlier note is there: then
    // the nearest free place, joined to the value by a line. Notes go with the
    // chart into files and printouts.
    void AddNote(const QPointF& value, const QString& text, Qt::Alignment side);
    void ClearNotes();
    // After new curves: the chart's title, and the readout at the cursor anew.
    void CurvesShown(const QString& title);
    // The values at x of the bottom axis; empty without curves.
    virtual QString ReadoutAt(double x) const = 0;
    // The ranges and tick steps for the curves shown and the plot's size;
    // run again whenever the plot area changes.
    virtual void FitAxes() { }

private:
    void CursorAt(double x);
    void UnshapedFonts();

    struct TNote {
        QPointF value;
        QGraphicsRectItem* item;
        QGraphicsLineItem* leader;
        Qt::Alignment side;
    };
    void PlaceNotes();

    QChart* chart_;
    TChartView* view_;
    QLabel* readout_;
    QPushButton* saveBtn_;
    QPushButton* printBtn_;
    QPushButton* closeBtn_;
    QString fileStem_;
    QString headerLine_;
    TPrintService& printing_;
    std::vector<TNote> notes_;
    std::unique_ptr<TChartLegend> legend_;
};

// The folder the save dialogs remember: the last one saved to in this run.
QString& LastChartFolder();
// The folder a save dialog starts in: the remembered one, else that of the
// project opened or saved last, else the home folder; always one that exists.
QString SaveDialogFolder();
// The rule of SaveDialogFolder on given folders.
QString StartFolder(const QString& remembered, const QString& projectFile);

}  // namespace fluvara
