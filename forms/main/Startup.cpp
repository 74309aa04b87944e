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
#include "ProgramIcon.h"
#include "ResultOutput.h"
#include "Theo.h"
#include "ReachListWindow.h"
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

namespace fluvara {

TApplicationWindows::TApplicationWindows() = default;
TApplicationWindows::~TApplicationWindows() = default;

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

std::unique_ptr<TApplicationWindows> CreateApplicationWindows()
{
    InstallFontSubstitutes();
    InstallGermanQtTexts();
    QGuiApplication::setWindowIcon(ProgramIcon());
    auto windows = std::make_unique<TApplicationWindows>();
    windows->headerLine = std::make_unique<THeaderLine>(QString::fromUtf8(InitialHeaderLine));
    windows->headerLine->Load();
    windows->output = std::make_unique<TResultOutput>(*windows->headerLine);
    windows->mainForm = std::make_unique<TMainForm>();
    windows->aboutForm = std::make_unique<TAboutForm>();
    windows->clipForm = std::make_unique<TClipForm>(windows->mainForm->Memo1());
    windows->gBemForm = std::make_unique<TGBemForm>();
    windows->headLineForm = std::make_unique<THeadLineForm>(*windows->headerLine);
    windows->kbForm = std::make_unique<TkbForm>();
    windows->kstForm = std::make_unique<TkstForm>();
    windows->nBemForm = std::make_unique<TNBemForm>();
    windows->theoForm = std::make_unique<TTheoForm>();

    TDialogs dialogs;
    dialogs.about = windows->aboutForm.get();
    dialogs.clip = windows->clipForm.get();
    dialogs.gBem = windows->gBemForm.get();
    dialogs.headLine = windows->headLineForm.get();
    dialogs.kb = windows->kbForm.get();
    dialogs.kst = windows->kstForm.get();
    dialogs.nBem = windows->nBemForm.get();
    dialogs.theo = windows->theoForm.get();
    windows->mainForm->Connect(dialogs, *windows->output);
    windows->mainForm->UseHeaderLine(*windows->headerLine);

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
