#include "tools/replay/replay_script.h"

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

}  // namespace

ScriptLine ParseScriptLine(const QString& text, int number) {
    ScriptLine line;
    line.number = number;
    const QString trimmed = text.trimmed();
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
