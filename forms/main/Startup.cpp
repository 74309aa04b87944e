#include "Startup.h"

#include "About.h"
#include "Clipinh.h"
#include "Gbem.h"
#include "HeaderLineSetting.h"
#include "Headline.h"
#include "Kbtab.h"
#include "Ksttab.h"
#include "Main.h"
#include "Nbem.h"
#include "PartialFillingChart.h"
#include "RatingCurveChart.h"
#include "ProgramIcon.h"
#include "ResultOutput.h"
#include "Theo.h"
#include "ReachListWindow.h"
#include "printservice.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace fluvara {

namespace {

// The small dialogs, each made once in this order; the main window asks for
// them by kind, and they go together with the windows.
struct TDialogEntry {
    TDialogKind kind;
    std::unique_ptr<QDialog> (*make)(THeaderLine& headerLine);
};

template <typename Form>
std::unique_ptr<QDialog> Make(THeaderLine&)
{
    return std::make_unique<Form>();
}

const TDialogEntry DialogTable[] = {
    {TDialogKind::About, Make<TAboutForm>},
    {TDialogKind::Clipboard, Make<TClipForm>},
    {TDialogKind::ChannelTitles, Make<TGBemForm>},
    {TDialogKind::HeaderLine,
     [](THeaderLine& line) -> std::unique_ptr<QDialog> { return std::make_unique<THeadLineForm>(line); }},
    {TDialogKind::KbTable, Make<TkbForm>},
    {TDialogKind::KstTable, Make<TkstForm>},
    {TDialogKind::VerificationTitles, Make<TNBemForm>},
    {TDialogKind::Explanations, Make<TTheoForm>},
};

std::unique_ptr<THeaderLine> StoredHeaderLine()
{
    auto line = std::make_unique<THeaderLine>(QString::fromUtf8(InitialHeaderLine));
    line->Load();
    return line;
}

std::vector<std::unique_ptr<QDialog>> MakeDialogs(THeaderLine& headerLine)
{
    std::vector<std::unique_ptr<QDialog>> dialogs;
    for (const TDialogEntry& entry : DialogTable)
        dialogs.push_back(entry.make(headerLine));
    return dialogs;
}

}  // namespace

TApplicationWindows::TApplicationWindows()
    : headerLine(StoredHeaderLine()),
      printing(std::make_unique<TPrintService>()),
      output(std::make_unique<TResultOutput>(*headerLine, *printing)),
      dialogs_(MakeDialogs(*headerLine)),
      mainForm(std::make_unique<TMainForm>(
          TMainWindowParts{*headerLine, *output, *printing, Dialog<TNBemForm>(), Dialog<TGBemForm>()}))
{
    QObject::connect(mainForm.get(), &TMainForm::DialogRequested, mainForm.get(),
                     [this](TDialogKind kind) { OpenDialog(kind); });
    QObject::connect(output.get(), &TResultOutput::Copied, Dialog<TClipForm>(), &TClipForm::TakeCopy);
}

TApplicationWindows::~TApplicationWindows() = default;

QDialog* TApplicationWindows::Dialog(TDialogKind kind) const
{
    const auto* entry = std::find_if(std::begin(DialogTable), std::end(DialogTable),
                                     [kind](const TDialogEntry& e) { return e.kind == kind; });
    return dialogs_.at(static_cast<std::size_t>(entry - std::begin(DialogTable))).get();
}

std::vector<QDialog*> TApplicationWindows::Dialogs() const
{
    std::vector<QDialog*> dialogs;
    for (const auto& dialog : dialogs_)
        dialogs.push_back(dialog.get());
    return dialogs;
}

void TApplicationWindows::OpenDialog(TDialogKind kind)
{
    QDialog* dialog = Dialog(kind);
    if (auto* about = qobject_cast<TAboutForm*>(dialog))
        about->FillLabels(QString::fromUtf8(ApplicationTitle));
    dialog->exec();
}

void InstallFontSubstitutes()
{
    // The layout was drawn for these Windows faces; the Liberation faces are
    // metric twins of Arial and Courier New, and a sans face stands in for
    // the old bitmap "MS Sans Serif".
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});
    QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
}

void InstallGermanQtTexts()
{
    // Qt's own dialogs and menus (printer dialog, message boxes, the fields'
    // context menus) speak German like the rest of the program.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<QTranslator*>("QtGerman"))
        return;
    auto* translator = new QTranslator(app);
    translator->setObjectName("QtGerman");
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

std::unique_ptr<TReachListWindow> MakeReachListWindow(TMainForm& main, const TMainWindowParts& parts)
{
    auto list = std::make_unique<TReachListWindow>(parts.printing);
    list->SetHeaderLine(parts.headerLine.Text());
    QObject::connect(&parts.headerLine, &THeaderLine::Changed, list.get(), &TReachListWindow::SetHeaderLine);
    list->SetPageInputs([&main] { return main.InputsOfPageInFront(); });
    QObject::connect(list.get(), &TReachListWindow::ReachToPage, &main, &TMainForm::ReachToPage);
    return list;
}

namespace {

template <typename Window>
Window* MakeCurveWindow(QWidget& main, TPrintService& printing, const THeaderLine& headerLine)
{
    auto* window = new Window(printing, &main);
    window->SetHeaderLine(headerLine.Text());
    QObject::connect(&headerLine, &THeaderLine::Changed, window, &TCurveWindow::SetHeaderLine);
    return window;
}

}  // namespace

TPartialFillingForm* MakePartialFillingWindow(QWidget& main, TPrintService& printing, const THeaderLine& headerLine)
{
    return MakeCurveWindow<TPartialFillingForm>(main, printing, headerLine);
}

TRatingCurveForm* MakeRatingCurveWindow(QWidget& main, TPrintService& printing, const THeaderLine& headerLine)
{
    return MakeCurveWindow<TRatingCurveForm>(main, printing, headerLine);
}

std::unique_ptr<TApplicationWindows> CreateApplicationWindows()
{
    InstallFontSubstitutes();
    InstallGermanQtTexts();
    QGuiApplication::setWindowIcon(ProgramIcon());
    auto windows = std::make_unique<TApplicationWindows>();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = windows->mainForm->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        windows->mainForm->move(frame.topLeft());
    }
    return windows;
}

namespace {

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

// The reach list at start: first the changes a crash left unsaved, then the
// project asked for, which must not take their place unasked.
void OpenAtStart(TMainForm& main, const QString& projectFile, bool recoveryWaiting)
{
    TReachListWindow& list = main.ReachList();
    const bool restored = recoveryWaiting && list.OfferRecoveryCopy();
    if (restored)
        list.show();
    if (projectFile.isEmpty() || (restored && SameFile(list.FilePath(), projectFile)))
        return;  // the copy holds this very project's changes
    if (!restored || list.MaybeSave())
        main.OpenReachProject(projectFile);
}

}  // namespace

std::unique_ptr<TApplicationWindows> StartApplication(const QString& projectFile)
{
    auto windows = CreateApplicationWindows();
    windows->mainForm->show();
    // Once the main window is up.
    const bool recoveryWaiting = TReachListWindow::RecoveryCopyWaiting();
    if (recoveryWaiting || !projectFile.isEmpty()) {
        TMainForm* main = windows->mainForm.get();
        QTimer::singleShot(0, main,
                           [main, projectFile, recoveryWaiting] { OpenAtStart(*main, projectFile, recoveryWaiting); });
    }
    return windows;
}

}  // namespace fluvara
