#include "worksheets/worksheet_window.h"

#include "models/worksheet.h"
#include "platform/controls.h"
#include "platform/list_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window is as wide as designed and tall enough to show its bottom row (search and replace,
// "Einzeln ausdrucken") whole, so every button can be reached.
constexpr int ClientWidth = 7440; // twips
constexpr int ClientHeight = 7095; // twips

QFont boldFont(const QString& family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

} // namespace

WorksheetWindow::WorksheetWindow(Worksheet& worksheet) : QWidget(nullptr), worksheet_(worksheet)
{
    setObjectName(QStringLiteral("WorksheetWindow"));
    setWindowTitle(QStringLiteral("ZFT-Zaruzidovavivediv:  D r u c k e n"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    // Created in the order Tab walks through them: the buttons from top to bottom, the bottom row,
    // then the lists.
    buildButtons();
    buildLists();
    connectControls();
    showRows();
    showSolutions();
    // Escape closes the window as "A b b r e c h e n" does.
    onEscape(this, [this] { cancel(); });
}

void WorksheetWindow::buildButtons()
{
    auto button = [this](const QString& caption, const char* name, int left, int top,
                         int width = 2295) {
        auto* b = placed(new QPushButton(caption, this), name, left, top, width, 495);
        b->setFont(boldFont(QStringLiteral("MS Sans Serif"), 8));
        return b;
    };
    cancelButton_ = button(QStringLiteral("A b b r e c h e n"), "cancelButton", 120, 120);
    cancelButton_->setAccessibleName(
            QStringLiteral("Abbrechen")); // the letter-spaced caption, read as a word
    solutionDisplayButton_ = button(QString(), "solutionDisplayButton", 120, 720);
    newListButton_ = button(QStringLiteral("Neue Liste"), "newListButton", 120, 1320);
    appendRowButton_ = button(QStringLiteral("Zeile anhängen"), "appendRowButton", 120, 1920);
    deleteRowButton_ = button(QStringLiteral("Die Zeile löschen"), "deleteRowButton", 120, 2520);
    copyAllButton_ = button(QStringLiteral("Alles kopieren"), "copyAllButton", 120, 3120);
    copyTasksButton_ = button(QStringLiteral("Aufgaben kopieren"), "copyTasksButton", 120, 3720);
    copySolutionsButton_ =
            button(QStringLiteral("Lösungen kopieren"), "copySolutionsButton", 120, 4320);
    printFullSheetButton_ =
            button(QStringLiteral("Alles ausdrucken"), "printFullSheetButton", 120, 4920);
    searchAndReplaceButton_ =
            button(QStringLiteral("Suchen / Ersetzen"), "searchAndReplaceButton", 120, 6480, 2175);
    searchText_ = placed(new QLineEdit(worksheet_.searchText(), this), "searchText", 2640, 6480,
                         1095, 375);
    replacementText_ = placed(new QLineEdit(worksheet_.replacementText(), this), "replacementText",
                              3720, 6480, 1095, 375);
    searchText_->setAccessibleName(QStringLiteral("Suchen nach"));
    replacementText_->setAccessibleName(QStringLiteral("Ersetzen durch"));
    printSeparateSheetsButton_ =
            button(QStringLiteral("Einzeln ausdrucken"), "printSeparateSheetsButton", 5040, 6480);
}

void WorksheetWindow::buildLists()
{
    auto heading = [this](const QString& caption, const char* name, int left, int width) {
        auto* l = placed(new QLabel(caption, this), name, left, 120, width, 255);
        fillBackground(l, Qt::black, Qt::white);
        return l;
    };
    auto list = [this](const char* name, int left, int width) {
        auto* l = placed(new ListBox(this), name, left, 360, width, 5430);
        l->setFont(boldFont(QStringLiteral("Courier New"), 12));
        return l;
    };
    taskHeading_ = heading(QString(), "taskHeading", 2520, 3495);
    taskList_ = list("taskList", 2520, 3495);
    solutionHeading_ = heading(QStringLiteral("Lösungen"), "solutionHeading", 6120, 1095);
    solutionList_ = list("solutionList", 6120, 1095);
    sortedSolutionList_ = list("sortedSolutionList", 6120, 1095);
    taskList_->setAccessibleName(QStringLiteral("Aufgaben"));
    solutionList_->setAccessibleName(QStringLiteral("Lösungen"));
    sortedSolutionList_->setAccessibleName(QStringLiteral("Lösungen gemischt"));
}

void WorksheetWindow::connectControls()
{
    const std::pair<QPushButton*, void (Worksheet::*)()> operations[] = {
        { solutionDisplayButton_, &Worksheet::switchSolutions },
        { appendRowButton_, &Worksheet::appendRow },
        { copyAllButton_, &Worksheet::copyAll },
        { copyTasksButton_, &Worksheet::copyTasks },
        { copySolutionsButton_, &Worksheet::copySolutions },
        { printFullSheetButton_, &Worksheet::printFullSheet },
        { searchAndReplaceButton_, &Worksheet::searchAndReplace },
        { printSeparateSheetsButton_, &Worksheet::printSeparateSheets }
    };
    for (const auto& [b, operation] : operations)
        connect(b, &QPushButton::clicked, &worksheet_, operation);
    connect(cancelButton_, &QPushButton::clicked, this, &WorksheetWindow::cancel);
    connect(newListButton_, &QPushButton::clicked, this, &WorksheetWindow::buildNewList);
    connect(deleteRowButton_, &QPushButton::clicked, this, &WorksheetWindow::deleteSelectedRow);
    connect(searchText_, &QLineEdit::textChanged, &worksheet_, &Worksheet::setSearchText);
    connect(replacementText_, &QLineEdit::textChanged, &worksheet_, &Worksheet::setReplacementText);
    connect(&worksheet_, &Worksheet::rowsChanged, this, &WorksheetWindow::showRows);
    connect(&worksheet_, &Worksheet::solutionsSwitched, this, &WorksheetWindow::showSolutions);
    for (ListBox* l : { taskList_, solutionList_, sortedSolutionList_ })
        connect(l, &ListBox::entryClicked, this, [this, l] { mirrorSelection(l); });
}

void WorksheetWindow::placeRightOf(const QRect& trainingFrame)
{
    move(trainingFrame.left() + trainingFrame.width(), trainingFrame.top());
}

void WorksheetWindow::open()
{
    show();
    activateWindow();
}

void WorksheetWindow::cancel()
{
    hide();
    emit closed();
}

void WorksheetWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cancel();
}

// A new list and a deleted row leave no row selected; a new row or a replacement keeps the
// selected one.

void WorksheetWindow::buildNewList()
{
    taskList_->setListIndex(-1);
    worksheet_.buildNewList();
}

void WorksheetWindow::deleteSelectedRow()
{
    const int row = taskList_->listIndex();
    taskList_->setListIndex(-1);
    worksheet_.removeRow(row);
}

// The lists are filled anew from the rows; the selected row number stays selected.
void WorksheetWindow::showRows()
{
    const int selected = taskList_->listIndex();
    const TaskList& rows = worksheet_.rows();
    const std::pair<ListBox*, QStringList> lists[] = { { taskList_, rows.tasks() },
                                                       { solutionList_, rows.answers() },
                                                       { sortedSolutionList_,
                                                         rows.sortedAnswers() } };
    for (const auto& [list, entries] : lists) {
        list->clear();
        list->addItems(entries);
    }
    taskList_->setListIndex(selected);
}

// The caption names the display that the next click switches to.
void WorksheetWindow::showSolutions()
{
    const bool mixed = worksheet_.solutions() == Sheets::Solutions::Mixed;
    solutionList_->setVisible(!mixed);
    sortedSolutionList_->setVisible(mixed);
    solutionDisplayButton_->setText(mixed ? QStringLiteral("Sortierte Anzeige")
                                          : QStringLiteral("Gemischte Anzeige"));
}

// A click in one list selects the same row number in the other two: by position, so in the
// sorted list it is generally not the answer of the selected task.
void WorksheetWindow::mirrorSelection(const ListBox* clicked)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    for (ListBox* other : { taskList_, solutionList_, sortedSolutionList_ })
        if (other != clicked)
            other->setListIndex(clicked->listIndex());
    mirroring_ = false;
}
