#pragma once
// What the main window keeps of itself between runs, beside the grid layout files: where
// the clerk left the boundaries of its splitters, and its options. An unreadable or
// missing file gives the defaults.

#include <QString>

#include <memory>

class QSettings;

class ImpostazioniFinestra {
  public:
    // No folder: nothing is read or kept.
    explicit ImpostazioniFinestra(const QString& cartella);
    ~ImpostazioniFinestra();

    // The first part's share of a splitter (0 to 1), or a negative number when none is kept.
    double Quota(const QString& divisione) const;
    void ImpostaQuota(const QString& divisione, double quota);
    bool Opzione(const QString& nome) const;
    void ImpostaOpzione(const QString& nome, bool valore);

  private:
    std::unique_ptr<QSettings> file_;
};
