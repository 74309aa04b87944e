#include "CurveWindow.h"

#include "ChartExport.h"
#include "ChartLegend.h"
#include "ChartNotes.h"
#include "ChartView.h"
#include "ReachListWindow.h"
#include "ResultOutput.h"
#include "printservice.h"
#include "qtprinter.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLegend>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <exception>

namespace fluvara {

namespace {

const char* const PngFilter = "PNG-Bild (*.png)";
const char* const SvgFilter = "SVG-Grafik (*.svg)";
const char* const PdfFilter = "PDF-Dokument (*.pdf)";

QString ReadoutHint() { return QString::fromUtf8("Werte ablesen: Maus über das Diagramm bewegen oder Pfeiltasten"); }

QString ProgramName() { return QString::fromUtf8(ApplicationTitle).trimmed(); }

// Around the axes and the legend; small, so that a small window keeps room
// for the plot and its axis labels.
const QMargins ChartMargins(8, 6, 12, 6);

const QColor NoteGround(255, 255, 255, 215);

}  // namespace

QString& LastChartFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QString StartFolder(const QString& remembered, const QString& projectFile)
{
    // A folder removed since it was remembered would leave the dialog in a
    // parent it guessed, or nowhere.
    const QStringList candidates{remembered, projectFile.isEmpty() ? QString() : QFileInfo(projectFile).absolutePath(),
                                 QDir::homePath()};
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return QDir::rootPath();
}

QString SaveDialogFolder() { return StartFolder(LastChartFolder(), TReachListWindow::LastProjectFile()); }

TCurveWindow::TCurveWindow(TPrintService& printing, const QString& caption, const QString& fileStem, QWidget* parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                  Qt::WindowCloseButtonHint),
      chart_(new QChart),
      fileStem_(fileStem),
      printing_(printing)
{
    setWindowTitle(caption);
    setSizeGripEnabled(true);
    setMinimumSize(480, 360);
    resize(860, 620);

    chart_->setLocalizeNumbers(false);  // axis labels with the point, as everywhere in the program
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(ChartMargins);
    view_ = new TChartView(chart_, this);
    view_->setObjectName("ChartView");
    view_->setToolTip(QString::fromUtf8("Maus oder Pfeiltasten: Werte an der Stelle ablesen"));

    readout_ = new QLabel(this);
    readout_->setObjectName("ReadoutLabel");
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setWordWrap(true);  // all values also in a narrow window
    readout_->setText(ReadoutHint());
    saveBtn_ = new QPushButton(QString::fromUtf8("&Speichern…"), this);
    saveBtn_->setObjectName("SaveBtn");
    saveBtn_->setToolTip(QString::fromUtf8("Diagramm als PNG, SVG oder PDF speichern"));
    printBtn_ = new QPushButton(QString::fromUtf8("&Drucken…"), this);
    printBtn_->setObjectName("PrintBtn");
    printBtn_->setToolTip(QString::fromUtf8("Diagramm unter der Kopfzeile drucken"));
    closeBtn_ = new QPushButton(QString::fromUtf8("S&chließen"), this);
    closeBtn_->setObjectName("CloseBtn");
    closeBtn_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(readout_, 1);
    buttons->addWidget(saveBtn_);
    buttons->addWidget(printBtn_);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    setTabOrder(view_, saveBtn_);
    setTabOrder(saveBtn_, printBtn_);
    setTabOrder(printBtn_, closeBtn_);

    connect(saveBtn_, &QPushButton::clicked, this, &TCurveWindow::SaveBtnClick);
    connect(printBtn_, &QPushButton::clicked, this, &TCurveWindow::PrintBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::close);
    connect(view_, &TChartView::CursorMoved, this, [this](double x) { CursorAt(x); });
    connect(view_, &TChartView::CursorLeft, this, [this] { readout_->setText(ReadoutHint()); });
    connect(chart_, &QChart::plotAreaChanged, this, [this] {
        FitAxes();
        PlaceNotes();
    });
    connect(chart_, &QChart::geometryChanged, this, [this] {
        if (legend_)
            legend_->Place();
    });
}

// The chart goes after this part of the window: no signal of its may reach
// the notes or the axes then.
TCurveWindow::~TCurveWindow() { disconnect(chart_, nullptr, this, nullptr); }

void TCurveWindow::AddAxes(QValueAxis* x, QValueAxis* y)
{
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    UnshapedFonts();
    legend_ = std::make_unique<TChartLegend>(*chart_, ChartMargins);
}

// The chart's texts without ligatures, so that "fl" stays two letters in
// saved and printed files and a search for "Abfluss" finds them.
void TCurveWindow::UnshapedFonts()
{
    auto unshaped = [](QFont font) {
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    };
    chart_->setTitleFont(unshaped(chart_->titleFont()));
    chart_->legend()->setFont(unshaped(chart_->legend()->font()));
    for (QAbstractAxis* axis : chart_->axes()) {
        axis->setTitleFont(unshaped(axis->titleFont()));
        axis->setLabelsFont(unshaped(axis->labelsFont()));
    }
}

void TCurveWindow::AddNote(const QPointF& value, const QString& text, Qt::Alignment side)
{
    // On a light ground over the grid and the shaded regions.
    auto* ground = new QGraphicsRectItem(chart_);
    ground->setPen(Qt::NoPen);
    ground->setBrush(NoteGround);
    ground->setZValue(110);
    auto* item = new QGraphicsSimpleTextItem(text, ground);
    QFont font = chart_->legend()->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    item->setFont(font);
    item->setBrush(QColor(30, 30, 30));
    constexpr double Padding = 3;
    item->setPos(Padding, Padding);
    ground->setRect(item->boundingRect().adjusted(0, 0, 2 * Padding, 2 * Padding));
    auto* leader = new QGraphicsLineItem(chart_);
    leader->setPen(QPen(QColor(90, 90, 90), 1));
    leader->setZValue(105);
    leader->hide();
    notes_.push_back({value, ground, leader, side});
    PlaceNotes();
}

void TCurveWindow::ClearNotes()
{
    for (const TNote& note : notes_) {
        delete note.item;
        delete note.leader;
    }
    notes_.clear();
}

void TCurveWindow::PlaceNotes()
{
    if (chart_->series().isEmpty() || notes_.empty())
        return;
    const QRectF area = chart_->plotArea();
    std::vector<TNoteRequest> requests;
    for (const TNote& note : notes_)
        requests.push_back(
            {chart_->mapToPosition(note.value, chart_->series().first()), note.item->rect().size(), note.side});
    const std::vector<std::optional<QRectF>> places = FreeNotePlaces(requests, area, CurvesOf(*chart_));
    for (std::size_t i = 0; i < notes_.size(); ++i) {
        const TNote& note = notes_[i];
        const QPointF at = requests[i].anchor;
        const QSizeF size = requests[i].size;
        // Where the plot is too small for any free place: beside the value
        // and see-through, so that it hides no curve.
        const QRectF box = places[i]
            ? *places[i]
            : QRectF(QPointF(std::clamp(at.x() + 8, area.left(), area.right() - size.width()),
                             std::clamp(at.y() + 4, area.top(), area.bottom() - size.height())),
                     size);
        note.item->setPos(box.topLeft());
        note.item->setBrush(places[i] ? QBrush(NoteGround) : QBrush(Qt::NoBrush));
        // A note away from its value points to it.
        const QPointF end(std::clamp(at.x(), box.left(), box.right()), std::clamp(at.y(), box.top(), box.bottom()));
        const QLineF leader(at, end);
        note.leader->setVisible(leader.length() > 12);
        if (leader.length() > 12)
            note.leader->setLine(QLineF(leader.pointAt(6 / leader.length()), end));
    }
}

void TCurveWindow::CursorAt(double x)
{
    const QString text = ReadoutAt(x);
    readout_->setText(text.isEmpty() ? ReadoutHint() : text);
}

void TCurveWindow::CurvesShown(const QString& title)
{
    chart_->setTitle(title);
    if (view_->CursorVisible())
        view_->SetCursorValue(view_->CursorValue());
}

bool TCurveWindow::SaveBtnClick()
{
    QFileDialog dialog(this, QString::fromUtf8("Diagramm speichern"), SaveDialogFolder());
    dialog.setObjectName("SaveChartDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters{QString::fromUtf8(PngFilter), QString::fromUtf8(SvgFilter), QString::fromUtf8(PdfFilter)};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix("png");
    dialog.selectFile(fileStem_ + ".png");
    // The suffix follows the chosen kind of file.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filters](const QString& filter) {
        static const char* const suffixes[] = {"png", "svg", "pdf"};
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0)
            dialog.setDefaultSuffix(QString::fromLatin1(suffixes[index]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().first();
    LastChartFolder() = QFileInfo(path).absolutePath();
    view_->HideCursor();
    const QString error = SaveChart(*chart_, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, ProgramName(), error);
        return false;
    }
    return true;
}

void TCurveWindow::PrintBtnClick()
{
    QPrinter* printer = printing_.Choose(this);
    if (!printer)
        return;
    printer->setResolution(PrintResolution);
    view_->HideCursor();
    const QDate date = QDate::currentDate();
    try {
        PrintChart(*printer, *chart_, headerLine_.toStdString(), {date.day(), date.month(), date.year()});
    } catch (const std::exception& e) {
        QMessageBox::critical(this, ProgramName(), QString::fromUtf8(e.what()));
    }
}

}  // namespace fluvara
