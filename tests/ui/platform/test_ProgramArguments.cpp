#include "platform/ProgramArguments.h"

#include <QtTest>

using namespace turnix;
using Kind = ProgramStart::Kind;

class ProgramArgumentsTest : public QObject {
    Q_OBJECT

private slots:
    void argumentsDecideWhatStarts() {
        struct Row {
            QStringList arguments;
            Kind kind;
            QString file;
            QString textStart;
        };
        const QString help = "Usage: turnix [options] [FILE.cub]\n";
        const QString usage = "Usage: turnix [FILE.cub]\nTry 'turnix --help'.\n";
        for (const Row& row :
             std::initializer_list<Row>{{{}, Kind::Window, "", ""},
                                        {{"a b.cub"}, Kind::Window, "a b.cub", ""},
                                        {{"--", "-x.cub"}, Kind::Window, "-x.cub", ""},
                                        {{"a.cub", "-h"}, Kind::Help, "", help},
                                        {{"--help-all"}, Kind::Help, "", help},
                                        {{"--version"}, Kind::Version, "", "turnix 3."},
                                        {{"a.cub", "b.cub"},
                                         Kind::Refused,
                                         "",
                                         "turnix: one cube file at a time, not 2\n" + usage},
                                        {{"--open", "a.cub"},
                                         Kind::Refused,
                                         "",
                                         "turnix: Unknown option 'open'.\n" + usage}}) {
            const QStringList arguments = QStringList{"/usr/lib/turnix/turnix"} + row.arguments;
            const ProgramStart start = ReadProgramArguments(arguments);
            const QString name = row.arguments.join(' ');
            QVERIFY2(start.kind == row.kind, qPrintable(name));
            QCOMPARE(start.file.value_or(QString()), row.file);
            QVERIFY2(row.textStart.isEmpty() ? start.text.isEmpty()
                                             : start.text.startsWith(row.textStart),
                     qPrintable(name + ": " + start.text));
            QCOMPARE(AsksForHelpOrVersion(arguments),
                     row.kind == Kind::Help || row.kind == Kind::Version);
        }
        // Qt's own options are still there when help is looked for.
        QVERIFY(AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "--help"}));
        QVERIFY(!AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "a.cub"}));
    }
};

QTEST_GUILESS_MAIN(ProgramArgumentsTest)
#include "test_ProgramArguments.moc"
