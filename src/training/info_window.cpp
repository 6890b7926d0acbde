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

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    titleLabel_ = new QLabel(QStringLiteral("Z i f t o r a"), this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setFont(titleFont);
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setAccessibleName(QStringLiteral("Ziftora"));
    Twips::place(titleLabel_, 240, 240, 3015, 555);

    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setAlignment(Qt::AlignCenter);
    versionLabel_->setWordWrap(true);
    Twips::place(versionLabel_, 240, 840, 3015, 975);
    licenceLabel_ = new QLabel(this);
    licenceLabel_->setObjectName(QStringLiteral("licenceLabel"));
    licenceLabel_->setAlignment(Qt::AlignCenter);
    licenceLabel_->setWordWrap(true);
    Twips::place(licenceLabel_, 240, 1800, 3015, 495);

    QFont okayFont(QStringLiteral("Arial"));
    okayFont.setPointSize(18);
    okayLabel_ = new ClickableLabel(QStringLiteral("O k a y"), this);
    okayLabel_->setObjectName(QStringLiteral("okayLabel"));
    okayLabel_->setFont(okayFont);
    okayLabel_->setAlignment(Qt::AlignCenter);
    okayLabel_->setFrameShape(QFrame::Panel);
    okayLabel_->setFrameShadow(QFrame::Raised);
    okayLabel_->setToolTip(QStringLiteral("Fenster schließen"));
    okayLabel_->setAccessibleName(QStringLiteral("Okay"));
    okayLabel_->onClick = [this] { dismiss(); };
    Twips::place(okayLabel_, 240, 2400, 2175, 615);

    okayPicture_ = new PictureButton(this, QStringLiteral(":/icons/okay.svg"),
                                     QStringLiteral("Fenster schließen"));
    okayPicture_->setObjectName(QStringLiteral("okayPicture"));
    Twips::place(okayPicture_, 2400, 2400, 855, 615);
    connect(okayPicture_, &QAbstractButton::clicked, this, &InfoWindow::dismiss);

    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        dismiss();
        return true;
    });
}

void InfoWindow::fillCredits()
{
    versionLabel_->setText(QStringLiteral(
            "Ziftora, der Kopfrechentrainer für die Grundschule\nVersion " ZIFTORA_VERSION));
    licenceLabel_->setText(QStringLiteral("Freie Software unter der MIT-Lizenz"));
}

void InfoWindow::open()
{
    show();
    raise();
    activateWindow();
    okayLabel_->setFocus();
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

void InfoWindow::dismiss()
{
    hide();
    emit closed();
}
