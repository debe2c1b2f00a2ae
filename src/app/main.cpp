// SPDX-License-Identifier: GPL-3.0-or-later
// tarvel: the fee calculator with its windows.
#include <QApplication>
#include <QCommandLineParser>

#include <optional>

#include "calculator/calculator.h"
#include "program/program.h"
#include "records/program_files.h"
#include "system/app_identity.h"
#include "system/file_writes.h"
#include "system/native/console_answer.h"
#include "system/qt_translation.h"
#include "tarvel_version.h"
#include "ui/calculator_windows.h"
#include "ui/icons.h"
#include "ui/qt_platform.h"
#include "ui/text_editor.h"
#include "ui/windows.h"

namespace {

void setApplicationNames() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(tarvel::system::kOrganisationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(tarvel::system::kApplicationName));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(tarvel::kVersionMajor)
                                                .arg(tarvel::kVersionMinor)
                                                .arg(tarvel::kVersionRevision));
}

// On standard output or error; on Windows, where `tarvel` has no console of its own, on the
// console it was started from, or in a message box when started from Explorer.
void answer(const QString& text, tarvel::system::AnswerKind kind) {
    tarvel::system::showCommandLineAnswer(text.toStdString(), kind);
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Prikazuje ovu pomoć i završava.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Prikazuje verziju programa i završava.")};

    CommandLine() {
        parser.setApplicationDescription(
            QStringLiteral("Tarvel – izračun cijena usluga arhitekata i inženjera.\n"
                           "Program se pokreće bez argumenata i otvara glavni prozor."));
        parser.addOption(help);
        parser.addOption(version);
    }
};

// The answer to --help and --version, given before anything touches the window system so that
// both work without a display; nothing when the program is to start.
std::optional<int> answerInformationOptions(CommandLine& commandLine) {
    // Other arguments may still be Qt's own (-style, -platform): judged once QApplication
    // has taken those out.
    commandLine.parser.parse(QCoreApplication::arguments());
    if (commandLine.parser.isSet(commandLine.help)) {
        answer(commandLine.parser.helpText(), tarvel::system::AnswerKind::Information);
        return 0;
    }
    if (commandLine.parser.isSet(commandLine.version)) {
        // As the about box shows it.
        answer(QStringLiteral("Tarvel Verzija %1\n").arg(QCoreApplication::applicationVersion()),
               tarvel::system::AnswerKind::Information);
        return 0;
    }
    return std::nullopt;
}

// Refuses what is left of the command line: the program takes no arguments.
bool acceptRemainingArguments(CommandLine& commandLine) {
    QString error;
    if (!commandLine.parser.parse(QCoreApplication::arguments()))
        error = commandLine.parser.errorText();
    else if (!commandLine.parser.positionalArguments().isEmpty())
        error = QStringLiteral("Program ne prima argumente: %1")
                    .arg(commandLine.parser.positionalArguments().join(QLatin1Char(' ')));
    if (error.isEmpty())
        return true;
    answer(error + QStringLiteral("\nPomoć: tarvel --help\n"), tarvel::system::AnswerKind::Error);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    tarvel::system::prepareFileWrites();
    {
        QCoreApplication commandLineOnly(argc, argv);
        setApplicationNames();
        const tarvel::system::QtCroatianTexts qtTexts;
        CommandLine commandLine;
        if (const std::optional<int> exitCode = answerInformationOptions(commandLine))
            return *exitCode;
    }

    QApplication app(argc, argv);
    setApplicationNames();
    QApplication::setDesktopFileName(QString::fromLatin1(tarvel::system::kApplicationId));
    QApplication::setWindowIcon(tarvel::ui::applicationIcon());
    const tarvel::system::QtCroatianTexts qtTexts;
    {
        CommandLine commandLine;
        if (!acceptRemainingArguments(commandLine))
            return 1;
    }

    tarvel::ui::QtPlatform platform;
    tarvel::system::removeLeftoverTemporaryFiles(
        QString::fromStdString(platform.programDirectory()),
        {QString::fromLatin1(tarvel::records::kRecordFile),
         QString::fromLatin1(tarvel::records::kOfferFile),
         QString::fromLatin1(tarvel::records::kEstimateFile),
         QString::fromLatin1(tarvel::records::kEstimatePrintFile)});
    tarvel::program::Program calculator(platform);
    tarvel::ui::Windows windows(calculator);
    tarvel::ui::registerCalculatorWindows(windows);
    platform.setWindows(&windows);
    // The program ends with its main window, whether the user closed it or the model did.
    windows.onEnded = [] {
        // An edited record file is asked about before the program goes.
        tarvel::ui::TextEditor::closeAll();
        QCoreApplication::quit();
    };
    QApplication::setQuitOnLastWindowClosed(false);

    // A fault during start-up is reported like one in a handler; the window still opens.
    windows.dispatch([&calculator] { calculator.start(); });
    const tarvel::forms::Form* main = calculator.loaded("frmGl");
    if (!main || !main->shown())
        return calculator.ended() ? 0 : 1;
    return QApplication::exec();
}
