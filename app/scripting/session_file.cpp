#include "app/scripting/session_file.h"

#include "app/main_window.h"
#include "app/scripting/window_actions.h"
#include "core/information_option.h"
#include "core/text_encoding.h"
#include "shell/translations.h"

#include <QLocale>
#include <QVersionNumber>

namespace strs::replay {

namespace {

const QString kVersionTag = QStringLiteral("# version ");
const QString kPressedTag = QStringLiteral("# pressed ");

QString ThisVersion() { return QString::fromUtf8(ProgramVersion().data(), qsizetype(ProgramVersion().size())); }

// A session starts the program afresh under its locale ("locale ru_RU").
QString CheckedLocale(const ScriptLine& line) {
    RequireArgs(line, 1, "locale NAME");
    if (QLocale(line.args[0]) == QLocale::c() && line.args[0] != QLatin1String("C"))
        throw ScriptError(line.number, QStringLiteral("unknown locale '%1'").arg(line.args[0]));
    return line.args[0];
}

}  // namespace

SessionHeader HeaderNow() {
    return {ThisVersion(), QDateTime::currentDateTime(), LanguageCode(InstalledLanguage())};
}

QByteArray SessionFileText(const QStringList& lines, const SessionHeader& header) {
    QString text = QStringLiteral("# STRS Workbench session: run it with strs-replay, or open it in the program\n");
    text += kVersionTag + header.version + u'\n';
    text += QStringLiteral("# saved ") + header.saved.toString(Qt::ISODate) + u'\n';
    text += QStringLiteral("# language ") + header.language + u'\n';
    for (const QString& line : lines)
        text += line + u'\n';
    return text.toUtf8();
}

SessionScript ReadSessionFile(const QByteArray& bytes, TForm1& window) {
    SessionScript script;
    // An editor such as Notepad may put a byte order mark before the first line.
    const QList<QByteArray> rawLines = (bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes).split('\n');
    std::optional<QDateTime> pressTime;
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        const int number = int(i) + 1;
        QByteArray raw = rawLines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (const auto bad = FirstInvalidUtf8(std::string_view(raw.constData(), std::size_t(raw.size()))))
            throw ScriptError(number, QStringLiteral("a byte that is not UTF-8: \\x%1 at byte %2")
                                          .arg(uint(std::uint8_t(raw[qsizetype(*bad)])), 2, 16, QLatin1Char('0'))
                                          .arg(*bad + 1));
        const QString text = QString::fromUtf8(raw);
        const ScriptLine line = ParseScriptLine(text, number);
        const QString comment = text.trimmed();
        if (comment.startsWith(kVersionTag)) {
            const QString version = comment.mid(kVersionTag.size()).trimmed();
            if (QVersionNumber::fromString(version) > QVersionNumber::fromString(ThisVersion()))
                throw ScriptError(number, QStringLiteral("written by version %1 of the program, newer than this one (%2)")
                                              .arg(version, ThisVersion()));
        } else if (comment.startsWith(kPressedTag)) {
            pressTime = QDateTime::fromString(comment.mid(kPressedTag.size()).trimmed(), Qt::ISODate);
        }
        if (line.action.isEmpty())
            continue;
        if (line.action == QLatin1String("locale")) {
            if (!script.localeName.isEmpty() || !script.actions.empty())
                throw ScriptError(number, QStringLiteral("a session has one locale, on its first line"));
            script.localeName = CheckedLocale(line);
            continue;
        }
        if (!IsWindowAction(line) || line.action == QLatin1String("keys"))
            throw ScriptError(number, QStringLiteral("'%1' is not an action of a session").arg(Escaped(line.action)));
        CheckWindowAction(window, line);
        if (line.action == QLatin1String("press") && pressTime && pressTime->isValid())
            script.pressTimes[script.actions.size()] = *pressTime;
        if (line.action == QLatin1String("press"))
            pressTime.reset();
        script.actions.push_back(line);
    }
    if (script.localeName.isEmpty())
        script.localeName = QLocale().name();
    return script;
}

}  // namespace strs::replay
