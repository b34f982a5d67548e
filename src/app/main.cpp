// Start-up: one copy per user, then the main window until it closes; or, with --batch, the
// command-line run, which needs no display.

#include "app/FormHome1.h"
#include "app/Icone.h"
#include "app/IstanzaUnica.h"
#include "app/RigaDiComando.h"
#include "app/Traduzioni.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <string_view>

int main(int argc, char** argv) {
    for (int k = 1; k < argc; ++k)
        if (std::string_view(argv[k]) == "--batch")
            return EseguiRigaDiComando(argc, argv);
    // Otherwise the command line is not read: Qt gets the program name only, so no argument
    // can change anything.
    static char nomeProgramma[] = "zelvano";
    char* argomentiQt[] = {argc > 0 && argv[0] ? argv[0] : nomeProgramma, nullptr};
    int numeroArgomentiQt = 1;
    QApplication app(numeroArgomentiQt, argomentiQt);
    CaricaTraduzioneItaliana(app);
    // Every window carries the program icon, the refusal of a second copy included.
    QApplication::setWindowIcon(IconaProgramma());

    IstanzaUnica istanza;
    if (!istanza.Acquisisci()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zelvano"),
                        QStringLiteral("Programma già in esecuzione"), QMessageBox::Ok);
        box.exec();
        return 1;
    }

    QApplication::setApplicationName(QStringLiteral("Zelvano"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zelvano"));

    FormHome1 finestra;
    // Where no window manager honours the maximised state the window still fills the screen.
    if (const QScreen* schermo = finestra.screen())
        finestra.setGeometry(schermo->availableGeometry());
    finestra.showMaximized();
    return app.exec();
}
