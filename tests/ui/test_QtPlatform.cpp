#include "QtPlatform.h"
#include "ScreenColor.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void screenColorsRoundTripAndKeepRedInTheLowByte() {
        QCOMPARE(ToQColor(0x0080FF), QColor(0xFF, 0x80, 0x00));
        QCOMPARE(ToQColor(0xC00000), QColor(0x00, 0x00, 0xC0));
        for (const ScreenColor color : DefaultScreenColors) {
            QCOMPARE(FromQColor(ToQColor(color)), color);
        }
        QCOMPARE(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    }

    void settingsStoreWritesReadsAndRemovesUnderTurnix() {
        QtSettingsStore store;
        QVERIFY(!store.Value("Colors", "ColorValue1").has_value());
        store.SetValue("Colors", "ColorValue1", "33023");
        QCOMPARE(store.Value("Colors", "ColorValue1").value_or(QString()), QString("33023"));
        const QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Turnix", "Turnix");
        QCOMPARE(raw.value("Colors/ColorValue1").toString(), QString("33023"));
        store.Remove("Colors", "ColorValue1");
        QVERIFY(!store.Value("Colors", "ColorValue1").has_value());
        store.Remove("Colors", "NeverThere");
    }

    void installFolderIsTheFolderOfTheProgramFile() {
        const QtSystemServices system;
        QCOMPARE(system.InstallFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(!system.InstallFolder().endsWith('/'));
    }

private:
    QTemporaryDir settingsDir;
};

QTEST_MAIN(TestQtPlatform)
#include "test_QtPlatform.moc"
