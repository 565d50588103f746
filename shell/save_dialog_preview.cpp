#include "shell/save_dialog_preview.h"

#include "shell/chart_preview.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace strs {

namespace {

constexpr int kPreviewWidth = 230;

// The longest texts the sidebar and the list's columns show in Russian, with room for
// an icon, the sort arrow and the gaps.
int TextRoom(const QFontMetrics& metrics, const char* text) {
    return metrics.horizontalAdvance(QString::fromUtf8(text)) + 2 * metrics.height() + 8;
}

void SizeForColumns(QFileDialog& dialog) {
    const QFontMetrics metrics(dialog.font());
    const int sidebar = TextRoom(metrics, "Компьютер");
    const int columns[] = {TextRoom(metrics, "снимок-графика-0000.jpeg"), TextRoom(metrics, "999,9 КиБ"),
                           TextRoom(metrics, "Изображение JPEG"), TextRoom(metrics, "Дата изменения 00:00")};
    int list = 0;
    if (auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int i = 0; i < int(std::size(columns)); ++i) {
            tree->header()->resizeSection(i, columns[i]);
            list += columns[i];
        }
    }
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({sidebar, list});

    QSize wanted(sidebar + list + kPreviewWidth + 60, 440);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize());
    dialog.resize(wanted);
}

}  // namespace

ChartPreview* AddPreviewToSaveDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto* preview = new ChartPreview(&dialog);
    preview->setFixedWidth(kPreviewWidth);
    // Qt's dialog lays out its parts on a grid: the sidebar and the file list share row 1.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 1, 1);
    SizeForColumns(dialog);
    return preview;
}

}  // namespace strs
