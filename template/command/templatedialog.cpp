#include "templatedialog.h"  // beside it, so that lupdate sees the class too

#include "template/parts/cutparts.h"
#include "print/printerchooser.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vintorp::cut {

TemplateOutputDialog::TemplateOutputDialog(const TemplateChoice& start, QWidget* parent) : QDialog(parent)
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
    bobbins_->setValue(start.bobbins);
    form->addRow(tr("Число каркасов:"), bobbins_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Для П и ПЛ нужны два каркаса."), this));

    const auto millimetres = [this](const char* name, double low, double high, double value, double step) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(low, high);
        box->setDecimals(2);
        box->setSingleStep(step);
        box->setValue(value);
        box->setSuffix(tr(" мм"));
        return box;
    };
    auto* allowances = new QFormLayout;
    clearance_ = millimetres("seClearance", 0, cut::kMaxAllowance, start.windowClearance, 0.05);
    clearance_->setToolTip(tr("На столько окно щеки шире трубки с каждой стороны"));
    allowances->addRow(tr("Зазор окна щеки:"), clearance_);
    hole_ = millimetres("seHole", design::kMinHole, design::kMaxHole, start.leadHole, 0.1);
    hole_->setToolTip(tr("Сверло для отверстий под выводы в щеках; от него и поля вокруг отверстий"));
    allowances->addRow(tr("Диаметр отверстий для выводов:"), hole_);
    layout->addLayout(allowances);

    cutter_ = new QGroupBox(tr("Файл для лазерного резака (SVG, DXF)"), this);
    cutter_->setObjectName(QStringLiteral("gbCutter"));
    cutter_->setCheckable(true);
    cutter_->setChecked(start.forCutter);
    auto* cutterForm = new QFormLayout(cutter_);
    sheetWidth_ = millimetres("seSheetWidth", kTestSquare, kLargestSheet, start.cutter.sheet.width(), 10);
    sheetHeight_ = millimetres("seSheetHeight", kTestSquare, kLargestSheet, start.cutter.sheet.height(), 10);
    sheetWidth_->setAccessibleName(tr("Ширина листа материала"));
    sheetHeight_->setAccessibleName(tr("Высота листа материала"));
    auto* sheet = new QHBoxLayout;
    sheet->addWidget(sheetWidth_);
    sheet->addWidget(new QLabel(QStringLiteral("×"), cutter_));
    sheet->addWidget(sheetHeight_);
    cutterForm->addRow(tr("Лист материала:"), sheet);
    gap_ = millimetres("seGap", 0, kMaxCutterGap, start.cutter.gap, 0.5);
    cutterForm->addRow(tr("Промежуток между деталями:"), gap_);
    kerf_ = millimetres("seKerf", 0, cut::kMaxAllowance, start.kerf, 0.05);
    kerf_->setToolTip(tr("Контуры сдвигаются на половину ширины реза, чтобы детали вышли по размеру"));
    cutterForm->addRow(tr("Ширина реза:"), kerf_);
    labels_ = new QCheckBox(tr("Подписи деталей"), cutter_);
    labels_->setObjectName(QStringLiteral("cbLabels"));
    labels_->setChecked(start.cutter.labels);
    cutterForm->addRow(labels_);
    cutOnly_ = new QCheckBox(tr("Только резка"), cutter_);
    cutOnly_->setObjectName(QStringLiteral("cbCutOnly"));
    cutOnly_->setToolTip(tr("В файле только контуры деталей, отверстия и калибровочный квадрат"));
    cutOnly_->setChecked(start.cutter.cutOnly);
    cutterForm->addRow(cutOnly_);
    // What is cut has no labels.
    labels_->setDisabled(start.cutter.cutOnly);
    connect(cutOnly_, &QCheckBox::toggled, labels_, &QCheckBox::setDisabled);
    layout->addWidget(cutter_);

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
    // Enter prints, or saves a cutter's file: a cutter's file is a file, nothing to print.
    const auto forCutter = [print, save](bool cutter) {
        print->setDisabled(cutter);
        (cutter ? save : print)->setDefault(true);
    };
    forCutter(start.forCutter);
    connect(cutter_, &QGroupBox::toggled, this, forCutter);
    connect(save, &QPushButton::clicked, this, [this] { output_ = TemplateChoice::Output::File; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TemplateChoice TemplateOutputDialog::choice() const
{
    return {output_,
            bobbins_->value(),
            clearance_->value(),
            cutter_->isChecked(),
            CutterSetup{QSizeF(sheetWidth_->value(), sheetHeight_->value()), gap_->value(),
                        labels_->isChecked(), cutOnly_->isChecked()},
            kerf_->value(),
            hole_->value()};
}

QString templateFileFilters()
{
    return QCoreApplication::translate("CutTemplate", "PDF (*.pdf);;SVG (*.svg);;DXF R12 (*.dxf)");
}

QString templateSuffix(const QString& filter)
{
    for (const QString& suffix : {QStringLiteral("svg"), QStringLiteral("dxf")}) {
        if (filter.contains(QStringLiteral("*.") + suffix))
            return suffix;
    }
    return QStringLiteral("pdf");
}

std::optional<TemplateChoice> StandardTemplateDialogs::chooseOutput(const TemplateChoice& start, QWidget* parent)
{
    TemplateOutputDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

QString StandardTemplateDialogs::chooseFile(QWidget* parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("CutTemplate", "Сохранить шаблон"),
                       QStringLiteral("template.pdf"), templateFileFilters());
    dialog.setObjectName(QStringLiteral("saveTemplateDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog puts the suffix on a name typed without one before it
    // asks whether to replace that file; a desktop's dialog may add it after.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(templateSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(templateSuffix(filter)); });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool StandardTemplateDialogs::choosePrinter(QPrinter& printer, QWidget* parent)
{
    return print::DialogPrinterChooser().choose(printer, parent);
}

void TemplateDialogs::tellSheetFiles(const QStringList&, QWidget*) { }

QString sheetFilesMessage(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return QCoreApplication::translate("CutTemplate", "Шаблон сохранён, по файлу на лист:\n%1\nв папке %2")
        .arg(names.join(u'\n'), QDir::toNativeSeparators(QFileInfo(paths.value(0)).absolutePath()));
}

void StandardTemplateDialogs::tellSheetFiles(const QStringList& paths, QWidget* parent)
{
    QMessageBox::information(parent, QCoreApplication::translate("CutTemplate", "Сохранить шаблон"),
                             sheetFilesMessage(paths));
}

}  // namespace vintorp::cut
