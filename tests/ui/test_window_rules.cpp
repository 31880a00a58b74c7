// Rules of the window layer that need no window: where the decimal separator
// comes from, and the text of the general error report.
#include "ui/decimalseparator.h"
#include "ui/errorreport.h"

#include <QtTest>

using namespace vintorp::ui;

class TestWindowRules : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setSeparatorSource(systemDecimalSymbol); }

    void separatorComesFromTheSourceWithAFallback_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comma") << ","
                               << ",";
        QTest::newRow("full stop") << "."
                                   << ".";
        QTest::newRow("momayyez") << QStringLiteral("\u066B") << QStringLiteral("\u066B");
        QTest::newRow("empty") << ""
                               << ".";
        QTest::newRow("two characters") << ",,"
                                        << ".";
    }

    void separatorComesFromTheSourceWithAFallback()
    {
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        setSeparatorSource([symbol] { return symbol; });
        QCOMPARE(decimalSeparator(), expected);
    }

    void reportAddsAFullStopAfterCharactersAboveIt_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letter") << "Floating point overflow"
                                << "Floating point overflow.";
        QTest::newRow("digit") << "Error 42"
                               << "Error 42.";
        QTest::newRow("quote sorts below") << "'x'"
                                           << "'x'";
        QTest::newRow("exclamation mark") << "Done!"
                                          << "Done!";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("slash sorts above") << "a/"
                                           << "a/.";
        QTest::newRow("empty") << ""
                               << "";
    }

    void reportAddsAFullStopAfterCharactersAboveIt()
    {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        QCOMPARE(reportText(message), expected);
    }
};

QTEST_GUILESS_MAIN(TestWindowRules)

#include "test_window_rules.moc"
