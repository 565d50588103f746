// STRS Workbench: the course's four labs in one window.

#include "app/main_window.h"
#include "app/startup.h"
#include "matematic/extended_arithmetic.h"
#include "core/information_option.h"
#include "shell/pictures.h"
#include "shell/translations.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char* argv[]) {
    strs::SetExtendedPrecisionMode();
    if (const auto text = strs::InformationRequested(argc, argv, "strs-workbench")) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    strs::InstallTranslations(strs::ChosenLanguage(QLocale()));
    QApplication::setWindowIcon(strs::ProgramIcon());  // the splash's, the window's, the dialogs'
    std::unique_ptr<strs::TForm1> mainWindow = strs::ShowSplashThenCreateMainWindow();
    mainWindow->show();
    return QApplication::exec();  // closing the main window ends the program
}
