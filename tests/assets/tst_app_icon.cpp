// The application icon and the icon files made for installation.
#include "headless.h"
#include <QGuiApplication>
#include "assets/artwork.h"

#include <QTest>

namespace {

// The ID and the sizes the build installs the icon under.
constexpr const char* kIconId = VINTORP_APP_ID;
constexpr int kIconSizes[] = {VINTORP_ICON_SIZES};

int countRed(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.alpha() == 255 && c.red() > 180 && c.green() < 80 && c.blue() < 80;
        }
    return n;
}

QString installedPng(int size)
{
    return QStringLiteral(VINTORP_ICON_DIR "/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(kIconId));
}

}  // namespace

class TestAppIcon : public QObject {
    Q_OBJECT

    static void addSizes()
    {
        QTest::addColumn<int>("size");
        for (const int size : kIconSizes)
            QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
    }

private slots:
    void iconHasEverySize_data() { addSizes(); }
    void iconHasEverySize()
    {
        QFETCH(int, size);
        const QIcon icon = vintorp::art::appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // A black screen with a red wave in a grey bezel.
        const QColor centreLeft = image.pixelColor(size * 9 / 32, size * 22 / 32);
        QVERIFY2(centreLeft.lightness() < 40, qPrintable(centreLeft.name()));
        QVERIFY(countRed(image) >= size / 2);
        const QColor bezel = image.pixelColor(size * 3 / 32, size / 2);
        QVERIFY2(bezel.red() == bezel.green() && bezel.green() == bezel.blue() && bezel.red() > 150
                     && bezel.red() < 230,
                 qPrintable(bezel.name()));
    }

    void installFiles_data() { addSizes(); }
    void installFiles()
    {
        QFETCH(int, size);
        QImage png;
        QVERIFY2(png.load(installedPng(size)), qPrintable(installedPng(size)));
        QCOMPARE(png.size(), QSize(size, size));
        // The same picture as the icon the program shows.
        const QImage shown = vintorp::art::appIcon().pixmap(QSize(size, size)).toImage();
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32), shown.convertToFormat(QImage::Format_ARGB32));
    }
};

VINTORP_TEST_MAIN(TestAppIcon, QGuiApplication)
#include "tst_app_icon.moc"
