#pragma once
// One running copy per user: a lock file held for the life of the process. A copy that
// crashed leaves a lock whose process is gone, and the next start takes it over.

#include <QLockFile>
#include <QString>

class IstanzaUnica {
  public:
    // The lock lives in the user's runtime folder unless another folder is given.
    explicit IstanzaUnica(const QString& cartella = {});
    // False when another copy holds the lock.
    bool Acquisisci();

    static QString CartellaPredefinita();

  private:
    QLockFile blocco_;
};
