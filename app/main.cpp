// STRS Workbench: the course's four labs in one window.

#include "app/main_window.h"
#include "app/startup.h"
#include "shell/toolkit_translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    strs::InstallToolkitTranslations(app);
    std::unique_ptr<strs::TForm1> mainWindow = strs::ShowSplashThenCreateMainWindow();
    mainWindow->show();
    return QApplication::exec();  // closing the main window ends the program
}
