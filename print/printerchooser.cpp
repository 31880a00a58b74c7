#include "print/printerchooser.h"

#include <QChildEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace vintorp::print {
namespace {

// Qt's print dialog, mended where it falls short for a one-page printout:
// - the page range group ("print all", "pages from ... to ...") is hidden;
//   the printout is always its one page;
// - the paper chosen for one printout stays for the next: Qt's page setup
//   starts from the default paper of a printer of the printing system (and
//   for a custom size, which is in no printer's list, from a size of the
//   list) and writes it on every confirmation. So Properties is set to the
//   paper the printer had when it opens, and that paper is put back after a
//   confirmation in which Properties was not confirmed, unless another
//   printer was chosen (its own paper then goes, as the dialog shows it);
//   a custom paper is put back on any printer.
class PrintDialog1 final : public QPrintDialog {
public:
    PrintDialog1(QPrinter* printer, QWidget* parent)
        : QPrintDialog(printer, parent), layout_(printer->pageLayout()), format_(printer->outputFormat()),
          printerName_(printer->printerName())
    {
        setObjectName(QStringLiteral("PrintDialog1"));
        setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                   | QAbstractPrintDialog::PrintCollateCopies);
        setPrintRange(QAbstractPrintDialog::AllPages);
    }

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        // Qt shows the group again each time the dialog is shown (with CUPS,
        // even when no page range is asked for).
        if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange")); range && visible)
            range->hide();
    }

    void accept() override
    {
        QPrintDialog::accept();
        if (!paperSetUp_ && (layout_.pageSize().id() == QPageSize::Custom || samePrinter())
            && !(printer()->pageLayout().pageSize() == layout_.pageSize()))
            printer()->setPageSize(layout_.pageSize());
    }

protected:
    // The Properties dialog is created on demand and polished before it shows.
    void childEvent(QChildEvent* event) override
    {
        QPrintDialog::childEvent(event);
        if (event->type() != QEvent::ChildPolished)
            return;
        auto* properties = qobject_cast<QDialog*>(event->child());
        if (!properties || !properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")))
            return;
        showPaper(*properties);
        connect(properties, &QDialog::accepted, this, [this] { paperSetUp_ = true; });
    }

private:
    bool samePrinter() const
    {
        return printer()->outputFormat() == format_ && printer()->printerName() == printerName_;
    }

    void showPaper(QDialog& properties) const
    {
        auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
        if (layout_.pageSize().id() != QPageSize::Custom) {
            if (const int listed = sizes ? sizes->findData(QVariant::fromValue(layout_.pageSize())) : -1;
                listed >= 0 && samePrinter())
                sizes->setCurrentIndex(listed);
            return;
        }
        auto* units = properties.findChild<QComboBox*>(QStringLiteral("unitCombo"));
        auto* width = properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
        auto* height = properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
        if (!sizes || !units || !width || !height)
            return;
        // The custom entry is the one that carries no page size.
        const int custom = sizes->findData(QVariant(), Qt::UserRole, Qt::MatchExactly);
        if (custom < 0)
            return;
        const auto unit = units->currentData().value<QPageLayout::Unit>();
        const QRectF paper = layout_.fullRect(unit);
        sizes->setCurrentIndex(custom);
        width->setValue(paper.width());
        height->setValue(paper.height());
    }

    QPageLayout layout_;
    QPrinter::OutputFormat format_;
    QString printerName_;
    bool paperSetUp_ = false;
};

}  // namespace

bool DialogPrinterChooser::choose(QPrinter& printer, QWidget* parent)
{
    PrintDialog1 dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vintorp::print
