#include "shell/splash_window.h"

#include "shell/pictures.h"
#include "shell/timings.h"
#include "shell/ui_texts.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace strs {

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form2"));
    setFont(WindowFont());
    setFixedSize(300, 199);
    move(342, 253);

    // The picture is drawn unscaled from the control's corner at (-15, -16), so the
    // window shows the 300 x 199 region that starts at picture pixel (15, 16).
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(-15, -16, 315, 215);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(
        EmbeddedJpegOrBlank(QStringLiteral(":/pictures/splash.jpg"), QSize(330, 230), DisplayPixelRatio())));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(CurrentTimings().splashMs);
    Timer1->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
    Timer1->start();
}

void TForm2::Timer1Timer() {
    ++ticks_;
    Timer1->stop();
}

}  // namespace strs
