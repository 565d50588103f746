// STRS Workbench: the course's four labs in one window.

#include "app/main_window.h"
#include "app/session/workbench.h"
#include "app/page_events.h"
#include "app/page_fit.h"
#include "app/startup.h"
#include "matematic/extended_arithmetic.h"
#include "core/information_option.h"
#include "shell/pictures.h"
#include "shell/translations.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace {

constexpr const char* kHelp =
    "usage: strs-workbench [Qt options]\n"
    "       strs-workbench --help | --version\n"
    "Opens the STRS Workbench window: the four labs of the course \"Statistical theory of\n"
    "radio-engineering systems\", one tab each (random variables, autoregressive\n"
    "sequences, a scalar Kalman filter, a block Wiener filter).\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "Every other argument goes to the Qt toolkit, e.g. -platform NAME or -style NAME.\n"
    "\n"
    "Environment:\n"
    "  STRS_LANGUAGE    ru or en: the window's language, whatever the locale says (by\n"
    "                   default Russian for a Russian locale, English for any other)\n"
    "  LANG, LC_ALL     the locale: the language and the decimal separator of numbers\n"
    "  QT_QPA_PLATFORM  the Qt platform plugin, e.g. offscreen or wayland\n"
    "\n"
    "The manual is strs-workbench(1) (\"man strs-workbench\"); strs-replay(1) prints answer\n"
    "keys from scripts of presses.\n";

}  // namespace

int main(int argc, char* argv[]) {
    strs::SetExtendedPrecisionMode();
    if (const auto text = strs::InformationRequested(argc, argv, "strs-workbench", kHelp)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // The name of the error boxes' title: the program file's, also where there is no file
    // to take it from (the browser).
    QApplication::setApplicationName(QStringLiteral("strs-workbench"));
    strs::InstallTranslations(strs::ChosenLanguage(QLocale()));
    QApplication::setWindowIcon(strs::ProgramIcon());  // the splash's, the window's, the dialogs'
    strs::session::Workbench workbench(strs::ShowSplashThenCreateMainWindow(strs::TellPage));
    workbench.window().show();  // and kept on its screen
    strs::FitPageToWindow(workbench.window());
    strs::TellPage("main window shown");
    return QApplication::exec();  // closing the main window ends the program
}
