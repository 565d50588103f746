#include "app/chart_saving.h"

#include "shell/browser_download.h"
#include "shell/chart_export.h"
#include "shell/chart_preview.h"
#include "shell/chart_widget.h"
#include "core/errors.h"
#include "shell/error_guard.h"
#include "shell/name_dialog.h"
#include "shell/picture_file.h"
#include "shell/save_dialog.h"
#include "shell/save_dialog_preview.h"
#include "shell/value_table.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace strs {

ChartSaving::ChartSaving(QWidget* window) : QObject(window), window_(window), menu_(new QMenu(window)) {
    setObjectName(QStringLiteral("ChartSaving"));
    menu_->setObjectName(QStringLiteral("contecst"));

    // The menu's commands, in their order.
    saveAction_ = addCommand(tr("Сохранить"), QStringLiteral("N1"), [this](ChartWidget&) { saveChart(); });
    addCommand(tr("Копировать"), QStringLiteral("CopyPicture"), CopyChartPicture);
    addCommand(tr("Сохранить данные…"), QStringLiteral("SaveData"),
               [this](ChartWidget& chart) { saveData(chart); });
    addCommand(tr("Таблица значений"), QStringLiteral("ValueTableAction"),
               [this](ChartWidget& chart) { ShowValueTable(chart, window_); });
}

QAction* ChartSaving::addCommand(const QString& text, const QString& objectName, ChartCommand command) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        RunGuarded(window_, [this, &command] {
            if (target_ != nullptr)
                command(*target_);
        });
    });
    return action;
}

QFileDialog& ChartSaving::saveDialog() {
    // Made on first use: a file dialog watches its folder and stores its state when it
    // goes, which a session that saves nothing need not pay for.
    if (dialog_ == nullptr) {
        dialog_ = new QFileDialog(window_);
        dialog_->setObjectName(QStringLiteral("SavePictureDialog"));
        ConfigureSavePictureDialog(*dialog_);
        preview_ = AddPreviewToSaveDialog(*dialog_);
        preview_->setChart(target_);
    }
    return *dialog_;
}

void ChartSaving::setOverwriteQuestion(OverwriteQuestion question) {
    question_ = question ? std::move(question) : AskInMessageBox;
}

void ChartSaving::offerFor(ChartWidget* chart) {
    connect(chart, &ChartWidget::contextMenuRequested, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { openMenuFor(c); }); });
    connect(chart, &ChartWidget::menuKeyPressed, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { openFromKeyboard(c); }); });
}

void ChartSaving::openMenuFor(ChartWidget* chart) { openFor(chart, QCursor::pos()); }

void ChartSaving::openFromKeyboard(ChartWidget* chart) {
    openFor(chart, chart->mapToGlobal(chart->rect().center()));
}

void ChartSaving::openFor(ChartWidget* chart, const QPoint& globalPosition) {
    target_ = chart;
    if (preview_ != nullptr)
        preview_->setChart(chart);
    menu_->popup(globalPosition);
}

void ChartSaving::saveChart() {
    if (SavedFilesAreDownloads()) {
        offerChartToBrowser();
        return;
    }
    // A "No" to replacing a file, or a write that failed once its error box is closed,
    // brings the dialog back with the name kept, to choose another folder or name; only a
    // cancel ends the command without a file.
    while (true) {
        const std::optional<ChosenFile> chosen = chooser_ ? chooser_() : askWithDialog();
        if (!chosen || chosen->name.isEmpty())
            return;
        std::optional<QString> saved;
        RunGuarded(window_,
                   [&] { saved = SaveChartPicture(window_, *target_, chosen->name, chosen->type, question_); });
        if (saved)
            return;
        saveDialog().selectFile(chosen->name);
    }
}

void ChartSaving::offerChartToBrowser() {
    std::optional<ChosenFile> chosen;
    if (chooser_) {
        chosen = chooser_();
    } else if (const auto answer = AskNameAndType(window_, tr("Сохранить"), PictureFileTypes(), target_->objectName(),
                                                  int(browserType_) - 1)) {
        chosen = ChosenFile{answer->name, PictureTypeFromFilterIndex(answer->type + 1)};
    }
    if (!chosen || chosen->name.isEmpty())
        return;
    browserType_ = chosen->type;
    const auto [name, type] = PictureFileFor(chosen->name, chosen->type);
    const QByteArray bytes = ChartPictureBytes(*target_, type);
    if (bytes.isEmpty())
        throw Error("The picture could not be made");
    OfferToBrowser(bytes, name);
}

void ChartSaving::offerDataToBrowser(ChartWidget& chart) {
    QString name = dataChooser_ ? dataChooser_() : QString();
    if (!dataChooser_) {
        const auto answer = AskNameAndType(window_, tr("Сохранить данные"), {{tr("CSV (*.csv)"), QStringLiteral(".csv")}},
                                           chart.objectName());
        name = answer ? answer->name : QString();
    }
    if (!name.isEmpty())
        OfferToBrowser(ChartDataCsv(chart), DataFileName(name));
}

void ChartSaving::saveData(ChartWidget& chart) {
    if (SavedFilesAreDownloads()) {
        offerDataToBrowser(chart);
        return;
    }
    // As for pictures: a "No" to replacing the file, or a failed write, brings the dialog
    // back with the name. The question is about the name written, ".csv" completed.
    while (true) {
        QString name = dataChooser_ ? dataChooser_() : askForDataFile();
        if (name.isEmpty())
            return;
        name = DataFileName(name);
        dataFolder_ = name;  // the next dialog opens on this name, in this folder
        if (!MayWriteOver(window_, name, question_))
            continue;
        bool saved = false;
        RunGuarded(window_, [&] {
            WriteChartData(chart, name);
            saved = true;
        });
        if (saved) {
            dataFolder_ = QFileInfo(name).absolutePath();
            return;
        }
    }
}

QString ChartSaving::askForDataFile() {
    if (dataFolder_.isEmpty())
        dataFolder_ = SaveStartFolder(QCoreApplication::applicationDirPath(), QStandardPaths::DocumentsLocation);
    // The dialog's own question would be about the name as typed, not the one written.
    return QFileDialog::getSaveFileName(window_, tr("Сохранить данные"), dataFolder_, tr("CSV (*.csv)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<ChartSaving::ChosenFile> ChartSaving::askWithDialog() {
    QFileDialog& dialog = saveDialog();
    // Qt's browser platform activates only a window shown for the first time: shown again,
    // the dialog would leave the keys with the main window. Queued, this runs once it is up.
    QMetaObject::invokeMethod(&dialog, [&dialog] { dialog.activateWindow(); }, Qt::QueuedConnection);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return ChosenFile{files.first(), SelectedPictureType(dialog)};
}

}  // namespace strs
