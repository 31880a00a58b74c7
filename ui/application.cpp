#include "application.h"

#include "accessibility.h"
#include "errorreport.h"
#include "fonts.h"
#include "lang/language.h"

#include <QCommandLineParser>

namespace vintorp::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { }

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportError(currentErrorMessage());
    }
    return false;
}

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QString::fromUtf16(kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral(VINTORP_VERSION));
    // Names the desktop file, through which Wayland finds the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VINTORP_APP_ID));
    QApplication::setOrganizationDomain(QStringLiteral("vintorp.github.io"));
    installFonts(app);
    presentWindowsAndPictures();

    // The system's language chooses the interface's, and that of Qt's own dialogs.
    lang::installTranslations(app, lang::systemLanguage());
}

QString designFromCommandLine(const QApplication& app)
{
    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Расчёт каркаса катушки трансформатора"));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("FILE.vintorp"),
                                  QCoreApplication::translate("CommandLine", "Проект, который нужно открыть"));
    options.process(app);
    const QStringList files = options.positionalArguments();
    return files.isEmpty() ? QString() : files.front();
}

}  // namespace vintorp::ui
