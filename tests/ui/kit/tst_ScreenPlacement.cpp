// SPDX-License-Identifier: MIT
#include "ui/kit/ScreenPlacement.h"

#include <QTest>

// Where a window goes on the screen's available area. Expected corners are worked out by hand: half the
// spare room on each side, none when there is none.
class tst_ScreenPlacement : public QObject
{
    Q_OBJECT

private slots:
    void topLeft_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");

        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("fits: centred") << QSize(400, 300) << screen << QPoint(440, 362);
        QTest::newRow("odd spare room: the odd pixel goes right and below")
            << QSize(401, 301) << screen << QPoint(439, 361);
        QTest::newRow("exactly the screen's size: at its corner") << QSize(1280, 1024) << screen << QPoint(0, 0);
        // The companion screen at display scale 2 on a 1280x1024 screen: 741 by 336 logical pixels on 640 by 512.
        QTest::newRow("wider than the screen: left edge on it, centred up and down")
            << QSize(741, 336) << QRect(0, 0, 640, 512) << QPoint(0, 88);
        QTest::newRow("taller than the screen: top edge on it, centred across")
            << QSize(500, 600) << QRect(0, 0, 640, 512) << QPoint(70, 0);
        QTest::newRow("larger both ways: top-left corner on the screen") << QSize(2000, 1500) << screen << QPoint(0, 0);
        QTest::newRow("panel on the left and at the top: measured from the available area")
            << QSize(1300, 200) << QRect(48, 27, 1232, 997) << QPoint(48, 425);
        QTest::newRow("second screen to the right of the first")
            << QSize(800, 600) << QRect(1280, 0, 1024, 768) << QPoint(1392, 84);
    }
    void topLeft()
    {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(ScreenPlacement::centredTopLeft(frame, available), expected);
    }

    // The size a resizable window opens at. Room is left for a frame of 16 by 48 pixels.
    void openingSize_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("expected");
        const QRect scale2(0, 0, 640, 512);  // a 1280x1024 screen at display scale 2
        QTest::newRow("fits: as wanted") << QSize(700, 500) << QSize(300, 200) << QRect(0, 0, 1280, 1024)
                                         << QSize(700, 500);
        QTest::newRow("too large: the screen less the frame")
            << QSize(959, 526) << QSize(583, 471) << scale2 << QSize(624, 471);
        QTest::newRow("minimum larger than the room: the minimum")
            << QSize(900, 900) << QSize(700, 600) << scale2 << QSize(700, 600);
    }
    void openingSize()
    {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QRect, available);
        QFETCH(QSize, expected);
        QCOMPARE(ScreenPlacement::openingSize(wanted, minimum, available), expected);
    }
};

QTEST_APPLESS_MAIN(tst_ScreenPlacement)
#include "tst_ScreenPlacement.moc"
