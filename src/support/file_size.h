#pragma once
#include <QLocale>
#include <QString>

// A byte count as a file manager writes it: decimal units ("12 KB", "1.5 MB", "2.31 GB").
QString formatFileSize(qint64 bytes);

// The same in the player's language: translated units, the digits of the display locale.
QString displayFileSize(qint64 bytes);

// A size that formatFileSize wrote ("1.20 GB") in the player's language; other text unchanged.
QString displayFileSizeText(const QString &english);

// The locale whose number format the window uses. C (the English form) until a translated
// language is chosen.
QLocale displayNumberLocale();
void setDisplayNumberLocale(const QLocale &locale);
