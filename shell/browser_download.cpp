#include "shell/browser_download.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace strs {

#ifdef Q_OS_WASM

namespace {

// 0: the browser took the document; 1: the user cancelled its save picker; 2: it refused
// the document, its reason left in strsSaveRefusal. The bytes are copied before the first
// wait, while the program's memory cannot move.
EM_ASYNC_JS(int, SaveInBrowser, (const char* data, int size, const char* name), {
    const bytes = HEAPU8.slice(data, data + size);
    const fileName = UTF8ToString(name);
    try {
        if (typeof globalThis.showSaveFilePicker === "function") {
            let handle;
            try {
                handle = await globalThis.showSaveFilePicker({suggestedName: fileName});
            } catch (e) {
                if (e && e.name === "AbortError")
                    return 1;
                throw e;
            }
            const writable = await handle.createWritable();
            await writable.write(new Blob([bytes]));
            await writable.close();
            return 0;
        }
        const url = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
        const link = document.createElement("a");
        link.href = url;
        link.download = fileName;
        link.style.display = "none";
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(function() { URL.revokeObjectURL(url); }, 60000);
        return 0;
    } catch (e) {
        globalThis.strsSaveRefusal = String((e && e.message) || e);
        return 2;
    }
});

EM_JS(int, RefusalSize, (), { return lengthBytesUTF8(globalThis.strsSaveRefusal || ""); });
EM_JS(void, CopyRefusal, (char* into, int size), {
    stringToUTF8(globalThis.strsSaveRefusal || "", into, size + 1);
    globalThis.strsSaveRefusal = null;
});

}  // namespace

bool SavedFilesAreDownloads() { return true; }

bool OfferToBrowser(const QByteArray& bytes, const QString& fileName) {
    const int outcome = SaveInBrowser(bytes.constData(), int(bytes.size()), fileName.toUtf8().constData());
    if (outcome == 1)
        return false;
    if (outcome == 2) {
        QByteArray reason(RefusalSize(), Qt::Uninitialized);
        CopyRefusal(reason.data(), int(reason.size()));
        throw Error(QCoreApplication::translate("strs::BrowserDownload", "Браузер не сохранил файл %1: %2")
                        .arg(fileName, QString::fromUtf8(reason))
                        .toStdString());
    }
    return true;
}

#else

bool SavedFilesAreDownloads() { return false; }

bool OfferToBrowser(const QByteArray&, const QString&) { return false; }

#endif

}  // namespace strs
