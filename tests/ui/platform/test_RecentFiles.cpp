#include "DialogScripts.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* entry : menu.actions()) {
        captions << (entry->isSeparator() ? "-"
                                          : entry->text() + (entry->isEnabled() ? "" : "(off)"));
    }
    return captions;
}

} // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    // Newest first, no repeats, eight at most; the store keeps exactly
    // the keys of the list, so a second list on the same store reads it.
    void theListRoundTripsThroughTheStore() {
        FakeSettingsStore store;
        RecentFiles recent(store);
        QStringList expected;
        for (int k = 1; k <= 10; ++k) {
            recent.Add(QString("/cubes/%1.cub").arg(k));
            expected.prepend(QString("/cubes/%1.cub").arg(k));
        }
        recent.Add("/cubes/5.cub");
        expected.move(expected.indexOf("/cubes/5.cub"), 0);
        expected = expected.mid(0, RecentFiles::MostFiles);
        QCOMPARE(RecentFiles(store).Files(), expected);
        QCOMPARE(store.values.size(), std::size_t{8});
        QCOMPARE(store.values.at({"RecentFiles", "File1"}), "/cubes/5.cub");

        recent.Add("relative.cub");
        QCOMPARE(recent.Files().first(), QDir::current().absoluteFilePath("relative.cub"));
        recent.Clear();
        QVERIFY(recent.Files().isEmpty());
        QVERIFY(store.values.empty());
    }

    void whatTheStoreHoldsIsReadWithCare() {
        FakeSettingsStore store;
        store.values[{"RecentFiles", "File1"}] = "";
        store.values[{"RecentFiles", "File2"}] = "/a.cub";
        store.values[{"RecentFiles", "File3"}] = "/a.cub";
        store.values[{"RecentFiles", "File5"}] = "/b.cub";
        store.values[{"RecentFiles", "File9"}] = "/c.cub";
        RecentFiles recent(store);
        QCOMPARE(recent.Files(), (QStringList{"/a.cub", "/b.cub"}));
        QCOMPARE(recent.DropMissing([](const QString&) { return true; }),
                 (QStringList{"/a.cub", "/b.cub"}));
        QCOMPARE(store.values.at({"RecentFiles", "File2"}), "/b.cub");
        QVERIFY(!store.values.contains({"RecentFiles", "File5"}));
    }

    // Files that went are gone from the menu and the store when it opens;
    // the entries open their files, and "Clear Menu" empties the list.
    void theMenuDropsMissingFilesOpensAndClears() {
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept & sound.cub");
        const QString gone = folder.filePath("gone.cub");
        for (const QString& path : {kept, gone}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder.path()).mkdir("folder.cub"));
        FakeSettingsStore store;
        RecentFiles recent(store);
        for (const QString& path : {folder.filePath("folder.cub"), gone, kept}) {
            recent.Add(path);
        }
        QVERIFY(QFile::remove(gone));
        RecentFilesMenu menu(recent, nullptr);
        QStringList chosen;
        connect(&menu, &RecentFilesMenu::fileChosen, [&](const QString& path) { chosen << path; });
        emit menu.aboutToShow();
        QCOMPARE(Captions(menu),
                 (QStringList{"&1 " + QString(kept).replace("&", "&&"), "-", "Clear Menu"}));
        QCOMPARE(recent.Files(), QStringList{kept});
        menu.actions().first()->trigger();
        QCOMPARE(chosen, QStringList{kept});

        menu.actions().last()->trigger();
        QVERIFY(recent.Files().isEmpty());
        emit menu.aboutToShow();
        QCOMPARE(Captions(menu), (QStringList{"-", "Clear Menu(off)"}));
    }
};

QTEST_MAIN(RecentFilesTest)
#include "test_RecentFiles.moc"
