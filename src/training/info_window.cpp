#include "training/info_window.h"

#include "platform/controls.h"
#include "platform/picture_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>

InfoWindow::InfoWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("InfoWindow"));
    setWindowTitle(QStringLiteral("Programm-Info"));
    setFixedSize(Twips::toPixels(3495), Twips::toPixels(3255));

    QFont big(QStringLiteral("Arial"));
    big.setPointSize(24);
    big.setBold(true);
    Titel = new QLabel(QStringLiteral("Z i f t o r a"), this);
    Titel->setObjectName(QStringLiteral("Titel"));
    Titel->setFont(big);
    Titel->setAlignment(Qt::AlignCenter);
    Titel->setAccessibleName(QStringLiteral("Ziftora"));
    Twips::place(Titel, 240, 240, 3015, 555);

    Bezeichnung6 = new QLabel(this);
    Bezeichnung6->setObjectName(QStringLiteral("Bezeichnung6"));
    Bezeichnung6->setAlignment(Qt::AlignCenter);
    Bezeichnung6->setWordWrap(true);
    Twips::place(Bezeichnung6, 240, 840, 3015, 975);
    Bezeichnung7 = new QLabel(this);
    Bezeichnung7->setObjectName(QStringLiteral("Bezeichnung7"));
    Bezeichnung7->setAlignment(Qt::AlignCenter);
    Bezeichnung7->setWordWrap(true);
    Twips::place(Bezeichnung7, 240, 1800, 3015, 495);

    QFont okay(QStringLiteral("Arial"));
    okay.setPointSize(18);
    Bezeichnung1 = new ClickableLabel(QStringLiteral("O k a y"), this);
    Bezeichnung1->setObjectName(QStringLiteral("Bezeichnung1"));
    Bezeichnung1->setFont(okay);
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setFrameShape(QFrame::Panel);
    Bezeichnung1->setFrameShadow(QFrame::Raised);
    Bezeichnung1->setToolTip(QStringLiteral("Fenster schließen"));
    Bezeichnung1->setAccessibleName(QStringLiteral("Okay"));
    Bezeichnung1->onClick = [this] { bild1Click(); };
    Twips::place(Bezeichnung1, 240, 2400, 2175, 615);

    Bild1 = new PictureButton(this, QStringLiteral(":/icons/okay.svg"),
                              QStringLiteral("Fenster schließen"));
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Twips::place(Bild1, 2400, 2400, 855, 615);
    connect(Bild1, &QAbstractButton::clicked, this, &InfoWindow::bild1Click);

    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        bild1Click();
        return true;
    });
}

void InfoWindow::fillCredits()
{
    Bezeichnung6->setText(QStringLiteral(
            "Ziftora, der Kopfrechentrainer für die Grundschule\nVersion " ZIFTORA_VERSION));
    Bezeichnung7->setText(QStringLiteral("Freie Software unter der MIT-Lizenz"));
}

void InfoWindow::open()
{
    show();
    raise();
    activateWindow();
    Bezeichnung1->setFocus();
}

void InfoWindow::showEvent(QShowEvent* event)
{
    // Centred across the screen, a quarter of the free height from the top.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.x() + (free.width() - frameGeometry().width()) / 2,
             free.y() + (free.height() - frameGeometry().height()) / 4);
    }
    fillCredits();
    QWidget::showEvent(event);
}

void InfoWindow::bild1Click()
{
    hide();
    emit closed();
}
