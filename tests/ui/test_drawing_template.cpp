// The template button of the drawing window as the user meets it: disabled
// until there is something to cut, next to «Печать» in the tab order, its
// dialog's default number of bobbins by core type, and a saved file or a
// clear message at the end.
#include "uitest.h"

#include "template/command/templatedialog.h"
#include "template/pages/cuttemplate.h"
#include "smalldisk.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <set>

using namespace vintorp::ui;
using vintorp::cut::TemplateChoice;

namespace {

// A print dialog: what it was opened on, and how the user answers it
// (cancels, unless told otherwise).
struct PrinterQuestion {
    std::function<bool(QPrinter&)> answer = [](QPrinter&) { return false; };
    QPrinter* printer = nullptr;
    QString file;
    QPageSize paper;

    bool ask(QPrinter& asked)
    {
        printer = &asked;
        file = asked.outputFileName();
        paper = asked.pageLayout().pageSize();
        return answer(asked);
    }
};

class QuestionChooser final : public vintorp::print::PrinterChooser {
public:
    explicit QuestionChooser(PrinterQuestion& question) : question_(question) { }
    bool choose(QPrinter& printer, QWidget*) override { return question_.ask(printer); }

private:
    PrinterQuestion& question_;
};

// The user's answers to the template's questions, and what was asked.
struct Script {
    std::optional<TemplateChoice> output;
    QString file;
    int askedBobbins = 0;
    TemplateChoice askedStart;
    int asked = 0;
    PrinterQuestion printer;
    QStringList sheetFiles;  // as the user was told them
};

class ScriptedDialogs final : public vintorp::cut::TemplateDialogs {
public:
    explicit ScriptedDialogs(Script& script) : script_(script) { }
    std::optional<TemplateChoice> chooseOutput(const TemplateChoice& start, QWidget*) override
    {
        ++script_.asked;
        script_.askedBobbins = start.bobbins;
        script_.askedStart = start;
        return script_.output;
    }
    QString chooseFile(QWidget*) override { return script_.file; }
    bool choosePrinter(QPrinter& printer, QWidget*) override { return script_.printer.ask(printer); }
    void tellSheetFiles(const QStringList& paths, QWidget*) override { script_.sheetFiles = paths; }

private:
    Script& script_;
};

}  // namespace

class TestDrawingTemplate : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    Script script_;
    PrinterQuestion drawingPrinter_;  // the Print button's dialog
    QTemporaryDir dir_;

    QPushButton* button() const { return drawing_->findChild<QPushButton*>("btTemplate"); }

    void calculate(const QString& a, int coreType, const QString& k = "0", const QString& b = "25",
                   const QString& c = "10", const QString& h = "30")
    {
        const QList<std::pair<const char*, QString>> inputs = {
            {"ed_A", a}, {"ed_B", b}, {"ed_C", c}, {"ed_H", h}, {"edPLKrep", k}, {"edMater", "1"}};
        for (const auto& [name, text] : inputs)
            form_->findChild<QLineEdit*>(name)->setText(text);
        QTest::mouseClick(form_->findChild<QRadioButton*>(coreType ? "item1" : "item0"), Qt::LeftButton);
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        script_ = {};
        drawingPrinter_ = {};
        QVERIFY(openWindows(std::make_unique<QuestionChooser>(drawingPrinter_)));
        drawing_->ensurePolished();  // the drawing window makes its controls then
        drawing_->setTemplateDialogs(std::make_unique<ScriptedDialogs>(script_));
    }
    void cleanup() { closeWindows(); }

    void placedBesidePrint()
    {
        QPushButton* b = button();
        QVERIFY(b);
        QCOMPARE(b->geometry(), QRect(380, 412, 70, 20));
        QCOMPARE(b->text(), QStringLiteral("Шаблон…"));
        // Below the picture area, clear of the notes and of «Печать».
        QVERIFY(b->geometry().top() >= 400);
        QVERIFY(!b->geometry().intersects(drawing_->findChild<QPushButton*>("btPrint")->geometry()));
        for (const QLabel* label : drawing_->findChildren<QLabel*>())
            QVERIFY2(!b->geometry().intersects(label->geometry()), qPrintable(label->objectName()));
    }

    void tabOrderAfterPrint()
    {
        QWidget* print = drawing_->findChild<QPushButton*>("btPrint");
        QCOMPARE(print->nextInFocusChain(), button());
        QCOMPARE(button()->nextInFocusChain(), drawing_->findChild<QPushButton*>("btWindings"));
        QCOMPARE(drawing_->findChild<QPushButton*>("btWindings")->nextInFocusChain(),
                 drawing_->findChild<QLineEdit*>("Edit15"));
    }

    void enabledOnlyWithSomethingToCut_data()
    {
        QTest::addColumn<QStringList>("steps");  // "ok" or "rejected" calculations
        QTest::addColumn<bool>("enabled");
        QTest::newRow("at start") << QStringList{} << false;
        QTest::newRow("after a calculation") << QStringList{"ok"} << true;
        QTest::newRow("after a rejected one") << QStringList{"ok", "rejected"} << false;
        QTest::newRow("rejected first") << QStringList{"rejected"} << false;
        QTest::newRow("calculated again") << QStringList{"ok", "rejected", "ok"} << true;
    }

    void enabledOnlyWithSomethingToCut()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, enabled);
        modals_->expectBoxes(int(steps.count(QStringLiteral("rejected"))));
        for (const QString& step : steps)
            calculate(step == u"ok" ? "20" : "0", 0);
        QCOMPARE(button()->isEnabled(), enabled);
    }

    // The dialog opens with what was chosen last; of that, only what differs
    // from what it showed is kept, so the bobbins still follow the core type.
    void dialogOpensWithTheLastChoices()
    {
        calculate("20", 1);
        script_.output = TemplateChoice{TemplateChoice::Output::File, 2, 0.1, true, {QSizeF(300, 150), 2, true}, 0.2};
        script_.file = dir_.filePath("last.svg");
        QTest::mouseClick(button(), Qt::LeftButton);
        const vintorp::design::TemplateSettings& kept = drawing_->templateSettings();
        QVERIFY(!kept.bobbins && !kept.sheetWidth && !kept.gap && !kept.labels);
        QCOMPARE(kept.clearance, 0.1);
        QCOMPARE(kept.cutter, true);
        QCOMPARE(kept.sheetHeight, 150.0);
        QCOMPARE(kept.kerf, 0.2);
        calculate("20", 0);
        script_.output.reset();
        QTest::mouseClick(button(), Qt::LeftButton);
        const TemplateChoice& start = script_.askedStart;
        QCOMPARE(start.bobbins, 1);
        QVERIFY(start.forCutter);
        QCOMPARE(start.cutter.sheet, QSizeF(300, 150));
        QCOMPARE(start.windowClearance, 0.1);
        QCOMPARE(start.kerf, 0.2);
    }

    void savesWithBobbinsByCoreType_data()
    {
        QTest::addColumn<int>("coreType");
        QTest::addColumn<int>("bobbins");
        QTest::addColumn<QString>("file");
        QTest::newRow("E-type, PDF") << 0 << 1 << "e.pdf";
        QTest::newRow("U-type, SVG") << 1 << 2 << "u.svg";
        QTest::newRow("U-type, DXF") << 1 << 2 << "u.dxf";
    }

    void savesWithBobbinsByCoreType()
    {
        QFETCH(int, coreType);
        QFETCH(int, bobbins);
        QFETCH(QString, file);
        calculate("20", coreType, "2");
        script_.output = TemplateChoice{.output = TemplateChoice::Output::File, .bobbins = bobbins};
        script_.file = dir_.filePath(file);
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(script_.askedBobbins, bobbins);
        QVERIFY(QFile::exists(script_.file));
        QVERIFY(modals_->seen().isEmpty());
        if (file.endsWith(u"svg")) {
            QFile svg(script_.file);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            // Each cheek's things are grouped by its name in every layer.
            QSet<QString> cheeks;
            for (const auto& m : QRegularExpression(QStringLiteral("class=\"(cheek-\\d+)\"")).globalMatch(QString::fromUtf8(svg.readAll())))
                cheeks << m.captured(1);
            QCOMPARE(cheeks.size(), 2 * bobbins);
        }
        if (file.endsWith(u"dxf")) {
            QFile dxf(script_.file);
            QVERIFY(dxf.open(QIODevice::ReadOnly));
            // Per bobbin two cheeks of two outlines each and four walls.
            QCOMPARE(dxf.readAll().count("POLYLINE\r\n  8\r\ncut\r\n"), 8 * bobbins);
        }
    }

    void cancelWritesNothing()
    {
        const QTemporaryDir empty;
        calculate("20", 0);
        script_.output = std::nullopt;
        script_.file = empty.filePath("t.pdf");
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(script_.asked, 1);
        QVERIFY(QDir(empty.path()).isEmpty());
        QVERIFY(modals_->seen().isEmpty());
    }

    // Values that make no part are said as soon as the drawing shows them:
    // in the notes and on the disabled button, before anything is asked.
    void partsThatCannotBeMadeAreSaidUpFront_data()
    {
        QTest::addColumn<QStringList>("inputs");  // A, core type, K, B, C, H
        QTest::addColumn<QString>("pasted");  // a field's text pasted over the drawing's, "name=text"
        QTest::addColumn<QString>("says");
        QTest::newRow("worked example") << QStringList{"20", "0", "0", "25", "10", "30"} << "" << "";
        QTest::newRow("deep U-type stack")
            << QStringList{"12", "1", "1", "50", "15", "30"} << "" << "окно щеки";
        QTest::newRow("pasted exponent") << QStringList{"20", "0", "0", "25", "10", "30"} << "Edit4=1E15"
                                         << "ширина щеки 1E15";
    }

    void partsThatCannotBeMadeAreSaidUpFront()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, pasted);
        QFETCH(QString, says);
        calculate(inputs[0], inputs[1].toInt(), inputs[2], inputs[3], inputs[4], inputs[5]);
        if (!pasted.isEmpty())
            drawing_->setFieldText(pasted.section(u'=', 0, 0), pasted.section(u'=', 1));
        auto* note = drawing_->findChild<QLabel*>(QStringLiteral("lbTemplateNote"));
        QVERIFY(note);
        QCOMPARE(note->isVisible(), !says.isEmpty());
        QCOMPARE(button()->isEnabled(), says.isEmpty());
        if (says.isEmpty())
            return;
        QVERIFY2(note->text().contains(says), qPrintable(note->text()));
        QVERIFY2(button()->toolTip().contains(says), qPrintable(button()->toolTip()));
        QVERIFY(note->sizeHint().width() <= note->width());
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(script_.asked, 0);
        QVERIFY(modals_->seen().isEmpty());
        // Cut short, the note ends in a link that Tab reaches and Enter
        // follows: the reason is shown whole.
        QCOMPARE(note->textFormat() == Qt::RichText, note->fontMetrics().horizontalAdvance("3. " + button()->toolTip()) > note->width());
        if (note->textFormat() != Qt::RichText)
            return;
        drawing_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(drawing_.get()));
        drawing_->findChild<QPushButton*>("btPrint")->setFocus();
        for (int tabs = 0; tabs < 40 && QApplication::focusWidget() != note; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), note);
        modals_->expectBoxes(1);
        QTest::keyClick(note, Qt::Key_Return);
        QTRY_COMPARE(modals_->seen().size(), 1);
        QCOMPARE(modals_->seen().first().text, button()->toolTip());
    }

    void fullDiskIsReportedAndKeepsTheOldFile()
    {
        const vintorp::testing::SmallDisk disk(12);
        if (!disk.mounted())
            QSKIP(disk.why().c_str());
        script_.file = QString::fromStdString(disk.file("existing.pdf"));
        const QByteArray old(6000, 'o');
        {
            QFile existing(script_.file);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            QCOMPARE(existing.write(old), old.size());
        }
        calculate("20", 0);
        script_.output = TemplateChoice{.output = TemplateChoice::Output::File, .bobbins = 1};
        modals_->expectBoxes(1);
        QTest::mouseClick(button(), Qt::LeftButton);
        QTRY_COMPARE(modals_->seen().size(), 1);
        const QString said = modals_->seen().front().text;
        QVERIFY2(said.contains(script_.file) && said.contains(QStringLiteral("No space left on device")),
                 qPrintable(said));
        QFile existing(script_.file);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), old);
    }

    // One printer for the run: the printer, paper and file the user chose
    // for one print are what the other print's dialog opens on.
    void printerChosenOnceIsOfferedToBoth_data()
    {
        QTest::addColumn<bool>("templateFirst");
        QTest::newRow("drawing, then template") << false;
        QTest::newRow("template, then drawing") << true;
    }

    void printerChosenOnceIsOfferedToBoth()
    {
        QFETCH(bool, templateFirst);
        calculate("20", 0);
        script_.output = TemplateChoice{.output = TemplateChoice::Output::Printer, .bobbins = 1};
        const QString pdf = dir_.filePath(QStringLiteral("first.pdf"));
        QFile::remove(pdf);
        const QPageSize letter(QPageSize::Letter);
        PrinterQuestion& first = templateFirst ? script_.printer : drawingPrinter_;
        PrinterQuestion& second = templateFirst ? drawingPrinter_ : script_.printer;
        first.answer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(letter);
            return true;
        };
        QPushButton* print = drawing_->findChild<QPushButton*>("btPrint");
        QTest::mouseClick(templateFirst ? button() : print, Qt::LeftButton);
        QTest::mouseClick(templateFirst ? print : button(), Qt::LeftButton);

        QVERIFY(QFile::exists(pdf));
        QVERIFY(first.printer);
        QCOMPARE(second.printer, first.printer);
        QCOMPARE(second.file, pdf);
        QVERIFY2(second.paper.isEquivalentTo(letter), qPrintable(second.paper.name()));
        QVERIFY(modals_->seen().isEmpty());
    }

    // When a print dialog closes, the drawing window has the focus back, even
    // where the window manager activated the input window beneath it (so
    // that the next Enter would calculate unseen).
    void focusComesBackAfterTheDialogs_data()
    {
        QTest::addColumn<bool>("fromTemplate");
        QTest::newRow("Print") << false;
        QTest::newRow("Template") << true;
    }

    void focusComesBackAfterTheDialogs()
    {
        QFETCH(bool, fromTemplate);
        calculate("20", 0);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(drawing_.get()));
        script_.output = TemplateChoice{.output = TemplateChoice::Output::Printer, .bobbins = 1};
        const auto windowBeneath = [this](QPrinter&) {
            form_->activateWindow();  // as the window manager does when the dialog goes
            (void)QTest::qWaitFor([this] { return QApplication::activeWindow() == form_.get(); });
            return false;
        };
        (fromTemplate ? script_.printer : drawingPrinter_).answer = windowBeneath;
        QTest::mouseClick(fromTemplate ? button() : drawing_->findChild<QPushButton*>("btPrint"), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(drawing_.get()));
    }

    // The dialog's settings reach the file: a cutter's sheets with the kerf,
    // the window's clearance. A cutter's file has nothing to print, and a PDF
    // cannot be one.
    void cutterSettingsReachTheFile()
    {
        vintorp::cut::TemplateOutputDialog dialog(TemplateChoice{});
        auto* cutter = dialog.findChild<QGroupBox*>("gbCutter");
        auto* print = dialog.findChild<QPushButton*>("btTemplatePrint");
        QVERIFY(cutter && print && !cutter->isChecked() && print->isEnabled());
        cutter->setChecked(true);
        QVERIFY(!print->isEnabled());
        const auto type = [&dialog](const char* name, const QString& text) {
            auto* box = dialog.findChild<QDoubleSpinBox*>(name);
            box->selectAll();
            QTest::keyClicks(box, text);
        };
        const QString point = QLocale().decimalPoint();
        type("seKerf", "0" + point + "2");
        type("seClearance", "0" + point + "1");
        type("seHole", "2" + point + "5");
        type("seSheetWidth", "150");
        auto* hole = dialog.findChild<QDoubleSpinBox*>("seHole");
        QCOMPARE(std::pair(hole->minimum(), hole->maximum()), std::pair(0.5, 5.0));
        QTest::mouseClick(dialog.findChild<QCheckBox*>("cbLabels"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btTemplateSave"), Qt::LeftButton);
        const TemplateChoice choice = dialog.choice();
        QVERIFY(choice.cutterFile().has_value());
        QCOMPARE(choice.cutter.sheet, QSizeF(150, 200));
        QVERIFY(!choice.cutter.labels);
        QCOMPARE(choice.kerf, 0.2);
        QCOMPARE(choice.windowClearance, 0.1);
        QCOMPARE(choice.leadHole, 2.5);

        calculate("20", 0);
        script_.output = choice;
        script_.file = dir_.filePath("cutter.svg");
        QTest::mouseClick(button(), Qt::LeftButton);
        QFile svg(script_.file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        QVERIFY(text.contains(u"Ширина реза: 0,2 мм") && text.contains(u"inkscape:label=\"calibration\""));
        QVERIFY(text.contains(u"r=\"1.15\""));  // holes of 2.5 mm, cut 0.2 mm smaller
        QVERIFY(!text.contains(u"inkscape:label=\"labels\""));
        QVERIFY(modals_->seen().isEmpty());

        modals_->expectBoxes(1);
        script_.file = dir_.filePath("cutter.pdf");
        QTest::mouseClick(button(), Qt::LeftButton);
        QTRY_COMPARE(modals_->seen().size(), 1);
        QVERIFY2(modals_->seen().front().text.contains(u"только для файлов SVG"), qPrintable(modals_->seen().front().text));
        QVERIFY(!QFile::exists(script_.file));
    }

    // Cut only leaves the labels out; a job of three sheets is saved in a
    // file each, and the user is told their names.
    void cutOnlySheetsNamed()
    {
        TemplateChoice start;
        start.forCutter = true;
        start.bobbins = 2;
        start.cutter.sheet = QSizeF(100, 100);
        vintorp::cut::TemplateOutputDialog dialog(start);
        auto* labels = dialog.findChild<QCheckBox*>("cbLabels");
        QVERIFY(labels->isEnabled());
        QTest::mouseClick(dialog.findChild<QCheckBox*>("cbCutOnly"), Qt::LeftButton);
        QVERIFY(!labels->isEnabled());
        QTest::mouseClick(dialog.findChild<QPushButton*>("btTemplateSave"), Qt::LeftButton);
        script_.output = dialog.choice();
        QVERIFY(script_.output->cutter.cutOnly);

        calculate("20", 0);
        script_.file = dir_.filePath("bobbin.svg");
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(script_.sheetFiles,
                 (QStringList{dir_.filePath("bobbin-1.svg"), dir_.filePath("bobbin-2.svg"),
                              dir_.filePath("bobbin-3.svg")}));
        for (const QString& path : script_.sheetFiles)
            QVERIFY(vintorp::cut::sheetFilesMessage(script_.sheetFiles).contains(QFileInfo(path).fileName()));
        QVERIFY(modals_->seen().isEmpty());
    }

    // By keyboard alone: Tab walks the dialog top to bottom, Space checks the
    // cutter's group, Enter takes the default output (a file once there is
    // nothing to print), Escape cancels.
    void dialogWorksByKeyboard_data()
    {
        QTest::addColumn<bool>("cutter");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("output");
        const auto row = [](const char* name, bool cutter, Qt::Key key, QDialog::DialogCode result,
                            TemplateChoice::Output output) {
            QTest::newRow(name) << cutter << int(key) << int(result) << int(output);
        };
        row("Enter prints", false, Qt::Key_Return, QDialog::Accepted, TemplateChoice::Output::Printer);
        row("Enter saves a cutter's file", true, Qt::Key_Return, QDialog::Accepted, TemplateChoice::Output::File);
        row("Escape cancels", false, Qt::Key_Escape, QDialog::Rejected, TemplateChoice::Output::File);
        row("Escape cancels a cutter's file", true, Qt::Key_Escape, QDialog::Rejected, TemplateChoice::Output::File);
    }

    void dialogWorksByKeyboard()
    {
        QFETCH(bool, cutter);
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(int, output);
        vintorp::cut::TemplateOutputDialog dialog(vintorp::cut::TemplateChoice{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QStringList order{"seBobbins", "seClearance", "seHole", "gbCutter"};
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
        if (cutter) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(dialog.findChild<QGroupBox*>("gbCutter")->isChecked());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("seSheetWidth"));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(dialog.result(), result);
        QVERIFY(!dialog.isVisible());
        if (result == QDialog::Accepted)
            QCOMPARE(int(dialog.choice().output), output);
    }

    void dialogOffersBothOutputs()
    {
        vintorp::cut::TemplateOutputDialog dialog(TemplateChoice{.bobbins = 2});
        auto* spin = dialog.findChild<QSpinBox*>("seBobbins");
        QVERIFY(spin);
        QCOMPARE(spin->value(), 2);
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 4);
        spin->setValue(3);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btTemplatePrint"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.choice().output, TemplateChoice::Output::Printer);
        QCOMPARE(dialog.choice().bobbins, 3);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btTemplateSave"), Qt::LeftButton);
        QCOMPARE(dialog.choice().output, TemplateChoice::Output::File);
        QCOMPARE(vintorp::cut::templateSuffix("SVG (*.svg)"), QStringLiteral("svg"));
        QCOMPARE(vintorp::cut::templateSuffix("PDF (*.pdf)"), QStringLiteral("pdf"));
        // Each filter the file dialog offers names a format of its own that
        // the template is saved in, and every format has its filter.
        std::set<vintorp::cut::TemplateFormat> formats;
        for (const QString& filter : vintorp::cut::templateFileFilters().split(";;")) {
            const auto format
                = vintorp::cut::templateFormatFor("/tmp/t." + vintorp::cut::templateSuffix(filter));
            QVERIFY2(format && formats.insert(*format).second, qPrintable(filter));
        }
        QCOMPARE(formats.size(), std::size_t(3));
    }
};

VINTORP_UI_TEST_MAIN(TestDrawingTemplate)
#include "test_drawing_template.moc"
