#include "app/scripting/replay_script.h"

#include <algorithm>

namespace strs::replay {

namespace {

// Actions whose last argument is free text.
int freeTextPosition(const QString& action) {
    if (action == QLatin1String("set") || action == QLatin1String("type"))
        return 1;  // after the field name
    if (action == QLatin1String("keys"))
        return 0;
    return -1;
}

QString readQuoted(const QString& text, qsizetype& pos, int lineNumber) {
    QString word;
    ++pos;  // opening quote
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (c == u'\\' && pos + 1 < text.size()) {
            word += text[pos + 1];
            pos += 2;
            continue;
        }
        if (c == u'"') {
            ++pos;
            return word;
        }
        word += c;
        ++pos;
    }
    throw ScriptError(lineNumber, QStringLiteral("unterminated quoted text"));
}

bool IsControl(QChar c) { return c.category() == QChar::Other_Control && c != u'\t'; }

}  // namespace

QString Escaped(const QString& text) {
    constexpr qsizetype kShown = 80;  // a message quotes the start of a long text
    QString shown;
    for (QChar c : text.left(kShown)) {
        if (c == u'\\')
            shown += QStringLiteral("\\\\");
        else if (IsControl(c))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return text.size() > kShown ? shown + QStringLiteral("…") : shown;
}

QString Quoted(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + quoted + u'"';
}

ScriptLine ParseScriptLine(const QString& text, int number) {
    ScriptLine line;
    line.number = number;
    const QString trimmed = text.trimmed();
    if (std::any_of(trimmed.begin(), trimmed.end(), IsControl))
        throw ScriptError(number, QStringLiteral("a control character in '%1'").arg(Escaped(trimmed)));
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return line;

    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < trimmed.size() && trimmed[pos].isSpace())
            ++pos;
    };
    auto readWord = [&] {
        QString word;
        while (pos < trimmed.size() && !trimmed[pos].isSpace())
            word += trimmed[pos++];
        return word;
    };

    line.action = readWord();
    const int freeText = freeTextPosition(line.action);
    while (true) {
        skipBlanks();
        if (pos >= trimmed.size())
            break;
        if (trimmed[pos] == u'"') {
            line.args << readQuoted(trimmed, pos, number);
        } else if (line.args.size() == freeText) {
            line.args << trimmed.mid(pos);  // the rest of the line, as it stands
            pos = trimmed.size();
        } else {
            line.args << readWord();
        }
    }
    return line;
}

}  // namespace strs::replay
