#pragma once
// The files the work on screen came from and goes to, and what the program knows of them:
// paths, the names shown, where the catalogue's lines lie and how each file looked when the
// program last read or wrote it.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvano {

// Where a line of a file lies, so that it can be read again without reading the rest.
struct PosizioneRiga {
    int64_t inizio = 0;
    uint32_t lunghezza = 0;
};

// What a file looked like when the program last read or wrote it.
struct ImprontaFile {
    int64_t dimensione = -1;
    int64_t modificaNs = 0;
    bool finisceACapo = true; // empty, or its last byte ends a line
    friend bool operator==(const ImprontaFile&, const ImprontaFile&) = default;
};

// Which file a path named, and how it looked, when the program last read or wrote it, so
// that a save can tell whether another program wrote it since.
struct IdentitaFile {
    bool nota = false; // false: nothing known, nothing to compare with
    uint64_t dispositivo = 0, inode = 0;
    int64_t dimensione = 0, modificaNs = 0;
    friend bool operator==(const IdentitaFile&, const IdentitaFile&) = default;
};

struct FileAperti {
    std::string FileInt, FileProd, FileOut;
    // The same without their folder, as the window and the messages name them.
    std::string NomeFileInt, NomeFileProd, NomeFileOut;
    IdentitaFile IdentitaOut; // FileOut as last read or saved
    // The output file held no line when it was read: the opening pairs automatically.
    bool FileOutVuoto = false;
    // The catalogue file's lines as the program knows them (1-based, as the records), and
    // the file as the program last left it: copies of a line read it from here while the
    // file is unchanged.
    std::vector<PosizioneRiga> PosProd;
    ImprontaFile ImprontaProd;
};

} // namespace zelvano
