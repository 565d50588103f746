#include "shell/error_guard.h"

#include "core/errors.h"
#include "matematic/extended_arithmetic.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>
#include <new>
#include <optional>
#include <utility>

namespace strs {
namespace {

ErrorPresenter& InstalledPresenter() {
    static ErrorPresenter presenter;
    return presenter;
}

struct Shown {
    int count = 0;
    QString last;
};
Shown& ShownErrors() {
    static Shown shown;
    return shown;
}

// The standard error box: modal, error icon, one OK button, titled with the
// application's name (the executable's name unless the program sets another).
void ShowStandardBox(QWidget* parent, const QString& boxText) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), boxText, QMessageBox::Ok,
                    parent);
    box.exec();
}

void Present(QWidget* parent, const QString& message) {
    const QString boxText = ErrorBoxText(message);
    ++ShownErrors().count;
    ShownErrors().last = boxText;
    if (const ErrorPresenter& presenter = InstalledPresenter())
        presenter(boxText);
    else
        ShowStandardBox(parent, boxText);
}

}  // namespace

void SetErrorPresenter(ErrorPresenter presenter) { InstalledPresenter() = std::move(presenter); }

ErrorPresenter CurrentErrorPresenter() { return InstalledPresenter(); }

int ShownErrorCount() { return ShownErrors().count; }

QString LastShownError() { return ShownErrors().last; }

QString ErrorBoxText(const QString& message) {
    // An empty message has no last character to judge and is shown as it is.
    if (message.isEmpty() || message.back() <= QLatin1Char('.'))
        return message;
    return message + QLatin1Char('.');
}

void RunGuarded(QWidget* parent, const std::function<void()>& handler) {
    // The x87's mode is the process's, and a library loaded since the last handler (a file
    // dialog's shell extension, a printer or graphics driver on Windows) may have changed
    // its precision or rounding: every handler starts from the labs' own mode.
    SetExtendedPrecisionMode();
    // The box is shown after the catch block has been left, so that its event loop
    // does not run inside exception handling.
    std::optional<QString> message;
    try {
        handler();
    } catch (const Error& error) {
        message = QString::fromUtf8(error.what());
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        // Not one of the program's own errors, but no exception may cross the event loop.
        message = QString::fromUtf8(error.what());
    }
    if (message)
        Present(parent, *message);
}

}  // namespace strs
