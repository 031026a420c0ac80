#pragma once
#include <QByteArray>
#include <QColor>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>

// Finds an item by objectName in the visual tree (repeater delegates are nobody's QObject child).
// With visibleOnly, hidden items are passed over.
QQuickItem *findItem(QQuickItem *from, const QString &name, bool visibleOnly = false);
// Clicks the centre of an item.
void clickItem(QQuickWindow *window, QQuickItem *item);
// Types Latin-1 text into whatever has the focus.
void typeText(QQuickWindow *window, const QString &text);
// What a reader would see wrong in the texts drawn under `root`: a text drawn over another, or
// past its own box (an unelided text wider than its item), or closer than `inset` to the left or
// right edge of `root`. One line per fault, naming the texts; empty when the layout reads cleanly.
QStringList textLayoutFaults(QQuickItem *root, qreal inset = 0);
// The texts drawn under `root`, as a reader sees them.
QStringList shownTexts(QQuickItem *root);
// A PNG picture with a gradient from one colour to another.
QByteArray gradientPng(QColor from, QColor to, int width = 1280, int height = 720);

// Runs one test function of this same binary again in a child process whose session bus is gone,
// so nothing there can reach a secret service; returns the child's output, and fails on its failure.
// The child sees VANTOREL_CHILD set.
bool runWithoutSecretService(const char *testFunction, QByteArray *output);
// The same, on a private session bus whose secret service holds its name and never answers.
bool runWithSilentSecretService(const char *testFunction, QByteArray *output);
inline bool isChildRun() { return qEnvironmentVariableIsSet("VANTOREL_CHILD"); }
