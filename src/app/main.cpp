// tarvel: the fee calculator with its windows.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "calculator/calculator.h"
#include "system/app_identity.h"
#include "ui/calculator_windows.h"
#include "ui/icons.h"
#include "ui/qt_platform.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(tarvel::system::kOrganisationName));
    QApplication::setApplicationName(QString::fromLatin1(tarvel::system::kApplicationName));
    QApplication::setDesktopFileName(QStringLiteral("tarvel"));
    QApplication::setWindowIcon(tarvel::ui::applicationIcon());
    // The program speaks Croatian, so do the buttons of its message boxes.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Croatian, QLocale::Croatia), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    tarvel::ui::QtPlatform platform;
    tarvel::calculator::Calculator calculator(platform);
    tarvel::ui::Windows windows(calculator);
    tarvel::ui::registerCalculatorWindows(windows);
    platform.setWindows(&windows);
    // The program ends with its main window, whether the user closed it or the model did.
    windows.onEnded = [] {
        QCoreApplication::quit();
    };
    QApplication::setQuitOnLastWindowClosed(false);

    calculator.start();
    windows.sync();
    if (calculator.ended())
        return 0;
    return QApplication::exec();
}
