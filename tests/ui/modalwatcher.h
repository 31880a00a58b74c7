// Answers modal boxes from a timer so that no test ever waits on one, and
// records what each box said.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

struct SeenBox {
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttonCount;
};

class ModalWatcher : public QObject {
public:
    ModalWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::closeModal);
        timer_.start(5);
    }

    const QList<SeenBox>& seen() const { return seen_; }
    void clear() { seen_.clear(); }

private:
    void closeModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_.append({box->objectName(), box->windowTitle(), box->text(), box->icon(),
                          int(box->buttons().size())});
            box->accept();
        } else {
            // Anything else modal is unexpected: record it and get it out of the way.
            seen_.append({modal->objectName(), modal->windowTitle(), QString(), QMessageBox::NoIcon, 0});
            modal->close();
        }
    }

    QTimer timer_;
    QList<SeenBox> seen_;
};
