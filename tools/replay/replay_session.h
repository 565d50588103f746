#pragma once
// Carries out replay script lines on a real main window (no splash, no waits).

#include "core/atomic_file.h"
#include "tools/replay/replay_script.h"

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

class ReplaySession {
public:
    // print receives one JSON line per dump.
    explicit ReplaySession(std::function<void(const QByteArray&)> print);
    ~ReplaySession();

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
    const QStringList& pendingErrors() const { return errors_; }
    // The error texts shown since the last dump or take; they are cleared.
    QStringList takeErrors() { return std::exchange(errors_, {}); }

private:
    void perform(const ScriptLine& line);
    void restart();
    void typeInto(QWidget* target, const QString& text);

    std::function<void(const QByteArray&)> print_;
    std::unique_ptr<TForm1> window_;
    QStringList errors_;  // shown by the error box since the last dump
    DiskSpace space_;
    int pixmapCacheLimit_;  // the program's own, given back at the end
};

}  // namespace strs::replay
