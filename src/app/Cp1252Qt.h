#pragma once
// The one place where the core's Windows-1252 bytes meet Qt's Unicode strings. Both
// directions go through the core's own table, so every byte survives a round trip.

#include <QString>
#include <QValidator>

#include <string>

QString DaCp1252(const std::string& testo);
// Characters the code page lacks become '?' (one per character, surrogate pairs included).
std::string ACp1252(const QString& testo);

// True when every character of the text has a Windows-1252 byte.
bool RappresentabileCp1252(QStringView testo);

// Keeps out of a text box what the core could not store, instead of turning it into '?',
// and drops control characters (below 0x20, and 0x7F), typed or pasted.
class ValidatoreCp1252 : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& testo, int& posizione) const override;
};
