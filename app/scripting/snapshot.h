#pragma once
// The JSON picture of what the main window shows: fields, labels and the exact numbers
// behind them, visibility, chart titles, every series' points, and the error messages
// shown since the last snapshot.

#include <QJsonObject>
#include <QStringList>

namespace strs {
class TForm1;
}

namespace strs::replay {

QJsonObject TakeSnapshot(const TForm1& window, const QStringList& errors, int creditDraws);

// The names of every label the labs write or change, in the order of the snapshot.
QStringList WrittenLabelNames();

}  // namespace strs::replay
