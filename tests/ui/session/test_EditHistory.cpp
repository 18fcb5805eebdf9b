// The edit history without a window: which edits make a step, what Undo
// calls them, and what undo and redo hand back.

#include "editing/EditTexts.h"
#include "session/EditHistory.h"

#include <QUndoStack>
#include <QtTest>

using namespace turnix;

namespace {

// A cube's colours with one square changed, told apart by a number.
CubeColorValues Colors(std::int16_t mark) {
    CubeColorValues values{};
    values.at(0).at(4) = mark;
    return values;
}

// One recorded change: a stroke's paint (its number, 0 or more), or an
// edit of its own (-1).
struct Change {
    int stroke;
    std::int16_t from;
    std::int16_t to;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Change>)

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the changes, then the steps Undo offers, newest first.
    void changesMakeSteps_data() {
        QTest::addColumn<std::vector<Change>>("changes");
        QTest::addColumn<QStringList>("steps");
        const QString pick = PickColorEditText();
        const QString paint = PaintEditText();
        QTest::newRow("an edit") << std::vector<Change>{{-1, 0, 1}} << QStringList{pick};
        QTest::newRow("no change") << std::vector<Change>{{-1, 0, 0}} << QStringList{};
        QTest::newRow("two edits")
            << std::vector<Change>{{-1, 0, 1}, {-1, 1, 2}} << QStringList{pick, pick};
        QTest::newRow("a stroke") << std::vector<Change>{{0, 0, 1}, {0, 1, 2}, {0, 2, 3}}
                                  << QStringList{paint};
        QTest::newRow("a stroke back where it began")
            << std::vector<Change>{{0, 0, 1}, {0, 1, 2}, {0, 2, 0}} << QStringList{};
        QTest::newRow("two strokes")
            << std::vector<Change>{{0, 0, 1}, {1, 1, 2}} << QStringList{paint, paint};
        QTest::newRow("a stroke cut by an edit")
            << std::vector<Change>{{0, 0, 1}, {-1, 1, 2}, {0, 2, 3}}
            << QStringList{paint, pick, paint};
        QTest::newRow("an edit, then a stroke undoing it")
            << std::vector<Change>{{-1, 0, 1}, {0, 1, 2}, {0, 2, 1}} << QStringList{pick};
    }

    void changesMakeSteps() {
        QFETCH(std::vector<Change>, changes);
        QFETCH(QStringList, steps);
        std::vector<CubeColorValues> restored;
        EditHistory history(
            [&restored](const CubeColorValues& values) { restored.push_back(values); });
        int stroke = -1;
        for (const Change& change : changes) {
            if (change.stroke < 0) {
                history.Record(PickColorEditText(), Colors(change.from), Colors(change.to));
                continue;
            }
            if (change.stroke != stroke) {
                history.StartStroke();
                stroke = change.stroke;
            }
            history.RecordPaint(Colors(change.from), Colors(change.to));
        }
        QUndoStack& stack = history.Stack();
        QCOMPARE(restored.size(), 0U);
        QStringList offered;
        while (stack.canUndo()) {
            offered << stack.undoText();
            stack.undo();
        }
        QCOMPARE(offered, steps);
        // Undone to the start, the cube is as it was before the first change.
        if (!steps.isEmpty()) {
            QCOMPARE(restored.back(), Colors(changes.front().from));
            while (stack.canRedo()) {
                stack.redo();
            }
            QCOMPARE(restored.back(), Colors(changes.back().to));
        }
    }

    // The watch fires once, when its edit is undone or the history cleared;
    // a later edit undone does not fire it.
    void aWatchedEditTellsWhenItIsUndone() {
        for (const bool clear : {false, true}) {
            EditHistory history([](const CubeColorValues&) {});
            int undone = 0;
            history.Record(ReadCubeEditText(), Colors(0), Colors(1));
            history.WatchLastEdit([&undone] { ++undone; });
            history.Record(PickColorEditText(), Colors(1), Colors(2));
            history.Stack().undo();
            QCOMPARE(undone, 0);
            if (clear) {
                history.Clear();
            } else {
                history.Stack().undo();
                history.Stack().redo();
                history.Stack().undo();
            }
            QCOMPARE(undone, 1);
        }
    }
};

QTEST_MAIN(EditHistoryTest)
#include "test_EditHistory.moc"
