#include "application.h"

#include "errorreport.h"
#include "fonts.h"
#include "language.h"

#include <exception>

namespace vintorp::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { }

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QString());
    }
    return false;
}

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QString::fromUtf16(kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationDomain(QStringLiteral("vintorp.github.io"));
    installFonts(app);

    // The system's language chooses the interface's, and that of Qt's own dialogs.
    installTranslations(app, systemLanguage());
}

}  // namespace vintorp::ui
