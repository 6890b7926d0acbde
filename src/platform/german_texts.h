#pragma once

// Qt's own texts (the context menu of a text box, the buttons of standard dialogs) in German, from
// the system's Qt translations, whatever language the desktop speaks: the whole program is German.
// Returns false when the translations are not installed; Qt then speaks English.
bool useGermanQtTexts();
