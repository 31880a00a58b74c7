// How the design keeper asks the user: which file to open, where to save,
// and whether to save changes first. Tests inject their own answers.
#pragma once

#include <QString>

class QWidget;

namespace vintorp::ui {

class DesignDialogs {
public:
    enum class Answer { Save, Discard, Cancel };

    virtual ~DesignDialogs() = default;
    // A file to open; empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& directory) = 0;
    // Where to save; empty when the user cancels. A name typed without a
    // suffix gets .vintorp before the dialog asks whether to replace a file.
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
    // Whether to save the changes of the design `name` before going on;
    // an empty name: no design is in use, and the windings typed are in no file.
    virtual Answer askToSave(QWidget* parent, const QString& name) = 0;
};

// Qt's file dialogs with the designs' filter, and a standard question box.
class StandardDesignDialogs final : public DesignDialogs {
public:
    QString openFileName(QWidget* parent, const QString& directory) override;
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    Answer askToSave(QWidget* parent, const QString& name) override;
};

// The file dialogs' filter.
QString designFileFilter();

}  // namespace vintorp::ui
