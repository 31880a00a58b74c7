#include "templatedialog.h"  // beside it, so that lupdate sees the class too

#include "template/parts/cutparts.h"
#include "print/printerchooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vintorp::cut {

TemplateOutputDialog::TemplateOutputDialog(int bobbins, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TemplateDialog"));
    setWindowTitle(tr("Шаблон в натуральную величину"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Детали каркаса в масштабе 1:1: распечатайте шаблон,\n"
                               "наклейте на материал и вырежьте по сплошным линиям."),
                            this);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    bobbins_ = new QSpinBox(this);
    bobbins_->setObjectName(QStringLiteral("seBobbins"));
    bobbins_->setRange(1, cut::kMaxBobbins);
    bobbins_->setValue(bobbins);
    form->addRow(tr("Число каркасов:"), bobbins_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Для П и ПЛ нужны два каркаса."), this));

    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const QString& text, const char* name, QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(text, role);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    QPushButton* print = add(tr("Печать…"), "btTemplatePrint", QDialogButtonBox::AcceptRole);
    QPushButton* save = add(tr("Сохранить…"), "btTemplateSave", QDialogButtonBox::AcceptRole);
    add(tr("Отмена"), "btTemplateCancel", QDialogButtonBox::RejectRole);
    connect(print, &QPushButton::clicked, this, [this] { output_ = TemplateChoice::Output::Printer; });
    connect(save, &QPushButton::clicked, this, [this] { output_ = TemplateChoice::Output::File; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TemplateChoice TemplateOutputDialog::choice() const
{
    return {output_, bobbins_->value()};
}

QString templateFileFilters()
{
    return QCoreApplication::translate("CutTemplate", "PDF (*.pdf);;SVG (*.svg);;DXF R12 (*.dxf)");
}

QString withTemplateSuffix(const QString& name, const QString& chosenFilter)
{
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    for (const QString& suffix : {QStringLiteral(".svg"), QStringLiteral(".dxf")}) {
        if (chosenFilter.contains(suffix))
            return name + suffix;
    }
    return name + QStringLiteral(".pdf");
}

std::optional<TemplateChoice> StandardTemplateDialogs::chooseOutput(int bobbins, QWidget* parent)
{
    TemplateOutputDialog dialog(bobbins, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

QString StandardTemplateDialogs::chooseFile(QWidget* parent)
{
    QString filter;
    const QString name
        = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("CutTemplate", "Сохранить шаблон"),
                                       QStringLiteral("template.pdf"), templateFileFilters(), &filter);
    return withTemplateSuffix(name, filter);
}

bool StandardTemplateDialogs::choosePrinter(QPrinter& printer, QWidget* parent)
{
    return print::DialogPrinterChooser().choose(printer, parent);
}

}  // namespace vintorp::cut
