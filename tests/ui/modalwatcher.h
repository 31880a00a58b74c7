// Answers modal windows from a timer so that no test ever waits on one, and
// records what each message box said.
//
// A test says how many message boxes it expects (none unless it says so). A
// box beyond those, or any other modal window, is unexpected: it is closed
// all the same, and unexpected() describes it, so that the test fails.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
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

    // From now on `count` message boxes in all are expected.
    void expectBoxes(int count) { expectedBoxes_ = count; }

    const QList<SeenBox>& seen() const { return seen_; }
    // Forgets the boxes seen so far; from now on none is expected.
    void clear()
    {
        seen_.clear();
        expectedBoxes_ = 0;
    }

    // One line for each modal window that came up unexpected.
    const QStringList& unexpected() const { return unexpected_; }

private:
    void closeModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_.append({box->objectName(), box->windowTitle(), box->text(), box->icon(),
                          int(box->buttons().size())});
            if (seen_.size() > expectedBoxes_)
                unexpected_.append(QStringLiteral("message box \"%1\"").arg(box->text()));
            box->accept();
        } else {
            unexpected_.append(QStringLiteral("%1 \"%2\" (%3)")
                                   .arg(QString::fromLatin1(modal->metaObject()->className()),
                                        modal->windowTitle(), modal->objectName()));
            modal->close();
        }
    }

    QTimer timer_;
    QList<SeenBox> seen_;
    qsizetype expectedBoxes_ = 0;
    QStringList unexpected_;
};
