#pragma once
// «Отчёт…»: the session's presses listed, a row each (the lab, the time, whether it ran or
// why it failed, the parameters as typed), the last press that ran of each page ticked at
// first; the report holds those ticked.

#include "app/scripting/session_record.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace strs::session {

// The presses ticked at first: the last one of each page that did not fail.
std::vector<std::size_t> DefaultReportPresses(const std::vector<replay::RecordedPress>& presses);

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(const std::vector<replay::RecordedPress>& presses, QWidget* parent);

    // The indexes of the ticked presses, ascending.
    std::vector<std::size_t> chosen() const;
    // Ticks exactly these (tests).
    void choose(const std::vector<std::size_t>& presses);

private:
    void updateAcceptance();

    QTreeWidget* list_;
};

}  // namespace strs::session
