// The table's text colours against their backgrounds under the styles at
// hand: typed values and greyed hints both reach WCAG AA's 4.5 : 1.
#include "ui/contrast.h"

#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

using namespace vintorp::ui;

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void ratio()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white),
                 contrastRatio(Qt::white, QColor(0x76, 0x76, 0x76)));
        QVERIFY(qAbs(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) - 4.54) < 0.01);
        // Half-transparent black over white is the grey it makes.
        QCOMPARE(contrastRatio(QColor(0, 0, 0, 128), Qt::white),
                 contrastRatio(QColor(0x7f, 0x7f, 0x7f), Qt::white));
    }

    void cellTextReads_data()
    {
        QTest::addColumn<QString>("style");
        for (const char* style : {"Fusion", "Adwaita", "Adwaita-Dark"})
            QTest::newRow(style) << QString::fromLatin1(style);
    }

    void cellTextReads()
    {
        QFETCH(QString, style);
        const std::unique_ptr<QStyle> made(QStyleFactory::create(style));
        if (!made)
            QSKIP("style not installed (adwaita-qt6)");
        const QPalette given = made->standardPalette();
        QPalette typed = given;
        QPalette hint = given;
        makeCellTextReadable(typed, false);
        makeCellTextReadable(hint, true);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (const QPalette::ColorRole back : {QPalette::Base, QPalette::AlternateBase}) {
                const QColor background = given.color(group, back);
                QVERIFY(contrastRatio(typed.color(group, QPalette::Text), background) >= kReadableContrast);
                QVERIFY(contrastRatio(hint.color(group, QPalette::Text), background) >= kReadableContrast);
            }
        }
        // The hint stays greyed beside the typed text.
        const QColor base = given.color(QPalette::Active, QPalette::Base);
        QVERIFY(contrastRatio(hint.color(QPalette::Active, QPalette::Text), base)
                < contrastRatio(typed.color(QPalette::Active, QPalette::Text), base));
    }
};

QTEST_MAIN(TestContrast)

#include "test_contrast.moc"
