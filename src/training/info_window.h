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
    void bild1Click(); // closes the window

    QLabel* Titel = nullptr;
    QLabel* Bezeichnung6 = nullptr;
    QLabel* Bezeichnung7 = nullptr;
    ClickableLabel* Bezeichnung1 = nullptr;
    PictureButton* Bild1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void closed(); // the training window comes back

private:
    void fillCredits();
};
