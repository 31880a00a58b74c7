// The input window driven through its real widgets: key filter, focus moves,
// the core type switch, pasting, and the road to the calculation's messages.
#include "uitest.h"
#include "ui/errorreport.h"
#include "calc/errors.h"
#include "print/errors/printerror.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QVersionNumber>
#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>

using namespace vintorp::ui;

// An error of a type of no standard family.
struct OddError { };

// Marks the texts of the context "Messages" it translates; leaves the rest.
class MarkingMessages : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "Messages") != 0)
            return {};
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

class TestInputWindow : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }

    void typeInto(QLineEdit* field, const QString& keys)
    {
        field->setFocus();
        QTest::keyClicks(field, keys);
    }

    void pasteInto(QLineEdit* field, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    }

private slots:
    void init()
    {
        QVERIFY(openWindows());
        form_->activateWindow();
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    }

    void cleanup()
    {
        closeWindows();
        QGuiApplication::clipboard()->clear();
    }

    void startsWithTitleFocusAndDefaults()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Vintorp v.1.0"));
        QCOMPARE(QApplication::focusWidget(), edit("ed_A"));
        QCOMPARE(edit("edMater")->text(), QStringLiteral("1"));
        QCOMPARE(edit("edPLKrep")->text(), QStringLiteral("0"));
        QVERIFY(!edit("edPLKrep")->isEnabled());
        QVERIFY(child<QRadioButton>("item0")->isChecked());
        QVERIFY(child("img_SHL")->isVisible());
        QVERIFY(!child("IMG_PL")->isVisible());
        QVERIFY(!drawing_->isVisible());
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form_->size(), QSize(325, 220));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        const auto row
            = [](const char* name, QRect r) { QTest::newRow(name) << QString::fromLatin1(name) << r; };
        row("rgType", {4, 4, 157, 64});
        row("GroupBox1", {4, 69, 156, 148});
        row("img_SHL", {2, 7, 151, 137});
        row("IMG_PL", {2, 7, 151, 137});
        row("GroupBox3", {164, 4, 158, 65});
        row("edMater", {99, 16, 51, 21});
        row("edPLKrep", {99, 38, 51, 21});
        row("GroupBox2", {164, 69, 158, 115});
        row("ed_A", {99, 18, 51, 21});
        row("ed_B", {99, 40, 51, 21});
        row("ed_C", {99, 62, 51, 21});
        row("ed_H", {99, 84, 51, 21});
        row("btShow", {168, 189, 72, 24});
        row("Button1", {244, 189, 72, 24});
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(child(name.toLatin1().constData())->geometry(), expected);
    }

    void corePictureSitsInItsBox_data()
    {
        QTest::addColumn<int>("coreType");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QRect>("picture");
        QTest::newRow("E-type") << 0 << "img_SHL" << QRect(0, 2, 150, 133);
        QTest::newRow("U-type") << 1 << "IMG_PL" << QRect(0, 1, 150, 135);
    }

    void corePictureSitsInItsBox()
    {
        QFETCH(int, coreType);
        QFETCH(QString, shown);
        QFETCH(QRect, picture);
        QTest::mouseClick(child<QRadioButton>(coreType ? "item1" : "item0"), Qt::LeftButton);
        QWidget* box = child(shown.toLatin1().constData());
        QVERIFY(box->isVisible());
        const QImage shot = box->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QColor background = form_->palette().color(QPalette::Button);
        const auto at = [&](int x, int y) { return QColor(shot.pixel((QPointF(x, y) * ratio).toPoint())); };
        // The picture's faint frame fills its first and last rows; around it the box shows.
        QVERIFY(at(10, picture.top()) != background);
        QVERIFY(at(10, picture.bottom()) != background);
        QCOMPARE(at(10, picture.top() - 1), background);
        QCOMPARE(at(10, picture.bottom() + 1), background);
        QCOMPARE(at(150, 60), background);
        QVERIFY(at(149, 60) != background);
    }

    void labelsFitInFrontOfTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label16") << "Label16"
                                 << "edMater" << QStringLiteral("Материал =>");
        QTest::newRow("Label25") << "Label25"
                                 << "edPLKrep" << QStringLiteral("Стяжка (ПЛ) =>");
        QTest::newRow("Label1") << "Label1"
                                << "ed_A" << QStringLiteral("\" A \"   => ");
        QTest::newRow("Label4") << "Label4"
                                << "ed_H" << QStringLiteral("\" H \"   => ");
    }

    void labelsFitInFrontOfTheirFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, field);
        QFETCH(QString, text);
        const auto* l = child<QLabel>(label.toLatin1().constData());
        QCOMPARE(l->text(), text);
        QVERIFY2(l->geometry().right() < child(field.toLatin1().constData())->x(),
                 qPrintable(QStringLiteral("label ends at %1").arg(l->geometry().right())));
    }

    void typedSeparatorBecomesTheLocaleOne_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comma locale, full stop key") << ","
                                                     << "12.5"
                                                     << "12,5";
        QTest::newRow("comma locale, second separator") << ","
                                                        << "12.5,."
                                                        << "12,5";
        QTest::newRow("full stop locale, comma key") << "."
                                                     << "1,25"
                                                     << "1.25";
        QTest::newRow("separator first") << ","
                                         << ",5"
                                         << ",5";
        QTest::newRow("minus, blank and letters") << ","
                                                  << "-7 e1a+"
                                                  << "71";
        QTest::newRow("exponent cannot be typed") << "."
                                                  << "1e309"
                                                  << "1309";
    }

    void typedSeparatorBecomesTheLocaleOne()
    {
        QFETCH(QString, separator);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        pinSeparator(separator);
        QLineEdit* field = edit("ed_B");
        field->clear();
        typeInto(field, keys);
        QCOMPARE(field->text(), expected);
    }

    void backspaceAndControlCharacters()
    {
        QLineEdit* field = edit("ed_C");
        field->clear();
        typeInto(field, QStringLiteral("123"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("12"));
        // Clipboard shortcuts and Escape are typed characters, and dropped.
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("12"));
        // Keys that type nothing still edit.
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("2"));
    }

    void maximumLengthHoldsForTypingAndPasting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        QTest::newRow("ed_A") << "ed_A" << 6;
        QTest::newRow("ed_H") << "ed_H" << 6;
        QTest::newRow("edMater") << "edMater" << 4;
    }

    void maximumLengthHoldsForTypingAndPasting()
    {
        QFETCH(QString, field);
        QFETCH(int, limit);
        QLineEdit* e = edit(field.toLatin1().constData());
        pasteInto(e, QStringLiteral("1234567890"));
        QCOMPARE(e->text(), QStringLiteral("1234567890").left(limit));
        e->clear();
        typeInto(e, QStringLiteral("9876543210"));
        QCOMPARE(e->text().size(), limit);
    }

    void enterWalksTheTabOrderAndPressesTheButton()
    {
        edit("ed_A")->setText(QStringLiteral("20"));
        edit("ed_B")->setText(QStringLiteral("25"));
        edit("ed_C")->setText(QStringLiteral("10"));
        edit("ed_H")->setText(QStringLiteral("30"));
        edit("ed_A")->setFocus();
        const QList<const char*> walk = {"ed_B", "ed_C", "ed_H", "btShow"};
        for (const char* next : walk) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QCOMPARE(edit("ed_H")->text(), QStringLiteral("30"));
        QVERIFY(!drawing_->testAttribute(Qt::WA_KeyboardFocusChange));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(drawing_->isVisible());
        // Reached by keyboard, the drawing window shows where its focus is.
        QVERIFY(drawing_->testAttribute(Qt::WA_KeyboardFocusChange));
        QCOMPARE(drawing_->fieldText(QStringLiteral("Edit4")), QStringLiteral("39,5"));
    }

    void typingAtStartReplacesTheZero()
    {
        QCOMPARE(QApplication::focusWidget(), edit("ed_A"));
        QTest::keyClicks(edit("ed_A"), "20");
        QCOMPARE(edit("ed_A")->text(), QStringLiteral("20"));
    }

    // The focus frame on Calculate is drawn whether Tab or Enter brought the
    // focus there, and not when the focus came otherwise.
    void keyMovedFocusIsShown_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void keyMovedFocusIsShown()
    {
        QFETCH(int, key);
        auto* button = child<QPushButton>("btShow");
        form_->setAttribute(Qt::WA_KeyboardFocusChange, false);
        button->setFocus(Qt::MouseFocusReason);
        const QImage unframed = button->grab().toImage();
        edit("ed_H")->setFocus(Qt::MouseFocusReason);
        form_->setAttribute(Qt::WA_KeyboardFocusChange, false);
        QTest::keyClick(edit("ed_H"), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), button);
        QVERIFY(button->grab().toImage() != unframed);
    }

    void tabCyclesThroughTheWindow_data()
    {
        QTest::addColumn<int>("coreType");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("E-type: clamp field skipped")
            << 0
            << QStringList{"ed_A", "ed_B", "ed_C", "ed_H", "btShow", "edMater", "item0", "Button1", "ed_A"};
        QTest::newRow("U-type") << 1 << QStringList{"ed_A",    "ed_B",     "ed_C",  "ed_H",    "btShow",
                                                    "edMater", "edPLKrep", "item1", "Button1", "ed_A"};
    }

    void tabCyclesThroughTheWindow()
    {
        QFETCH(int, coreType);
        QFETCH(QStringList, cycle);
        QTest::mouseClick(child<QRadioButton>(coreType ? "item1" : "item0"), Qt::LeftButton);
        edit("ed_A")->setFocus();
        for (qsizetype i = 1; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
        }
    }

    void coreTypeSwitchesPictureAndClampField()
    {
        QLineEdit* clamp = edit("edPLKrep");
        QTest::mouseClick(child<QRadioButton>("item1"), Qt::LeftButton);
        QVERIFY(child("IMG_PL")->isVisible());
        QVERIFY(!child("img_SHL")->isVisible());
        QVERIFY(clamp->isEnabled());
        typeInto(clamp, QStringLiteral("2"));
        QTest::mouseClick(child<QRadioButton>("item0"), Qt::LeftButton);
        QVERIFY(child("img_SHL")->isVisible());
        QVERIFY(!child("IMG_PL")->isVisible());
        QVERIFY(!clamp->isEnabled());
        QCOMPARE(clamp->text(), QStringLiteral("02"));
    }

    void rejectedInputShowsThePlainMessage()
    {
        modals_->expectBoxes(1);
        QTest::mouseClick(child<QPushButton>("btShow"), Qt::LeftButton);
        QTRY_COMPARE(modals_->seen().size(), 1);
        const SeenBox box = modals_->seen().first();
        QCOMPARE(box.text, QStringLiteral("Введите правильно размеры!"));
        QCOMPARE(box.title, QStringLiteral("Vintorp"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(!drawing_->isVisible());
        QVERIFY(form_->isVisible());
    }

    void pastedOverflowReachesTheErrorReportAndTheProgramGoesOn()
    {
        pasteInto(edit("ed_A"), QStringLiteral("1e309"));
        QCOMPARE(edit("ed_A")->text(), QStringLiteral("1e309"));
        modals_->expectBoxes(1);
        QTest::mouseClick(child<QPushButton>("btShow"), Qt::LeftButton);
        QTRY_COMPARE(modals_->seen().size(), 1);
        const SeenBox box = modals_->seen().first();
        QCOMPARE(box.text, QStringLiteral("Floating point overflow."));
        QCOMPARE(box.title, QStringLiteral("Vintorp"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(!drawing_->isVisible());

        // The next command runs as usual.
        modals_->clear();
        edit("ed_A")->setText(QStringLiteral("20"));
        edit("ed_B")->setText(QStringLiteral("25"));
        edit("ed_C")->setText(QStringLiteral("10"));
        edit("ed_H")->setText(QStringLiteral("30"));
        QTest::mouseClick(child<QPushButton>("btShow"), Qt::LeftButton);
        QTRY_VERIFY(drawing_->isVisible());
    }

    void closeButtonEndsTheProgramWithTheDrawingWindow()
    {
        drawing_->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(drawing_.get()));
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QVERIFY(!drawing_->isVisible());
    }

    void localeChangeReadsTheSeparatorAgain()
    {
        QString symbol = QStringLiteral(",");
        setSeparatorSource([&symbol] { return symbol; });
        symbol = QStringLiteral(".");
        QCOMPARE(decimalSeparator(), QStringLiteral(","));
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(form_.get(), &change);
        QCOMPARE(decimalSeparator(), QStringLiteral("."));
    }

    // An error that escapes a handler is reported by the application object
    // itself, and the event loop goes on; one that ends a command run through
    // runReportingErrors is reported there. Either way an error of a type the
    // report does not know still says something, in the report's usual form.
    void errorsOfEveryTypeAreReported_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("escapesTheHandler");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<int, QString>> kinds = {
            {0, "Floating point division by zero."},
            {1, "Error of type std::runtime_error."},
            {2, "Unknown error of type int."},
            {3, "Unknown error of type OddError."},
        };
        for (const auto& [kind, expected] : kinds) {
            QTest::addRow("kind %d, escaping", kind) << kind << true << expected;
            QTest::addRow("kind %d, in a command", kind) << kind << false << expected;
        }
    }

    void errorsOfEveryTypeAreReported()
    {
        QFETCH(int, kind);
        QFETCH(bool, escapesTheHandler);
        QFETCH(QString, expected);
        const auto fail = [kind] {
            switch (kind) {
            case 0: throw std::runtime_error("Floating point division by zero");
            case 1: throw std::runtime_error("");
            case 2: throw 42;
            default: throw OddError{};
            }
        };
        modals_->expectBoxes(1);
        if (escapesTheHandler) {
            struct Throwing : QObject {
                std::function<void()> fail;
                bool event(QEvent* e) override
                {
                    if (e->type() == QEvent::User)
                        fail();
                    return QObject::event(e);
                }
            } receiver;
            receiver.fail = fail;
            QEvent event(QEvent::User);
            QVERIFY(!QApplication::sendEvent(&receiver, &event));
        } else {
            runReportingErrors(form_.get(), fail);
        }
        QTRY_COMPARE(modals_->seen().size(), 1);
        QCOMPARE(modals_->seen().first().text, expected);
        QCOMPARE(modals_->seen().first().icon, QMessageBox::Critical);
        QCOMPARE(modals_->seen().first().title, QStringLiteral("Vintorp"));
        QVERIFY(form_->isVisible());
    }

    // The report words the calculation's and the printout's errors by their
    // kind, through the translation, not by the text the exception carries.
    void errorsOfOurOwnAreWordedByKind()
    {
        MarkingMessages marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        modals_->expectBoxes(2);
        runReportingErrors(form_.get(),
                           [] { throw vintorp::calc::ArithmeticError(vintorp::calc::ErrorKind::Overflow); });
        runReportingErrors(form_.get(), [] {
            throw vintorp::print::PrintError(vintorp::print::PrintErrorKind::OutputFailed, "Файл не записан");
        });
        QTRY_COMPARE(modals_->seen().size(), 2);
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(modals_->seen().at(0).text, QStringLiteral("<Floating point overflow>."));
        QCOMPARE(modals_->seen().at(1).text, QStringLiteral("Файл не записан."));
    }

    // The desktop knows the application by its ID, the name of its desktop
    // file (through which Wayland finds the window's icon); the version
    // shown is the one the build has.
    void identityComesFromTheBuild()
    {
        const QString desktopFile = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
        QVERIFY2(QFileInfo::exists(QStringLiteral(VINTORP_PACKAGING_DIR "/") + desktopFile),
                 qPrintable(desktopFile));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(VINTORP_PROJECT_VERSION));
        const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
        QCOMPARE(form_->windowTitle(),
                 QStringLiteral("Vintorp v.%1.%2").arg(version.majorVersion()).arg(version.minorVersion()));
    }
};

VINTORP_UI_TEST_MAIN(TestInputWindow)

#include "test_input_window.moc"
