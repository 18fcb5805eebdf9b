#include "DialogScripts.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/RecentFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    // Newest first, no repeats, eight at most, absolute; the store holds
    // exactly the keys of the list, and junk in it is passed over.
    void theListRoundTripsThroughTheStore() {
        FakeSettingsStore store;
        store.values[{"RecentFiles", "File1"}] = "";
        store.values[{"RecentFiles", "File3"}] = "/9.cub";
        store.values[{"RecentFiles", "File4"}] = "/9.cub";
        RecentFiles recent(store);
        QCOMPARE(recent.Files(), QStringList{"/9.cub"});
        for (const char* path : {"/1.cub", "/2.cub", "/3.cub", "/4.cub", "/5.cub", "/6.cub",
                                 "/7.cub", "/8.cub", "/4.cub", "relative.cub"}) {
            recent.Add(path);
        }
        const QStringList expected{QDir::current().absoluteFilePath("relative.cub"),
                                   "/4.cub",
                                   "/8.cub",
                                   "/7.cub",
                                   "/6.cub",
                                   "/5.cub",
                                   "/3.cub",
                                   "/2.cub"};
        QCOMPARE(RecentFiles(store).Files(), expected);
        QCOMPARE(store.values.size(), std::size_t{8});
        QCOMPARE(recent.DropMissing([](const QString& f) { return f != "/4.cub"; }),
                 QStringList(expected).filter(QRegularExpression("^(?!/4)")));
        QCOMPARE(store.values.size(), std::size_t{7});
    }

    // Files that went are gone when the menu opens; "Clear Menu" empties
    // the list.
    void theMenuDropsMissingFilesAndClears() {
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept & sound.cub");
        QVERIFY(QFile(kept).open(QIODevice::WriteOnly) && QDir(folder.path()).mkdir("x.cub"));
        FakeSettingsStore store;
        RecentFiles recent(store);
        for (const QString& path : {folder.filePath("x.cub"), folder.filePath("gone.cub"), kept}) {
            recent.Add(path);
        }
        RecentFilesMenu menu(recent, nullptr);
        const auto captions = [&menu] {
            emit menu.aboutToShow();
            QStringList texts;
            for (const QAction* entry : menu.actions()) {
                texts << entry->text() + (entry->isEnabled() ? "" : " (off)");
            }
            return texts;
        };
        QCOMPARE(captions(),
                 (QStringList{"&1 " + QString(kept).replace("&", "&&"), "", "Clear Menu"}));
        QCOMPARE(recent.Files(), QStringList{kept});
        menu.actions().last()->trigger();
        QCOMPARE(captions(), (QStringList{"", "Clear Menu (off)"}));
    }
};

QTEST_MAIN(RecentFilesTest)
#include "test_RecentFiles.moc"
