// How the template command asks the user: the number of bobbins and where
// the template goes, the file to save it in, and the printer. Tests inject
// their own answers.
#pragma once

#include "template/pages/cuttemplate.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QPrinter;
class QSpinBox;

namespace vintorp::cut {

// What the dialog shows when it opens, and what the user chose in it.
struct TemplateChoice {
    enum class Output { Printer, File };
    Output output = Output::File;
    int bobbins = 1;
    double windowClearance = 0;  // mm on every side of the cheek's window
    // Files only: the parts alone on sheets of material, with the kerf. The
    // sheet is kept while forCutter is off, for the next time.
    bool forCutter = false;
    CutterSetup cutter{};
    double kerf = 0;
    double leadHole = kLeadHoleDiameter;  // mm, printed and cut alike

    std::optional<CutterSetup> cutterFile() const
    {
        return output == Output::File && forCutter ? std::optional(cutter) : std::nullopt;
    }
};

class TemplateDialogs {
public:
    virtual ~TemplateDialogs() = default;
    // Opens with `start`; nothing when the user cancels.
    virtual std::optional<TemplateChoice> chooseOutput(const TemplateChoice& start, QWidget* parent) = 0;
    // A file name, typed without a suffix given that of the chosen filter
    // (.pdf, .svg or .dxf) before the dialog asks whether to replace a file;
    // empty when the user cancels.
    virtual QString chooseFile(QWidget* parent) = 0;
    // False when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Tells which files a cutter's job of several sheets was saved in: a file
    // per sheet, not the one the user named. None by default.
    virtual void tellSheetFiles(const QStringList& paths, QWidget* parent);
};

// The program's own dialog, Qt's file dialog and Qt's print dialog.
class StandardTemplateDialogs final : public TemplateDialogs {
public:
    std::optional<TemplateChoice> chooseOutput(const TemplateChoice& start, QWidget* parent) override;
    QString chooseFile(QWidget* parent) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void tellSheetFiles(const QStringList& paths, QWidget* parent) override;
};

// "Шаблон сохранён, по файлу на лист: …" with the files' names.
QString sheetFilesMessage(const QStringList& paths);

// The small dialog: a spin box "seBobbins" (1 to 4), the window's clearance
// "seClearance" (0 to 1 mm), the lead holes' diameter "seHole" (0.5 to 5
// mm), the checkable group "gbCutter" for a cutter's file with
// "seSheetWidth", "seSheetHeight", "seGap", "seKerf", "cbLabels" and
// "cbCutOnly" (which leaves the labels out), and the buttons "btTemplatePrint", "btTemplateSave" and
// "btTemplateCancel". With gbCutter checked there is nothing to print.
class TemplateOutputDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateOutputDialog(const TemplateChoice& start, QWidget* parent = nullptr);
    TemplateChoice choice() const;

private:
    QSpinBox* bobbins_ = nullptr;
    QDoubleSpinBox* clearance_ = nullptr;
    QDoubleSpinBox* hole_ = nullptr;
    QGroupBox* cutter_ = nullptr;
    QDoubleSpinBox* sheetWidth_ = nullptr;
    QDoubleSpinBox* sheetHeight_ = nullptr;
    QDoubleSpinBox* gap_ = nullptr;
    QDoubleSpinBox* kerf_ = nullptr;
    QCheckBox* labels_ = nullptr;
    QCheckBox* cutOnly_ = nullptr;
    TemplateChoice::Output output_ = TemplateChoice::Output::File;
};

// The file dialog's filters, PDF first; and the suffix (no dot) of the files a
// filter shows, which a name typed without one gets while it is chosen.
QString templateFileFilters();
QString templateSuffix(const QString& filter);

}  // namespace vintorp::cut
