#pragma once
// The program's own pictures: the toolbar's image list by picture key, drawn in code; the
// program icon, from the artwork in share/zelvano.svg; the picture of the about window.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Picture key -> icon: "Archivia", "Uscita", "Associa", "Disassocia", "NonAssociabile",
// "PrecedenteAss", "ProssimoAss", "Precedente", "Successivo".
QHash<QString, QIcon> ImageList1();
QIcon IconaProgramma();
// The about window's picture: the program icon and coloured shapes, of the given size in
// pixels, drawn for a screen of the given scale.
QPixmap ImmagineInformazioni(QSize dimensione, qreal scala);
