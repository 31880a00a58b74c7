// Start-up: the application, then the input window (the main window) and the
// drawing window, hidden until the first calculation; the event loop runs
// until the input window is closed.
#include "Unit1.h"
#include "Unit4.h"
#include "application.h"

int main(int argc, char** argv)
{
    vintorp::ui::Application app(argc, argv);
    vintorp::ui::setUpApplication(app);

    vintorp::ui::TForm4 form4;
    vintorp::ui::TForm1 form1(form4);
    form1.show();
    return app.exec();
}
