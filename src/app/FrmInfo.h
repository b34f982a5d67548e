#pragma once
// The about window: version and release date as the program stores them.

#include <QDialog>

#include <string>

class FrmInfo : public QDialog {
    Q_OBJECT
  public:
    FrmInfo(const std::string& versione, const std::string& dataRilascio,
            QWidget* parent = nullptr);
};
