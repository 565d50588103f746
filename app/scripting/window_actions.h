#pragma once
// The script actions that work the window's controls as a user would: page, set, type,
// select, radio, press, keys. A session file holds them, the replay session carries them
// out; both first check a line against the window it is meant for.

#include "app/main_window.h"
#include "app/scripting/replay_script.h"

namespace strs::replay {

// Throws ScriptError with the action's usage unless the line has count arguments.
void RequireArgs(const ScriptLine& line, int count, const char* usage);

// The component of that exact name; an empty name, which Qt would match with any, is
// no component's name. Throws ScriptError naming the line when there is none.
template <typename T>
T* FindNamed(TForm1& w, const ScriptLine& line, const QString& name, const char* what) {
    auto* found = name.isEmpty() ? nullptr : w.findChild<T*>(name);
    if (!found)
        throw ScriptError(line.number,
                          QStringLiteral("no %1 named '%2'").arg(QString::fromLatin1(what), Escaped(name)));
    return found;
}

// Whether the line's action is one of them.
bool IsWindowAction(const ScriptLine& line);

// Checks that the line names components the window has and values in their range;
// throws ScriptError naming the line when it does not. Changes nothing.
void CheckWindowAction(TForm1& window, const ScriptLine& line);

// Checks the line, then carries it out.
void PerformWindowAction(TForm1& window, const ScriptLine& line);

}  // namespace strs::replay
