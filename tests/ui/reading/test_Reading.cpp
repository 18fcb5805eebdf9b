// Reading a cube in the main window: the whole way from image files and
// camera frames, the real reader on photos drawn of a known cube; taking
// sides from the camera; and mending a side entered turned.

#include "PhotoMaker.h"
#include "StickerSets.h"
#include "WindowTestSupport.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/TurnedSides.h"
#include "reading/SideCollector.h"
#include "reading/frmScanCamera.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QtTest>
#include <opencv2/imgcodecs.hpp>

using namespace turnix;
using namespace turnix::test;

namespace {

// One photo of each side, in the model's side order, each a little turned
// and tilted on a busy background; the sides come turned by any quarter.
std::vector<cv::Mat> PhotosOfSides(const clsCube& cube) {
    const CubeColors colors = ColorsOf(cube);
    std::vector<cv::Mat> photos;
    for (std::size_t s = 0; s < 6; ++s) {
        vision::photos::PhotoSettings settings;
        for (std::size_t q = 0; q < 9; ++q) {
            settings.colors[q] =
                vision::photos::CubeColors.at(static_cast<std::size_t>(colors[s][q]));
        }
        settings.turn = 90.0 * static_cast<double>(s % 4) + 7;
        settings.tilt = 10;
        settings.tiltDirection = 50.0 * static_cast<double>(s);
        settings.clutter = 3;
        settings.seed = static_cast<std::uint32_t>(s + 1);
        photos.push_back(vision::photos::MakePhoto(settings).image);
    }
    return photos;
}

QStringList WrittenPhotos(const clsCube& cube, const QTemporaryDir& folder) {
    QStringList files;
    for (const cv::Mat& photo : PhotosOfSides(cube)) {
        files << folder.filePath(QString("side%1.png").arg(files.size()));
        if (!cv::imwrite(files.back().toStdString(), photo)) {
            throw std::runtime_error("cannot write " + files.back().toStdString());
        }
    }
    return files;
}

QString UndoText(const QWidget& window) {
    return Child<QAction>(window, "mnuEditUndo").text();
}

// The reading ends in the background; the entry comes back when it has.
bool WaitForReading(const QWidget& window) {
    return QTest::qWaitFor([&] { return Child<QAction>(window, "mnuFileReadPhotos").isEnabled(); },
                           60000);
}

// A side found in a frame: the grid at offset, the centre in colour shade.
vision::SideReading Found(float offset, float shade) {
    vision::SideReading side;
    side.corners = {
        {{100 + offset, 100}, {300 + offset, 100}, {300 + offset, 300}, {100 + offset, 300}}};
    for (auto& sticker : side.stickers) {
        sticker.color = {200, 200, 200};
    }
    side.stickers[4].color = {shade, 40, 40};
    return side;
}

using Ms = SideCollector::Clock;

} // namespace

class TestReading : public QObject {
    Q_OBJECT

private slots:
    // Frames 100 ms apart: a side is taken after half a second of stillness,
    // once; a moving grid or a gap starts the wait again; a centre already
    // taken is turned away; the seventh side is never taken.
    void aSideIsTakenOnceItHasHeldStillForHalfASecond() {
        SideCollector collector;
        std::vector<SideCollector::Event> events;
        int t = 0;
        const auto show = [&](std::optional<vision::SideReading> found, int frames) {
            for (int k = 0; k < frames; ++k, t += 100) {
                events.push_back(collector.Add(found, Ms(t)));
            }
        };
        using E = SideCollector::Event;
        show(Found(0, 250), 5);
        QCOMPARE(events.back(), E::None);
        show(Found(0, 250), 1);
        QCOMPARE(events.back(), E::Captured);
        show(Found(0, 250), 10);
        QCOMPARE(std::count(events.begin(), events.end(), E::Captured), 1);
        QCOMPARE(collector.Sides().size(), std::size_t(1));

        show(Found(40, 120), 3);
        show(Found(80, 120), 3); // moved: waits again
        show(std::nullopt, 1);
        show(Found(80, 120), 5);
        QCOMPARE(collector.Sides().size(), std::size_t(1));
        show(Found(80, 120), 1);
        QCOMPARE(collector.Sides().size(), std::size_t(2));

        show(std::nullopt, 1);
        show(Found(0, 251), 6);
        QCOMPARE(events.back(), E::AlreadyTaken);
        for (const float shade : {20.0F, 60.0F, 90.0F, 160.0F, 200.0F}) {
            show(std::nullopt, 1);
            show(Found(0, shade), 6);
        }
        QCOMPARE(collector.Sides().size(), std::size_t(6));
        QVERIFY(collector.Complete());
        collector.Reset();
        QVERIFY(collector.Sides().empty());
    }

    // A side whose outer squares were entered turned: the panel says so in
    // a sentence and turns it back in one click, one step of the history.
    void aSideEnteredTurnedIsTurnedBackInOneClick_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("entered");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("bottom") << int(side::Bottom) << 2
                                << "The Bottom side looks entered turned half round.";
        QTest::newRow("left") << int(side::Left) << 1
                              << "The Left side looks entered turned a quarter clockwise.";
        QTest::newRow("back") << int(side::Back) << 3
                              << "The Back side looks entered turned a quarter counterclockwise.";
    }

    void aSideEnteredTurnedIsTurnedBackInOneClick() {
        QFETCH(int, side);
        QFETCH(int, entered);
        QFETCH(QString, sentence);
        Session s;
        frmTurnix& window = s.Start();
        const clsCube right = Scrambled(5);
        const CubeColorValues wrong =
            TurnOuterSquares(ColorValuesOf(right), {static_cast<std::int16_t>(side), entered});
        clsCube entry;
        SetColorValues(entry, wrong);
        s.Load(entry);
        QStringList texts;
        for (const QLabel* shown : window.findChildren<QLabel*>()) {
            texts << shown->text();
        }
        QVERIFY2(texts.contains(sentence), qPrintable(texts.join('|')));
        auto& back = Child<QAbstractButton>(window, QString("cmdTurnBack%1").arg(side));
        QCOMPARE(back.text(), QString("Turn It Back"));
        back.click();
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(right));
        QCOMPARE(Child<QLabel>(window, "lblDiagnosis").text(), QString("Ready to solve"));
        QVERIFY(!window.findChild<QAbstractButton*>(QString("cmdTurnBack%1").arg(side)));
        const QStringList sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(),
                 "&Undo Turn Back " + sides.at(side) + " Side");
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorValuesOf(window.Cube()), wrong);
    }

    // From the menu or dropped on the window, six photos in any order and
    // turn become the cube, as one step of the history.
    void sixPhotosBecomeTheCube_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("menu") << false;
        QTest::newRow("dropped") << true;
    }

    void sixPhotosBecomeTheCube() {
        QFETCH(bool, dropped);
        Session s;
        frmTurnix& window = s.Start();
        const clsCube truth = Scrambled(dropped ? 3 : 4);
        const QStringList files = WrittenPhotos(truth, s.folder);
        if (dropped) {
            QVERIFY(Drop(window, files));
        } else {
            s.fake.fileDialogs.manyAnswers.push_back(files);
            Trigger(window, "mnuFileReadPhotos");
        }
        QVERIFY(WaitForReading(window));
        QVERIFY(s.fake.messageBoxes.shown.empty());
        QVERIFY(SameCubeTurned(ColorsOf(truth), ColorsOf(window.Cube())));
        QCOMPARE(Child<QLabel>(window, "lblDiagnosis").text(), QString("Ready to solve"));
        QCOMPARE(UndoText(window), QString("&Undo Read Cube"));
        Trigger(window, "mnuEditUndo");
        QVERIFY(IsSolved(window.Cube()));
    }

    // One file that is no image: the user is told which, and the cube and
    // its history stay as they were.
    void aFailedReadingChangesNothing() {
        Session s;
        frmTurnix& window = s.Start();
        const clsCube before = Scrambled(8);
        s.Load(before);
        const QString undo = UndoText(window);
        QStringList files = WrittenPhotos(Scrambled(9), s.folder);
        WriteBytes(files[2], "not a photo");
        s.fake.fileDialogs.manyAnswers.push_back(files);
        Trigger(window, "mnuFileReadPhotos");
        QVERIFY(WaitForReading(window));
        QCOMPARE(s.fake.messageBoxes.shown.size(), std::size_t(1));
        const QString message = s.fake.messageBoxes.shown.front().strText;
        QVERIFY2(message.startsWith("The cube could not be read from the photos.\n\n") &&
                     message.contains("side2.png"),
                 qPrintable(message));
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(before));
        QCOMPARE(UndoText(window), undo);
    }

    // The camera shows each side in turn, held still: the dialog takes all
    // six by itself, and Use This Cube puts the cube in the window.
    void theCameraReadsTheCubeSideBySide() {
        Session s;
        const clsCube truth = Scrambled(11);
        for (const cv::Mat& photo : PhotosOfSides(truth)) {
            s.fake.cameras.frames.push_back(QImage(photo.data, photo.cols, photo.rows,
                                                   static_cast<qsizetype>(photo.step),
                                                   QImage::Format_BGR888)
                                                .copy());
        }
        s.fake.cameras.hold = std::chrono::milliseconds(700);
        bool allTaken = false;
        s.fake.modalRunner.scripts.push_back([&](QDialog& dialog) {
            auto& scan = dynamic_cast<frmScanCamera&>(dialog);
            QObject::connect(&scan, &frmScanCamera::frameLookedAt, s.fake.cameras.opened,
                             &FakeCaptureSource::PlayNext);
            scan.show();
            auto& use = Child<QPushButton>(scan, "cmdUseCube");
            allTaken = QTest::qWaitFor([&] { return use.isEnabled(); }, 60000);
            use.click();
        });
        frmTurnix& window = s.Start();
        Trigger(window, "mnuFileScanCamera");
        QVERIFY(allTaken);
        QVERIFY(SameCubeTurned(ColorsOf(truth), ColorsOf(window.Cube())));
        QCOMPARE(UndoText(window), QString("&Undo Read Cube"));
    }
};

QTEST_MAIN(TestReading)
#include "test_Reading.moc"
