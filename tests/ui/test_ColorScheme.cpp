#include "ColorScheme.h"
#include "FakePlatform.h"

#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class TestColorScheme : public QObject {
    Q_OBJECT

private slots:
    void onlyWholeDecimalNumbersInTheColorRangeAreColors_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a colour
        QTest::newRow("largest") << "16777215" << 16777215;
        QTest::newRow("leading zeros") << "000000000255" << 255;
        QTest::newRow("one too many") << "16777216" << -1;
        QTest::newRow("overflowing") << "99999999999999999999" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("hexadecimal") << "0xFF" << -1;
        QTest::newRow("blanks") << " 255" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0662\u0665\u0665") << -1;
    }

    void onlyWholeDecimalNumbersInTheColorRangeAreColors() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<ScreenColor> parsed = ParseColorValue(text);
        QCOMPARE(parsed.value_or(-1), expected);
    }

    void eachKeyFallsBackToItsOwnDefault() {
        FakeSettingsStore store;
        QCOMPARE(LoadColorScheme(store), DefaultScreenColors);
        QVERIFY(store.values.empty());

        store.SetValue("Colors", "ColorValue2", "123");
        store.SetValue("Colors", "ColorValue4", "garbage");
        store.SetValue("Other", "ColorValue1", "1");
        const ColorScheme expected{0xC00000, 123, 0x0080FF, 0x0000FF, 0x00C000, 0x00FFFF};
        QCOMPARE(LoadColorScheme(store), expected);
    }

    void oldKeysGoOnlyWhenColor1HoldsText() {
        FakeSettingsStore store;
        store.SetValue("Colors", "Color1", "");
        store.SetValue("Colors", "Color2", "1");
        (void)LoadColorScheme(store);
        QCOMPARE(store.values.size(), std::size_t{2});

        store.SetValue("Colors", "Color1", "x");
        store.SetValue("Colors", "Color5", "5");
        store.SetValue("Colors", "ColorValue1", "7");
        QCOMPARE(LoadColorScheme(store)[0], 7);
        const std::map<std::pair<QString, QString>, QString> left{{{"Colors", "ColorValue1"}, "7"}};
        QCOMPARE(store.values, left);
    }

    void storedSchemeIsSixDecimalTextsThatLoadBack() {
        FakeSettingsStore store;
        const ColorScheme scheme{0, 1, 0x123456, 0xFFFFFF, 0x00C000, 42};
        StoreColorScheme(store, scheme);
        QCOMPARE(store.values.size(), std::size_t{6});
        QCOMPARE(store.Value("Colors", "ColorValue3"), std::optional<QString>("1193046"));
        QCOMPARE(LoadColorScheme(store), scheme);
    }
};

QTEST_MAIN(TestColorScheme)
#include "test_ColorScheme.moc"
