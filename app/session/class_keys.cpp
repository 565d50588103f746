#include "app/session/class_keys.h"

#include "app/scripting/variants.h"
#include "core/errors.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QProgressDialog>

namespace strs::session {

QList<FileType> ClassKeyFileTypes() {
    return {{QCoreApplication::translate("strs::session::ClassKeys", "Страница HTML (*.html)"), QStringLiteral(".html")},
            {QStringLiteral("CSV (*.csv)"), QStringLiteral(".csv")}};
}

replay::VariantsFormat ClassKeyFormat(int type) {
    return type == 0 ? replay::VariantsFormat::Html : replay::VariantsFormat::Csv;
}

std::optional<QByteArray> MakeClassKeys(QWidget* parent, QIODevice& table, replay::VariantsFormat format,
                                        QStringList& badRows) {
    QProgressDialog progress(QCoreApplication::translate("strs::session::ClassKeys", "Варианты считаются…"),
                             QCoreApplication::translate("strs::session::ClassKeys", "Отменить"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("ClassKeysProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    // Asked again after a failed write, the table is read again from its start.
    badRows.clear();
    table.seek(0);
    QByteArray keys;
    bool cancelled = false;
    const replay::VariantsOutput output{
        [&keys](const QByteArray& piece) { keys += piece; },
        [&badRows](const QString& message) { badRows << message; },
        [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QCoreApplication::processEvents();
            cancelled = progress.wasCanceled();
            return !cancelled;
        }};
    replay::RunVariants(table, format, output, replay::ReplaySession::Windows::Hidden);
    if (cancelled)
        return std::nullopt;
    if (keys.isEmpty())  // a header that is not one of a table of variants: no file at all
        throw Error(QCoreApplication::translate("strs::session::ClassKeys", "Ответы по вариантам не составлены:\n%1")
                        .arg(badRows.join(u'\n'))
                        .toStdString());
    return keys;
}

}  // namespace strs::session
