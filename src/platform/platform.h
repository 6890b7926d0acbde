#pragma once

// The platform seam: everything the program needs from the desktop passes through this folder, in
// two libraries.
//
// The core (QtCore only; the engine and rules classes may use nothing else):
//   dialogs.h         the Dialogs interface: message box, input box, password box, beep;
//                     password_prompt.h asks for the teacher's password through it
//   text_file.h       the program's data files: Windows-1252, CR LF, fields, safe replacement
//   settings_value.h  the reward interval out of the settings file's first value
//   random_source.h   the one source of chance; twips.h the twips unit
//   print_job.h       a printed sheet as lines of text at columns, and the Printer interface
//   clipboard.h       the Clipboard interface; game_timer.h game timers and the real ones
//   desktop.h         all the desktop's services in one piece, handed to the program
//
// The widget part:
//   qt_dialogs.h      the desktop's dialogs behind the Dialogs interface, with German buttons
//   list_box.h        the list box the windows use (positions, sorted insertion, click handler)
//   controls.h        twips geometry of controls, the mode covers, key preview, what Tab may reach
//   picture_button.h  the picture buttons, clickable labels and the answer display with its cursor
//   desktop_printer.h the default printer, or a PDF file in the working folder when there is none
//   qt_clipboard.h    the desktop's clipboard; german_texts.h Qt's own texts in German
//   drawing_surface.h the games' drawing surface that keeps what is drawn
//
// Windows and rules talk to the Dialogs, RandomSource, Clipboard, Printer and Timers interfaces,
// never to Qt's dialogs, a generator or a QTimer directly, so tests can hand in the doubles that
// live in tests/support.
// List boxes and text files need no double: tests use the real widget and real files in a
// temporary directory.
