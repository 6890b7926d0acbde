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
        std::function<void()> GenerateTask; // a new task on the training window's screen
        std::function<QString()> TaskOnScreen; // the caption of its task label
    };
    WorksheetWindow(TrainingState& state, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                    TaskSource tasks);

    // Run once, when the program first creates the window: it stands directly right of the
    // training window's frame. Showing it again later keeps its place and its lists.
    void formLoad(const QRect& trainingFrame);
    void open();

    void befehl1Click(); // "A b b r e c h e n"
    void befehl3Click(); // "Neue Liste"
    void befehl11Click(); // "Zeile anhängen"
    void befehl10Click(); // "Die Zeile löschen"
    void befehl5Click(); // "Gemischte Anzeige" / "Sortierte Anzeige"
    void befehl7Click(); // "Suchen / Ersetzen"
    void befehl4Click(); // "Alles kopieren"
    void befehl8Click(); // "Aufgaben kopieren"
    void befehl9Click(); // "Lösungen kopieren"
    void befehl6Click(); // "Alles ausdrucken"
    void befehl2Click(); // "Einzeln ausdrucken"

    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl5 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl11 = nullptr;
    QPushButton* Befehl10 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QPushButton* befehl8 = nullptr;
    QPushButton* befehl9 = nullptr;
    QPushButton* Befehl6 = nullptr;
    QPushButton* Befehl7 = nullptr;
    QLineEdit* Text1 = nullptr; // search text
    QLineEdit* Text2 = nullptr; // replacement
    QPushButton* Befehl2 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    ListBox* Liste1 = nullptr; // task rows
    QLabel* Bezeichnung2 = nullptr;
    ListBox* Liste2 = nullptr; // answers beside their tasks
    ListBox* Liste3 = nullptr; // the same answers, sorted

signals:
    void closed(); // "A b b r e c h e n", Escape or the frame: the training window comes forward

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void appendTask();
    void mirror(const ListBox* clicked);
    bool mixedShown() const;
    QStringList shownSolutions() const;
    void confirm(const QString& text);
    bool ask(const QString& question);

    TrainingState& state_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    Printer& printer_;
    TaskSource tasks_;
    bool mirroring_ = false;
};
