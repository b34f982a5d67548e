#pragma once
// The program's own pictures, drawn in code: the toolbar's image list by picture key, the
// program icon and the picture of the about window.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Picture key -> icon: "Archivia", "Uscita", "Associa", "Disassocia", "NonAssociabile",
// "PrecedenteAss", "ProssimoAss", "Precedente", "Successivo".
QHash<QString, QIcon> ImageList1();
QIcon IconaProgramma();
// The about window's picture with its coloured shapes, of the given size in pixels.
QPixmap ImmagineInformazioni(QSize dimensione);
