#pragma once

#include "platform/shared_file.h"

#include <QObject>
#include <QStringList>

class Clock;
class Dialogs;

// Reads the mandatory task file into the entries of the list, field by field. A pair whose answer
// the keypad cannot type (only a hand-edited file holds one) could never be answered, so it is
// passed over while the file streams past: a huge file of such pairs costs neither time nor
// memory. A last task without its answer stays; the generator drops it when its turn comes.
// False when the file cannot be read (the entries then hold what was read, none for a missing
// file).
bool readMandatoryFile(const QString& path, QStringList* entries);

// The mandatory tasks: a teacher collects tasks in the editor's list (task line, answer line, task
// line, ...) and saves them to ZIFTORA.DAT; at every start and change of child the stored tasks
// are loaded into the same list and served from it, first to last, before free training. This is
// the one place that reads and writes the file. Whether the editor column is open is kept here
// too; the training window shows it by its width. The file is shared by every program on the
// folder: a save replaces it whole under its lock.
class MandatoryTasks : public QObject {
    Q_OBJECT
public:
    static constexpr const char* FileName = "ZIFTORA.DAT";

    MandatoryTasks(Dialogs& dialogs, const Clock& clock, SharedFile::Waits waits = {});

    const QStringList& entries() const { return entries_; }
    int count() const { return int(entries_.size()); }
    QString entry(int index) const { return entries_.value(index); }
    int selected() const { return selected_; } // the editor's selected line, -1 for none
    void select(int index); // -1 .. count() - 1

    // Replaces the list by the file's tasks; false when the file cannot be read (the list is then
    // empty).
    bool load();
    // The generator serves the first pair: it leaves the list.
    void removeEntries(int first, int count);

    // The editor column.
    bool editorOpen() const { return editorOpen_; }
    void setEditorOpen(bool open);
    void insert(const QString& task, const QString& answer); // "Einfügen": a pair at the end
    void deleteSelectedPair(); // "Lösche Zeile": the selected line and the other of its pair
    void clear(); // "Lösche Liste"
    // "Speichern", with its question and messages; a file another program is changing is asked
    // about (try again, or keep the list unsaved).
    void save();
    void loadList(); // "Lade Liste", with its messages

signals:
    void changed(); // the entries or the selection
    void editorOpenChanged();

private:
    void removeRows(int first, int count);

    Dialogs& dialogs_;
    const Clock& clock_;
    SharedFile::Waits waits_;
    QStringList entries_;
    int selected_ = -1;
    bool editorOpen_ = false;
};
