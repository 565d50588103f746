// What the browser edition offers the page's JavaScript, for answer keys and tests:
//
//   const json = await strsReplay(scriptText);
//       runs a replay script and gives what strs-replay prints for it on the desktop;
//       rejects with the error of a bad line
//   strsWidget(objectName)
//       where the student's window shows that widget (or, by its own name, another
//       window such as the splash), in the program's pixels from the canvas's top-left
//       corner (the page scales the canvas), its text (a field's, label's or button's
//       text, a list's chosen item, a chart's summary, a window's title) and whether it
//       has the keyboard focus: {x, y, width, height, text, focused}, or null while it
//       is hidden; for tests that use the mouse and the keys
//
// A script runs from the event loop, as a user's presses do, on a window of its own
// started afresh in the keys' locale (C, as their tests set it). The student's window
// keeps its locale, language and random stream.

#include "app/main_window.h"
#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "app/scripting/replay_script.h"
#include "app/scripting/replay_session.h"
#include "app/session/replay_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <emscripten.h>

#include <exception>

namespace {

EM_JS(void, InstallPageFunctions, (), {
    // One script at a time; the settlers wait in strsReplayPending until it has run.
    globalThis.strsReplay = function(script) {
        return new Promise(function(resolve, reject) {
            if (globalThis.strsReplayPending) {
                reject(new Error("strsReplay: another script is running"));
                return;
            }
            globalThis.strsReplayPending = {resolve: resolve, reject: reject};
            globalThis.strsTextForProgram = String(script);
            _strs_replay_post();
        });
    };
    globalThis.strsWidget = function(objectName) {
        globalThis.strsTextForProgram = String(objectName);
        globalThis.strsWidgetFound = null;
        _strs_widget();
        return globalThis.strsWidgetFound;
    };
});

EM_JS(int, TextForProgramSize, (), { return lengthBytesUTF8(globalThis.strsTextForProgram); });

// Copies the text as UTF-8 with a terminating zero, into room for size + 1 bytes.
EM_JS(void, CopyTextForProgram, (char* into, int size), {
    stringToUTF8(globalThis.strsTextForProgram, into, size + 1);
    globalThis.strsTextForProgram = null;
});

// The text the page has just handed over.
QByteArray TakeTextForProgram() {
    QByteArray text(TextForProgramSize(), Qt::Uninitialized);
    CopyTextForProgram(text.data(), int(text.size()));
    return text;
}

// Settles strsReplay's promise: with the printed lines, or with the error when not null.
EM_JS(void, SettleReplay, (const char* output, int size, const char* error), {
    const pending = globalThis.strsReplayPending;
    globalThis.strsReplayPending = null;
    if (error)
        pending.reject(new Error("strs-replay: " + UTF8ToString(error)));
    else
        pending.resolve(UTF8ToString(output, size));
});

EM_JS(void, ReportWidget, (int x, int y, int width, int height, const char* text, bool focused), {
    globalThis.strsWidgetFound = {x: x, y: y, width: width, height: height, text: UTF8ToString(text),
                                  focused: !!focused};
});

// What the widget shows as its text; for a chart, what a screen reader hears of its series.
QString TextOf(const QWidget& widget) {
    if (const auto* chart = qobject_cast<const strs::ChartWidget*>(&widget))
        return strs::ChartSummary(*chart);
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        return field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(&widget))
        return list->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    return widget.windowTitle();
}

// The student's window: the first main window shown (a replay's comes later).
strs::TForm1* StudentWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<strs::TForm1*>(widget); window != nullptr && window->isVisible())
            return window;
    return nullptr;
}

// The student's locale, put back when a script has run in the keys' own (the replay
// session puts back the rest: the generator, the language, the error box).
class StudentLocale {
public:
    StudentLocale() = default;
    ~StudentLocale() { QLocale::setDefault(locale_); }
    StudentLocale(const StudentLocale&) = delete;
    StudentLocale& operator=(const StudentLocale&) = delete;

private:
    QLocale locale_;
};

void RunScript(QByteArray script) {
    QByteArray output;
    QByteArray error;
    {
        const StudentLocale kept;
        QLocale::setDefault(QLocale::c());
        // The script's window opens over the student's, which gets the keys back after it.
        QPointer<QWidget> student = StudentWindow();
        try {
            strs::replay::ReplaySession session([&output](const QByteArray& json) {
                output += json;
                output += '\n';
            });
            strs::session::AddReportAction(session);
            QBuffer input(&script);
            input.open(QIODevice::ReadOnly);
            session.runStream(input);
        } catch (const std::exception& e) {  // a bad line (ScriptError), or no memory left
            error = e.what();
        }
        if (student)
            student->activateWindow();
    }
    SettleReplay(output.constData(), int(output.size()), error.isNull() ? nullptr : error.constData());
}

// The widget of the student's window by that name, else a shown window of that name.
QWidget* NamedWidget(const QString& name) {
    if (strs::TForm1* window = StudentWindow()) {
        if (window->objectName() == name)
            return window;
        if (auto* widget = window->findChild<QWidget*>(name))
            return widget;
    }
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

[[maybe_unused]] const bool kInstalled = (InstallPageFunctions(), true);

}  // namespace

// strsReplay: the script runs once the page's handler has returned.
extern "C" EMSCRIPTEN_KEEPALIVE void strs_replay_post() {
    QMetaObject::invokeMethod(qApp, [script = TakeTextForProgram()] { RunScript(script); }, Qt::QueuedConnection);
}

extern "C" EMSCRIPTEN_KEEPALIVE void strs_widget() {
    QWidget* widget = NamedWidget(QString::fromUtf8(TakeTextForProgram()));
    if (widget == nullptr || !widget->isVisible() || widget->screen() == nullptr)
        return;
    const QPoint canvas = widget->screen()->geometry().topLeft();
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0)) - canvas;
    ReportWidget(topLeft.x(), topLeft.y(), widget->width(), widget->height(), TextOf(*widget).toUtf8().constData(),
                 widget->hasFocus());
}
