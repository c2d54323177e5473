#pragma once

#include <QByteArray>
#include <QString>

// Whole files for tests: read (empty when unreadable) and written.
QByteArray readTestFile(const QString &path);
bool writeTestFile(const QString &path, const QByteArray &bytes);
