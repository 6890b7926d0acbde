#include "platform/list_box.h"

#include "platform/text_file.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include <algorithm>

ListBox::ListBox(QWidget* parent, bool sorted)
    : QListWidget(parent), sorted_(sorted)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every entry is one line of text in one font: the view measures one entry instead of laying
    // out each of them, which keeps a list of a million entries quick.
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::UserChangedRow);
}

void ListBox::AddItem(const QString& entry)
{
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    int at = count();
    if (sorted_) {
        // The order of the code page's bytes: digits before capitals before small letters, "12"
        // before "3", and the umlauts after "z".
        const QByteArray key = TextFile::Encode(entry);
        int lo = 0;
        int hi = count();
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (key < TextFile::Encode(item(mid)->text()))
                hi = mid;
            else
                lo = mid + 1;
        }
        at = lo;
    }
    insertItem(at, entry);
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    const bool wasSelected = item(index)->isSelected();
    delete takeItem(index);
    if (wasSelected) {
        // The view would hand the selection to a neighbour; the list box has none selected then.
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::AddItems(const QStringList& entries)
{
    if (sorted_ && count() > 0) {
        for (const QString& entry : entries)
            AddItem(entry);
        return;
    }
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    if (!sorted_) {
        addItems(entries);
        return;
    }
    // An empty sorted list takes the entries sorted once, equal ones in the order given, as
    // adding them one by one would.
    QList<std::pair<QByteArray, qsizetype>> keys;
    keys.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.append({TextFile::Encode(entries.at(i)), i});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList ordered;
    ordered.reserve(entries.size());
    for (const auto& key : keys)
        ordered.append(entries.at(key.second));
    addItems(ordered);
}

void ListBox::RemoveItems(int first, int n)
{
    const int from = std::max(first, 0);
    const int to = std::min(first + n, count());
    if (from >= to)
        return;
    if (to - from == 1) {
        RemoveItem(from);
        return;
    }
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    bool selectedGoes = false;
    for (QListWidgetItem* chosen : selectedItems())
        selectedGoes = selectedGoes || (row(chosen) >= from && row(chosen) < to);
    // One removal for the whole range: removing row after row makes the view lay itself out
    // again each time, which takes minutes for a list of a million entries.
    model()->removeRows(from, to - from);
    if (selectedGoes) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::Clear()
{
    const QScopedValueRollback<bool> fromCode(fromCode_, true);
    clear();
}

int ListBox::ListCount() const
{
    return count();
}

QString ListBox::List(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetListIndex(int index)
{
    if (index < -1 || index >= count())
        return;
    {
        const QScopedValueRollback<bool> fromCode(fromCode_, true);
        if (index < 0) {
            clearSelection();
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else {
            selectionModel()->setCurrentIndex(model()->index(index, 0), QItemSelectionModel::ClearAndSelect);
            scrollToItem(item(index));
        }
    }
    RunClick();
}

QStringList ListBox::Entries() const
{
    QStringList entries;
    entries.reserve(count());
    for (int i = 0; i < count(); ++i)
        entries.append(item(i)->text());
    return entries;
}

void ListBox::UserChangedRow()
{
    if (fromCode_)
        return;
    if (inPersonEvent_) {
        personChanged_ = true; // the click runs once the event is handled
        return;
    }
    RunClick();
}

// Runs the view's own handling of a person's event and then the click handler at most once, after
// the view is done: a drag across three entries or a key that moves twice still is one action at
// a time, and the handler may refill the list without pulling it from under the view.
template <typename Handling>
void ListBox::AsPerson(Handling handling, bool clickAnyway)
{
    bool changed = false;
    {
        const QScopedValueRollback<bool> inEvent(inPersonEvent_, true);
        const QScopedValueRollback<bool> seen(personChanged_, false);
        handling();
        changed = personChanged_;
    }
    if (changed || clickAnyway)
        RunClick();
}

void ListBox::RunClick()
{
    const std::function<void()> handler = onClick; // the handler may replace itself
    if (handler)
        handler();
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidgetItem* entry = itemAt(event->position().toPoint());
    // Only the left button chooses, and only on an entry; the empty space below the entries and
    // the other buttons leave the selection alone.
    if (event->button() != Qt::LeftButton || !entry) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    // A click on the entry already selected changes nothing in the view but still is a click.
    const bool again = entry->isSelected();
    AsPerson([&] { QListWidget::mousePressEvent(event); }, again);
}

void ListBox::mouseMoveEvent(QMouseEvent* event)
{
    AsPerson([&] { QListWidget::mouseMoveEvent(event); });
}

void ListBox::mouseReleaseEvent(QMouseEvent* event)
{
    AsPerson([&] { QListWidget::mouseReleaseEvent(event); });
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidgetItem* entry = itemAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !entry) {
        event->accept();
        return;
    }
    if (!entry->isSelected()) {
        // The first press landed elsewhere: this one is a plain click on a new entry.
        mousePressEvent(event);
        return;
    }
    event->accept();
    const std::function<void()> handler = onDblClick;
    if (handler)
        handler();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // With nothing selected the first arrow key chooses the first entry, wherever the view's
    // cursor was left (focus puts it on the first entry without choosing it).
    if (ListIndex() < 0 && currentIndex().isValid()) {
        const QScopedValueRollback<bool> fromCode(fromCode_, true);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    AsPerson([&] { QListWidget::keyPressEvent(event); });
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    // Control-click and control-space would unselect the entry: they choose it instead.
    if (index.isValid() && (flags & QItemSelectionModel::Deselect))
        flags = QItemSelectionModel::ClearAndSelect;
    return flags;
}
