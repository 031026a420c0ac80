#pragma once
#include <QSslConfiguration>

namespace Standin {
// A fresh key and self-signed certificate for 127.0.0.1, valid for a day.
QSslConfiguration selfSignedConfiguration();
}
