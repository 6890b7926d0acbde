// Prints every window of the program as a person meets it: title and place, then each control
// with its class, name, place, text, accessible name, description and tooltip, whether it shows,
// and the order in which Tab visits the controls. Run offscreen; its output is kept beside it
// (widget_tree.txt), so a change that moves, renames or reorders a control shows up as a
// difference there. Usage: widget_tree > widget_tree.txt

#include "program_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextStream>

namespace {

QTextStream out(stdout);

QString quoted(const QString& text)
{
    QString shown = text;
    shown.replace(u'\\', QStringLiteral("\\\\"))
            .replace(u'\r', QStringLiteral("\\r"))
            .replace(u'\n', QStringLiteral("\\n"));
    return u'"' + shown + u'"';
}

QString place(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString text(QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* list = qobject_cast<ListBox*>(w))
        return list->entries().join(u'|');
    if (auto* table = qobject_cast<QTableWidget*>(w)) { // its columns
        QStringList columns;
        for (int c = 0; c < table->columnCount(); ++c)
            columns << (table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text()
                                                       : QString());
        return columns.join(u'|');
    }
    if (auto* bar = qobject_cast<QScrollBar*>(w))
        return QStringLiteral("%1..%2=%3")
                .arg(bar->minimum())
                .arg(bar->maximum())
                .arg(bar->value());
    return QString();
}

QString spoken(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QString();
}

// The controls Tab visits from the first one that takes the focus, round to where it began.
QStringList tabOrder(QWidget* window)
{
    QWidget* first = nullptr;
    for (QWidget* c : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if ((c->focusPolicy() & Qt::TabFocus) && c->isVisible() && c->isEnabled()) {
            first = c;
            break;
        }
    QStringList visited;
    if (!first)
        return visited;
    first->setFocus();
    for (int i = 0; i < 100 && window->focusWidget(); ++i) {
        visited << window->focusWidget()->objectName();
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        if (window->focusWidget() == first)
            break;
    }
    return visited;
}

void dump(const QString& heading, QWidget* window)
{
    window->show();
    out << "== " << heading << ' ' << window->metaObject()->className() << ' '
        << window->objectName() << ' ' << quoted(window->windowTitle()) << ' '
        << place(window->geometry()) << '\n';
    for (QWidget* c : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        out << c->metaObject()->className() << ' ' << c->objectName() << ' ' << place(c->geometry())
            << ' ' << quoted(text(c));
        const QString name = spoken(c, QAccessible::Name);
        if (!name.isEmpty())
            out << " name=" << quoted(name);
        const QString description = spoken(c, QAccessible::Description);
        if (!description.isEmpty())
            out << " description=" << quoted(description);
        if (!c->toolTip().isEmpty())
            out << " tip=" << quoted(c->toolTip());
        if (c->isHidden())
            out << " hidden";
        if (!c->isEnabled())
            out << " disabled";
        out << '\n';
    }
    out << "tab: " << tabOrder(window).join(u' ') << "\n\n";
}

} // namespace

int main(int argc, char** argv)
{
    // The same tasks on every run, so the task label and the lists read the same.
    qputenv("ZIFTORA_TEST_SEED", "1");
    QApplication app(argc, argv);
    {
        ProgramFixture f;
        f.startQuietly();
        dump(QStringLiteral("training"), f.window(QStringLiteral("TrainingWindow")));
        for (const char* window :
             { "UserWindow", "ErrorListWindow", "InfoWindow", "WorksheetWindow", "RewardChooser",
               "PrisonWindow", "CarRideWindow", "NumberCatchWindow", "MemoryWindow",
               "HomewardRideWindow", "ProgressWindow" })
            dump(QString(), f.window(QString::fromLatin1(window)));
        f.dialogs.take();
    }
    {
        ProgramFixture f;
        f.startQuietly();
        f.password();
        f.click(QStringLiteral("mandatoryPicture"));
        dump(QStringLiteral("mandatory-editor"), f.window(QStringLiteral("TrainingWindow")));
    }
    {
        ProgramFixture f;
        f.startQuietly();
        for (int i = 0; i < 11; ++i)
            f.answer(f.state().expectedAnswer + QStringLiteral("1"));
        f.dialogs.take();
        dump(QStringLiteral("error-practice"), f.window(QStringLiteral("TrainingWindow")));
    }
    out.flush();
    return 0;
}
