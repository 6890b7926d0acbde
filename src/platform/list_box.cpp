#include "platform/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStringListModel>

#include <algorithm>

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new QStringListModel(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every entry is one line of text in one font: the view measures one entry instead of laying
    // out each of them, which keeps a list of a million entries quick.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::userChangedRow);
}

void ListBox::addItem(const QString& entry)
{
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    const int at = listCount();
    model_->insertRows(at, 1);
    model_->setData(model_->index(at), entry);
}

void ListBox::removeItem(int index)
{
    if (index < 0 || index >= listCount())
        return;
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    const bool wasSelected = selectionModel()->isRowSelected(index, QModelIndex());
    model_->removeRows(index, 1);
    if (wasSelected) {
        // The view would hand the selection to a neighbour; the list box has none selected then.
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::addItems(const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    append(entries);
}

void ListBox::append(const QStringList& entries)
{
    const int at = listCount();
    if (at == 0) {
        model_->setStringList(entries); // shares the list's strings, no copy
        return;
    }
    model_->insertRows(at, int(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        model_->setData(model_->index(at + int(i)), entries.at(i));
}

void ListBox::removeFirst(const QString& entry)
{
    removeItem(int(model_->stringList().indexOf(entry)));
}

void ListBox::removeItems(int first, int n)
{
    const int from = std::max(first, 0);
    const int to = std::min(first + n, listCount());
    if (from >= to)
        return;
    if (to - from == 1) {
        removeItem(from);
        return;
    }
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    const int chosen = listIndex();
    const bool selectedGoes = chosen >= from && chosen < to;
    // One removal for the whole range: removing row after row makes the view lay itself out
    // again each time, which takes minutes for a list of a million entries.
    model_->removeRows(from, to - from);
    if (selectedGoes) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::clear()
{
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    model_->setStringList(QStringList());
}

int ListBox::listCount() const
{
    return model_->rowCount();
}

QString ListBox::list(int index) const
{
    if (index < 0 || index >= listCount())
        return QString();
    return model_->stringList().at(index);
}

QRect ListBox::entryRect(int index) const
{
    return visualRect(model_->index(index));
}

int ListBox::listIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        return;
    showSelected(index);
    runClick();
}

void ListBox::showEntries(const QStringList& entries, int selected)
{
    {
        const QScopedValueRollback<bool> fromCode(fromCode_, true);
        model_->setStringList(entries);
    }
    showSelected(selected);
}

void ListBox::showSelected(int index)
{
    if (index < -1 || index >= listCount())
        return;
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    if (index < 0) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        selectionModel()->setCurrentIndex(model_->index(index),
                                          QItemSelectionModel::ClearAndSelect);
        scrollTo(model_->index(index));
    }
}

QStringList ListBox::entries() const
{
    return model_->stringList();
}

void ListBox::userChangedRow()
{
    if (fromCode_)
        return;
    if (inPersonEvent_) {
        personChanged_ = true; // the click runs once the event is handled
        return;
    }
    runClick();
}

// Runs the view's own handling of a person's event and then signals entryClicked at most once,
// after the view is done: a drag across three entries or a key that moves twice still is one action
// at a time, and whoever listens may refill the list without pulling it from under the view.
template<typename Handling>
void ListBox::asPerson(Handling handling, bool clickAnyway)
{
    bool changed = false;
    {
        const QScopedValueRollback<bool> inEvent(inPersonEvent_, true);
        const QScopedValueRollback<bool> seen(personChanged_, false);
        handling();
        changed = personChanged_;
    }
    if (changed || clickAnyway)
        runClick();
}

void ListBox::runClick()
{
    emit entryClicked();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex entry = indexAt(event->position().toPoint());
    // Only the left button chooses, and only on an entry; the empty space below the entries and
    // the other buttons leave the selection alone.
    if (event->button() != Qt::LeftButton || !entry.isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    // A click on the entry already selected changes nothing in the view but still is a click.
    const bool again = selectionModel()->isSelected(entry);
    asPerson([&] { QListView::mousePressEvent(event); }, again);
}

void ListBox::mouseMoveEvent(QMouseEvent* event)
{
    asPerson([&] { QListView::mouseMoveEvent(event); });
}

void ListBox::mouseReleaseEvent(QMouseEvent* event)
{
    asPerson([&] { QListView::mouseReleaseEvent(event); });
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex entry = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !entry.isValid()) {
        event->accept();
        return;
    }
    if (!selectionModel()->isSelected(entry)) {
        // The first press landed elsewhere: this one is a plain click on a new entry.
        mousePressEvent(event);
        return;
    }
    event->accept();
    emit entryDoubleClicked();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // With nothing selected the first arrow key chooses the first entry, wherever the view's
    // cursor was left (focus puts it on the first entry without choosing it).
    if (listIndex() < 0 && currentIndex().isValid()) {
        const QScopedValueRollback<bool> fromCode(fromCode_, true);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    asPerson([&] { QListView::keyPressEvent(event); });
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
    // Control-click and control-space would unselect the entry: they choose it instead.
    if (index.isValid() && (flags & QItemSelectionModel::Deselect))
        flags = QItemSelectionModel::ClearAndSelect;
    return flags;
}
