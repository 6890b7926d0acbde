#pragma once

#include <QWidget>

class Program;
class ListBox;
class QPushButton;

// Form7, the user window: the list of children (ZIFTORA.INI, one name a line). The selected entry
// is the current user; its position is the user's number, which names the error file.
class Form7 : public QWidget {
    Q_OBJECT
public:
    explicit Form7(Program& program);

    static constexpr const char* FileName = "ZIFTORA.INI";
    static constexpr int MaxUsers = 1000; // error files have three digits

    void Befehl1_Click();   // "S t a r t e n"
    void Befehl2_Click();   // "Neuer Name"
    void Befehl3_Click();   // "A b b r u c h"
    void Befehl4_Click();   // "Name löschen"
    void Liste1_DblClick();

    // Shows the window beside the training window (and brings it to the front when it is open).
    void Open(const QWidget& trainingWindow);

    // The current user's number (position of the selected entry), or -1 when no user is selected.
    int UserNumber() const;

    // Writes ZIFTORA.INI anew from the list; a failure is told in a message. True on success.
    bool WriteUserFile();

    ListBox* Liste1 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl4 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    Program& program_;
};
