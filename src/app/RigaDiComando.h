#pragma once
// The command-line run, with no display: open the three files as the window does, let the
// automatic run pair where the output file is new or empty, accept the proposed pairs at or
// above a confidence if asked, save, and print one line per group of proposals and the
// totals. Returns the exit status.
//
//   zelvano --batch --input FILE --catalogue FILE --output FILE [--accept-proposals MIN]

int EseguiRigaDiComando(int argc, char** argv);
