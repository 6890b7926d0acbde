#pragma once

#include <QWidget>

#include <functional>

struct TrainingState;
class Clipboard;
class Dialogs;
class ListBox;
class Printer;
class QLabel;
class QLineEdit;
class QPushButton;

// WorksheetWindow, the worksheet window. The worksheet lives only in its three lists: the task
// rows, their answers in the same order, and the same answers sorted; one of the two answer lists
// is on show and decides what is printed and copied. Tasks come from the training window's
// generator, run exactly as training runs it (the task on screen and its answer change with every
// row), through the two callbacks the program hands in, so this window never knows the training
// window.
class WorksheetWindow : public QWidget {
    Q_OBJECT
public:
    struct TaskSource {
        std::function<void()> generateTask; // a new task on the training window's screen
        std::function<QString()> taskOnScreen; // the caption of its task label
    };
    WorksheetWindow(TrainingState& state, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                    TaskSource tasks);

    // Run once, when the program first creates the window: it stands directly right of the
    // training window's frame. Showing it again later keeps its place and its lists.
    void placeRightOf(const QRect& trainingFrame);
    void open();

signals:
    void closed(); // "A b b r e c h e n", Escape or the frame: the training window comes forward

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();

    // What the buttons do.
    void cancel(); // "A b b r e c h e n": hides the window
    void buildNewList(); // "Neue Liste"
    void appendRow(); // "Zeile anhängen"
    void deleteSelectedRow(); // "Die Zeile löschen"
    void switchSolutionDisplay(); // "Gemischte Anzeige" / "Sortierte Anzeige"
    void searchAndReplace(); // "Suchen / Ersetzen", also after every build
    void copyAll(); // "Alles kopieren"
    void copyTasks(); // "Aufgaben kopieren"
    void copySolutions(); // "Lösungen kopieren"
    void printFullSheet(); // "Alles ausdrucken"
    void printSeparateSheets(); // "Einzeln ausdrucken"

    void addGeneratedTask();
    void mirrorSelection(const ListBox* clicked);
    bool mixedShown() const;
    QStringList shownSolutions() const;
    void confirmCopied(const QString& text);
    bool askToPrint(const QString& question);

    TrainingState& state_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    Printer& printer_;
    TaskSource tasks_;
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
