#pragma once
// Carries out replay script lines on a real main window of its own (no splash, no
// waits). Each window it starts keeps its session record. The program around it (the
// workbench's own window, the browser's page) finds its state as it was afterwards: the
// generator, the locale, the language, the error box, the pixmap cache.

#include "core/atomic_file.h"
#include "app/scripting/replay_script.h"
#include "shell/error_guard.h"
#include "shell/translations.h"

#include <QLocale>
#include <QMap>
#include <QStringList>

class QIODevice;
class QWidget;

#include <functional>
#include <memory>
#include <utility>

namespace strs {
class TForm1;
}

namespace strs::replay {

class SessionRecorder;

class ReplaySession {
public:
    // Windows shown (offscreen, as strs-replay shows them), or kept hidden from the user
    // when the session runs inside the workbench.
    enum class Windows { Shown, Hidden };

    // print receives one JSON line per dump.
    explicit ReplaySession(std::function<void(const QByteArray&)> print, Windows windows = Windows::Shown);
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    // An action beyond those of the window and the tool (a report, made by a layer above).
    using Action = std::function<void(ReplaySession& session, const ScriptLine& line)>;
    void addAction(const QString& name, Action action) { actions_.insert(name, std::move(action)); }

    // Runs a whole script; throws ScriptError at the first bad line.
    void runScript(const QString& script);
    // Runs each line as soon as it has been read, to the end of the input; throws
    // ScriptError at the first bad line, a line longer than kLongestLine bytes included.
    void runStream(QIODevice& input);
    static constexpr qint64 kLongestLine = 1 << 20;
    void execute(const ScriptLine& line);

    // The disk the session's files go to (a test passes a small one).
    void setDiskSpace(DiskSpace space) { space_ = space; }

    TForm1& window() { return *window_; }
    // The record of the window since its start.
    const SessionRecorder& recorder() const { return *recorder_; }
    const QStringList& pendingErrors() const { return errors_; }
    // The error texts shown since the last dump or take; they are cleared.
    QStringList takeErrors() { return std::exchange(errors_, {}); }

private:
    void perform(const ScriptLine& line);
    void restart();

    std::function<void(const QByteArray&)> print_;
    Windows windows_;
    QMap<QString, Action> actions_;
    std::unique_ptr<TForm1> window_;
    SessionRecorder* recorder_ = nullptr;  // a child of the window
    QStringList errors_;  // shown by the error box since the last dump
    DiskSpace space_;
    // The program's own, given back at the end.
    int pixmapCacheLimit_;
    ErrorPresenter presenter_;
    QLocale locale_;
    UiLanguage language_;
    std::uint32_t generator_;
};

}  // namespace strs::replay
