#include "app/scripting/session_record.h"

namespace strs::replay {

SessionRecord::SessionRecord(const QString& localeName) : localeName_(localeName) {
    lines_.append(QStringLiteral("locale ") + localeName);
}

void SessionRecord::addPress(const QString& pressLine, RecordedPress press) {
    lines_.append(QStringLiteral("# pressed ") + press.time.toString(Qt::ISODate));
    press.line = int(lines_.size());
    lines_.append(pressLine);
    presses_.push_back(std::move(press));
}

QStringList SessionRecord::linesThrough(const RecordedPress& press) const { return lines_.mid(0, press.line + 1); }

}  // namespace strs::replay
