// The window tests' modal watcher: it closes every modal window, and names
// the ones the test did not expect, so that the test fails.
#include "headless.h"
#include <QApplication>
#include "modalwatcher.h"

#include <QDialog>
#include <QtTest>

namespace {

int showBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vintorp"), text, QMessageBox::Ok);
    return box.exec();
}

}  // namespace

class TestModalWatcher : public QObject {
    Q_OBJECT

private slots:
    void boxNobodyExpectedIsClosedAndNamed()
    {
        ModalWatcher watcher;
        showBox(QStringLiteral("surprise"));
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.unexpected(), QStringList{QStringLiteral("message box \"surprise\"")});
    }

    void expectedBoxesPassTheNextDoesNot()
    {
        ModalWatcher watcher;
        watcher.expectBoxes(2);
        showBox(QStringLiteral("one"));
        showBox(QStringLiteral("two"));
        QVERIFY(watcher.unexpected().isEmpty());
        showBox(QStringLiteral("three"));
        QCOMPARE(watcher.unexpected(), QStringList{QStringLiteral("message box \"three\"")});
        QCOMPARE(watcher.seen().size(), 3);
    }

    void clearingExpectsNoMoreBoxes()
    {
        ModalWatcher watcher;
        watcher.expectBoxes(1);
        showBox(QStringLiteral("expected"));
        watcher.clear();
        QVERIFY(watcher.seen().isEmpty());
        showBox(QStringLiteral("late"));
        QCOMPARE(watcher.unexpected(), QStringList{QStringLiteral("message box \"late\"")});
    }

    void otherModalWindowIsAlwaysUnexpected()
    {
        ModalWatcher watcher;
        watcher.expectBoxes(1);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        dialog.setWindowTitle(QStringLiteral("Печать"));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(watcher.seen().isEmpty());
        QCOMPARE(watcher.unexpected(), QStringList{QStringLiteral("QDialog \"Печать\" (PrintDialog1)")});
    }
};

VINTORP_TEST_MAIN(TestModalWatcher, QApplication)

#include "test_modal_watcher.moc"
