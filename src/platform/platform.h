#pragma once

// The platform seam: everything the program needs from the desktop passes through this folder.
//
//   dialogs.h        message box, input box and beep behind the Dialogs interface; QtDialogs shows
//                    them with German buttons; password_prompt.h asks for the teacher's password
//   list_box.h       the list box the windows use (positions, sorted insertion, click handler)
//   text_file.h      the program's data files: Windows-1252, CR LF, fields, atomic replacement
//   settings_value.h reading the reward interval out of the settings file's first value
//   random_source.h  the one source of chance; twips.h the twips geometry of controls
//
// Windows and rules talk to the Dialogs and RandomSource interfaces, never to Qt's dialogs or a
// generator directly, so tests can hand in the scripted doubles that live in tests/support.
// List boxes and text files need no double: tests use the real widget and real files in a
// temporary directory.

#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/password_prompt.h"
#include "platform/random_source.h"
#include "platform/settings_value.h"
#include "platform/text_file.h"
#include "platform/twips.h"
