#pragma once

#include <QWidget>

class ListBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Worksheet;

// WorksheetWindow, the worksheet window: a view of the worksheet (models/worksheet.h). Its three
// lists show the task rows, their answers in the same order and the same answers sorted; the
// answer list on show is the worksheet's solution display. The buttons and the search and
// replacement fields go to the worksheet's operations, which ask and tell the teacher themselves.
// A click in one list selects the same row number in the other two.
class WorksheetWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetWindow(Worksheet& worksheet);

    // Run once, when the program first creates the window: it stands directly right of the
    // training window's frame. Showing it again later keeps its place and its lists.
    void placeRightOf(const QRect& trainingFrame);
    void open();

signals:
    void closed(); // "A b b r e c h e n", Escape or the frame: the training window comes forward

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtons();
    void buildLists();
    void connectControls();

    void cancel(); // "A b b r e c h e n": hides the window
    void buildNewList(); // "Neue Liste"
    void deleteSelectedRow(); // "Die Zeile löschen"
    void showRows();
    void showSolutions();
    void mirrorSelection(const ListBox* clicked);

    Worksheet& worksheet_;
    bool mirroring_ = false;

    QPushButton* cancelButton_ = nullptr;
    QPushButton* solutionDisplayButton_ = nullptr;
    QPushButton* newListButton_ = nullptr;
    QPushButton* appendRowButton_ = nullptr;
    QPushButton* deleteRowButton_ = nullptr;
    QPushButton* copyAllButton_ = nullptr;
    QPushButton* copyTasksButton_ = nullptr;
    QPushButton* copySolutionsButton_ = nullptr;
    QPushButton* printFullSheetButton_ = nullptr;
    QPushButton* searchAndReplaceButton_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QLineEdit* replacementText_ = nullptr;
    QPushButton* printSeparateSheetsButton_ = nullptr;
    QLabel* taskHeading_ = nullptr; // an empty strip over the task column
    ListBox* taskList_ = nullptr;
    QLabel* solutionHeading_ = nullptr;
    ListBox* solutionList_ = nullptr; // the answers beside their tasks
    ListBox* sortedSolutionList_ = nullptr; // the same answers, sorted: the mixed display
};
