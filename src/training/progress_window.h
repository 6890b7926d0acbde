#pragma once

#include <QWidget>

class PictureView;
class ProgressPage;
class QLabel;
class QPushButton;
class QTableWidget;

// The "Lernstand" window, for the teacher and the parents: a child's practice over the days and
// weeks, the hardest task types, the small times table, and the class. It shows the ProgressPage
// and forwards its buttons there; every chart has a table beside it with the same numbers.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressPage& page);

    // Shows the page beside the window that opened it (the error-list window), on the screen.
    void open(const QRect& openerFrame);

private:
    void buildControls();
    void showPage();

    ProgressPage& page_;

    // The controls; each one's objectName is its member name without the underscore.
    QPushButton* previousChildButton_ = nullptr;
    QLabel* childNameLabel_ = nullptr;
    QPushButton* nextChildButton_ = nullptr;
    QTableWidget* dayTable_ = nullptr;
    QTableWidget* classTable_ = nullptr;
    PictureView* weekChart_ = nullptr;
    QTableWidget* weekTable_ = nullptr;
    QTableWidget* typeTable_ = nullptr;
    QTableWidget* factGrid_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
