#include "training/progress_window.h"

#include "models/progress_page.h"
#include "platform/controls.h"
#include "platform/picture_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace {

constexpr int ClientWidth = 18240; // twips
constexpr int ClientHeight = 9120; // twips
constexpr quint32 TooFewText = 0x616161; // a grey that still reads on the grey cell

// A cell sorted by a number of its own (answers, a share, a day) rather than by its text.
class SortedCell final : public QTableWidgetItem {
public:
    SortedCell(const QString& text, qint64 key) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    }
};

QTableWidget* table(QWidget* window, const QStringList& columns, const QString& spoken)
{
    auto* t = new QTableWidget(0, int(columns.size()), window);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setTabKeyNavigation(false); // Tab goes on to the next control, the arrows go through cells
    t->setWordWrap(false);
    t->verticalHeader()->setDefaultSectionSize(Twips::toPixels(330));
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAccessibleName(spoken);
    return t;
}

void fill(QTableWidget* t, const QList<QStringList>& rows)
{
    t->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            t->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    t->resizeColumnsToContents();
}

void colour(QTableWidgetItem* item, Rating rating)
{
    item->setBackground(QColor::fromRgb(ratingColor(rating)));
    item->setForeground(QColor::fromRgb(rating == Rating::TooFew ? TooFewText : 0x000000));
}

} // namespace

ProgressWindow::ProgressWindow(ProgressPage& page) : QWidget(nullptr), page_(page)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("Lernstand"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    buildControls();

    connect(previousChildButton_, &QPushButton::clicked, this, [this] { page_.step(-1); });
    connect(nextChildButton_, &QPushButton::clicked, this, [this] { page_.step(+1); });
    connect(saveButton_, &QPushButton::clicked, &page_, &ProgressPage::saveTable);
    connect(printButton_, &QPushButton::clicked, &page_, &ProgressPage::print);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
    connect(&page_, &ProgressPage::changed, this, &ProgressWindow::showPage);
    onEscape(this, [this] { hide(); });
}

void ProgressWindow::buildControls()
{
    previousChildButton_ =
            placedButton(this, "previousChildButton", QStringLiteral("<"), 120, 120, 375);
    childNameLabel_ = placedLabel(this, "childNameLabel", QString(), 480, 120, 5100, 495);
    nextChildButton_ = placedButton(this, "nextChildButton", QStringLiteral(">"), 5565, 120, 375);
    placedLabel(this, "dayCaption", QStringLiteral("Verlauf"), 120, 720, 6720, 330);
    placedLabel(this, "weekCaption", QStringLiteral("Letzte 8 Wochen"), 6960, 720, 3600, 330);
    placedLabel(this, "typeCaption", QStringLiteral("Schwierigste Aufgabenarten (letzte 4 Wochen)"),
                10680, 720, 7440, 330);
    dayTable_ = placed(table(this, ProgressPage::dayColumns(), QStringLiteral("Verlauf")),
                       "dayTable", 120, 1080, 6720, 4080);
    placedLabel(this, "classCaption", QStringLiteral("Klasse (diese Woche)"), 120, 5280, 6720, 330);
    classTable_ = placed(table(this, ProgressPage::classColumns(), QStringLiteral("Klasse")),
                         "classTable", 120, 5640, 6720, 2760);
    weekChart_ = placed(new PictureView(this), "weekChart", 6960, 1080, 3600, 2760);
    weekTable_ = placed(table(this, ProgressPage::weekColumns(), QStringLiteral("Letzte 8 Wochen")),
                        "weekTable", 6960, 3960, 3600, 4440);
    typeTable_ = placed(
            table(this, ProgressPage::typeColumns(), QStringLiteral("Schwierigste Aufgabenarten")),
            "typeTable", 10680, 1080, 7440, 2400);
    placedLabel(this, "factCaption",
                QStringLiteral("Einmaleins (letzte 4 Wochen): richtig / falsch"), 10680, 3600, 7440,
                330);
    factGrid_ = placed(table(this, QStringList(10, QString()), QStringLiteral("Einmaleins")),
                       "factGrid", 10680, 3960, 7440, 4440);
    saveButton_ = placedButton(this, "saveButton", QStringLiteral("Als Tabelle speichern"), 120,
                               8520, 2700);
    printButton_ = placedButton(this, "printButton", QStringLiteral("Drucken"), 2940, 8520, 1500);
    closeButton_ =
            placedButton(this, "closeButton", QStringLiteral("Schließen"), 16620, 8520, 1500);

    QFont large = previousChildButton_->font();
    large.setPointSize(14);
    large.setBold(true);
    previousChildButton_->setFont(large);
    nextChildButton_->setFont(large);
    QFont name = childNameLabel_->font();
    name.setPointSize(14);
    childNameLabel_->setFont(name);
    childNameLabel_->setAlignment(Qt::AlignCenter);
    childNameLabel_->setTextFormat(Qt::PlainText);
    previousChildButton_->setAccessibleName(QStringLiteral("Voriger Benutzer"));
    previousChildButton_->setToolTip(QStringLiteral("Lernstand des vorigen Benutzers zeigen"));
    nextChildButton_->setAccessibleName(QStringLiteral("Nächster Benutzer"));
    nextChildButton_->setToolTip(QStringLiteral("Lernstand des nächsten Benutzers zeigen"));
    weekChart_->setAccessibleName(QStringLiteral("Balken: richtig und falsch je Woche"));

    // The class in the order of the user list until a column's header is clicked.
    classTable_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    classTable_->setSortingEnabled(true);
    factGrid_->horizontalHeader()->hide();
    factGrid_->setRowCount(10);
    for (QHeaderView* header : { factGrid_->horizontalHeader(), factGrid_->verticalHeader() })
        header->setSectionResizeMode(QHeaderView::Stretch);
    factGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    factGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    factGrid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    factGrid_->setWordWrap(true);
    factGrid_->setTextElideMode(Qt::ElideNone);
    factGrid_->horizontalHeader()->setStretchLastSection(false);
    QFont small = factGrid_->font();
    small.setPointSize(8);
    factGrid_->setFont(small);
}

void ProgressWindow::showPage()
{
    childNameLabel_->setText(page_.child());
    fill(dayTable_, page_.dayTable());
    fill(weekTable_, page_.weekTable());
    weekChart_->showPicture(page_.weekChart());
    fill(typeTable_, page_.typeTable());
    for (int r = 0; r < typeTable_->rowCount(); ++r)
        for (int c = 0; c < typeTable_->columnCount(); ++c)
            colour(typeTable_->item(r, c), page_.types()[r].rating);
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b) {
            auto* cell = new QTableWidgetItem(page_.factText(a, b));
            cell->setData(Qt::AccessibleTextRole, page_.factName(a, b));
            cell->setTextAlignment(Qt::AlignCenter);
            colour(cell, page_.facts()[a - 1][b - 1].rating);
            factGrid_->setItem(a - 1, b - 1, cell);
        }

    // The class: sorted by a column's number, not its text ("9" before "10", days by date).
    classTable_->setSortingEnabled(false);
    const QList<QStringList> rows = page_.classTable();
    classTable_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const ClassRow& row = page_.classRows()[r];
        classTable_->setItem(r, 0, new QTableWidgetItem(rows[r][0]));
        classTable_->setItem(r, 1, new SortedCell(rows[r][1], row.thisWeek.answers()));
        classTable_->setItem(
                r, 2,
                new SortedCell(rows[r][2],
                               row.thisWeek.answers() > 0 ? errorPercent(row.thisWeek) : -1));
        classTable_->setItem(
                r, 3,
                new SortedCell(rows[r][3], row.lastDay.isValid() ? row.lastDay.toJulianDay() : 0));
    }
    classTable_->resizeColumnsToContents();
    classTable_->setSortingEnabled(true);
}

void ProgressWindow::open(const QRect& openerFrame)
{
    // Beside the opener, and on its screen: to its left when there is no room to its right.
    QPoint at = openerFrame.topRight() + QPoint(1, 0);
    if (const QScreen* screen = QWidget::screen()) {
        const QRect room = screen->availableGeometry();
        if (at.x() + frameGeometry().width() > room.right())
            at.setX(std::max(room.left(), openerFrame.left() - frameGeometry().width()));
        at.setY(std::clamp(at.y(), room.top(),
                           std::max(room.top(), room.bottom() - frameGeometry().height())));
    }
    move(at);
    show();
    activateWindow();
}
