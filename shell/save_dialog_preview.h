#pragma once
// The save dialog's picture preview and its size: Qt's own (non-native) file dialog with
// the preview beside the file list, wide enough for the sidebar and the list's columns
// in the longer Russian texts.

class QFileDialog;

namespace strs {

class ChartPreview;

// Call once, after the dialog has been configured; the preview belongs to the dialog.
ChartPreview* AddPreviewToSaveDialog(QFileDialog& dialog);

}  // namespace strs
