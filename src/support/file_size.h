#pragma once
#include <QString>

// A byte count as a file manager writes it: decimal units ("12 KB", "1.5 MB", "2.31 GB").
QString formatFileSize(qint64 bytes);
