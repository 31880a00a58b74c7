// Qt's print dialog as the print command opens it, driven as the user would:
// no page range on offer, and the paper chosen once stays for the next print.
#include "headless.h"
#include "print/printerchooser.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using vintorp::print::DialogPrinterChooser;

namespace {

// One thing the user does in the dialog that is open.
struct Step {
    QString dialog;  // object name of the modal dialog it is done in
    std::function<void(QDialog&)> act;
};

// Opens the print dialog on `printer` and plays `steps` in order, each as
// soon as its dialog is the modal one. Returns whether the user confirmed;
// `played` says how many steps were played.
bool choose(QPrinter& printer, const std::vector<Step>& steps, size_t& played)
{
    played = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || played == steps.size() || modal->objectName() != steps[played].dialog)
            return;
        const Step& step = steps[played++];
        // Queued, so that a dialog the step opens does not block this timer.
        QTimer::singleShot(0, modal, [modal, &step] { step.act(*modal); });
    });
    poll.start(5);
    DialogPrinterChooser chooser;
    return chooser.choose(printer, nullptr);
}

void openProperties(QDialog& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click();
}

void confirm(QDialog& dialog)
{
    dialog.accept();
}

const QPageLayout kCustomPaper(QPageSize(QSizeF(150, 100), QPageSize::Millimeter), QPageLayout::Portrait,
                               QMarginsF(7, 8, 9, 10), QPageLayout::Millimeter);

}  // namespace

class PrinterChooserTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    // A printer as an earlier print left it: a PDF file on custom paper.
    void setUp(QPrinter& printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(QStringLiteral("drawing.pdf")));
        printer.setPageLayout(kCustomPaper);
    }

private slots:
    void offersNoPageRange()
    {
        QPrinter printer(QPrinter::HighResolution);
        setUp(printer);
        bool rangeShown = true;
        size_t played = 0;
        const bool confirmed = choose(printer,
                                      {{QStringLiteral("PrintDialog1"),
                                        [&rangeShown](QDialog& dialog) {
                                            auto* range
                                                = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
                                            rangeShown = range && !range->isHidden();
                                            dialog.reject();
                                        }}},
                                      played);
        QCOMPARE(played, size_t(1));
        QVERIFY(!confirmed);
        QVERIFY(!rangeShown);
    }

    // The user sets a custom paper up in Properties for one print and just
    // confirms the dialog for the next.
    void customPaperStaysForTheNextPrint()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(QStringLiteral("drawing.pdf")));
        const auto chooseCustomPaper = [](QDialog& properties) {
            auto* units = properties.findChild<QComboBox*>(QStringLiteral("unitCombo"));
            const int mm = units->findData(QVariant::fromValue(QPageLayout::Millimeter));
            units->setCurrentIndex(mm);
            emit units->activated(mm);
            auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            sizes->setCurrentIndex(sizes->findData(QVariant()));
            properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))->setValue(150);
            properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"))->setValue(100);
            properties.accept();
        };
        size_t played = 0;
        QVERIFY(choose(printer,
                       {{QStringLiteral("PrintDialog1"), openProperties},
                        {QString(), chooseCustomPaper},
                        {QStringLiteral("PrintDialog1"), confirm}},
                       played));
        QCOMPARE(played, size_t(3));
        const QPageSize custom = kCustomPaper.pageSize();
        QVERIFY(printer.pageLayout().pageSize().isEquivalentTo(custom));

        QVERIFY(choose(printer, {{QStringLiteral("PrintDialog1"), confirm}}, played));
        QCOMPARE(played, size_t(1));
        QVERIFY2(printer.pageLayout().pageSize().isEquivalentTo(custom),
                 qPrintable(printer.pageLayout().pageSize().name()));
    }

    // Opening Properties shows the custom paper, and confirming keeps it.
    void propertiesShowTheCustomPaper()
    {
        QPrinter printer(QPrinter::HighResolution);
        setUp(printer);
        bool customShown = false;
        QSizeF shown, expected;
        const auto openProperties
            = [](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click(); };
        const auto readPaper = [&](QDialog& properties) {
            // The custom entry of the list is the one without a page size.
            auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            customShown = sizes->currentIndex() >= 0 && !sizes->currentData().isValid();
            const auto unit = properties.findChild<QComboBox*>(QStringLiteral("unitCombo"))
                                  ->currentData()
                                  .value<QPageLayout::Unit>();
            expected = kCustomPaper.fullRect(unit).size();
            shown = QSizeF(properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))->value(),
                           properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"))->value());
            properties.accept();
        };
        size_t played = 0;
        QVERIFY(choose(printer,
                       {{QStringLiteral("PrintDialog1"), openProperties},
                        {QString(), readPaper},
                        {QStringLiteral("PrintDialog1"), confirm}},
                       played));
        QCOMPARE(played, size_t(3));
        QVERIFY(customShown);
        QCOMPARE(shown, expected);
        QCOMPARE(printer.pageLayout().pageSize(), kCustomPaper.pageSize());
    }
};

VINTORP_TEST_MAIN(PrinterChooserTest, QApplication)

#include "tst_printerchooser.moc"
