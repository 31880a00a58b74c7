#include "designdialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vintorp::ui {

QString designFileFilter()
{
    return QCoreApplication::translate("Design", "Проекты Vintorp (*.vintorp)");
}

QString StandardDesignDialogs::openFileName(QWidget* parent, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Design", "Открыть проект"),
                                        directory, designFileFilter());
}

QString StandardDesignDialogs::saveFileName(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QCoreApplication::translate("Design", "Сохранить проект"), suggested,
                       designFileFilter());
    dialog.setObjectName(QStringLiteral("saveDesignDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog puts the suffix on a name typed without one before it
    // asks whether to replace that file; a desktop's dialog may add it after.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("vintorp"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

DesignDialogs::Answer StandardDesignDialogs::askToSave(QWidget* parent, const QString& name)
{
    const QString question
        = name.isEmpty()
              ? QCoreApplication::translate("Design", "Обмотки ещё не сохранены. Сохранить проект?")
              : QCoreApplication::translate("Design", "Проект «%1» изменён. Сохранить изменения?").arg(name);
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("askToSave"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: return Answer::Cancel;
    }
}

}  // namespace vintorp::ui
