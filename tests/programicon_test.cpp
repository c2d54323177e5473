// The program's icon is linked in at every size the build draws, and the
// application hands it to its windows.

#include "app/programicon.h"
#include "support/testmain.h"

#include <QWidget>

class ProgramIconTest : public QObject
{
    Q_OBJECT

private slots:
    void icon_hasTheSmallestAndLargestPictures()
    {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)), "16 and 256 pixel pictures");
        // Drawn, not blank: the 16 pixel picture has opaque pixels.
        const QImage small = icon.pixmap(QSize(16, 16)).toImage();
        QCOMPARE(small.size(), QSize(16, 16));
        QCOMPARE(small.pixelColor(8, 8).alpha(), 255);
    }

    void windows_showTheProgramIcon()
    {
        QWidget window;
        QCOMPARE(window.windowIcon().availableSizes(), programIcon().availableSizes());
        QVERIFY(!window.windowIcon().isNull());
    }
};

PLIVEX_TEST_MAIN(ProgramIconTest)
#include "programicon_test.moc"
