#include "WindowPlacement.h"

#include <QtTest>

using namespace turnix;

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void centringSplitsTheSpareRoomEvenly() {
        QCOMPARE(CenteredIn(QSize(200, 100), QRect(0, 0, 800, 600)), QPoint(300, 250));
        QCOMPARE(CenteredIn(QSize(200, 100), QRect(1920, 40, 1000, 700)), QPoint(2320, 340));
    }

    void aFrameInsideTheAreaStaysWhereItIs() {
        const QRect area(0, 0, 800, 600);
        QCOMPARE(KeptInside(QRect(10, 20, 200, 100), area), QPoint(10, 20));
        QCOMPARE(KeptInside(QRect(600, 500, 200, 100), area), QPoint(600, 500));
    }

    void aFrameOverAnEdgeMovesBackJustInside() {
        const QRect area(100, 50, 800, 600);
        QCOMPARE(KeptInside(QRect(850, 600, 200, 100), area), QPoint(700, 550));
        QCOMPARE(KeptInside(QRect(20, 10, 200, 100), area), QPoint(100, 50));
        QCOMPARE(KeptInside(QRect(890, 20, 200, 100), area), QPoint(700, 50));
    }

    void aFrameLargerThanTheAreaKeepsItsCornerInside() {
        QCOMPARE(KeptInside(QRect(300, 300, 1000, 900), QRect(0, 0, 800, 600)), QPoint(0, 0));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_WindowPlacement.moc"
