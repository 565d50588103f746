#pragma once
// The charts' context menu: a chart's menu request makes that chart the one the
// commands act on. «Сохранить» comes first: it asks for a file in the reused save dialog
// and writes the chart's picture there; «Копировать» puts the picture on the clipboard;
// «Сохранить данные…» writes the chart's series as CSV; «Таблица значений» opens a
// window with the chart's values. In the browser the window asks only for the name and
// the type, and the browser saves the file in its own way.
// Further commands are appended with addCommand.

#include "shell/overwrite_question.h"
#include "shell/picture_types.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QFileDialog;
class QMenu;
class QPoint;
class QWidget;

namespace strs {

class ChartPreview;
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
    // Asks for the data file; an empty name when the user cancels.
    using DataFileChooser = std::function<QString()>;
    // A menu command, run in the error guard on the chart the menu was opened for.
    using ChartCommand = std::function<void(ChartWidget& chart)>;

    explicit ChartSaving(QWidget* window);

    // The chart's menu requests open the menu for that chart.
    void offerFor(ChartWidget* chart);

    // nullptr restores the save dialog.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    // nullptr restores the data file dialog.
    void setDataFileChooser(DataFileChooser chooser) { dataChooser_ = std::move(chooser); }
    // Asked before a file is replaced; nullptr restores the Yes/No box.
    void setOverwriteQuestion(OverwriteQuestion question);

    // Appends a command to the end of the menu.
    QAction* addCommand(const QString& text, const QString& objectName, ChartCommand command);

    QMenu& menu() const { return *menu_; }
    // The one save dialog, kept between saves (its folder and type stay as left).
    QFileDialog& saveDialog();

private:
    // The menu opens where the cursor is now, not where the request says.
    void openMenuFor(ChartWidget* chart);
    // From the keyboard the menu opens over the chart.
    void openFromKeyboard(ChartWidget* chart);
    void openFor(ChartWidget* chart, const QPoint& globalPosition);
    // «Сохранить»: the file, then the picture of the chart the menu was opened for.
    void saveChart();
    std::optional<ChosenFile> askWithDialog();
    // «Сохранить данные…»: the file, then the chart's series.
    void saveData(ChartWidget& chart);
    // In the browser: the name and the type asked in the window, the file handed to the
    // browser.
    void offerChartToBrowser();
    void offerDataToBrowser(ChartWidget& chart);
    QString askForDataFile();

    QWidget* window_;
    QMenu* menu_;                      // "contecst"
    QAction* saveAction_;              // "N1"
    QFileDialog* dialog_ = nullptr;    // "SavePictureDialog", made by saveDialog()
    ChartPreview* preview_ = nullptr;  // in the dialog: the picture of the chart to be saved
    ChartWidget* target_ = nullptr;    // set by every menu request, never cleared
    FileChooser chooser_;
    DataFileChooser dataChooser_;
    OverwriteQuestion question_ = AskInMessageBox;
    QString dataFolder_;  // where the data dialog opens: the last folder used, or a file in it
    PictureType browserType_ = PictureType::Jpg;  // the type the browser's last picture had
};

}  // namespace strs
