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
// - the job goes out on the paper the dialog shows: the page setup shows a
//   paper of the chosen printer (for a printer of the printing system, its
//   default paper) and writes it on confirmation. A custom size, though, is
//   in no printer's list: the page setup falls back to a size of the list
//   and would write that back on every confirmation. So Properties is set
//   to the custom size when it opens, and a custom paper alone is put back
//   after a confirmation in which Properties was not confirmed.
class PrintDialog1 final : public QPrintDialog {
public:
    PrintDialog1(QPrinter* printer, QWidget* parent)
        : QPrintDialog(printer, parent), layout_(printer->pageLayout())
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
        if (!paperSetUp_ && layout_.pageSize().id() == QPageSize::Custom
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
        showCustomPaper(*properties);
        connect(properties, &QDialog::accepted, this, [this] { paperSetUp_ = true; });
    }

private:
    void showCustomPaper(QDialog& properties) const
    {
        if (layout_.pageSize().id() != QPageSize::Custom)
            return;
        auto* sizes = properties.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
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
    bool paperSetUp_ = false;
};

}  // namespace

bool DialogPrinterChooser::choose(QPrinter& printer, QWidget* parent)
{
    PrintDialog1 dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vintorp::print
