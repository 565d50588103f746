#pragma once
// The controls of each page that scripts name: the page's «Обновить» and its choice, the
// law list of page 1 or the order switch of pages 2 and 4.

#include <QString>

namespace strs::replay {

inline constexpr int kPageCount = 4;

// "BB1", "BitBtn1", "BB3", "BitBtn2" for pages 1 to 4.
QString RefreshButtonName(int page);

// "RG2" and "RG4" for pages 2 and 4; empty for the others.
QString OrderSwitchName(int page);

// The law list of page 1.
inline QString LawListName() { return QStringLiteral("CB1"); }

}  // namespace strs::replay
