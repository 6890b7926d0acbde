#pragma once

#include <QListView>

class QStringListModel;

#include <functional>

// A list box as the program's windows use it: entries by position, a selected position (-1 for
// none), and a click signal that comes for a click or a key by the person and also whenever the
// program sets the selected position with setListIndex. New entries go at the end.
//
// entryClicked comes once for every mouse click on an entry (the selected one included), once for
// every key that moves the selection, and once for every setListIndex. Adding, removing and
// clearing entries never run it. The person can move the selection but never take it away; removing
// the selected entry leaves nothing selected. entryDoubleClicked comes for a double click on an
// entry, after the click of its first press. The entries are plain strings in a string model (no
// item objects), so a list of a million entries stays small.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void addItem(const QString& entry);
    void addItems(const QStringList& entries); // addItem for each, in one step for a long list
    void removeItem(int index); // out of range: nothing happens
    void removeItems(int first, int count); // the part inside the list goes, in one step
    void removeFirst(const QString& entry); // the topmost equal entry goes; none: nothing happens
    void clear();
    int listCount() const;
    QString list(int index) const; // out of range: ""
    int listIndex() const; // -1 when nothing is selected
    void setListIndex(int index); // selects (or, with -1, unselects) and signals entryClicked;
                                  // an index outside -1 .. listCount()-1 does nothing
    // Shows a model's entries and its selection (-1: none); no entryClicked.
    void showEntries(const QStringList& entries, int selected);
    // Shows a model's selection (-1: none); no entryClicked.
    void showSelected(int index);
    QStringList entries() const;
    QRect entryRect(int index) const; // where the entry stands in the view, for a click

signals:
    void entryClicked();
    void entryDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    void userChangedRow();
    template<typename Handling>
    void asPerson(Handling handling, bool clickAnyway = false);
    void runClick();
    void append(const QStringList& entries);
    QStringListModel* model_;
    bool fromCode_ = false; // the program itself is changing the list: no click
    bool inPersonEvent_ = false; // a mouse or key event of the person is being handled
    bool personChanged_ = false; // ... and it has changed the selection
};
