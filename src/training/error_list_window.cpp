#include "training/error_list_window.h"

#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/print_job.h"
#include "platform/text_file.h"
#include "platform/controls.h"
#include "training/error_file.h"
#include "training/user_window.h"
#include "worksheets/worksheet_rules.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 4950; // twips
constexpr int ClientHeight = 5790; // twips

template<typename Control>
Control* named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::place(control, left, top, width, height);
    return control;
}

} // namespace

ErrorListWindow::ErrorListWindow(Dialogs& dialogs, UserWindow& users, Printer& printer)
    : QWidget(nullptr), dialogs_(dialogs), users_(users), printer_(printer)
{
    setObjectName(QStringLiteral("ErrorListWindow"));
    setWindowTitle(QStringLiteral("Ziftora: Fehlerliste"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    auto label = [this](const QString& caption) { return new QLabel(caption, this); };
    auto button = [this](const QString& caption) { return new QPushButton(caption, this); };

    Befehl5 = named(button(QStringLiteral("<")), "Befehl5", 120, 120, 375, 495);
    Bezeichnung4 = named(label(QString()), "Bezeichnung4", 480, 120, 3975, 495);
    Befehl6 = named(button(QStringLiteral(">")), "Befehl6", 4440, 120, 375, 495);
    Bezeichnung1 =
            named(label(QStringLiteral("Fehleraufgaben")), "Bezeichnung1", 120, 720, 2535, 375);
    Bezeichnung2 = named(label(QStringLiteral("Lösung")), "Bezeichnung2", 2760, 720, 975, 375);
    Bezeichnung3 = named(label(QStringLiteral("gemischt")), "Bezeichnung3", 3840, 720, 975, 375);
    Liste1 = named(new ListBox(this), "Liste1", 120, 1080, 2535, 3345);
    Liste2 = named(new ListBox(this), "Liste2", 2760, 1080, 975, 3345);
    Liste3 = named(new ListBox(this, /*sorted=*/true), "Liste3", 3840, 1080, 975, 3345);
    Liste1->setAccessibleName(QStringLiteral("Fehleraufgaben"));
    Liste2->setAccessibleName(QStringLiteral("Lösungen"));
    Liste3->setAccessibleName(QStringLiteral("Lösungen, sortiert"));
    Befehl5->setAccessibleName(QStringLiteral("Voriger Benutzer"));
    Befehl6->setAccessibleName(QStringLiteral("Nächster Benutzer"));
    Befehl1 = named(button(QStringLiteral("Abbruch")), "Befehl1", 120, 4560, 1215, 495);
    Befehl2 = named(button(QStringLiteral("Drucken mit richtiger Lösung")), "Befehl2", 1440, 4560,
                    3375, 495);
    Befehl4 = named(button(QStringLiteral("Löschen")), "Befehl4", 120, 5160, 1215, 495);
    Befehl3 = named(button(QStringLiteral("Drucken mit gemischter Lösung")), "Befehl3", 1440, 5160,
                    3375, 495);

    QFont large = Befehl5->font();
    large.setPointSize(14);
    large.setBold(true);
    Befehl5->setFont(large);
    Befehl6->setFont(large);
    QFont name = Bezeichnung4->font();
    name.setPointSize(14);
    Bezeichnung4->setFont(name);
    Bezeichnung4->setAlignment(Qt::AlignCenter);
    Bezeichnung4->setTextFormat(Qt::PlainText);
    Befehl5->setAccessibleName(QStringLiteral("Voriger Benutzer"));
    Befehl5->setToolTip(QStringLiteral("Fehlerliste des vorigen Benutzers laden"));
    Befehl6->setAccessibleName(QStringLiteral("Nächster Benutzer"));
    Befehl6->setToolTip(QStringLiteral("Fehlerliste des nächsten Benutzers laden"));

    connect(Befehl1, &QPushButton::clicked, this, &ErrorListWindow::befehl1Click);
    connect(Befehl2, &QPushButton::clicked, this, &ErrorListWindow::befehl2Click);
    connect(Befehl3, &QPushButton::clicked, this, &ErrorListWindow::befehl3Click);
    connect(Befehl4, &QPushButton::clicked, this, &ErrorListWindow::befehl4Click);
    connect(Befehl5, &QPushButton::clicked, this, &ErrorListWindow::befehl5Click);
    connect(Befehl6, &QPushButton::clicked, this, &ErrorListWindow::befehl6Click);

    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        befehl1Click();
        return true;
    });
}

void ErrorListWindow::open(const QString& userName, const QPoint& trainingWindowAt)
{
    Bezeichnung4->setText(userName);
    if (!isVisible())
        move(trainingWindowAt);
    show();
    activateWindow();
}

int ErrorListWindow::errorCount() const
{
    return Liste1->listCount();
}

bool ErrorListWindow::hasError(const QString& task) const
{
    return Liste1->entries().contains(task);
}

QStringList ErrorListWindow::tasks() const
{
    return Liste1->entries();
}

QStringList ErrorListWindow::answers() const
{
    return Liste2->entries();
}

bool ErrorListWindow::takeFirstError(QString* task, QString* answer)
{
    if (Liste1->listCount() == 0)
        return false;
    *task = Liste1->list(0);
    *answer = Liste2->list(0);
    Liste1->removeItem(0);
    Liste2->removeItem(0);
    // One of possibly several equal answers leaves the sorted list with it.
    Liste3->removeFirst(*answer);
    return true;
}

void ErrorListWindow::befehl1Click()
{
    hide();
    emit closed();
}

// Printing: the list becomes a sheet to practise on paper, in the layout of the worksheet's
// "Alles ausdrucken", with the answers in task order (to fold away) or sorted (to search for).

void ErrorListWindow::befehl2Click()
{
    printList(Liste2);
}

void ErrorListWindow::befehl3Click()
{
    printList(Liste3);
}

void ErrorListWindow::printList(const ListBox* solutions)
{
    const QString title = QStringLiteral("Drucken");
    if (Liste1->listCount() == 0) {
        dialogs_.msgBox(QStringLiteral("Die Fehlerliste ist leer."), MsgStyle::OkOnly, title);
        return;
    }
    if (dialogs_.msgBox(QStringLiteral("Fehlerliste mit Lösungen drucken?\r"),
                        MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2, title)
        != MsgResult::Yes)
        return;
    printer_.print(Worksheet::errorListSheet(Liste1->entries(), solutions->entries(),
                                             solutions == Liste2 ? Worksheet::Solutions::Beside
                                                                 : Worksheet::Solutions::Mixed));
}

void ErrorListWindow::clearLists()
{
    Liste1->clear();
    Liste2->clear();
    Liste3->clear();
}

void ErrorListWindow::befehl4Click()
{
    clearLists();
}

void ErrorListWindow::befehl5Click()
{
    browse(-1);
}

void ErrorListWindow::befehl6Click()
{
    browse(+1);
}

void ErrorListWindow::browse(int step)
{
    const int count = users_.userCount();
    // With no user at all there is no file to show; the list on screen stays as it is.
    if (count == 0)
        return;
    int n = users_.userNumber() + step;
    if (n < 0)
        n = count - 1;
    if (n > count - 1)
        n = 0;
    Bezeichnung4->setText(users_.shownName(n));
    users_.selectUser(n);
    loadErrorFile();
}

void ErrorListWindow::loadErrorFile()
{
    const QString fileName = ErrorFile::name(users_.userNumber());
    clearLists();
    // A missing file, or a user without a file of their own, shows an empty list; so does a file
    // that is there but cannot be read, which is said and left as it is.
    QStringList tasks;
    QStringList answers;
    if (fileName.isEmpty())
        return;
    if (!ErrorFile::read(fileName, &tasks, &answers)) {
        if (TextFile::kind(fileName) != TextFile::FileKind::Absent)
            dialogs_.msgBox(QStringLiteral("Die Fehlerdatei %1 konnte nicht gelesen werden.\r")
                                    .arg(fileName),
                            MsgStyle::Information, QStringLiteral("Fehlerliste"));
        return;
    }
    Liste1->addItems(tasks);
    Liste2->addItems(answers);
    Liste3->addItems(answers);
}

void ErrorListWindow::addError(const QString& task, const QString& answer)
{
    Liste1->addItem(task);
    Liste2->addItem(answer);
    Liste3->addItem(answer);
}

void ErrorListWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    befehl1Click();
}
