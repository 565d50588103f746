// STRS Workbench: the course's four labs in one window.

#include "matematic/x87.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/toolkit_translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    strs::SetExtendedPrecisionMode();
    QApplication app(argc, argv);
    strs::InstallToolkitTranslations(app);
    std::unique_ptr<strs::TForm1> mainWindow = strs::ShowSplashThenCreateMainWindow();
    mainWindow->show();
    return QApplication::exec();  // closing the main window ends the program
}
