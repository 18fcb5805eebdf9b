#include "platform/ProgramArguments.h"

#include "TurnixVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace turnix {

namespace {

// The texts are marked where they are written, with QT_TRANSLATE_NOOP and
// this context.
QString Words(const char* text) {
    return QCoreApplication::translate("turnix::ProgramArguments", text);
}

// Qt's own words, as its translations give them; not this program's texts.
QString QtUsagePrefix() {
    static constexpr const char* Context = "QCommandLineParser";
    static constexpr const char* Usage = "Usage: %1";
    return QCoreApplication::translate(Context, Usage).arg(QString());
}

QString TurnixCommand() {
    return QStringLiteral("turnix");
}

struct ArgumentParser {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    ArgumentParser() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.setApplicationDescription(Words(QT_TRANSLATE_NOOP(
            "turnix::ProgramArguments",
            "Solve a real 3x3x3 cube puzzle one step at a time: enter the colours of a "
            "scrambled cube, then replay the side turns that solve it.")));
        parser.addPositionalArgument(QStringLiteral("FILE.cub"),
                                     Words(QT_TRANSLATE_NOOP("turnix::ProgramArguments",
                                                             "A cube configuration file to open.")),
                                     QStringLiteral("[FILE.cub]"));
    }

    [[nodiscard]] bool AsksForHelp() const {
        return parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    }

    // The usage line names the program as the user types it, not by the
    // path it was started from.
    [[nodiscard]] QString HelpText() const {
        QString text = parser.helpText();
        const QString usage = QtUsagePrefix();
        // The options follow in brackets, in whatever language.
        const qsizetype options = text.indexOf(QStringLiteral(" ["), usage.size());
        if (text.startsWith(usage) && options > usage.size()) {
            text.replace(usage.size(), options - usage.size(), TurnixCommand());
        }
        return text;
    }
};

QString ArgumentsUsageLine() {
    return Words(QT_TRANSLATE_NOOP("turnix::ProgramArguments",
                                   "Usage: %1 [FILE.cub]\nTry '%1 --help'.\n"))
        .arg(TurnixCommand());
}

} // namespace

bool AsksForHelpOrVersion(const QStringList& arguments) {
    ArgumentParser read;
    // Options of Qt's own, which the window system takes later, are unknown
    // here and do not matter.
    static_cast<void>(read.parser.parse(arguments));
    return read.AsksForHelp() || read.parser.isSet(read.version);
}

ProgramStart ReadProgramArguments(const QStringList& arguments) {
    ArgumentParser read;
    const bool parsed = read.parser.parse(arguments);
    if (read.AsksForHelp()) {
        return {ProgramStart::Kind::Help, std::nullopt, read.HelpText()};
    }
    if (read.parser.isSet(read.version)) {
        return {ProgramStart::Kind::Version, std::nullopt,
                TurnixCommand() + QLatin1Char(' ') +
                    QString::fromUtf8(version::Text.data(),
                                      static_cast<qsizetype>(version::Text.size())) +
                    QLatin1Char('\n')};
    }
    const QString prefix = TurnixCommand() + QStringLiteral(": ");
    if (!parsed) {
        return {ProgramStart::Kind::Refused, std::nullopt,
                prefix + read.parser.errorText() + QLatin1Char('\n') + ArgumentsUsageLine()};
    }
    const QStringList files = read.parser.positionalArguments();
    if (files.size() > 1) {
        return {ProgramStart::Kind::Refused, std::nullopt,
                prefix +
                    Words(QT_TRANSLATE_NOOP("turnix::ProgramArguments",
                                            "one cube file at a time, not %1\n"))
                        .arg(files.size()) +
                    ArgumentsUsageLine()};
    }
    if (files.size() == 1) {
        return {ProgramStart::Kind::Window, files.first(), QString()};
    }
    return {};
}

} // namespace turnix
