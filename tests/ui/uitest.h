// What every window test starts from: the program's two windows as start-up
// makes them, shown, with the decimal separator pinned and every modal box
// answered from a timer (an unexpected one fails the test); and a main() with
// the program's own application.
#pragma once

#include "headless.h"
#include "modalwatcher.h"
#include "print/printerchooser.h"
#include "ui/inputwindow.h"
#include "ui/drawingwindow.h"
#include "ui/application.h"
#include "ui/decimalseparator.h"

#include <QtTest>

#include <memory>

class ProgramWindowsFixture {
protected:
    static void pinSeparator(const QString& separator)
    {
        vintorp::ui::setSeparatorSource([separator] { return separator; });
    }

    // Returns false when the input window never reached the screen.
    [[nodiscard]] bool openWindows(std::unique_ptr<vintorp::print::PrinterChooser> chooser = {})
    {
        pinSeparator(QStringLiteral(","));
        drawing_ = std::make_unique<vintorp::ui::TForm4>(std::move(chooser));
        form_ = std::make_unique<vintorp::ui::TForm1>(*drawing_);
        modals_ = std::make_unique<ModalWatcher>();
        form_->show();
        return QTest::qWaitForWindowExposed(form_.get());
    }

    // Call from cleanup(): fails the test when a modal window came up that
    // it did not expect.
    void closeWindows()
    {
        const QStringList unexpected = modals_ ? modals_->unexpected() : QStringList();
        modals_.reset();
        form_.reset();
        drawing_.reset();
        vintorp::ui::setSeparatorSource(vintorp::ui::systemDecimalSymbol);
        QVERIFY2(unexpected.isEmpty(),
                 qPrintable(QStringLiteral("unexpected: ") + unexpected.join(QStringLiteral("; "))));
    }

    std::unique_ptr<vintorp::ui::TForm4> drawing_;
    std::unique_ptr<vintorp::ui::TForm1> form_;
    std::unique_ptr<ModalWatcher> modals_;
};

// What a desktop with a larger font does to a Qt program before it sets up its
// own: the default font and the fonts its theme gives each kind of widget,
// times VINTORP_TEST_DESKTOP_FONT (unset: left as they are).
inline void enlargeDesktopFont()
{
    const double factor = qEnvironmentVariable("VINTORP_TEST_DESKTOP_FONT").toDouble();
    if (factor <= 0)
        return;
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    QApplication::setFont(font);
    for (const char* kind : {"QLabel", "QPushButton", "QRadioButton", "QCheckBox", "QGroupBox", "QLineEdit",
                             "QAbstractSpinBox", "QAbstractItemView", "QHeaderView"})
        QApplication::setFont(font, kind);
}

#define VINTORP_UI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        const vintorp::testing::Headless headless;                                                           \
        vintorp::ui::Application app(argc, argv);                                                            \
        enlargeDesktopFont();                                                                                \
        vintorp::ui::setUpApplication(app);                                                                  \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
