#include "WindowTestSupport.h"
#include "diagnosis/FindingText.h"
#include "language/CoreTexts.h"
#include "language/FindingWords.h"
#include "language/Translations.h"
#include "view3d/StickerLetters.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

const QStringList Languages{"de", "fr", "es", "zh_CN"};

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished;
};

std::vector<Message> ReadTs(const QString& language) {
    QFile file(QString(TURNIX_TRANSLATIONS_DIR "/turnix_%1.ts").arg(language));
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, true});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().finished = xml.attributes().value("type").isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression("%\\d+").globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

int Mnemonics(const QString& text) {
    return int(QString(text).remove("&&").count('&'));
}

// Every finding the diagnosis can make, with and without colour names.
Finding Found(FindingKind kind, std::int16_t s = 0, int count = 0,
              std::vector<PiecePosition> positions = {}) {
    Finding finding;
    finding.kind = kind;
    finding.side = s;
    finding.count = count;
    finding.positions = std::move(positions);
    return finding;
}

std::vector<std::pair<Finding, ColorNames>> AllFindings() {
    const ColorNames named{"White", "Yellow", "Green", "Blue", "Orange", "Red"};
    std::vector<std::pair<Finding, ColorNames>> findings;
    for (const FindingKind kind :
         {FindingKind::Centres, FindingKind::Twist, FindingKind::Flip, FindingKind::Swap}) {
        findings.push_back({Found(kind), {}});
    }
    for (const int count : {1, 3}) {
        findings.push_back({Found(FindingKind::Foreign, 0, count), {}});
    }
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (const int count : {1, 8, 10}) {
            findings.push_back({Found(FindingKind::Count, s, count), {}});
            findings.push_back({Found(FindingKind::Count, s, count), named});
        }
    }
    // Each position, and beside it another of its kind.
    for (std::size_t p = 0; p < PiecePositionCount; ++p) {
        const auto position = static_cast<PiecePosition>(p);
        const std::size_t first = p < EdgePositionCount ? 0 : EdgePositionCount;
        const std::size_t kinds = p < EdgePositionCount ? EdgePositionCount : 8;
        const auto other = static_cast<PiecePosition>(first + (p - first + 1) % kinds);
        findings.push_back({Found(FindingKind::Unknown, 0, 0, {position}), {}});
        findings.push_back({Found(FindingKind::Duplicate, 0, 0, {position, other}), {}});
    }
    return findings;
}

// Sentences the core builds around a name or a number.
const QStringList Reasons{
    "B.jpg is damaged",
    "no 3×3 grid found in my photos/F.png",
    "F.png is too large (48 MB)",
    "Photos 2 and 5 show the same side: their centres have one colour. Each photo must show a "
    "different side.",
    "position 7: 'X' is not one of the letters U R F D L B",
};

QString English(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The sources whose German differs, as patterns that a shown text, with
// its placeholders filled, would match.
std::vector<QRegularExpression> EnglishPatterns() {
    std::vector<QRegularExpression> patterns;
    for (const Message& m : ReadTs("de")) {
        if (m.translation != m.source) {
            QString pattern = QRegularExpression::escape(QString(m.source).remove('&').trimmed());
            pattern.replace(QRegularExpression("%\\d+"), ".*");
            patterns.emplace_back("^" + pattern + "$");
        }
    }
    return patterns;
}

// Every text a person can see or hear in a window and its menus.
QStringList VisibleTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QAction* action : window.findChildren<QAction*>()) {
        texts << action->text() << action->toolTip();
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        texts << menu->title();
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription()
              << widget->windowTitle();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text().split('\n');
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            texts << box->title();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            texts << edit->text();
        } else if (const auto* list = qobject_cast<const QPlainTextEdit*>(widget)) {
            texts << list->toPlainText().split("\r\n");
        }
    }
    return texts;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // A translation that loses %1 or a shortcut letter, or was left
    // unfinished, is a fault a translator cannot see in the window.
    void everyTranslationKeepsPlaceholdersAndShortcuts() {
        const std::vector<Message> reference = ReadTs("de");
        QVERIFY(reference.size() > 200);
        for (const QString& language : Languages) {
            const std::vector<Message> messages = ReadTs(language);
            QCOMPARE(messages.size(), reference.size());
            for (const Message& m : messages) {
                const QString where = language + " " + m.context + ": " + m.source;
                QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(where));
                // A context outside the namespace is one the program never asks for.
                QVERIFY2(m.context.startsWith("turnix::"), qPrintable(where));
                QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(where));
                QVERIFY2(Mnemonics(m.translation) == Mnemonics(m.source), qPrintable(where));
                QVERIFY2(m.translation.count('\n') == m.source.count('\n'), qPrintable(where));
            }
        }
        QStringList built = TranslatedLanguages();
        built.sort();
        QStringList expected = Languages;
        expected.sort();
        QCOMPARE(built, expected);
    }

    // With no translation installed, the window's own sentences are the
    // core's, word for word.
    void underTheCLocaleTheCoreWordsStay() {
        for (const auto& [finding, names] : AllFindings()) {
            QCOMPARE(FindingWords(finding, names), English(FindingSentence(finding, names)));
        }
        for (std::int16_t s = 0; s < side::Count; ++s) {
            for (const int quarters : {1, 2, 3}) {
                QCOMPARE(TurnedSideWords({s, quarters}),
                         English(TurnedSideSentence({s, quarters})));
            }
        }
        for (const std::string_view text : StepDescriptions) {
            QCOMPARE(CoreText(text), English(text));
        }
        QCOMPARE(DiagnosisWords({}), QStringList{English(ReadyToSolve)});
        for (const QString& reason : Reasons) {
            QCOMPARE(CoreReason(reason), reason);
        }
    }

    void anEnglishLocaleLoadsNothing() {
        QCOMPARE(InstallTranslations(*QCoreApplication::instance(), QLocale("en_GB")), false);
        QCOMPARE(InstallTranslations(*QCoreApplication::instance(), QLocale::c()), false);
        QCOMPARE(QCoreApplication::translate("turnix::frmTurnix", "&File"), QString("&File"));
    }

    void inGermanEveryFindingIsGerman() {
        const German german;
        for (const auto& [finding, names] : AllFindings()) {
            QVERIFY(FindingWords(finding, names) != English(FindingSentence(finding, names)));
        }
        // What varies in the core's sentences survives their translation.
        for (const QString& reason : Reasons) {
            const QString translated = CoreReason(reason);
            QVERIFY2(translated != reason, qPrintable(reason));
            for (const auto& match :
                 QRegularExpression("[\\w/.]+\\.\\w+|\\d+").globalMatch(reason)) {
                QVERIFY2(translated.contains(match.captured()), qPrintable(translated));
            }
        }
    }

    // Green and yellow part company in German, on the 3-D view as well.
    void inGermanTheColourInitialsAreGerman() {
        const German german;
        const auto letters =
            LettersOf(SquareLetters::ColourInitials, ColorValuesOf(clsCube()), DefaultScreenColors);
        QCOMPARE(QStringList(letters.cbegin(), letters.cend()).join(','), QString("B,W,O,R,Gr,Ge"));
    }

    // Every widget, menu, message and dialog, with a solution shown so that
    // the step texts and the status bar have something to say.
    void theWindowInGermanHasNoEnglishLeft() {
        const German german;
        const auto patterns = EnglishPatterns();
        QStringList seen;
        const auto walk = [&seen](const QWidget& window) {
            seen << VisibleTexts(window);
        };
        Session s;
        // Define Colors and About; then Steps to Completion, saved.
        for (int dialog = 0; dialog < 2; ++dialog) {
            s.fake.modalRunner.scripts.push_back([&walk](QDialog& d) { walk(d); });
        }
        const QString saved = s.folder.filePath("steps.txt");
        s.fake.fileDialogs.saveAnswers.push_back(saved);
        s.fake.modalRunner.scripts.push_back([&walk](QDialog& d) {
            walk(d);
            Child<QPushButton>(d, "cmdSave").click();
        });
        frmTurnix& window = s.Start();
        Trigger(window, "mnuCubeDefine");
        Trigger(window, "mnuHelpAbout");
        s.Load(Scrambled(7));
        Trigger(window, "mnuCubeSolve");
        s.Steps(2);
        s.Button("cmdStepsToCompletion").click();
        walk(window);
        clsCube broken;
        broken.Side(side::Front).Square(0)->SetColorIndex(side::Top);
        s.Button("cmdClear").click();
        s.Load(broken);
        walk(window);
        Trigger(window, "mnuCubeSolve");
        for (const auto& message : s.fake.messageBoxes.shown) {
            seen << message.strText.split('\n');
        }
        QVERIFY(seen.size() > 300);
        // What the program writes stays English.
        QStringList english;
        for (const std::string_view text : StepDescriptions) {
            english << English(text);
        }
        const QStringList lines =
            QString::fromUtf8(ReadBytes(saved)).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        for (const QString& line : lines) {
            QVERIFY2(english.contains(line), qPrintable(line));
        }
        for (QString text : seen) {
            text = text.remove('&').trimmed();
            for (const QRegularExpression& pattern : patterns) {
                QVERIFY2(!pattern.match(text).hasMatch(), qPrintable("English: " + text));
            }
        }
    }

private:
    // The German translations, installed for one test.
    struct German {
        German() { InstallTranslations(*QCoreApplication::instance(), QLocale("de")); }
        ~German() {
            for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
        }
        German(const German&) = delete;
        German& operator=(const German&) = delete;
    };
};

QTEST_MAIN(TestTranslations)
#include "test_Translations.moc"
