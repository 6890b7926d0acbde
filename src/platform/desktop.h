#pragma once

class Clipboard;
class Clock;
class Dialogs;
class Printer;
class RandomSource;
class Timers;

// What the program takes from the desktop, handed to the composition root in one piece: main.cpp
// fills it with the real services, tests with scripted and recording doubles.
struct Desktop {
    Dialogs& dialogs;
    RandomSource& random;
    Clipboard& clipboard;
    Timers& timers;
    Printer& printer;
    Clock& clock;
};
