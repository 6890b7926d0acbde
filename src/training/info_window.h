#pragma once

#include <QWidget>

class QLabel;
class ClickableLabel;
class PictureButton;

// InfoWindow, the program information: the title in large letters, the program's name, version and
// licence. "O k a y", the picture beside it and Escape close it.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    InfoWindow();

    void open(); // shows the window; the training window stays as it is

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void closed(); // the training window comes back

private:
    void fillCredits();
    void dismiss(); // hides the window

    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr; // the program's name and version
    QLabel* licenceLabel_ = nullptr;
    ClickableLabel* okayLabel_ = nullptr;
    PictureButton* okayPicture_ = nullptr;
};
