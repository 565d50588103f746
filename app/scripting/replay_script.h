#pragma once
// One line of a replay script: an action word and its arguments.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace strs::replay {

struct ScriptLine {
    int number = 0;  // 1-based line number in the script
    QString action;  // "page", "set", ...; empty for a blank or comment line
    QStringList args;
};

// A script line that cannot be understood or carried out.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const QString& message)
        : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString()) {}
};

// The text with every control character written as \xNN (and \ as \\), for messages;
// a long text is cut after its first 80 characters, with "…".
QString Escaped(const QString& text);

// The text as one quoted word of a script line: in quotation marks, with \ and " written
// as \\ and \" ("" for the empty text). ParseScriptLine reads it back as it was.
QString Quoted(const QString& text);

// Splits a line into words. A word may be double-quoted ("" is the empty text; inside
// quotes \" and \\ stand for " and \). Blank lines and lines starting with # are empty.
// The last argument of set/type/keys is the rest of the line when it is not quoted.
// A control character other than a tab (a NUL, say) is an error: no action reads it.
ScriptLine ParseScriptLine(const QString& text, int number);

}  // namespace strs::replay
