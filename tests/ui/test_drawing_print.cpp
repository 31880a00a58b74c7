// Print from the drawing window as the user does it: calculate, press
// «Печать», choose a PDF file. The page carries the window's values, drawn
// as vectors, and errors reach the general error report.
#include "calc/drawingfields.h"
#include "uitest.h"

#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vintorp::ui;

namespace {

// The user at the print dialog.
class ScriptedChooser final : public vintorp::print::PrinterChooser {
public:
    explicit ScriptedChooser(std::function<bool(QPrinter&)>& answer) : answer_(answer) { }
    bool choose(QPrinter& printer, QWidget*) override { return answer_(printer); }

private:
    std::function<bool(QPrinter&)>& answer_;
};

QString runTool(const char* name, const QStringList& args)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(name)), args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestDrawingPrint : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    std::function<bool(QPrinter&)> answer_;
    QTemporaryDir dir_;

    QString pdf() const { return dir_.filePath(QStringLiteral("drawing.pdf")); }

    void calculateWorkedExample()
    {
        const QList<std::pair<const char*, const char*>> inputs
            = {{"ed_A", "20"}, {"ed_B", "25"}, {"ed_C", "10"}, {"ed_H", "30"}};
        for (const auto& [name, text] : inputs)
            form_->findChild<QLineEdit*>(name)->setText(QString::fromLatin1(text));
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QVERIFY(drawing_->isVisible());
    }

    void pressPrint() { QTest::mouseClick(drawing_->findChild<QPushButton*>("btPrint"), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    void init()
    {
        answer_ = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
        QVERIFY(openWindows(std::make_unique<ScriptedChooser>(answer_)));
        QFile::remove(pdf());
    }

    void cleanup() { closeWindows(); }

    void pageCarriesTheWindowsValuesAsVectors()
    {
        calculateWorkedExample();
        pressPrint();
        QVERIFY(QFile::exists(pdf()));

        // Each field's value as a word of its own on the page.
        const QString text = runTool("pdftotext", {pdf(), QStringLiteral("-")});
        const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const vintorp::calc::DrawingField& field : vintorp::calc::kDrawingFieldTable) {
            const QString name = QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
            const QString value = drawing_->fieldText(name);
            QVERIFY2(value != QStringLiteral("0") && words.contains(value), qPrintable(name + ": " + value));
        }
        QVERIFY(text.contains(QStringLiteral("Все размеры в мм.")));
        QVERIFY(text.contains(QStringLiteral("Толщина материала")));
        QVERIFY(!text.contains(QStringLiteral("Примечание")));
        QVERIFY(!text.contains(QStringLiteral("Печать")));

        // The drawing reaches the page from its vector source, not as a bitmap.
        const QStringList images
            = runTool("pdfimages", {QStringLiteral("-list"), pdf()}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2);  // the table's two header lines, no image rows
    }

    void cancelPrintsNothingAndTheNextPrintWorks()
    {
        calculateWorkedExample();
        answer_ = [](QPrinter&) { return false; };
        pressPrint();
        QVERIFY(!QFile::exists(pdf()));
        answer_ = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            return true;
        };
        pressPrint();
        QVERIFY(QFile::exists(pdf()));
    }

    void printerErrorReachesTheReport()
    {
        calculateWorkedExample();
        answer_ = [](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/drawing.pdf"));
            return true;
        };
        modals_->expectBoxes(1);
        pressPrint();
        QTRY_COMPARE(modals_->seen().size(), 1);
        QCOMPARE(modals_->seen().first().text, QStringLiteral("Printer selected is not valid."));
        QCOMPARE(modals_->seen().first().icon, QMessageBox::Critical);
        QVERIFY(drawing_->isVisible());
    }
};

VINTORP_UI_TEST_MAIN(TestDrawingPrint)

#include "test_drawing_print.moc"
