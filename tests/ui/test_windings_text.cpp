// The windings table's number texts: shown rounded with the separator,
// read back with either the program's separator or a point, and a row's
// texts read into a winding with a reason for every cell that cannot be read.
#include "ui/windingsrows.h"
#include "ui/windingstext.h"

#include <QtTest>

#include <cmath>
#include <optional>

using namespace vintorp::ui;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::optional<long>)

class TestWindingsText : public QObject {
    Q_OBJECT

private slots:
    void fixedText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("mm") << 2.376 << 2 << ","
                            << "2,38";
        QTest::newRow("per cent") << 59.5294 << 1 << ","
                                  << "59,5";
        QTest::newRow("metres") << 34.76894 << 1 << ","
                                << "34,8";
        QTest::newRow("point") << 8.5 << 2 << "."
                               << "8.50";
        QTest::newRow("half away from zero") << 2.5 << 0 << ","
                                             << "3";
        QTest::newRow("no minus zero") << -0.004 << 2 << ","
                                       << "0,00";
        QTest::newRow("negative") << -0.41 << 2 << ","
                                  << "-0,41";
    }

    void fixedText()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(vintorp::ui::fixedText(value, decimals, separator), text);
    }

    // What a design's numbers become in the table: read back as the same
    // number whenever it has at most 15 significant digits.
    void plainText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("same");  // read back as the very same double
        QTest::newRow("wire") << 0.355 << "0,355" << true;
        QTest::newRow("whole, no exponent") << 10.0 << "10" << true;
        QTest::newRow("thinnest wire") << 0.02 << "0,02" << true;
        QTest::newRow("fifteen digits") << 1.23456789012345 << "1,23456789012345" << true;
        QTest::newRow("seventeen digits, rounded") << 0.1 + 0.2 << "0,3" << false;
    }

    void plainText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(bool, same);
        QCOMPARE(vintorp::ui::plainText(value, QStringLiteral(",")), text);
        const std::optional<double> back = vintorp::ui::decimalValue(text, QStringLiteral(","));
        QVERIFY(back.has_value());
        QCOMPARE(*back == value, same);
    }

    void decimalValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<std::optional<double>>("value");
        QTest::newRow("comma") << "0,35"
                               << "," << std::optional(0.35);
        QTest::newRow("point beside a comma") << "0.35"
                                              << "," << std::optional(0.35);
        QTest::newRow("no whole part") << ",5"
                                       << "," << std::optional(0.5);
        QTest::newRow("no fraction") << "5,"
                                     << "," << std::optional(5.0);
        QTest::newRow("blanks around") << " 1,5 "
                                       << "," << std::optional(1.5);
        QTest::newRow("whole") << "12"
                               << "," << std::optional(12.0);
        QTest::newRow("comma when the separator is a point") << "1,5"
                                                             << "." << std::optional<double>();
        QTest::newRow("empty") << ""
                               << "," << std::optional<double>();
        QTest::newRow("separator alone") << ","
                                         << "," << std::optional<double>();
        QTest::newRow("exponent") << "1e3"
                                  << "," << std::optional<double>();
        QTest::newRow("sign") << "-1"
                              << "," << std::optional<double>();
        QTest::newRow("two separators") << "1,2,3"
                                        << "," << std::optional<double>();
        QTest::newRow("blank inside") << "1 000"
                                      << "," << std::optional<double>();
        QTest::newRow("letters") << "abc"
                                 << "," << std::optional<double>();
        QTest::newRow("too many digits") << "1234567890123456"
                                         << "," << std::optional<double>();
    }

    void decimalValue()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(std::optional<double>, value);
        QCOMPARE(vintorp::ui::decimalValue(text, separator), value);
    }

    void wholeValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<long>>("value");
        QTest::newRow("turns") << "120" << std::optional(120L);
        QTest::newRow("zero") << "0" << std::optional(0L);
        QTest::newRow("twelve digits") << "999999999999" << std::optional(999999999999L);
        QTest::newRow("thirteen digits") << "1000000000000" << std::optional<long>();
        QTest::newRow("empty") << "" << std::optional<long>();
        QTest::newRow("fraction") << "1,5" << std::optional<long>();
        QTest::newRow("sign") << "-3" << std::optional<long>();
    }

    void wholeValue()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<long>, value);
        QCOMPARE(vintorp::ui::wholeValue(text), value);
    }

    // Each cell that cannot be read is named with its reason, and its value
    // is left out of range so that the build-up reports the winding too.
    void readRow_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("faulty");
        QTest::addColumn<bool>("factorGiven");
        QTest::newRow("all read") << QStringList{"A", "10", "", "", "0,5", "0", "0,1", ""} << QList<int>{}
                                  << false;
        QTest::newRow("factor given")
            << QStringList{"A", "10", "", "", "0,5", "0", "0,1", "1,3"} << QList<int>{} << true;
        QTest::newRow("turns empty, wire a word")
            << QStringList{"A", "", "", "", "x", "0", "0", "1,3"} << QList<int>{ColTurns, ColWire} << true;
        QTest::newRow("insulation unreadable") << QStringList{"A", "10", "", "", "0,5", "0,1,", "-1", ""}
                                               << QList<int>{ColBetween, ColOver} << false;
        QTest::newRow("factor unreadable")
            << QStringList{"A", "10", "", "", "0,5", "0", "0", "k"} << QList<int>{ColLayerFactor} << true;
        QTest::newRow("copper and grade unreadable")
            << QStringList{"A", "10", "0,5x", "2,5", "", "0", "0", ""} << QList<int>{ColCopper, ColGrade}
            << false;
    }

    void readRow()
    {
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, faulty);
        QFETCH(bool, factorGiven);
        RowTexts row;
        for (int c = 0; c < kInputColumns; ++c)
            row[std::size_t(c)] = texts[c];
        const ReadRow read = vintorp::ui::readRow(row, QStringLiteral(","));
        QList<int> columns;
        for (const CellFault& fault : read.faults) {
            columns << fault.column;
            QVERIFY(!fault.reason.isEmpty());
        }
        QCOMPARE(columns, faulty);
        QCOMPARE(read.winding.name, std::string("A"));
        QCOMPARE(read.winding.layerFactor.has_value(), factorGiven);
        // What was read is the number typed; what was not is out of range.
        const auto check = [&](int column, double value) {
            if (faulty.contains(column))
                QVERIFY(std::isnan(value));
            else
                QCOMPARE(value, *vintorp::ui::decimalValue(texts[column], QStringLiteral(",")));
        };
        if (!texts[ColWire].isEmpty())
            check(ColWire, read.winding.wire.value_or(0));
        QCOMPARE(read.winding.wire.has_value(), !texts[ColWire].isEmpty());
        QCOMPARE(read.winding.copper.has_value(), !texts[ColCopper].isEmpty());
        check(ColBetween, read.winding.between);
        check(ColOver, read.winding.over);
        if (factorGiven)
            check(ColLayerFactor, *read.winding.layerFactor);
        QCOMPARE(read.winding.turns, faulty.contains(ColTurns) ? 0L : texts[ColTurns].toLong());
    }
};

QTEST_APPLESS_MAIN(TestWindingsText)

#include "test_windings_text.moc"
