#include "training/error_list_window.h"

#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/error_file.h"
#include "training/program.h"
#include "training/training_window.h"
#include "training/user_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 4950;  // twips
constexpr int ClientHeight = 5790; // twips

template <typename Control>
Control* Named(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    Twips::Place(control, left, top, width, height);
    return control;
}

} // namespace

Form8::Form8(Program& program) : QWidget(nullptr), program_(program)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Ziftora: Fehlerliste"));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    auto label = [this](const QString& caption) { return new QLabel(caption, this); };
    auto button = [this](const QString& caption) { return new QPushButton(caption, this); };

    Befehl5 = Named(button(QStringLiteral("<")), "Befehl5", 120, 120, 375, 495);
    Bezeichnung4 = Named(label(QString()), "Bezeichnung4", 480, 120, 3975, 495);
    Befehl6 = Named(button(QStringLiteral(">")), "Befehl6", 4440, 120, 375, 495);
    Bezeichnung1 = Named(label(QStringLiteral("Fehleraufgaben")), "Bezeichnung1", 120, 720, 2535, 375);
    Bezeichnung2 = Named(label(QStringLiteral("Lösung")), "Bezeichnung2", 2760, 720, 975, 375);
    Bezeichnung3 = Named(label(QStringLiteral("gemischt")), "Bezeichnung3", 3840, 720, 975, 375);
    Liste1 = Named(new ListBox(this), "Liste1", 120, 1080, 2535, 3345);
    Liste2 = Named(new ListBox(this), "Liste2", 2760, 1080, 975, 3345);
    Liste3 = Named(new ListBox(this, /*sorted=*/true), "Liste3", 3840, 1080, 975, 3345);
    Befehl1 = Named(button(QStringLiteral("Abbruch")), "Befehl1", 120, 4560, 1215, 495);
    Befehl2 = Named(button(QStringLiteral("Drucken mit richtiger Lösung")), "Befehl2", 1440, 4560, 3375, 495);
    Befehl4 = Named(button(QStringLiteral("Löschen")), "Befehl4", 120, 5160, 1215, 495);
    Befehl3 = Named(button(QStringLiteral("Drucken mit gemischter Lösung")), "Befehl3", 1440, 5160, 3375, 495);

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

    connect(Befehl1, &QPushButton::clicked, this, &Form8::Befehl1_Click);
    connect(Befehl4, &QPushButton::clicked, this, &Form8::Befehl4_Click);
    connect(Befehl5, &QPushButton::clicked, this, &Form8::Befehl5_Click);
    connect(Befehl6, &QPushButton::clicked, this, &Form8::Befehl6_Click);
    // Befehl2 and Befehl3 (printing the list) have no action yet.
}

void Form8::Open(const QString& userName)
{
    Bezeichnung4->setText(userName);
    if (!isVisible())
        move(program_.form1().pos());
    show();
    activateWindow();
}

void Form8::Befehl1_Click()
{
    hide();
    program_.form1().show();
}

void Form8::Befehl4_Click()
{
    Liste1->Clear();
    Liste2->Clear();
    Liste3->Clear();
}

void Form8::Befehl5_Click()
{
    Browse(-1);
}

void Form8::Befehl6_Click()
{
    Browse(+1);
}

void Form8::Browse(int step)
{
    ListBox& users = *program_.form7().Liste1;
    const int count = users.ListCount();
    // With no user at all there is no file to show; the list on screen stays as it is.
    if (count == 0)
        return;
    int n = users.ListIndex() + step;
    if (n < 0)
        n = count - 1;
    if (n > count - 1)
        n = 0;
    Bezeichnung4->setText(users.List(n));
    users.SetListIndex(n);
    LoadErrorFile();
}

void Form8::LoadErrorFile()
{
    const QString fileName = ErrorFile::Name(program_.form7().UserNumber());
    Liste1->Clear();
    Liste2->Clear();
    Liste3->Clear();
    // A missing or unreadable file, or a user without a file of their own, shows an empty list.
    QStringList tasks;
    QStringList answers;
    if (fileName.isEmpty() || !ErrorFile::Read(fileName, &tasks, &answers))
        return;
    for (qsizetype i = 0; i < tasks.size(); ++i)
        AddError(tasks.at(i), answers.at(i));
}

void Form8::AddError(const QString& task, const QString& answer)
{
    Liste1->AddItem(task);
    Liste2->AddItem(answer);
    Liste3->AddItem(answer);
}

void Form8::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Befehl1_Click();
}

void Form8::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Befehl1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
