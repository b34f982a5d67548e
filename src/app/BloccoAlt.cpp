#include "app/BloccoAlt.h"

#include <QKeyEvent>
#include <QWidget>

void BloccoAlt::Proteggi(std::initializer_list<QWidget*> caselle) {
    if (caselle.size() == 0)
        return;
    auto* filtro = new BloccoAlt(*caselle.begin());
    for (QWidget* casella : caselle)
        casella->installEventFilter(filtro);
}

bool BloccoAlt::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<const QKeyEvent*>(evento);
        const Qt::KeyboardModifiers m = tasto->modifiers();
        // Shortcuts have had their turn before the box sees the key.
        if (m.testFlag(Qt::AltModifier) && !m.testFlag(Qt::ControlModifier) &&
            !tasto->text().isEmpty())
            return true;
    }
    return QObject::eventFilter(oggetto, evento);
}
