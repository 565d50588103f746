#pragma once
// The one guard every handler runs in: a system error ends the handler and is shown in
// the standard error box (or given to the presenter installed by tests and the replay tool).

#include <QString>

#include <functional>

class QWidget;

namespace strs {

using ErrorPresenter = std::function<void(const QString& boxText)>;

// nullptr restores the standard error box.
void SetErrorPresenter(ErrorPresenter presenter);
// The presenter installed now (empty: the standard box), to be put back after a while.
ErrorPresenter CurrentErrorPresenter();

// The box text: the message with a full stop appended unless its last character is a
// full stop or a character of a lower code (a blank, "!", a quotation mark ...).
QString ErrorBoxText(const QString& message);

// How many errors the guard has shown since the program started, and the last one's box
// text: a session record tells from them whether a press failed, and why.
int ShownErrorCount();
QString LastShownError();

// Runs handler, the extended arithmetic's mode set first (SetExtendedPrecisionMode);
// any std::exception ends it and is shown: a strs::Error or another
// exception with its message, std::bad_alloc as "Out of memory". Nothing else is caught.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);

}  // namespace strs
