#pragma once

// Mandatory tasks: a teacher collects tasks in the mandatory list of the training window, saves
// them to ZIFTORA.DAT, and at every start and change of user the stored tasks are loaded and served
// before free training. The list and the buttons live in the training window; this class holds
// what they do. Mandatory mode is on exactly while the mandatory cover stands at 240 twips.

#include <QString>
#include <QStringList>

struct TrainingState;
class Dialogs;
class TaskEngine;
class ListBox;
class QWidget;
class QLabel;

// Reads the mandatory task file into the entries of the list, field by field. A pair whose answer
// the keypad cannot type (only a hand-edited file holds one) could never be answered, so it is
// passed over while the file streams past: a huge file of such pairs costs neither time nor
// memory. A last task without its answer stays; the generator drops it when its turn comes.
// False when the file cannot be read (the entries then hold what was read, none for a missing
// file).
bool readMandatoryFile(const QString& path, QStringList* entries);

class MandatoryTasks {
public:
    MandatoryTasks(TrainingState& state, Dialogs& dialogs, TaskEngine& engine, ListBox& list,
                   QWidget& cover, QWidget& window, const QLabel& taskLabel);

    static constexpr const char* FileName = "ZIFTORA.DAT";
    // The training window at its normal width hides the editor column; widened, it shows it.
    static constexpr int NormalWidth = 7440; // twips
    static constexpr int EditorWidth = 9500; // twips

    bool active() const; // the mandatory cover is on
    bool editorOpen() const; // the window is wider than its normal 7440 twips
    void loadMandatoryTasks(); // start-up and after a user is started
    void confirmEndMandatoryTasks(); // the "*" key

    // Click handlers of the editor column and the cover.
    void openEditor();
    void insertTask(); // "Einfügen"
    void deleteLine(); // "Lösche Zeile"
    void saveList(); // "Speichern"
    void clearList(); // "Lösche Liste"
    void loadList(); // "Lade Liste"
    void leaveWithPassword(); // the cover: leave mandatory mode with the password

private:
    bool readFileIntoList(); // false when the file cannot be read
    void leaveMode(); // parks the cover, back to plus

    TrainingState& state_;
    Dialogs& dialogs_;
    TaskEngine& engine_;
    ListBox& list_;
    QWidget& cover_;
    QWidget& window_;
    const QLabel& taskLabel_;
};
