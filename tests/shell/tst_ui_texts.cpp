// Shared looks that hold Qt objects across windows must survive a new application object,
// as a test program or an embedding program may create one after another.

#include "shell/ui_texts.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyle>
#include <QtTest>

class UiTextsTest : public QObject {
    Q_OBJECT
private slots:
    void groupStyleBelongsToTheCurrentApplication() {
        for (int round = 0; round < 2; ++round) {
            int argc = 1;
            char name[] = "tst_ui_texts";
            char* argv[] = {name, nullptr};
            QApplication app(argc, argv);
            QGroupBox group(QStringLiteral("Порядок"));
            strs::UseCaptionInFrameStyle(&group);
            QCOMPARE(group.style()->parent(), static_cast<QObject*>(&app));
            QVERIFY(!group.grab().isNull());  // painting goes through the style
        }
    }
};

QTEST_APPLESS_MAIN(UiTextsTest)
#include "tst_ui_texts.moc"
