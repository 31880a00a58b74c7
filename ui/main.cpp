// Start-up: the application, then the input window (the main window) and the
// drawing window, hidden until the first calculation; the event loop runs
// until the input window is closed. A design file named on the command line
// is opened once the input window shows.
#include "inputwindow.h"
#include "drawingwindow.h"
#include "application.h"
#include "designkeeper.h"

#include <QTimer>

int main(int argc, char** argv)
{
    vintorp::ui::Application app(argc, argv);
    vintorp::ui::setUpApplication(app);

    const QString designPath = vintorp::ui::designFromCommandLine(app);

    vintorp::ui::TForm4 form4;
    vintorp::ui::TForm1 form1(form4);
    vintorp::ui::DesignKeeper design(form1, form4);
    form1.show();
    if (!designPath.isEmpty())
        QTimer::singleShot(0, &design, [&design, designPath] { design.open(designPath); });
    return app.exec();
}
