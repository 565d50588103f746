#include "shell/file_types.h"

namespace strs {

CompletedName CompleteName(const QString& chosen, const QList<FileType>& types, int selected) {
    for (int i = 0; i < types.size(); ++i)
        if (chosen.endsWith(types[i].extension, Qt::CaseInsensitive))
            return {chosen, i};
    const int type = selected >= 0 && selected < types.size() ? selected : 0;
    return {chosen + types[type].extension, type};
}

}  // namespace strs
