#pragma once
// Qt's own texts (the standard buttons, the file dialogs) in Italian, whatever the
// system's language: the program speaks Italian throughout.

class QCoreApplication;

// False, and Qt's texts stay as they are, when the translation is not installed.
bool CaricaTraduzioneItaliana(QCoreApplication& app);
