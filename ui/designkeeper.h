// The open design: opens a design file into the windows and saves what the
// windows hold into one, and asks before a changed design is left.
//
// A design is in use once one has been opened or saved; until then the
// program works as without designs, and closing (or opening a design) asks
// only when the windings table holds windings, which are in no file. Ctrl+O,
// Ctrl+S and Ctrl+Shift+S work in every window of the program, and a design
// file dropped on one of them opens. The design's bytes as last opened or saved
// are kept: the design is changed while the windows would save other bytes.
#pragma once

#include "design/design.h"
#include "designdialogs.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace vintorp::ui {

class TForm1;
class TForm4;
class WindingsWindow;

class DesignKeeper final : public QObject {
    Q_OBJECT
public:
    // The windows must outlive the keeper. dialogs: how it asks; by default
    // the standard dialogs.
    DesignKeeper(TForm1& input, TForm4& drawing, std::unique_ptr<DesignDialogs> dialogs = {});
    ~DesignKeeper() override;

    // Each returns whether it did what it says; a failure has been reported
    // to the user, and the windows are as they were.
    bool open(const QString& path);
    bool openChosen();  // asks for the file, after the changes of the design in use
    bool save();  // to the file in use, or asks for one
    bool saveAs();

    // Whether the design in use has changes that are not saved; false
    // without a design in use.
    bool isModified() const;
    QString path() const { return path_; }
    // What the windows hold, and what opening puts into them.
    design::Design gather() const;
    void apply(const design::Design& design);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks about unsaved changes, or about windings typed without a design
    // in use; false when the user cancels (or a save that was asked for failed).
    bool mayLeave();
    bool saveTo(const QString& path);
    // Makes PATH, whose bytes are BYTES, the design in use.
    void keep(const QString& path, std::string bytes);
    void adopt(WindingsWindow& window);
    void updateModified();
    bool ownsWindow(const QObject* object) const;
    QWidget* dialogParent() const;
    std::string currentBytes() const;

    TForm1& input_;
    TForm4& drawing_;
    std::unique_ptr<DesignDialogs> dialogs_;
    QString path_;
    std::optional<std::string> saved_;  // the bytes of the design in use
};

}  // namespace vintorp::ui
