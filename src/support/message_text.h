#pragma once
#include <QString>

// The player's-language form of a message composed in English (an error, a notice): the sentence
// is recognised among the known English ones and its values carried over into the translation.
// A message that is not known (a server's own text) comes back unchanged.
QString translatedMessage(const QString &english);
