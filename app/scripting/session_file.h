#pragma once
// A session as a file (".strs"): its record as a replay script in UTF-8, after a comment
// header naming the program's version, the date and the language; strs-replay runs it as
// it is. Read back, the file is checked line by line against a window before anything of
// it is carried out, so that a damaged file changes nothing.

#include "app/scripting/replay_script.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace strs {
class TForm1;
}

namespace strs::replay {

struct SessionHeader {
    QString version;   // the program's, "1.0"
    QDateTime saved;
    QString language;  // "ru" or "en"
};

// The header of a session saved now: this program's version, the date, the window's
// language.
SessionHeader HeaderNow();

// The file's bytes: the header comments, then the lines.
QByteArray SessionFileText(const QStringList& lines, const SessionHeader& header);

// What a session file asks for: a fresh start under its locale, then its actions.
struct SessionScript {
    QString localeName;
    std::vector<ScriptLine> actions;
    std::map<std::size_t, QDateTime> pressTimes;  // by index into actions, where the file names one
};

// The file's script, checked: UTF-8 throughout, every line understood, only the actions a
// session holds ("locale" first, then page, set, type, select, radio and press), every
// component and value one the window has, and not written by a newer version of the
// program than this one. Throws ScriptError naming the first line that is not so.
SessionScript ReadSessionFile(const QByteArray& bytes, TForm1& window);

}  // namespace strs::replay
