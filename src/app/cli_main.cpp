// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>

#include "Version.h"
#include "app/ChainCommand.h"
#include "app/CliCommon.h"
#include "app/ExportCommand.h"
#include "app/ImportCommand.h"
#include "app/RenderCommand.h"
#include "app/RenderOptions.h"
#include "image/Language.h"

using namespace nuklorama::cli;

namespace {

constexpr const char* kCommands =
    "Commands:\n"
    "  render         Draw a table's chart to a PNG, SVG or PDF file.\n"
    "  import-nubase  Make a table from a NUBASE evaluation.\n"
    "  export         Write a table's masses and what follows from them as CSV or JSON.\n"
    "  chain          Follow a nuclide's decays to their ends, with probabilities and "
    "activities.\n"
    "Run nuklorama-cli COMMAND --help for a command's options.";

// Outside a desktop session Qt's start-up warns that it has no runtime folder, which a renderer
// never uses.
void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The language of the pictures, from --lang wherever it stands before a lone "--", taken out of
// the arguments so that every command accepts it. False, said why, when it names none we speak.
bool TakeLanguage(QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        QString name;
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            name = arguments.takeAt(i + 1);
        } else if (arguments[i].startsWith("--lang=")) {
            name = arguments[i].mid(7);
        } else {
            continue;
        }
        arguments.removeAt(i--);
        const std::optional<nuklorama::Language> language = nuklorama::LanguageNamed(name);
        if (!language) {
            Complain("--lang takes zh_CN or en, not \"" + name + "\".");
            return false;
        }
        nuklorama::UseLanguage(*language);
    }
    return true;
}

}  // namespace

// A standard stream the caller closed would be taken by the next file the program opens, and
// what is meant for standard output would land there. Kept occupied, a write to it fails.
void OccupyClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDONLY);
}

int main(int argc, char* argv[]) {
    OccupyClosedStandardStreams();
    // A file that grows past the size limit must fail to write, not end the program halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    // Fonts need the GUI side of Qt, which is slower to start: only a figure with text asks for it,
    // and it never needs a display.
    std::unique_ptr<QCoreApplication> app;
    if (NeedsFonts(argc, argv)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        const QtMessageHandler previous = qInstallMessageHandler(QuietAboutRuntimeFolder);
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("nuklorama-cli");
    QCoreApplication::setApplicationVersion(nuklorama::kVersionText);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString("Nuklorama's chart of nuclides without a window.\n\n") + kCommands);
    AddHelpOption(parser);
    parser.addVersionOption();
    parser.addOption(
        {"lang", "The language of the pictures: zh_CN (the default) or en.", "language"});
    parser.addPositionalArgument("command", "render, import-nubase, export or chain");
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QStringList given = QCoreApplication::arguments();
    if (!TakeLanguage(given)) return kUsage;
    if (!parser.parse(given)) {
        Complain(parser.errorText());
        return kUsage;
    }
    if (parser.isSet("version")) parser.showVersion();
    if (parser.isSet("help")) ShowHelp(parser, "nuklorama-cli");

    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        Complain(QString("a command is needed.\n") + kCommands);
        return kUsage;
    }
    QStringList arguments = rest;
    arguments.first() = "nuklorama-cli " + rest.first();
    if (rest.first() == "import-nubase") return ImportCommand(arguments);
    if (rest.first() == "render") return RenderCommand(arguments);
    if (rest.first() == "export") return ExportCommand(arguments);
    if (rest.first() == "chain") return ChainCommand(arguments);
    Complain("unknown command \"" + rest.first() + "\".\n" + kCommands);
    return kUsage;
}
