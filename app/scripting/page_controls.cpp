#include "app/scripting/page_controls.h"

namespace strs::replay {

QString RefreshButtonName(int page) {
    static const char* const kNames[] = {"BB1", "BitBtn1", "BB3", "BitBtn2"};
    return page >= 1 && page <= kPageCount ? QString::fromLatin1(kNames[page - 1]) : QString();
}

QString OrderSwitchName(int page) {
    return page == 2 ? QStringLiteral("RG2") : page == 4 ? QStringLiteral("RG4") : QString();
}

}  // namespace strs::replay
