#pragma once
// The charts' context menu with its one command «Сохранить»: a chart's menu request
// makes that chart the one to save; the command asks for a file in the reused save
// dialog and writes the chart's picture there.

#include "shell/picture_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QFileDialog;
class QMenu;
class QWidget;

namespace strs {

class ChartWidget;

class ChartSaving : public QObject {
    Q_OBJECT
public:
    struct ChosenFile {
        QString name;
        PictureType type;
    };
    // Asks for the file; nothing when the user cancels.
    using FileChooser = std::function<std::optional<ChosenFile>()>;

    explicit ChartSaving(QWidget* window);

    // The chart's menu requests open the menu for that chart.
    void offerFor(ChartWidget* chart);

    // nullptr restores the save dialog.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

private:
    // The menu opens where the cursor is now, not where the request says.
    void openMenuFor(ChartWidget* chart);
    // «Сохранить»: the file, then the picture of the chart the menu was opened for.
    void saveChart();
    std::optional<ChosenFile> askWithDialog();

    QWidget* window_;
    QMenu* menu_;                    // "contecst"
    QAction* saveAction_;            // "N1"
    QFileDialog* dialog_;            // "SavePictureDialog"
    ChartWidget* target_ = nullptr;  // set by every menu request, never cleared
    FileChooser chooser_;
};

}  // namespace strs
