#include "platform/ProgramArguments.h"

#include <QtTest>

using namespace turnix;
using Kind = ProgramStart::Kind;

Q_DECLARE_METATYPE(Kind)

class ProgramArgumentsTest : public QObject {
    Q_OBJECT

private slots:
    void argumentsDecideWhatStarts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("textStart");
        const QString help = "Usage: turnix [options] [FILE.cub]\n";
        const QString usage = "Usage: turnix [FILE.cub]";
        QTest::newRow("nothing") << QStringList{} << Kind::Window << ""
                                 << "";
        QTest::newRow("a file") << QStringList{"a b.cub"} << Kind::Window << "a b.cub"
                                << "";
        QTest::newRow("a dash file") << QStringList{"--", "-x.cub"} << Kind::Window << "-x.cub"
                                     << "";
        QTest::newRow("--help") << QStringList{"--help"} << Kind::Help << "" << help;
        QTest::newRow("-h with a file") << QStringList{"a.cub", "-h"} << Kind::Help << "" << help;
        QTest::newRow("--help-all") << QStringList{"--help-all"} << Kind::Help << "" << help;
        QTest::newRow("--version") << QStringList{"--version"} << Kind::Version << ""
                                   << "turnix 3.";
        QTest::newRow("-v") << QStringList{"-v"} << Kind::Version << ""
                            << "turnix 3.";
        QTest::newRow("two files") << QStringList{"a.cub", "b.cub"} << Kind::Refused << ""
                                   << "turnix: one cube file at a time, not 2\n" + usage;
        QTest::newRow("unknown option") << QStringList{"--open", "a.cub"} << Kind::Refused << ""
                                        << "turnix: Unknown option 'open'.\n" + usage;
    }

    void argumentsDecideWhatStarts() {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(QString, file);
        QFETCH(QString, textStart);
        arguments.prepend("/usr/lib/turnix/turnix");
        const ProgramStart start = ReadProgramArguments(arguments);
        QCOMPARE(start.kind, kind);
        QCOMPARE(start.file.value_or(QString()), file);
        QVERIFY2(textStart.isEmpty() ? start.text.isEmpty() : start.text.startsWith(textStart),
                 qPrintable(start.text));
        QCOMPARE(AsksForHelpOrVersion(arguments), kind == Kind::Help || kind == Kind::Version);
    }

    // Qt's own options are not yet taken out when help is looked for.
    void helpIsFoundBesideOptionsOfQtsOwn() {
        QVERIFY(AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "--help"}));
        QVERIFY(!AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "a.cub"}));
    }
};

QTEST_GUILESS_MAIN(ProgramArgumentsTest)
#include "test_ProgramArguments.moc"
